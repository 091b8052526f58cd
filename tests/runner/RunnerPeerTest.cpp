// Runners against the independent test server: a whole run, the session
// shared by runners and clones, redirects, faults, failures and threads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "LogCapture.h"
#include "PeerControl.h"
#include "catalogue/ServClasses.h"
#include "keel/web/WebSession.h"
#include "wrench/TextConvert.h"

namespace kv::test {
namespace {

using KEEL::WEB::WebServError;

const wchar_t kClashRulePath[] = L"RUVU/webservice/clash/VXClashRuleWebService";
const wchar_t kHoleRulePath[] = L"RUVU/webservice/hole/VXHoleRuleWebService";

WebServError ErrorOf(KEEL::WEB::IWebRunner &runner) {
  WebServError e;
  return runner.GetServError(e);
}

bool HasRule(KEEL::WEB::IWebRunner &runner, const std::string &id) {
  auto *out = dynamic_cast<CLASHRULE__listClashRulesResponse *>(runner.GetOutput());
  if (!out) return false;
  for (const CLASHRULE__clashRule *r : out->return_)
    if (r && r->ruleId && *r->ruleId == id) return true;
  return false;
}

class RunnerPeerTest : public ::testing::Test {
 protected:
  RunnerPeerTest() : peer(KV_PEER_STATE), session(WRENCH::AnsiToUnicode(peer.Address())) {}

  void SetUp() override {
    peer.Post("/control/reset");
    rules.SetServSession(&session);
    rules.SetServPath(kClashRulePath);
  }
  void TearDown() override { peer.Post("/control/reset"); }

  Json::Value Canned(const std::string &path, int status, const std::string &body, const std::string &mode = "") {
    Json::Value canned;
    canned["status"] = status;
    canned["path"] = path;
    canned["body"] = body;
    if (!mode.empty()) canned["mode"] = mode;
    return peer.Post("/control/canned", canned);
  }

  PeerControl peer;
  KEEL::WEB::CWebSession session;
  KEEL::CLASHRULE::CServ_listClashRules rules;
};

TEST_F(RunnerPeerTest, RunsAnOperation) {
  ASSERT_TRUE(rules.RunServ()) << WRENCH::ConvertGBKToUtf8(ErrorOf(rules).faultMessage);
  EXPECT_EQ(ErrorOf(rules).code, 0);
  EXPECT_TRUE(HasRule(rules, "clashrule-1"));
}

TEST_F(RunnerPeerTest, SessionCookiesReachOtherRunnersAndClones) {
  Json::Value cookies;
  cookies["setCookie"].append("JSESSIONID=abc; Path=/RUVU");
  cookies["setCookie"].append("route=r1");
  peer.Post("/control/cookies", cookies);
  ASSERT_TRUE(rules.RunServ());
  KEEL::WEB::IWebCookieStore *store = session.GetCookieStore(WRENCH::AnsiToUnicode(peer.Address()));
  EXPECT_EQ(store->GetValue("JSESSIONID"), "JSESSIONID");
  EXPECT_EQ(store->GetValue("VALUE"), "abc");
  EXPECT_EQ(session.GetRoute(), "r1");

  cookies["setCookie"] = Json::Value(Json::arrayValue);
  peer.Post("/control/cookies", cookies);
  KEEL::HOLERULE::CServ_listHoleRules other;
  other.SetServSession(&session);
  other.SetServPath(kHoleRulePath);
  ASSERT_TRUE(other.RunServ());
  std::unique_ptr<KEEL::WEB::IWebRunner> clone(rules.Clone());
  ASSERT_TRUE(clone->RunServ());

  std::vector<std::string> sent = peer.CookieHeaders(2);
  ASSERT_EQ(sent.size(), 2u);
  for (const std::string &header : sent) {
    SCOPED_TRACE(header);
    EXPECT_NE(header.find("JSESSIONID=abc"), std::string::npos);
    EXPECT_NE(header.find("route=r1"), std::string::npos);
  }
}

TEST_F(RunnerPeerTest, RedirectIsReportedAndFollowedOnceByTheHost) {
  std::string location = peer.Url("/RUVU/webservice/clash/VXClashRuleWebService?moved=1");
  Json::Value redirect;
  redirect["location"] = location;
  redirect["path"] = "/RUVU/webservice/clash/VXClashRuleWebService";
  redirect["count"] = 1;
  peer.Post("/control/redirect", redirect);

  LogCapture log;
  EXPECT_FALSE(rules.RunServ());
  WebServError e = ErrorOf(rules);
  EXPECT_EQ(e.code, 302);
  EXPECT_EQ(e.redirectUrl, location);
  EXPECT_TRUE(log.Lines().empty());

  rules.SetRedirectUrl(e.redirectUrl);
  ASSERT_TRUE(rules.RunServ());
  EXPECT_TRUE(HasRule(rules, "clashrule-1"));
  ASSERT_TRUE(rules.RunServ());
  Json::Value requests = peer.Get("/control/requests?last=2");
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0]["path"].asString(), "/RUVU/webservice/clash/VXClashRuleWebService?moved=1");
  EXPECT_EQ(requests[1]["path"].asString(), "/RUVU/webservice/clash/VXClashRuleWebService");
}

TEST_F(RunnerPeerTest, FaultsBecomeTheErrorRecord) {
  const std::string path = "/RUVU/test/fault";
  rules.SetServPath(L"RUVU/test/fault");
  struct Case {
    const char *name;
    std::string body;
    int code;
    std::wstring faultCode;
    std::wstring faultMessage;
    bool isClientFault;
  } cases[] = {
      {"SOAP 1.1 server fault in Chinese",
       "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><soap:Fault>"
       "<faultcode>soap:Server</faultcode><faultstring>规则不存在</faultstring></soap:Fault></soap:Body></soap:Envelope>",
       SOAP_SVR_FAULT, L"SOAP-ENV:Server", L"规则不存在", false},
      {"SOAP 1.2 sender fault",
       "<env:Envelope xmlns:env=\"http://www.w3.org/2003/05/soap-envelope\"><env:Body><env:Fault>"
       "<env:Code><env:Value>env:Sender</env:Value></env:Code><env:Reason><env:Text xml:lang=\"zh\">参数错误</env:Text>"
       "</env:Reason></env:Fault></env:Body></env:Envelope>",
       SOAP_CLI_FAULT, L"SOAP-ENV:Sender", L"参数错误", true},
      {"a fault without text after one with text",
       "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><soap:Fault>"
       "<faultcode>soap:Server</faultcode></soap:Fault></soap:Body></soap:Envelope>",
       SOAP_SVR_FAULT, L"SOAP-ENV:Server", L"", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Canned(path, 500, c.body);
    LogCapture log;
    EXPECT_FALSE(rules.RunServ());
    WebServError e = ErrorOf(rules);
    EXPECT_EQ(e.code, c.code);
    EXPECT_EQ(e.faultCode, c.faultCode);
    EXPECT_EQ(e.faultMessage, c.faultMessage);
    EXPECT_EQ(e.isClientFault, c.isClientFault);
    ASSERT_EQ(log.Lines().size(), 7u);
    EXPECT_EQ(log.Lines()[1], "[4] EndPoint = " + peer.Url(path));
  }
}

TEST_F(RunnerPeerTest, RefusedConnectionFailsCleanly) {
  rules.SetServAddr(L"127.0.0.1:1");
  LogCapture log;
  EXPECT_FALSE(rules.RunServ());
  EXPECT_EQ(ErrorOf(rules).code, SOAP_TCP_ERROR);
  EXPECT_EQ(log.Lines().size(), 7u);
}

TEST_F(RunnerPeerTest, StalledServerEndsByTheReceiveTimeoutAndReleasesTheLock) {
  Canned("/RUVU/test/stall", 200, "", "stall");
  rules.SetServPath(L"RUVU/test/stall");
  rules.SetRecvTimeout(1);
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(rules.RunServ());
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(seconds, 0.9);
  EXPECT_EQ(ErrorOf(rules).code, SOAP_EOF);
  EXPECT_EQ(ErrorOf(rules).faultMessage, L"No reply: the connection was closed or timed out");

  // Another runner on the same store gets the lock at once.
  std::unique_ptr<KEEL::WEB::IWebRunner> next(rules.Clone());
  next->SetServPath(kClashRulePath);
  EXPECT_TRUE(next->RunServ());
}

TEST_F(RunnerPeerTest, ClonesRunOnTwoThreads) {
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 2; ++t) {
    std::unique_ptr<KEEL::WEB::IWebRunner> clone(rules.Clone());
    threads.emplace_back([&failures, runner = std::move(clone)] {
      for (int i = 0; i < 25; ++i)
        if (!runner->RunServ() || !HasRule(*runner, "clashrule-1")) ++failures;
    });
  }
  for (std::thread &t : threads) t.join();
  EXPECT_EQ(failures.load(), 0);
}

}  // namespace
}  // namespace kv::test
