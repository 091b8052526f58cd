// The hole-rule manager CHoleRuleMgr: the hole-check rules the server keeps for the project.
// Registry name "MOX_HoleRule_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/FileRuleRecords.h"

namespace KVWEBSERVICEMANAGER::HOLERULE {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IHoleRuleQuery {
 public:
  /// The text the server answered to the addition.
  virtual void OnServiceAddHoleRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &result) = 0;
  /// The copied rule.
  virtual void OnServiceCloneHoleRule(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StHoleRule>> &result) = 0;
  /// The hole rules, in the server's order.
  virtual void OnServiceListHoleRules(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleRule>> &result) = 0;
  /// Whether the edit succeeded.
  virtual void OnServiceEditHoleRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the renaming succeeded.
  virtual void OnServiceRenameHoleRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Whether the removal succeeded.
  virtual void OnServiceRemoveHoleRule(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  virtual ~IHoleRuleQuery() {}
};

/// The hole-rule operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IHoleRuleMgr {
 public:
  using Query = IHoleRuleQuery;

  virtual ~IHoleRuleMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IHoleRuleQuery *observer) = 0;
  /// Adds `rule`; result: the text the server answers (the new rule's identifier).
  virtual void *ServiceAddHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleAdd> &rule,
                                   IHoleRuleQuery *observer) = 0;
  virtual void *ServiceAddHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleAdd> &rule,
                                   boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &result) = 0;
  /// Copies a rule under a new name; result: the new rule.
  virtual void *ServiceCloneHoleRule(KEEL::KVWEBSERVICE::StCloneHoleRule &clone, IHoleRuleQuery *observer) = 0;
  virtual void *ServiceCloneHoleRule(
      KEEL::KVWEBSERVICE::StCloneHoleRule &clone,
      boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StHoleRule>> &result) = 0;
  /// Lists the hole rules; result: the rules, in the server's order.
  virtual void *ServiceListHoleRules(IHoleRuleQuery *observer) = 0;
  virtual void *ServiceListHoleRules(
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleRule>> &result) = 0;
  /// Edits the rule that `rule` names; result: whether it succeeded.
  virtual void *ServiceEditHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleEdit> &rule,
                                    IHoleRuleQuery *observer) = 0;
  virtual void *ServiceEditHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleEdit> &rule,
                                    boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Renames a rule; result: whether it succeeded.
  virtual void *ServiceRenameHoleRule(KEEL::KVWEBSERVICE::StRenameHoleRule &rename, IHoleRuleQuery *observer) = 0;
  virtual void *ServiceRenameHoleRule(KEEL::KVWEBSERVICE::StRenameHoleRule &rename,
                                      boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Removes the rule `ruleId`; result: whether it succeeded.
  virtual void *ServiceRemoveHoleRule(std::wstring &ruleId, IHoleRuleQuery *observer) = 0;
  virtual void *ServiceRemoveHoleRule(std::wstring &ruleId, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
};

/// IHoleRuleMgr on the web-service base; created by the program under its registry name.
class CHoleRuleMgr : public IHoleRuleMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_HoleRule_MGR".
  CHoleRuleMgr();
  explicit CHoleRuleMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CHoleRuleMgr(const CHoleRuleMgr &other);
  CHoleRuleMgr &operator=(const CHoleRuleMgr &other);
  ~CHoleRuleMgr() override;

  void ReSetObserver(void *handle, IHoleRuleQuery *observer) override;
  void *ServiceAddHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleAdd> &rule,
                           IHoleRuleQuery *observer) override;
  void *ServiceAddHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleAdd> &rule,
                           boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &result) override;
  void *ServiceCloneHoleRule(KEEL::KVWEBSERVICE::StCloneHoleRule &clone, IHoleRuleQuery *observer) override;
  void *ServiceCloneHoleRule(KEEL::KVWEBSERVICE::StCloneHoleRule &clone,
                             boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StHoleRule>> &result) override;
  void *ServiceListHoleRules(IHoleRuleQuery *observer) override;
  void *ServiceListHoleRules(
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StHoleRule>> &result) override;
  void *ServiceEditHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleEdit> &rule,
                            IHoleRuleQuery *observer) override;
  void *ServiceEditHoleRule(boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleRuleEdit> &rule,
                            boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRenameHoleRule(KEEL::KVWEBSERVICE::StRenameHoleRule &rename, IHoleRuleQuery *observer) override;
  void *ServiceRenameHoleRule(KEEL::KVWEBSERVICE::StRenameHoleRule &rename,
                              boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRemoveHoleRule(std::wstring &ruleId, IHoleRuleQuery *observer) override;
  void *ServiceRemoveHoleRule(std::wstring &ruleId, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::HOLERULE
