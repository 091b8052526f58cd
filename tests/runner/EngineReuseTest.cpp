// A runner's engine is reused by later runners: whatever a request left in
// it (cookies, headers, fault, SOAP version, time-outs, limits, modes) must
// not reach the next request.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>
#include <atomic>
#include <string>

#include "LoopbackServer.h"
#include "RecordingSession.h"
#include "catalogue/ServClasses.h"

namespace kv::test {
namespace {

using ListRules = KEEL::CLASHRULE::CServ_listClashRules;
using RuleProxy = VXClashRuleWebServiceSoapBindingProxy;

class ProbeRunner : public ListRules {
 public:
  using ListRules::proxy;
};

const char kRulesReply[] =
    "<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\">"
    "<return><ruleId>r1</ruleId><ruleName>规则</ruleName></return>"
    "</ns:listClashRulesResponse>";

std::string Soap12Fault() {
  return LoopbackServer::Http(
      500,
      "<env:Envelope xmlns:env=\"http://www.w3.org/2003/05/soap-envelope\"><env:Body><env:Fault>"
      "<env:Code><env:Value>env:Receiver</env:Value></env:Code>"
      "<env:Reason><env:Text xml:lang=\"en\">store down</env:Text></env:Reason>"
      "</env:Fault></env:Body></env:Envelope>",
      "Set-Cookie: JSESSIONID=s1; Path=/RUVU\r\nSet-Cookie: other=o1\r\n",
      "application/soap+xml; charset=utf-8");
}

// Per-call scratch of the engine, each call writes before it reads, and
// what belongs to one engine object (its own allocations).
struct Range {
  const char *name;
  size_t offset;
  size_t size;
};
#define KV_RANGE(field) Range{#field, offsetof(soap, field), sizeof(soap::field)}
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
const Range kScratch[] = {
    KV_RANGE(local_namespaces), KV_RANGE(buf), KV_RANGE(msgbuf), KV_RANGE(tmpbuf), KV_RANGE(tag), KV_RANGE(id),
    KV_RANGE(href), KV_RANGE(type), KV_RANGE(arrayType), KV_RANGE(arraySize), KV_RANGE(arrayOffset),
    KV_RANGE(d_stream), KV_RANGE(c_locale), KV_RANGE(plugins),
};
#pragma GCC diagnostic pop

// The byte ranges where two engines differ outside the scratch.
std::string Differences(const soap &a, const soap &b) {
  const auto *pa = reinterpret_cast<const unsigned char *>(&a);
  const auto *pb = reinterpret_cast<const unsigned char *>(&b);
  std::ostringstream out;
  for (size_t i = 0; i < sizeof(soap); ++i) {
    bool skip = false;
    for (const Range &r : kScratch)
      if (i >= r.offset && i < r.offset + r.size) skip = true;
    if (!skip && pa[i] != pb[i]) {
      size_t end = i;
      while (end < sizeof(soap) && pa[end] != pb[end]) ++end;
      out << "[" << i << "," << end << ") ";
      i = end;
    }
  }
  return out.str();
}

class EngineReuseTest : public ::testing::Test {
 protected:
  void SetUp() override { session.defaultAddr = L"127.0.0.1:" + std::to_wstring(server.Port()); }

  std::unique_ptr<ProbeRunner> NewRunner() { return NewRunner(session); }
  std::unique_ptr<ProbeRunner> NewRunner(RecordingSession &on) {
    std::unique_ptr<ProbeRunner> r(new ProbeRunner());
    r->SetServSession(&on);
    r->SetServPath(L"RUVU/webservice/clash/VXClashRuleWebService");
    return r;
  }

  LoopbackServer server;
  RecordingSession session;
};

TEST_F(EngineReuseTest, ARequestLeavesNothingInTheEngineForTheNext) {
  // A brand-new engine as a runner sets it up, for comparison.
  std::unique_ptr<RuleProxy> brandNew(new RuleProxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM));
  brandNew->imode |= SOAP_C_UTFSTRING;
  brandNew->omode |= SOAP_C_UTFSTRING;

  // Request N: session cookies, time-outs, limits, a SOAP 1.2 fault with new
  // cookies, then a success; and settings a caller could set on the engine.
  session.values = {{"JSESSIONID", "JSESSIONID"}, {"VALUE", "old"}};
  session.route = "r0";
  std::unique_ptr<ProbeRunner> used = NewRunner();
  used->SetConnectTimeout(3);
  used->SetSendTimeout(-40000);
  used->SetRecvTimeout(5);
  used->SetTransferTimeout(9);
  used->SetReplyLimits(1000, 100);
  server.Reply(Soap12Fault());
  EXPECT_FALSE(used->RunServ());
  EXPECT_EQ(used->proxy->version, 2);
  ASSERT_NE(used->proxy->fault, nullptr);
  server.ReplySoap(kRulesReply, "Set-Cookie: JSESSIONID=s2\r\n");
  EXPECT_TRUE(used->RunServ());
  RuleProxy *engine = used->proxy;
  engine->userid = "user";
  engine->passwd = "secret";
  engine->http_extra_header = "X-Leak: 1\r\n";
  soap_header(engine);
  soap_set_cookie(engine, "leak", "1", nullptr, nullptr);
  engine->keep_alive = 1;
  used.reset();

  // Request N+1 gets the same engine, equal to a brand-new one.
  session.values.clear();
  session.route.clear();
  std::unique_ptr<ProbeRunner> next = NewRunner();
  ASSERT_EQ(next->proxy, engine);
  EXPECT_EQ(Differences(*next->proxy, *brandNew), "");
  EXPECT_EQ(next->proxy->soap_endpoint, nullptr);
  EXPECT_EQ(next->proxy->cookies, nullptr);
  EXPECT_EQ(next->proxy->header, nullptr);
  EXPECT_EQ(next->proxy->fault, nullptr);
  EXPECT_EQ(next->proxy->version, brandNew->version);
  EXPECT_EQ(next->proxy->recv_timeout, 0);
  EXPECT_EQ(next->proxy->imode, brandNew->imode);

  // It sends exactly what a brand-new engine sends and reads the reply alike.
  server.ReplySoap(kRulesReply);
  ASSERT_TRUE(next->RunServ());
  auto *out = dynamic_cast<CLASHRULE__listClashRulesResponse *>(next->GetOutput());
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->return_.size(), 1u);
  server.ReplySoap(kRulesReply);
  std::string endpoint = server.Url("/RUVU/webservice/clash/VXClashRuleWebService");
  brandNew->soap_endpoint = endpoint.c_str();
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  ASSERT_EQ(brandNew->listClashRules(&request, &response), SOAP_OK);
  std::vector<RecordedRequest> requests = server.Requests(4);
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[2].head, requests[3].head);
  EXPECT_EQ(requests[2].body, requests[3].body);
  EXPECT_EQ(requests[2].Header("Cookie"), "");
  EXPECT_EQ(requests[2].Header("Authorization"), "");
}

// A runner kept only to be cloned (the host keeps one per operation) holds
// no engine, nor does a clone set up for a request that waits in a queue:
// the engine a finished request gave back goes to the clone that runs, with
// the settings it was given.
TEST_F(EngineReuseTest, OnlyARunningRunnerHoldsAnEngine) {
  std::unique_ptr<ProbeRunner> used = NewRunner();
  RuleProxy *engine = used->proxy;
  used.reset();
  std::unique_ptr<ProbeRunner> prototype = NewRunner();
  auto setUp = [](KEEL::WEB::IWebRunner &r) {
    r.SetConnectTimeout(3);
    r.SetSendTimeout(-40000);
    r.SetRecvTimeout(5);
    auto &limits = dynamic_cast<KEEL::WEB::IWebRunnerSettings &>(r);
    limits.SetTransferTimeout(9);
    limits.SetReplyLimits(100000, 1000);
  };
  std::unique_ptr<KEEL::WEB::IWebRunner> waiting(prototype->Clone());
  setUp(*waiting);
  std::unique_ptr<KEEL::WEB::IWebRunner> running(prototype->Clone());
  setUp(*running);
  server.ReplySoap(kRulesReply);
  ASSERT_TRUE(running->RunServ());
  RuleProxy *ran = static_cast<ProbeRunner *>(static_cast<ListRules *>(running.get()))->proxy;
  EXPECT_EQ(ran, engine);
  EXPECT_EQ(ran->connect_timeout, 3);
  EXPECT_EQ(ran->send_timeout, -40000);
  EXPECT_EQ(ran->recv_timeout, 5);
  EXPECT_EQ(ran->transfer_timeout, 9);
  EXPECT_EQ(ran->recv_maxlength, 100000u);
  EXPECT_EQ(ran->maxlength, 1000);
}

TEST_F(EngineReuseTest, RunnersOnSeveralThreadsEachHaveTheirOwnEngine) {
  server.SetDefaultReply(LoopbackServer::Http(200, LoopbackServer::Envelope(kRulesReply)));
  server.SetRecording(false);
  std::vector<std::thread> threads;
  std::atomic<int> failed{0};
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      RecordingSession own;  // the recording session serves one thread
      own.defaultAddr = session.defaultAddr;
      for (int i = 0; i < 20; ++i) {
        std::unique_ptr<ProbeRunner> r = NewRunner(own);
        r->SetRecvTimeout(5);
        if (!r->RunServ() || r->proxy->recv_timeout != 5) ++failed;
      }
    });
  for (std::thread &t : threads) t.join();
  EXPECT_EQ(failed, 0);
}

}  // namespace
}  // namespace kv::test
