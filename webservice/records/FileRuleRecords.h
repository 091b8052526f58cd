// The file attribute shared by several services, and the clash-rule and
// hole-rule records.
#pragma once

#include <cstdint>
#include <string>

#include <boost/shared_ptr.hpp>

namespace KEEL::KVWEBSERVICE {

struct StMoxFileAttribute {
  std::wstring md5;
  std::int64_t size = 0;
  std::wstring uuid;
};

struct StClashRule {
  bool isDefaultRule = false;
  boost::shared_ptr<StMoxFileAttribute> ruleFile;
  std::wstring ruleId;
  std::wstring ruleName;
};

struct StHoleRule {
  bool isDefaultRule = false;
  boost::shared_ptr<StMoxFileAttribute> ruleFile;
  std::wstring ruleId;
  std::wstring ruleName;
};

struct StClashRule4Add {
  boost::shared_ptr<StMoxFileAttribute> ruleFile;
  std::wstring ruleName;
};

struct StHoleRuleAdd {
  boost::shared_ptr<StMoxFileAttribute> ruleFile;
  std::wstring ruleName;
};

struct StClashRule4Edit {
  boost::shared_ptr<StMoxFileAttribute> ruleFile;
  std::wstring ruleId;
  std::wstring ruleName;
};

struct StHoleRuleEdit {
  boost::shared_ptr<StMoxFileAttribute> ruleFile;
  std::wstring ruleId;
  std::wstring ruleName;
};

struct StRenameClashRule {
  std::wstring ruleId;
  std::wstring newName;
};

struct StCloneClashRule {
  std::wstring beClonedRuleId;
  std::wstring ruleName;
};

struct StRenameHoleRule {
  std::wstring ruleId;
  std::wstring newName;
};

struct StCloneHoleRule {
  std::wstring beClonedRuleId;
  std::wstring ruleName;
};

}  // namespace KEEL::KVWEBSERVICE
