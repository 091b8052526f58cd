// The clash-result manager CClashResultRelatedMgr: the results of a clash check: remarks, states, viewports, floors,
// saving and paging. Registry name "MOX_ClashResultRelated_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/ClashResultRecords.h"

namespace KVWEBSERVICEMANAGER::CLASHRESULTRELATED {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IClashResultRelatedQuery {
 public:
  /// Whether the remarks were set.
  virtual void OnServiceSetResultRemarks(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the states were set.
  virtual void OnServiceSetResultDisposeState(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether saving succeeded.
  virtual void OnServiceSaveAllClashResult(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether clearing succeeded.
  virtual void OnServiceClearRemovedClashResult(void *handle,
                                                boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the viewports were set.
  virtual void OnServiceSetResultPicViewport(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the marks were removed.
  virtual void OnServiceRemoveSignAllClashResult(void *handle,
                                                 boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveFloorClashResult(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The page of results, in the server's order.
  virtual void OnServiceGetListClashResult(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashResult>> &result) = 0;
  /// Whether the marks were removed.
  virtual void OnServiceRemoveSignClashResultId(void *handle,
                                                boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  virtual ~IClashResultRelatedQuery() {}
};

/// The clash-result operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IClashResultRelatedMgr {
 public:
  using Query = IClashResultRelatedQuery;

  virtual ~IClashResultRelatedMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IClashResultRelatedQuery *observer) = 0;
  /// Sets the remarks of results; result: whether it succeeded.
  virtual void *ServiceSetResultRemarks(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultRemarks>> &remarks,
      IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceSetResultRemarks(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultRemarks>> &remarks,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Sets the dispose states of results; result: whether it succeeded.
  virtual void *ServiceSetResultDisposeState(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultDisposeState>> &states,
      IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceSetResultDisposeState(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultDisposeState>> &states,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Saves all results of a check; result: whether it succeeded.
  virtual void *ServiceSaveAllClashResult(KEEL::KVWEBSERVICE::StSaveAllClashResult &save,
                                          IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceSaveAllClashResult(KEEL::KVWEBSERVICE::StSaveAllClashResult &save,
                                          boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Clears the results marked removed in the check `check`; result: whether it succeeded.
  virtual void *ServiceClearRemovedClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                               IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceClearRemovedClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                               boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Sets the picture viewports of results; result: whether it succeeded.
  virtual void *ServiceSetResultPicViewport(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultPicViewport>> &viewports,
      IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceSetResultPicViewport(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultPicViewport>> &viewports,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Removes the removal mark of every result of the check `check`; result: whether it succeeded.
  virtual void *ServiceRemoveSignAllClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                                IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceRemoveSignAllClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                                boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Removes the results of `floors`; result: whether it succeeded.
  virtual void *ServiceRemoveFloorClashResult(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloor>> &floors,
      IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceRemoveFloorClashResult(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloor>> &floors,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Reads one page of results; result: the results, in the server's order.
  virtual void *ServiceGetListClashResult(KEEL::KVWEBSERVICE::StGetListClashResult &query,
                                          IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceGetListClashResult(
      KEEL::KVWEBSERVICE::StGetListClashResult &query,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashResult>> &result) = 0;
  /// Removes the removal mark of the results `ids`; result: whether it succeeded.
  virtual void *ServiceRemoveSignClashResultId(KEEL::KVWEBSERVICE::StRemoveSignClashResultId &ids,
                                               IClashResultRelatedQuery *observer) = 0;
  virtual void *ServiceRemoveSignClashResultId(KEEL::KVWEBSERVICE::StRemoveSignClashResultId &ids,
                                               boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
};

/// IClashResultRelatedMgr on the web-service base; created by the program under its registry name.
class CClashResultRelatedMgr : public IClashResultRelatedMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_ClashResultRelated_MGR".
  CClashResultRelatedMgr();
  explicit CClashResultRelatedMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CClashResultRelatedMgr(const CClashResultRelatedMgr &other);
  CClashResultRelatedMgr &operator=(const CClashResultRelatedMgr &other);
  ~CClashResultRelatedMgr() override;

  void ReSetObserver(void *handle, IClashResultRelatedQuery *observer) override;
  void *ServiceSetResultRemarks(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultRemarks>> &remarks,
                                IClashResultRelatedQuery *observer) override;
  void *ServiceSetResultRemarks(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultRemarks>> &remarks,
                                boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceSetResultDisposeState(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultDisposeState>> &states,
      IClashResultRelatedQuery *observer) override;
  void *ServiceSetResultDisposeState(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultDisposeState>> &states,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceSaveAllClashResult(KEEL::KVWEBSERVICE::StSaveAllClashResult &save,
                                  IClashResultRelatedQuery *observer) override;
  void *ServiceSaveAllClashResult(KEEL::KVWEBSERVICE::StSaveAllClashResult &save,
                                  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceClearRemovedClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                       IClashResultRelatedQuery *observer) override;
  void *ServiceClearRemovedClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                       boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceSetResultPicViewport(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultPicViewport>> &viewports,
      IClashResultRelatedQuery *observer) override;
  void *ServiceSetResultPicViewport(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultPicViewport>> &viewports,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRemoveSignAllClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                        IClashResultRelatedQuery *observer) override;
  void *ServiceRemoveSignAllClashResult(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                        boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRemoveFloorClashResult(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloor>> &floors,
                                      IClashResultRelatedQuery *observer) override;
  void *ServiceRemoveFloorClashResult(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloor>> &floors,
                                      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceGetListClashResult(KEEL::KVWEBSERVICE::StGetListClashResult &query,
                                  IClashResultRelatedQuery *observer) override;
  void *ServiceGetListClashResult(
      KEEL::KVWEBSERVICE::StGetListClashResult &query,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashResult>> &result) override;
  void *ServiceRemoveSignClashResultId(KEEL::KVWEBSERVICE::StRemoveSignClashResultId &ids,
                                       IClashResultRelatedQuery *observer) override;
  void *ServiceRemoveSignClashResultId(KEEL::KVWEBSERVICE::StRemoveSignClashResultId &ids,
                                       boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::CLASHRESULTRELATED
