// The observer binding: delivery, refused observers and their log lines.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <string>
#include <vector>

#include "LogCapture.h"
#include "QueryRecorders.h"
#include "binding/ServiceBind.h"

namespace kv::test {
namespace {

using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery;
using KVWEBSERVICEMANAGER::HOLERULE::IHoleRuleQuery;
using RulesHolder = MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashRule>;
using RulesBind = KEEL::WEB::CServiceBind<void, IClashRuleQuery, void *, boost::shared_ptr<RulesHolder> &>;
using CloneBind = KEEL::WEB::CServiceBind<void, IClashRuleQuery, void *,
                                          boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StClashRule>> &>;
using ClashRecorder = QueryRecorder<IClashRuleQuery>;

const std::string kIsNullRefused = "[3] CServiceBind::IsNull 异常 是不支持的观察者！";
const std::string kResetRefused = "[3] CServiceBind::ReSetObserver 异常 观察者修改失败";

boost::shared_ptr<KEEL::WEB::IServiceObject> RulesResult() {
  return boost::make_shared<MOXAPP::CMOXUserDataArray<KEEL::KVWEBSERVICE::StClashRule>>(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule>>{});
}

TEST(ServiceBind, CallBackReachesTheBoundCallbackWithTheTypedHolder) {
  ClashRecorder observer;
  RulesBind bind(&IClashRuleQuery::OnServiceListClashRules, &observer);
  int request = 0;
  auto result = RulesResult();
  bind.CallBack(&request, result);
  ASSERT_EQ(observer.calls.size(), 1u);
  EXPECT_EQ(observer.calls[0].callback, "OnServiceListClashRules");
  EXPECT_EQ(observer.calls[0].handle, &request);
  EXPECT_EQ(observer.calls[0].holder, result);
}

TEST(ServiceBind, AHolderOfAnotherTypeArrivesEmptyButStillCalls) {
  const struct {
    const char *name;
    boost::shared_ptr<KEEL::WEB::IServiceObject> result;
  } kCases[] = {
      {"flag holder", boost::make_shared<MOXAPP::CMOXBaseData<bool>>(true)},
      {"record list holder", RulesResult()},
      {"no holder", nullptr},
  };
  for (auto &c : kCases) {
    SCOPED_TRACE(c.name);
    ClashRecorder observer;
    CloneBind bind(&IClashRuleQuery::OnServiceCloneClashRule, &observer);
    auto result = c.result;
    bind.CallBack(nullptr, result);
    ASSERT_EQ(observer.calls.size(), 1u);
    EXPECT_EQ(observer.calls[0].callback, "OnServiceCloneClashRule");
    EXPECT_FALSE(observer.calls[0].holder);
    EXPECT_EQ(result, c.result) << "the caller's pointer is left as it is";
  }
}

TEST(ServiceBind, NoObserverOrNoMethodCallsNothing) {
  ClashRecorder observer;
  RulesBind withoutObserver(&IClashRuleQuery::OnServiceListClashRules, nullptr);
  RulesBind withoutMethod(nullptr, &observer);
  auto result = RulesResult();
  withoutObserver.CallBack(nullptr, result);
  withoutMethod.CallBack(nullptr, result);
  EXPECT_TRUE(observer.calls.empty());
}

// Who is called after a candidate was given to ReSetObserver.
enum class Called { kOld, kOther, kNobody };

struct Candidate {
  const char *name;
  boost::any any;
  bool refused;  // not exactly an IClashRuleQuery*: logged
  bool isNull;   // IsNull's answer
  Called afterReset;
};

std::vector<Candidate> Candidates(ClashRecorder &other, QueryRecorder<IHoleRuleQuery> &foreign) {
  return {
      {"another observer", static_cast<IClashRuleQuery *>(&other), false, false, Called::kOther},
      {"null observer", static_cast<IClashRuleQuery *>(nullptr), false, true, Called::kNobody},
      {"empty any", boost::any(), true, true, Called::kOld},
      {"another manager's observer", static_cast<IHoleRuleQuery *>(&foreign), true, true, Called::kOld},
      {"derived class pointer", &other, true, true, Called::kOld},
      {"const observer", static_cast<const IClashRuleQuery *>(&other), true, true, Called::kOld},
      {"not a pointer", 7, true, true, Called::kOld},
  };
}

TEST(ServiceBind, IsNullLooksOnlyAtTheCandidate) {
  ClashRecorder other;
  QueryRecorder<IHoleRuleQuery> foreign;
  for (auto &c : Candidates(other, foreign)) {
    SCOPED_TRACE(c.name);
    // The binding's own observer is null; the answer is about the candidate.
    RulesBind bind(&IClashRuleQuery::OnServiceListClashRules, nullptr);
    LogCapture log;
    EXPECT_EQ(bind.IsNull(c.any), c.isNull);
    EXPECT_EQ(log.Lines(), c.refused ? std::vector<std::string>{kIsNullRefused} : std::vector<std::string>{});
  }
}

TEST(ServiceBind, ReSetObserverTakesOnlyTheBindingsObserverType) {
  ClashRecorder other;
  QueryRecorder<IHoleRuleQuery> foreign;
  for (auto &c : Candidates(other, foreign)) {
    SCOPED_TRACE(c.name);
    ClashRecorder old;
    other.calls.clear();
    RulesBind bind(&IClashRuleQuery::OnServiceListClashRules, &old);
    LogCapture log;
    bind.ReSetObserver(c.any);
    EXPECT_EQ(log.Lines(), c.refused ? std::vector<std::string>{kResetRefused} : std::vector<std::string>{});

    auto result = RulesResult();
    bind.CallBack(nullptr, result);
    EXPECT_EQ(old.calls.size(), c.afterReset == Called::kOld ? 1u : 0u);
    EXPECT_EQ(other.calls.size(), c.afterReset == Called::kOther ? 1u : 0u);
    EXPECT_TRUE(foreign.calls.empty());
  }
}

}  // namespace
}  // namespace kv::test
