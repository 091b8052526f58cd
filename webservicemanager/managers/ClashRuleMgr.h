// The clash-rule manager CClashRuleMgr: the clash rules the server keeps for the project.
// Registry name "MOX_ClashRule_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/FileRuleRecords.h"

namespace KVWEBSERVICEMANAGER::CLASHRULE {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IClashRuleQuery {
 public:
  /// The clash rules, in the server's order.
  virtual void OnServiceListClashRules(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashRule>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveClashRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The text the server answered to the addition.
  virtual void OnServiceAddClashRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &result) = 0;
  /// Whether the edit succeeded.
  virtual void OnServiceEditClashRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the renaming succeeded.
  virtual void OnServiceRenameClashRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The copied rule.
  virtual void OnServiceCloneClashRule(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StClashRule>> &result) = 0;
  virtual ~IClashRuleQuery() {}
};

/// The clash-rule operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IClashRuleMgr {
 public:
  using Query = IClashRuleQuery;

  virtual ~IClashRuleMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IClashRuleQuery *observer) = 0;
  /// Lists the clash rules; result: the rules, in the server's order.
  virtual void *ServiceListClashRules(IClashRuleQuery *observer) = 0;
  virtual void *ServiceListClashRules(
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashRule>> &result) = 0;
  /// Removes the rule `ruleId`; result: whether it succeeded.
  virtual void *ServiceRemoveClashRule(std::wstring &ruleId, IClashRuleQuery *observer) = 0;
  virtual void *ServiceRemoveClashRule(std::wstring &ruleId, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Adds `rule`; result: the text the server answers (the new rule's identifier).
  virtual void *ServiceAddClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Add> &rule,
                                    IClashRuleQuery *observer) = 0;
  virtual void *ServiceAddClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Add> &rule,
                                    boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &result) = 0;
  /// Edits the rule that `rule` names; result: whether it succeeded.
  virtual void *ServiceEditClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Edit> &rule,
                                     IClashRuleQuery *observer) = 0;
  virtual void *ServiceEditClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Edit> &rule,
                                     boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Renames a rule; result: whether it succeeded.
  virtual void *ServiceRenameClashRule(KEEL::KVWEBSERVICE::StRenameClashRule &rename, IClashRuleQuery *observer) = 0;
  virtual void *ServiceRenameClashRule(KEEL::KVWEBSERVICE::StRenameClashRule &rename,
                                       boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Copies a rule under a new name; result: the new rule.
  virtual void *ServiceCloneClashRule(KEEL::KVWEBSERVICE::StCloneClashRule &clone, IClashRuleQuery *observer) = 0;
  virtual void *ServiceCloneClashRule(
      KEEL::KVWEBSERVICE::StCloneClashRule &clone,
      boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StClashRule>> &result) = 0;
};

/// IClashRuleMgr on the web-service base; created by the program under its registry name.
class CClashRuleMgr : public IClashRuleMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_ClashRule_MGR".
  CClashRuleMgr();
  explicit CClashRuleMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CClashRuleMgr(const CClashRuleMgr &other);
  CClashRuleMgr &operator=(const CClashRuleMgr &other);
  ~CClashRuleMgr() override;

  void ReSetObserver(void *handle, IClashRuleQuery *observer) override;
  void *ServiceListClashRules(IClashRuleQuery *observer) override;
  void *ServiceListClashRules(
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashRule>> &result) override;
  void *ServiceRemoveClashRule(std::wstring &ruleId, IClashRuleQuery *observer) override;
  void *ServiceRemoveClashRule(std::wstring &ruleId, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceAddClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Add> &rule,
                            IClashRuleQuery *observer) override;
  void *ServiceAddClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Add> &rule,
                            boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &result) override;
  void *ServiceEditClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Edit> &rule,
                             IClashRuleQuery *observer) override;
  void *ServiceEditClashRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule4Edit> &rule,
                             boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRenameClashRule(KEEL::KVWEBSERVICE::StRenameClashRule &rename, IClashRuleQuery *observer) override;
  void *ServiceRenameClashRule(KEEL::KVWEBSERVICE::StRenameClashRule &rename,
                               boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceCloneClashRule(KEEL::KVWEBSERVICE::StCloneClashRule &clone, IClashRuleQuery *observer) override;
  void *ServiceCloneClashRule(
      KEEL::KVWEBSERVICE::StCloneClashRule &clone,
      boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StClashRule>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::CLASHRULE
