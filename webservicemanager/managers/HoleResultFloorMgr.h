// The hole-result floor manager CHoleResultFloorMgr: the floors of a hole check's results.
// Registry name "MOX_HoleResultFloor_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/HoleResultRecords.h"

namespace KVWEBSERVICEMANAGER::HOLERESULTFLOOR {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IHoleResultFloorQuery {
 public:
  /// The floors, in the server's order.
  virtual void OnServiceFindHoleResultFloors(
      void *handle,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleResultFloorInfo>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveHoleResultFloors(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the addition succeeded.
  virtual void OnServiceAddHoleResultFloors(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  virtual ~IHoleResultFloorQuery() {}
};

/// The hole-result floor operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IHoleResultFloorMgr {
 public:
  using Query = IHoleResultFloorQuery;

  virtual ~IHoleResultFloorMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IHoleResultFloorQuery *observer) = 0;
  /// Lists the floors of `scope`; result: the floors, in the server's order.
  virtual void *ServiceFindHoleResultFloors(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                            IHoleResultFloorQuery *observer) = 0;
  virtual void *ServiceFindHoleResultFloors(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleResultFloorInfo>> &result) = 0;
  /// Removes the floors of `scope`; result: whether it succeeded.
  virtual void *ServiceRemoveHoleResultFloors(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                              IHoleResultFloorQuery *observer) = 0;
  virtual void *ServiceRemoveHoleResultFloors(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                              boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Adds `floors`; result: whether it succeeded.
  virtual void *ServiceAddHoleResultFloors(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloorInfo>> &floors,
      IHoleResultFloorQuery *observer) = 0;
  virtual void *ServiceAddHoleResultFloors(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloorInfo>> &floors,
      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
};

/// IHoleResultFloorMgr on the web-service base; created by the program under its registry name.
class CHoleResultFloorMgr : public IHoleResultFloorMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_HoleResultFloor_MGR".
  CHoleResultFloorMgr();
  explicit CHoleResultFloorMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CHoleResultFloorMgr(const CHoleResultFloorMgr &other);
  CHoleResultFloorMgr &operator=(const CHoleResultFloorMgr &other);
  ~CHoleResultFloorMgr() override;

  void ReSetObserver(void *handle, IHoleResultFloorQuery *observer) override;
  void *ServiceFindHoleResultFloors(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                    IHoleResultFloorQuery *observer) override;
  void *ServiceFindHoleResultFloors(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleResultFloorInfo>> &result) override;
  void *ServiceRemoveHoleResultFloors(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                      IHoleResultFloorQuery *observer) override;
  void *ServiceRemoveHoleResultFloors(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &scope,
                                      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceAddHoleResultFloors(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloorInfo>> &floors,
                                   IHoleResultFloorQuery *observer) override;
  void *ServiceAddHoleResultFloors(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResultFloorInfo>> &floors,
                                   boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::HOLERESULTFLOOR
