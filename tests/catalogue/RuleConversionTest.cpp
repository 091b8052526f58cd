// Clash-rule and hole-rule conversions: requests as XML, responses from
// fixtures. The two services share shapes, so most cases run for both.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ConvertTestUtil.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;

boost::shared_ptr<StMoxFileAttribute> File(const std::wstring &md5, std::int64_t size, const std::wstring &uuid) {
  auto file = boost::make_shared<StMoxFileAttribute>();
  file->md5 = md5;
  file->size = size;
  file->uuid = uuid;
  return file;
}

struct WriteCase {
  const char *name;
  std::function<std::string()> write;  // the request element as XML
  const char *expected;
};

template <class Record>
boost::shared_ptr<Record> Rule(boost::shared_ptr<StMoxFileAttribute> file, const std::wstring &name) {
  auto rule = boost::make_shared<Record>();
  rule->ruleFile = file;
  rule->ruleName = name;
  return rule;
}

template <class Record>
boost::shared_ptr<Record> EditRule(boost::shared_ptr<StMoxFileAttribute> file, const std::wstring &id,
                                   const std::wstring &name) {
  auto rule = Rule<Record>(file, name);
  rule->ruleId = id;
  return rule;
}

TEST(RuleConversion, WritesRequests) {
  const WriteCase kCases[] = {
      {"add without file sends the name only",
       Writes<CLASHRULE__addClashRule>("CLASHRULE", "addClashRule", Rule<StClashRule4Add>(nullptr, L"默认规则")),
       "<CLASHRULE:addClashRule><clashRule><ruleName>默认规则</ruleName></clashRule></CLASHRULE:addClashRule>"},
      {"add with file, 64-bit size and empty texts",
       Writes<HOLERULE__addHoleRule>("HOLERULE", "addHoleRule",
                                     Rule<StHoleRuleAdd>(File(L"d41d8cd9", 9007199254740993LL, L""), L"")),
       "<HOLERULE:addHoleRule><holeRule><ruleFile><md5>d41d8cd9</md5><size>9007199254740993</size><uuid/>"
       "</ruleFile><ruleName/></holeRule></HOLERULE:addHoleRule>"},
      {"null add record sends no element",
       Writes<CLASHRULE__addClashRule>("CLASHRULE", "addClashRule", boost::shared_ptr<StClashRule4Add>()),
       "<CLASHRULE:addClashRule></CLASHRULE:addClashRule>"},
      {"edit sends file, id, empty name",
       Writes<CLASHRULE__editClashRule>("CLASHRULE", "editClashRule",
                                        EditRule<StClashRule4Edit>(File(L"m", 0, L"u"), L"r1", L"")),
       "<CLASHRULE:editClashRule><clashRule><ruleFile><md5>m</md5><size>0</size><uuid>u</uuid></ruleFile>"
       "<ruleId>r1</ruleId><ruleName/></clashRule></CLASHRULE:editClashRule>"},
      {"edit without file",
       Writes<HOLERULE__editHoleRule>("HOLERULE", "editHoleRule", EditRule<StHoleRuleEdit>(nullptr, L"r2", L"n")),
       "<HOLERULE:editHoleRule><holeRule><ruleId>r2</ruleId><ruleName>n</ruleName></holeRule>"
       "</HOLERULE:editHoleRule>"},
      {"rename clash rule",
       Writes<CLASHRULE__renameClashRule>("CLASHRULE", "renameClashRule", StRenameClashRule{L"r1", L"新名"}),
       "<CLASHRULE:renameClashRule><ruleId>r1</ruleId><newName>新名</newName></CLASHRULE:renameClashRule>"},
      {"rename hole rule with empty texts",
       Writes<HOLERULE__renameHoleRule>("HOLERULE", "renameHoleRule", StRenameHoleRule{}),
       "<HOLERULE:renameHoleRule><ruleId/><newName/></HOLERULE:renameHoleRule>"},
      {"clone clash rule",
       Writes<CLASHRULE__cloneClashRule>("CLASHRULE", "cloneClashRule", StCloneClashRule{L"src", L"copy"}),
       "<CLASHRULE:cloneClashRule><beClonedRuleId>src</beClonedRuleId><ruleName>copy</ruleName>"
       "</CLASHRULE:cloneClashRule>"},
      {"clone hole rule",
       Writes<HOLERULE__cloneHoleRule>("HOLERULE", "cloneHoleRule", StCloneHoleRule{L"src", L"copy"}),
       "<HOLERULE:cloneHoleRule><beClonedRuleId>src</beClonedRuleId><ruleName>copy</ruleName>"
       "</HOLERULE:cloneHoleRule>"},
      {"remove clash rule", Writes<CLASHRULE__removeClashRule>("CLASHRULE", "removeClashRule", std::wstring(L"r9")),
       "<CLASHRULE:removeClashRule><ruleId>r9</ruleId></CLASHRULE:removeClashRule>"},
      {"remove hole rule with empty id",
       Writes<HOLERULE__removeHoleRule>("HOLERULE", "removeHoleRule", std::wstring()),
       "<HOLERULE:removeHoleRule><ruleId/></HOLERULE:removeHoleRule>"},
      {"list sends nothing", Writes<HOLERULE__listHoleRules>("HOLERULE", "listHoleRules"),
       "<HOLERULE:listHoleRules></HOLERULE:listHoleRules>"},
  };
  for (const WriteCase &c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.write(), kXmlHead + std::string(c.expected));
  }
}

const char kListedRules[] =
    "<return><isDefaultRule>true</isDefaultRule>"
    "<ruleFile><md5>abc</md5><size>9007199254740993</size><uuid>u-1</uuid></ruleFile>"
    "<ruleId>r1</ruleId><ruleName>碰撞规则</ruleName></return>"
    "<return><ruleId>r2</ruleId></return>"
    "<return xsi:nil=\"true\"/>";

// A listed rule always has a file attribute; absent parts read as empty,
// 0 or false; a nil entry keeps its place as a record at its defaults.
template <class Response, class Record>
void CheckListedRules(const char *prefix, const char *op) {
  SCOPED_TRACE(prefix);
  ConvertEngine engine(prefix);
  Response response;
  ASSERT_TRUE(engine.Read(op, kListedRules, response));
  auto earlier = boost::make_shared<Record>();
  std::vector<boost::shared_ptr<Record>> rules{earlier};
  EXPECT_TRUE(ReadResponse(response, rules));
  ASSERT_EQ(rules.size(), 4u);
  EXPECT_EQ(rules[0], earlier);

  const Record &full = *rules[1];
  EXPECT_TRUE(full.isDefaultRule);
  ASSERT_TRUE(full.ruleFile);
  EXPECT_EQ(full.ruleFile->md5, L"abc");
  EXPECT_EQ(full.ruleFile->size, 9007199254740993LL);
  EXPECT_EQ(full.ruleFile->uuid, L"u-1");
  EXPECT_EQ(full.ruleId, L"r1");
  EXPECT_EQ(full.ruleName, L"碰撞规则");

  const Record &sparse = *rules[2];
  EXPECT_FALSE(sparse.isDefaultRule);
  ASSERT_TRUE(sparse.ruleFile);
  EXPECT_EQ(sparse.ruleFile->md5, L"");
  EXPECT_EQ(sparse.ruleFile->size, 0);
  EXPECT_EQ(sparse.ruleFile->uuid, L"");
  EXPECT_EQ(sparse.ruleId, L"r2");
  EXPECT_EQ(sparse.ruleName, L"");

  ASSERT_TRUE(rules[3]);
  EXPECT_FALSE(rules[3]->ruleFile);
  EXPECT_EQ(rules[3]->ruleId, L"");
}

TEST(RuleConversion, ReadsListedRulesAfterTheCallersOwn) {
  CheckListedRules<CLASHRULE__listClashRulesResponse, StClashRule>("CLASHRULE", "listClashRules");
  CheckListedRules<HOLERULE__listHoleRulesResponse, StHoleRule>("HOLERULE", "listHoleRules");
}

// The clone result is always a new record; without a return it stays at
// its defaults, with a null file.
template <class Response, class Record>
void CheckClonedRule(const char *prefix, const char *op) {
  SCOPED_TRACE(prefix);
  ConvertEngine engine(prefix);
  auto earlier = boost::make_shared<Record>();
  earlier->ruleName = L"old";
  boost::shared_ptr<Record> rule = earlier;

  Response empty;
  ASSERT_TRUE(engine.Read(op, "", empty));
  EXPECT_TRUE(ReadResponse(empty, rule));
  ASSERT_TRUE(rule);
  EXPECT_NE(rule, earlier);
  EXPECT_EQ(earlier->ruleName, L"old");
  EXPECT_EQ(rule->ruleName, L"");
  EXPECT_FALSE(rule->isDefaultRule);
  EXPECT_FALSE(rule->ruleFile);

  Response filled;
  ASSERT_TRUE(engine.Read(op, "<return><ruleId>c1</ruleId><ruleName>副本</ruleName></return>", filled));
  boost::shared_ptr<Record> previous = rule;
  EXPECT_TRUE(ReadResponse(filled, rule));
  EXPECT_NE(rule, previous);
  EXPECT_EQ(rule->ruleId, L"c1");
  EXPECT_EQ(rule->ruleName, L"副本");
  ASSERT_TRUE(rule->ruleFile);
  EXPECT_EQ(rule->ruleFile->size, 0);
}

TEST(RuleConversion, ClonedRuleIsAlwaysNew) {
  CheckClonedRule<CLASHRULE__cloneClashRuleResponse, StClashRule>("CLASHRULE", "cloneClashRule");
  CheckClonedRule<HOLERULE__cloneHoleRuleResponse, StHoleRule>("HOLERULE", "cloneHoleRule");
}

TEST(RuleConversion, AddedRuleIdReplacesTheCallersText) {
  const struct {
    const char *children;
    const wchar_t *expected;
  } kCases[] = {{"<return>新规则-1</return>", L"新规则-1"}, {"", L""}, {"<return></return>", L""}};
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.children);
    ConvertEngine clash("CLASHRULE");
    CLASHRULE__addClashRuleResponse clashResponse;
    ASSERT_TRUE(clash.Read("addClashRule", c.children, clashResponse));
    std::wstring id = L"previous";
    EXPECT_TRUE(ReadResponse(clashResponse, id));
    EXPECT_EQ(id, c.expected);

    ConvertEngine hole("HOLERULE");
    HOLERULE__addHoleRuleResponse holeResponse;
    ASSERT_TRUE(hole.Read("addHoleRule", c.children, holeResponse));
    id = L"previous";
    EXPECT_TRUE(ReadResponse(holeResponse, id));
    EXPECT_EQ(id, c.expected);
  }
}

}  // namespace
}  // namespace kv::test
