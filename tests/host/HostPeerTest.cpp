// The web-service host against the independent test server: a request on
// a clone, the session shared by requests, redirects it follows and those
// it does not, time-outs, and the web-error observer.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "PeerControl.h"
#include "catalogue/interfaces/WebInterfaces.h"
#include "keel/web/AppWebServiceMgr.h"
#include "wrench/TextConvert.h"

namespace kv::test {
namespace {

using namespace KEEL::WEB;
using KEEL::KVWEBSERVICE::StClashRule;

class ErrorLog : public IWebErrorObserver {
 public:
  void OnWebError(IWebServ *failed) override {
    WebServError e;
    failed->GetServError(e);
    std::lock_guard<std::mutex> lock(mutex);
    messages.push_back(e.faultMessage);
    threads.push_back(std::this_thread::get_id());
  }
  std::mutex mutex;
  std::vector<std::wstring> messages;
  std::vector<std::thread::id> threads;
};

class HostPeerTest : public ::testing::Test {
 protected:
  HostPeerTest() : peer(KV_PEER_STATE) {}

  void SetUp() override {
    peer.Post("/control/reset");
    WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    config.servAddr = WRENCH::AnsiToUnicode(peer.Address());
    config.recvTimeout = 2;
    std::string error;
    ASSERT_TRUE(host.Load(config, error)) << error;
    host.SetWebErrorObserver(&errors);
  }
  void TearDown() override { peer.Post("/control/reset"); }

  // Runs listClashRules to its end and returns the rules read.
  std::vector<boost::shared_ptr<StClashRule>> ListRules(WebServError &error) {
    boost::shared_ptr<IWebServ> serv = host.GetWebServ(L"ClashRule_listClashRules");
    dynamic_cast<KEEL::CLASHRULE::IWSIn_listClashRules &>(*serv->GetInput()).SetInput();
    serv->Start();
    serv->Wait();
    serv->GetServError(error);
    std::vector<boost::shared_ptr<StClashRule>> rules;
    dynamic_cast<KEEL::CLASHRULE::IWSOut_listClashRules &>(*serv->GetOutput()).GetResult(rules);
    return rules;
  }

  Json::Value Redirect(const std::string &location, int count) {
    Json::Value redirect;
    redirect["location"] = location;
    redirect["path"] = "/RUVU/webservice/clash/VXClashRuleWebService";
    redirect["count"] = count;
    return peer.Post("/control/redirect", redirect);
  }

  PeerControl peer;
  ErrorLog errors;
  CAppWebServiceMgr host;
};

TEST_F(HostPeerTest, RunsARequestAndSharesTheSession) {
  Json::Value cookies;
  cookies["setCookie"].append("JSESSIONID=s1; Path=/RUVU");
  peer.Post("/control/cookies", cookies);
  WebServError error;
  auto rules = ListRules(error);
  EXPECT_EQ(error.code, 0);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0]->ruleId, L"clashrule-1");

  ListRules(error);
  std::vector<std::string> sent = peer.CookieHeaders(1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_NE(sent[0].find("JSESSIONID=s1"), std::string::npos) << sent[0];
}

TEST_F(HostPeerTest, FollowsASameServerRedirectAtMostTwice) {
  struct Case {
    const char *name;
    std::string location;
    int redirects;
    int code;
    int requests;
  } cases[] = {
      {"one hop", peer.Url("/RUVU/webservice/clash/VXClashRuleWebService?hop"), 1, 0, 2},
      {"relative location", "/RUVU/webservice/clash/VXClashRuleWebService?rel", 1, 0, 2},
      {"a loop stops after two hops", peer.Url("/RUVU/webservice/clash/VXClashRuleWebService"), 5, 302, 3},
      {"another host is not followed", "http://localhost:" + std::to_string(peer.Port()) + "/RUVU/x", 1, 302, 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    peer.Post("/control/reset");
    Redirect(c.location, c.redirects);
    WebServError error;
    auto rules = ListRules(error);
    EXPECT_EQ(error.code, c.code);
    EXPECT_EQ(rules.size(), c.code == 0 ? 1u : 0u);
    EXPECT_EQ(peer.Get("/control/requests").size(), static_cast<unsigned>(c.requests));
  }
}

TEST_F(HostPeerTest, FailedRequestsReachTheErrorObserverOnTheCompletionThread) {
  Json::Value canned;
  canned["status"] = 500;
  canned["path"] = "/RUVU/webservice/clash/VXClashRuleWebService";
  canned["body"] =
      "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><soap:Fault>"
      "<faultcode>soap:Server</faultcode><faultstring>服务器忙</faultstring></soap:Fault></soap:Body></soap:Envelope>";
  peer.Post("/control/canned", canned);
  WebServError error;
  ListRules(error);
  EXPECT_EQ(error.faultMessage, L"服务器忙");
  ListRules(error);  // succeeds: no report

  // Reports come on the completion thread, after Wait returns.
  auto reported = [&] {
    std::lock_guard<std::mutex> lock(errors.mutex);
    return !errors.messages.empty();
  };
  for (int i = 0; i < 200 && !reported(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::lock_guard<std::mutex> lock(errors.mutex);
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_EQ(errors.messages[0], L"服务器忙");
  EXPECT_NE(errors.threads[0], std::this_thread::get_id());
}

TEST_F(HostPeerTest, EveryRequestHasTheHostsTimeOuts) {
  Json::Value canned;
  canned["status"] = 200;
  canned["path"] = "/RUVU/webservice/clash/VXClashRuleWebService";
  canned["mode"] = "stall";
  peer.Post("/control/canned", canned);
  WebServError error;
  auto start = std::chrono::steady_clock::now();
  ListRules(error);
  EXPECT_NE(error.code, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  ListRules(error);
  EXPECT_EQ(error.code, 0);
}

TEST_F(HostPeerTest, RequestsFromManyThreads) {
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 10; ++i) {
        WebServError error;
        if (ListRules(error).size() != 1 || error.code != 0) ++failures;
      }
    });
  for (std::thread &t : threads) t.join();
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace kv::test
