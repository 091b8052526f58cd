// The hole check-situation manager CHoleCheckSituationMgr: the situation of a hole check (rule, date stamp, lock) per
// scope of the project. Registry name "MOX_HoleCheckSituation_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/HoleResultRecords.h"

namespace KVWEBSERVICEMANAGER::HOLECHECKSITUATION {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IHoleCheckSituationQuery {
 public:
  /// The situation read.
  virtual void OnServiceGetHoleCheckSitaution(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StHoleCheckSituation>> &result) = 0;
  /// Whether storing succeeded.
  virtual void OnServiceSetHoleCheckSituation(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  virtual ~IHoleCheckSituationQuery() {}
};

/// The hole check-situation operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IHoleCheckSituationMgr {
 public:
  using Query = IHoleCheckSituationQuery;

  virtual ~IHoleCheckSituationMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IHoleCheckSituationQuery *observer) = 0;
  /// Reads the situation of the scope `query`; result: the situation.
  virtual void *ServiceGetHoleCheckSitaution(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &query,
                                             IHoleCheckSituationQuery *observer) = 0;
  virtual void *ServiceGetHoleCheckSitaution(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &query,
      boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StHoleCheckSituation>> &result) = 0;
  /// Stores `situation`; result: whether it succeeded.
  virtual void *ServiceSetHoleCheckSituation(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleCheckSituation> &situation,
                                             IHoleCheckSituationQuery *observer) = 0;
  virtual void *ServiceSetHoleCheckSituation(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleCheckSituation> &situation,
                                             boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
};

/// IHoleCheckSituationMgr on the web-service base; created by the program under its registry name.
class CHoleCheckSituationMgr : public IHoleCheckSituationMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_HoleCheckSituation_MGR".
  CHoleCheckSituationMgr();
  explicit CHoleCheckSituationMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CHoleCheckSituationMgr(const CHoleCheckSituationMgr &other);
  CHoleCheckSituationMgr &operator=(const CHoleCheckSituationMgr &other);
  ~CHoleCheckSituationMgr() override;

  void ReSetObserver(void *handle, IHoleCheckSituationQuery *observer) override;
  void *ServiceGetHoleCheckSitaution(boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &query,
                                     IHoleCheckSituationQuery *observer) override;
  void *ServiceGetHoleCheckSitaution(
      boost::shared_ptr<KEEL::KVWEBSERVICE::StAffiliateQueryParam> &query,
      boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StHoleCheckSituation>> &result) override;
  void *ServiceSetHoleCheckSituation(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleCheckSituation> &situation,
                                     IHoleCheckSituationQuery *observer) override;
  void *ServiceSetHoleCheckSituation(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleCheckSituation> &situation,
                                     boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::HOLECHECKSITUATION
