// The clash-result overview manager CClashResultViewMgr: the floors and the overview of a clash check.
// Registry name "MOX_ClashResultView_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/ClashResultRecords.h"

namespace KVWEBSERVICEMANAGER::CLASHRESULTVIEW {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IClashResultViewQuery {
 public:
  /// The floors, in the server's order.
  virtual void OnServiceGetListClashResultFoor(
      void *handle,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashResultFloorInfo>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveClashResultFoor(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the addition succeeded.
  virtual void OnServiceAddClashResultFoor(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The overview read.
  virtual void OnServiceGetClashResultOverview(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StClashResultOverview>> &result) = 0;
  /// Whether storing succeeded.
  virtual void OnServiceSetClashResultOverview(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  virtual ~IClashResultViewQuery() {}
};

/// The clash-result overview operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IClashResultViewMgr {
 public:
  using Query = IClashResultViewQuery;

  virtual ~IClashResultViewMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IClashResultViewQuery *observer) = 0;
  /// Lists the floors of the check `check`; result: the floors, in the server's order.
  virtual void *ServiceGetListClashResultFoor(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                              IClashResultViewQuery *observer) = 0;
  virtual void *ServiceGetListClashResultFoor(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashResultFloorInfo>> &result) = 0;
  /// Removes the floors of the check `check`; result: whether it succeeded.
  virtual void *ServiceRemoveClashResultFoor(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                             IClashResultViewQuery *observer) = 0;
  virtual void *ServiceRemoveClashResultFoor(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                             boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Adds `floors`; result: whether it succeeded.
  virtual void *ServiceAddClashResultFoor(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloorInfo>> &floors,
      IClashResultViewQuery *observer) = 0;
  virtual void *ServiceAddClashResultFoor(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloorInfo>> &floors,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Reads the overview of the check `check`; result: the overview.
  virtual void *ServiceGetClashResultOverview(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                              IClashResultViewQuery *observer) = 0;
  virtual void *ServiceGetClashResultOverview(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
      boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StClashResultOverview>> &result) = 0;
  /// Stores `overview`; result: whether it succeeded.
  virtual void *ServiceSetClashResultOverview(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultOverview> &overview,
                                              IClashResultViewQuery *observer) = 0;
  virtual void *ServiceSetClashResultOverview(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultOverview> &overview,
                                              boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
};

/// IClashResultViewMgr on the web-service base; created by the program under its registry name.
class CClashResultViewMgr : public IClashResultViewMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_ClashResultView_MGR".
  CClashResultViewMgr();
  explicit CClashResultViewMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CClashResultViewMgr(const CClashResultViewMgr &other);
  CClashResultViewMgr &operator=(const CClashResultViewMgr &other);
  ~CClashResultViewMgr() override;

  void ReSetObserver(void *handle, IClashResultViewQuery *observer) override;
  void *ServiceGetListClashResultFoor(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                      IClashResultViewQuery *observer) override;
  void *ServiceGetListClashResultFoor(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashResultFloorInfo>> &result) override;
  void *ServiceRemoveClashResultFoor(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                     IClashResultViewQuery *observer) override;
  void *ServiceRemoveClashResultFoor(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                     boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceAddClashResultFoor(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloorInfo>> &floors,
                                  IClashResultViewQuery *observer) override;
  void *ServiceAddClashResultFoor(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultFloorInfo>> &floors,
                                  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceGetClashResultOverview(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
                                      IClashResultViewQuery *observer) override;
  void *ServiceGetClashResultOverview(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultUnique> &check,
      boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StClashResultOverview>> &result) override;
  void *ServiceSetClashResultOverview(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultOverview> &overview,
                                      IClashResultViewQuery *observer) override;
  void *ServiceSetClashResultOverview(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashResultOverview> &overview,
                                      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::CLASHRESULTVIEW
