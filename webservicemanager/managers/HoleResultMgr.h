// The hole-result manager CHoleResultMgr: the results of a hole check: sizes, states, remarks, viewports, finding and
// removing. Registry name "MOX_HoleResult_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/HoleResultRecords.h"

namespace KVWEBSERVICEMANAGER::HOLERESULT {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IHoleResultQuery {
 public:
  /// Whether the size was changed.
  virtual void OnServiceChangeHoleResultHoleSize(void *handle,
                                                 boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the viewports were changed.
  virtual void OnServiceChangeHoleResultPicViewports(void *handle,
                                                     boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveHoleResultsByWorkset(void *handle,
                                                   boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the states were changed.
  virtual void OnServiceChangeHoleResultStates(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the remarks were changed.
  virtual void OnServiceChangeHoleResultRemarks(void *handle,
                                                boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether clearing succeeded.
  virtual void OnServiceClearRemovedHoleResults(void *handle,
                                                boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The results found, in the server's order.
  virtual void OnServiceFindHoleResults(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleResult>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveHoleResultsByIds(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the dig states were changed.
  virtual void OnServiceChangeHoleResultDigStats(void *handle,
                                                 boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether saving succeeded.
  virtual void OnServiceSaveAllHoleResults(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveHoleResultsByFloor(void *handle,
                                                 boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  virtual ~IHoleResultQuery() {}
};

/// The hole-result operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IHoleResultMgr {
 public:
  using Query = IHoleResultQuery;

  virtual ~IHoleResultMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IHoleResultQuery *observer) = 0;
  /// Changes the size of a hole; result: whether it succeeded.
  virtual void *ServiceChangeHoleResultHoleSize(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultHoleSize> &size,
                                                IHoleResultQuery *observer) = 0;
  virtual void *ServiceChangeHoleResultHoleSize(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultHoleSize> &size,
                                                boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Changes the picture viewports of holes; result: whether it succeeded.
  virtual void *ServiceChangeHoleResultPicViewports(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultPicViewport>> &viewports,
      IHoleResultQuery *observer) = 0;
  virtual void *ServiceChangeHoleResultPicViewports(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultPicViewport>> &viewports,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Removes the results of the work set that `scope` names; result: whether it succeeded.
  virtual void *ServiceRemoveHoleResultsByWorkset(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                                  IHoleResultQuery *observer) = 0;
  virtual void *ServiceRemoveHoleResultsByWorkset(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                                  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Changes the states of holes; result: whether it succeeded.
  virtual void *ServiceChangeHoleResultStates(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultState>> &states, IHoleResultQuery *observer) = 0;
  virtual void *ServiceChangeHoleResultStates(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultState>> &states,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Changes the remarks of holes; result: whether it succeeded.
  virtual void *ServiceChangeHoleResultRemarks(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultRemarks>> &remarks, IHoleResultQuery *observer) = 0;
  virtual void *ServiceChangeHoleResultRemarks(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultRemarks>> &remarks,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Clears the results marked removed in `scope`; result: whether it succeeded.
  virtual void *ServiceClearRemovedHoleResults(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                               IHoleResultQuery *observer) = 0;
  virtual void *ServiceClearRemovedHoleResults(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                               boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Finds the results that `query` selects; result: the results, in the server's order.
  virtual void *ServiceFindHoleResults(KEEL::KVWEBSERVICE::StFindHoleResults &query, IHoleResultQuery *observer) = 0;
  virtual void *ServiceFindHoleResults(
      KEEL::KVWEBSERVICE::StFindHoleResults &query,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleResult>> &result) = 0;
  /// Removes the results `ids`; result: whether it succeeded.
  virtual void *ServiceRemoveHoleResultsByIds(KEEL::KVWEBSERVICE::StRemoveHoleResultsByIds &ids,
                                              IHoleResultQuery *observer) = 0;
  virtual void *ServiceRemoveHoleResultsByIds(KEEL::KVWEBSERVICE::StRemoveHoleResultsByIds &ids,
                                              boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Changes the dig states of holes; result: whether it succeeded.
  virtual void *ServiceChangeHoleResultDigStats(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultDigState>> &states, IHoleResultQuery *observer) = 0;
  virtual void *ServiceChangeHoleResultDigStats(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultDigState>> &states,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Saves all results of a check; result: whether it succeeded.
  virtual void *ServiceSaveAllHoleResults(KEEL::KVWEBSERVICE::StSaveAllHoleResults &save,
                                          IHoleResultQuery *observer) = 0;
  virtual void *ServiceSaveAllHoleResults(KEEL::KVWEBSERVICE::StSaveAllHoleResults &save,
                                          boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Removes the results of `floors`; result: whether it succeeded.
  virtual void *ServiceRemoveHoleResultsByFloor(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloor>> &floors, IHoleResultQuery *observer) = 0;
  virtual void *ServiceRemoveHoleResultsByFloor(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloor>> &floors,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
};

/// IHoleResultMgr on the web-service base; created by the program under its registry name.
class CHoleResultMgr : public IHoleResultMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_HoleResult_MGR".
  CHoleResultMgr();
  explicit CHoleResultMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CHoleResultMgr(const CHoleResultMgr &other);
  CHoleResultMgr &operator=(const CHoleResultMgr &other);
  ~CHoleResultMgr() override;

  void ReSetObserver(void *handle, IHoleResultQuery *observer) override;
  void *ServiceChangeHoleResultHoleSize(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultHoleSize> &size,
                                        IHoleResultQuery *observer) override;
  void *ServiceChangeHoleResultHoleSize(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultHoleSize> &size,
                                        boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceChangeHoleResultPicViewports(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultPicViewport>> &viewports,
      IHoleResultQuery *observer) override;
  void *ServiceChangeHoleResultPicViewports(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultPicViewport>> &viewports,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRemoveHoleResultsByWorkset(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                          IHoleResultQuery *observer) override;
  void *ServiceRemoveHoleResultsByWorkset(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                          boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceChangeHoleResultStates(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultState>> &states,
                                      IHoleResultQuery *observer) override;
  void *ServiceChangeHoleResultStates(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultState>> &states,
                                      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceChangeHoleResultRemarks(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultRemarks>> &remarks,
                                       IHoleResultQuery *observer) override;
  void *ServiceChangeHoleResultRemarks(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultRemarks>> &remarks,
                                       boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceClearRemovedHoleResults(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                       IHoleResultQuery *observer) override;
  void *ServiceClearRemovedHoleResults(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                       boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceFindHoleResults(KEEL::KVWEBSERVICE::StFindHoleResults &query, IHoleResultQuery *observer) override;
  void *ServiceFindHoleResults(
      KEEL::KVWEBSERVICE::StFindHoleResults &query,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleResult>> &result) override;
  void *ServiceRemoveHoleResultsByIds(KEEL::KVWEBSERVICE::StRemoveHoleResultsByIds &ids,
                                      IHoleResultQuery *observer) override;
  void *ServiceRemoveHoleResultsByIds(KEEL::KVWEBSERVICE::StRemoveHoleResultsByIds &ids,
                                      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceChangeHoleResultDigStats(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultDigState>> &states,
      IHoleResultQuery *observer) override;
  void *ServiceChangeHoleResultDigStats(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultDigState>> &states,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceSaveAllHoleResults(KEEL::KVWEBSERVICE::StSaveAllHoleResults &save, IHoleResultQuery *observer) override;
  void *ServiceSaveAllHoleResults(KEEL::KVWEBSERVICE::StSaveAllHoleResults &save,
                                  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRemoveHoleResultsByFloor(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloor>> &floors,
                                        IHoleResultQuery *observer) override;
  void *ServiceRemoveHoleResultsByFloor(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloor>> &floors,
                                        boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::HOLERESULT
