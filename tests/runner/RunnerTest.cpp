// One runner against a recorded HTTP exchange: construction, cloning, the
// order of a run's steps, cookies, endpoint and redirect, error record and
// the network-error log.
#include <gtest/gtest.h>
#include <netdb.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "LogCapture.h"
#include "LoopbackServer.h"
#include "NetCalls.h"
#include "RecordingSession.h"
#include "catalogue/ServClasses.h"
#include "wrench/TextConvert.h"

namespace kv::test {
namespace {

using KEEL::WEB::WebServError;
using ListRules = KEEL::CLASHRULE::CServ_listClashRules;

// Exposes the engine of a runner for checks.
class ProbeRunner : public ListRules {
 public:
  using ListRules::proxy;
};

// A runner class that keeps the template's own RunServImp.
class NoCallRunner
    : public KEEL::WEB::CServRunBase<KEEL::CLASHRULE::CIn_listClashRules, KEEL::CLASHRULE::COut_listClashRules,
                                     VXClashRuleWebServiceSoapBindingProxy, NoCallRunner> {
 public:
  std::wstring GetServName() override { return L"Test_noCall"; }
};

const char kRulesReply[] =
    "<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\">"
    "<return><ruleId>r1</ruleId><ruleName>规则</ruleName></return>"
    "</ns:listClashRulesResponse>";

std::string Fault11(const std::string &code, const std::string &text) {
  std::string body = "<soap:Fault><faultcode>" + code + "</faultcode>";
  if (!text.empty()) body += "<faultstring>" + text + "</faultstring>";
  body += "</soap:Fault>";
  return LoopbackServer::Http(500, LoopbackServer::Envelope(body, "soap"));
}

std::string Fault12(const std::string &code, const std::string &text) {
  return LoopbackServer::Http(
      500,
      "<env:Envelope xmlns:env=\"http://www.w3.org/2003/05/soap-envelope\"><env:Body><env:Fault>"
      "<env:Code><env:Value>" + code + "</env:Value></env:Code>"
      "<env:Reason><env:Text xml:lang=\"en\">" + text + "</env:Text></env:Reason>"
      "</env:Fault></env:Body></env:Envelope>",
      "", "application/soap+xml; charset=utf-8");
}

WebServError ErrorOf(KEEL::WEB::IWebRunner &runner) {
  WebServError e;
  return runner.GetServError(e);
}

class RunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.defaultAddr = L"127.0.0.1:" + std::to_wstring(server.Port());
    runner.SetServSession(&session);
    runner.SetServPath(L"RUVU/webservice/clash/VXClashRuleWebService");
  }

  // A run refused with the record and log block of an unusable endpoint,
  // before a name is resolved or a socket opened.
  void ExpectRefusedBeforeAnyCall() {
    const int resolutions = netcalls::AllResolutions();
    const int attempts = netcalls::AllAttempts();
    LogCapture log;
    EXPECT_FALSE(runner.RunServ());
    EXPECT_EQ(netcalls::AllResolutions(), resolutions);
    EXPECT_EQ(netcalls::AllAttempts(), attempts);
    WebServError e = ErrorOf(runner);
    EXPECT_EQ(e.code, SOAP_TCP_ERROR);
    EXPECT_TRUE(e.isClientFault);
    EXPECT_EQ(e.faultMessage, L"Invalid endpoint");
    ASSERT_EQ(log.Lines().size(), 7u);
    EXPECT_EQ(log.Lines()[3], "[4] Code = 28");
  }

  LoopbackServer server;
  RecordingSession session;
  ProbeRunner runner;
};

TEST_F(RunnerTest, NewRunnerState) {
  ProbeRunner fresh;
  EXPECT_EQ(fresh.GetServAddr(), L"");
  EXPECT_EQ(fresh.GetServTag(), L"");
  EXPECT_EQ(fresh.GetServSession(), nullptr);
  EXPECT_NE(fresh.GetInput(), nullptr);
  EXPECT_NE(fresh.GetOutput(), nullptr);
  EXPECT_TRUE(fresh.IsSupportMultiThread());
  EXPECT_EQ(fresh.GetServName(), L"ClashRule_listClashRules");
  WebServError e = ErrorOf(fresh);
  EXPECT_EQ(e.code, -1);
  EXPECT_FALSE(e.isClientFault);
  EXPECT_FALSE(e.userFlag);
  EXPECT_TRUE(e.faultCode.empty() && e.faultMessage.empty() && e.redirectUrl.empty());

  const soap &engine = *fresh.proxy;
  EXPECT_EQ(engine.imode, SOAP_ENC_MTOM | SOAP_C_UTFSTRING);
  EXPECT_EQ(engine.omode, SOAP_ENC_MTOM | SOAP_C_UTFSTRING);
  EXPECT_EQ(engine.mode, SOAP_ENC_MTOM);
  EXPECT_EQ(engine.connect_timeout, 0);
  EXPECT_EQ(engine.send_timeout, 0);
  EXPECT_EQ(engine.recv_timeout, 0);
  EXPECT_EQ(engine.cookies, nullptr);
  EXPECT_EQ(fresh.proxy->soap_endpoint, nullptr);
}

TEST_F(RunnerTest, RunWithoutSessionFailsWithAClearRecord) {
  ProbeRunner alone;
  alone.SetServAddr(L"127.0.0.1:" + std::to_wstring(server.Port()));
  LogCapture log;
  EXPECT_FALSE(alone.RunServ());
  WebServError e = ErrorOf(alone);
  EXPECT_NE(e.code, 0);
  EXPECT_EQ(e.faultCode, L"SOAP-ENV:Client");
  EXPECT_NE(e.faultMessage.find(L"no session"), std::wstring::npos);
  EXPECT_TRUE(e.isClientFault);
  EXPECT_EQ(log.Lines().size(), 7u);
  EXPECT_TRUE(server.Requests().empty());
  // Given a session, the same runner works.
  alone.SetServSession(&session);
  alone.SetServPath(L"RUVU/webservice/clash/VXClashRuleWebService");
  server.ReplySoap(kRulesReply);
  EXPECT_TRUE(alone.RunServ());
}

TEST_F(RunnerTest, CloneCopiesConfigurationOnlyAndLogsOnce) {
  runner.SetServAddr(L"127.0.0.1:1");
  runner.SetServTag(L"tag");
  runner.SetRecvTimeout(5);
  runner.SetRedirectUrl("http://elsewhere/");
  std::wstring addr = runner.GetServAddr();
  addr += L"changed";
  EXPECT_EQ(runner.GetServAddr(), L"127.0.0.1:1");
  runner.RunServ();  // fails: nothing listens on port 1

  LogCapture log;
  std::unique_ptr<KEEL::WEB::IWebRunner> clone(runner.Clone());
  ASSERT_NE(clone, nullptr);
  ASSERT_EQ(log.Lines().size(), 1u);
  std::wostringstream address;
  address << static_cast<const void *>(clone.get());
  EXPECT_EQ(log.Lines()[0], "[6] 服务克隆指针是 " + WRENCH::ConvertGBKToUtf8(address.str()));

  EXPECT_NE(dynamic_cast<ListRules *>(clone.get()), nullptr);
  EXPECT_EQ(clone->GetServName(), runner.GetServName());
  EXPECT_EQ(clone->GetServAddr(), L"127.0.0.1:1");
  EXPECT_EQ(clone->GetServTag(), L"tag");
  EXPECT_EQ(clone->GetServSession(), &session);
  EXPECT_EQ(ErrorOf(*clone).code, -1);
  EXPECT_EQ(static_cast<ProbeRunner *>(static_cast<ListRules *>(clone.get()))->proxy->recv_timeout, 0);
  EXPECT_EQ(runner.proxy->recv_timeout, 5);

  // The clone posts to its built endpoint, not to the source's pending URL.
  clone->SetServAddr(session.defaultAddr);
  server.ReplySoap(kRulesReply);
  EXPECT_TRUE(clone->RunServ());
  EXPECT_EQ(server.LastRequest().head.rfind("POST /RUVU/webservice/clash/VXClashRuleWebService ", 0), 0u);
  clone.reset();
  EXPECT_EQ(runner.GetServTag(), L"tag");
}

TEST_F(RunnerTest, SecondRunReplacesTheOutputAndKeepsTheInput) {
  KEEL::WEB::IInput *input = runner.GetInput();
  KEEL::WEB::IOutput *first = runner.GetOutput();
  server.ReplySoap(kRulesReply);
  ASSERT_TRUE(runner.RunServ());
  EXPECT_EQ(runner.GetOutput(), first);
  auto *out = dynamic_cast<CLASHRULE__listClashRulesResponse *>(runner.GetOutput());
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->return_.size(), 1u);
  EXPECT_EQ(*out->return_[0]->ruleName, "规则");

  server.Reply(LoopbackServer::Http(404, "no"));
  EXPECT_FALSE(runner.RunServ());
  auto *second = dynamic_cast<CLASHRULE__listClashRulesResponse *>(runner.GetOutput());
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->return_.empty());
  EXPECT_EQ(runner.GetInput(), input);
  EXPECT_EQ(server.Requests(2)[0].body, server.Requests(2)[1].body);
}

// A result read once gives the same records and leaves the engine without
// the reply's objects, and a second read says it has nothing to give; only
// a run that succeeded is read so, and a runner not told keeps its reply
// for any number of reads.
TEST_F(RunnerTest, ResultReadOnceGoesWithItsFirstRead) {
  const std::string twoRules =
      "<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\">"
      "<return><ruleId>r1</ruleId><ruleName>规则</ruleName></return>"
      "<return><isDefaultRule>true</isDefaultRule><ruleId>r2</ruleId></return>"
      "</ns:listClashRulesResponse>";
  const std::string whole = LoopbackServer::Envelope(twoRules);
  // Cut after the first rule: the frame is whole, the XML is not.
  const std::string cut = whole.substr(0, whole.find("<return><isDefaultRule>"));
  struct Case {
    const char *name;
    bool readOnce;
    std::string reply;
    bool succeeds;
    size_t first, second;  // rules of the first and the second read
    bool secondGiven;
  } kTests[] = {
      {"read once", true, LoopbackServer::Http(200, whole), true, 2, 0, false},
      {"kept", false, LoopbackServer::Http(200, whole), true, 2, 2, true},
      {"read once, cut short", true, LoopbackServer::Http(200, cut), false, 1, 1, true},
  };
  for (const Case &c : kTests) {
    SCOPED_TRACE(c.name);
    ProbeRunner probe;
    probe.SetServSession(&session);
    probe.SetServPath(L"RUVU/webservice/clash/VXClashRuleWebService");
    probe.SetReadOnce(c.readOnce);
    server.Reply(c.reply);
    EXPECT_EQ(probe.RunServ(), c.succeeds);
    auto &out = dynamic_cast<KEEL::CLASHRULE::IWSOut_listClashRules &>(*probe.GetOutput());
    std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StClashRule>> first, second;
    EXPECT_TRUE(out.GetResult(first));
    ASSERT_EQ(first.size(), c.first);
    EXPECT_EQ(first[0]->ruleId, L"r1");
    EXPECT_EQ(first[0]->ruleName, L"规则");
    if (c.first > 1) EXPECT_TRUE(first[1]->isDefaultRule);
    if (c.readOnce && c.succeeds) EXPECT_EQ(probe.proxy->clist, nullptr);
    EXPECT_EQ(out.GetResult(second), c.secondGiven);
    EXPECT_EQ(second.size(), c.second);
  }
}

TEST_F(RunnerTest, StepsOfASuccessfulRunWithNewSessionCookies) {
  session.values = {{"JSESSIONID", "JSESSIONID"}, {"VALUE", "old"}};
  session.route = "r0";
  server.ReplySoap(kRulesReply,
                   "Set-Cookie: JSESSIONID=new1; Path=/RUVU\r\n"
                   "Set-Cookie: route=r2\r\n");
  ASSERT_TRUE(runner.RunServ());

  std::string addr = "127.0.0.1:" + std::to_string(server.Port());
  std::vector<std::string> expected = {
      "GetDefaultServAddr", "GetCookieStore(" + addr + ")", "GetLock", "Lock",
      "GetValue(JSESSIONID)", "GetValue(VALUE)", "GetRoute", "CanUpdate",
      "SetValue(JSESSIONID,JSESSIONID)", "SetValue(VALUE,new1)", "SetValue(DOMAIN," + session.values["DOMAIN"] + ")",
      "SetValue(PATH," + session.values["PATH"] + ")", "SetValid(1)", "Commit", "SetRoute(r2)", "Unlock"};
  std::vector<std::string> calls = session.Take();
  // The engine may list the cookies it sent before the received ones.
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(session.locked, 0);
  EXPECT_EQ(runner.GetServAddr(), L"");

  std::string cookie = server.LastRequest().Header("Cookie");
  EXPECT_NE(cookie.find("JSESSIONID=old"), std::string::npos) << cookie;
  EXPECT_NE(cookie.find("route=r0"), std::string::npos) << cookie;
}

TEST_F(RunnerTest, UnchangedOrForeignCookiesWriteNothing) {
  session.values = {{"JSESSIONID", "JSESSIONID"}, {"VALUE", "same"}};
  session.route = "r0";
  server.ReplySoap(kRulesReply,
                   "Set-Cookie: JSESSIONID=same\r\nSet-Cookie: route=r0\r\n"
                   "Set-Cookie: jsessionid=other\r\nSet-Cookie: Route=r9\r\n");
  ASSERT_TRUE(runner.RunServ());
  std::vector<std::string> calls = session.Take();
  EXPECT_EQ(std::vector<std::string>(calls.end() - 2, calls.end()),
            (std::vector<std::string>{"CanUpdate", "Unlock"}));
}

TEST_F(RunnerTest, CookieWithoutDomainOrPathIsStoredAsEmptyText) {
  server.ReplySoap(kRulesReply, "Set-Cookie: JSESSIONID=bare\r\n");
  ASSERT_TRUE(runner.RunServ());
  EXPECT_EQ(session.values["VALUE"], "bare");
  EXPECT_EQ(session.values.count("DOMAIN"), 1u);
  EXPECT_EQ(session.values.count("PATH"), 1u);
}

TEST_F(RunnerTest, EmptyStoredCookiesAreNotSent) {
  server.ReplySoap(kRulesReply);
  ASSERT_TRUE(runner.RunServ());
  EXPECT_EQ(server.LastRequest().Header("Cookie"), "");
}

TEST_F(RunnerTest, WithoutCanUpdateOnlyPendingChangesAreCommitted) {
  session.canUpdate = false;
  session.dirty = true;
  server.ReplySoap(kRulesReply, "Set-Cookie: JSESSIONID=new\r\n");
  ASSERT_TRUE(runner.RunServ());
  std::vector<std::string> calls = session.Take();
  EXPECT_EQ(std::vector<std::string>(calls.end() - 4, calls.end()),
            (std::vector<std::string>{"CanUpdate", "IsDirty", "Commit", "Unlock"}));
  EXPECT_EQ(session.values["VALUE"], "");
}

TEST_F(RunnerTest, FaultsFillTheErrorRecordAndTheLog) {
  struct Case {
    const char *name;
    std::string reply;
    int code;
    std::wstring faultCode;
    std::wstring faultMessage;
    bool isClientFault;
  } cases[] = {
      {"1.1 server, Chinese text", Fault11("soap:Server", "规则不存在"), SOAP_SVR_FAULT, L"SOAP-ENV:Server",
       L"规则不存在", false},
      {"1.1 client", Fault11("soap:Client", "bad request"), SOAP_CLI_FAULT, L"SOAP-ENV:Client",
       L"bad request", true},
      {"1.2 receiver", Fault12("env:Receiver", "内部错误"), SOAP_SVR_FAULT, L"SOAP-ENV:Receiver", L"内部错误",
       false},
      {"1.2 sender", Fault12("env:Sender", "missing id"), SOAP_CLI_FAULT, L"SOAP-ENV:Sender", L"missing id",
       true},
      {"dotted server code", Fault11("soap:Server.userException", "boom"), SOAP_FAULT,
       L"SOAP-ENV:Server.userException", L"boom", false},
      {"must understand", Fault11("soap:MustUnderstand", "header"), SOAP_MUSTUNDERSTAND,
       L"SOAP-ENV:MustUnderstand", L"header", false},
      {"after a text, a fault without one", Fault11("soap:Server", ""), SOAP_SVR_FAULT, L"SOAP-ENV:Server",
       L"", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    server.Reply(c.reply);
    LogCapture log;
    EXPECT_FALSE(runner.RunServ());
    WebServError e = ErrorOf(runner);
    EXPECT_EQ(e.code, c.code);
    EXPECT_EQ(e.faultCode, c.faultCode);
    EXPECT_EQ(e.faultMessage, c.faultMessage);
    EXPECT_EQ(e.isClientFault, c.isClientFault);
    std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "[4] --------------------网络错误--------------------");
    EXPECT_EQ(lines[1], "[4] EndPoint = " + server.Url("/RUVU/webservice/clash/VXClashRuleWebService"));
    EXPECT_EQ(lines[2], "[4] ServName = ClashRule_listClashRules");
    EXPECT_EQ(lines[3], "[4] Code = " + std::to_string(c.code));
    EXPECT_EQ(lines[4], "[4] FaultCode = " + WRENCH::ConvertGBKToUtf8(c.faultCode));
    EXPECT_EQ(lines[5], "[4] FaultMessage = " + WRENCH::ConvertGBKToUtf8(c.faultMessage));
    EXPECT_EQ(lines[6], "[4] -----------------------------------------------");
    EXPECT_EQ(session.locked, 0);
  }
}

TEST_F(RunnerTest, SuccessAfterFailureWritesOnlyTheCode) {
  server.Reply(Fault11("soap:Server", "down"));
  EXPECT_FALSE(runner.RunServ());
  server.ReplySoap(kRulesReply);
  LogCapture log;
  EXPECT_TRUE(runner.RunServ());
  WebServError e = ErrorOf(runner);
  EXPECT_EQ(e.code, 0);
  EXPECT_EQ(e.faultMessage, L"down");
  EXPECT_TRUE(log.Lines().empty());
}

TEST_F(RunnerTest, RedirectIsReportedAndAHandedBackUrlServesOneRun) {
  LoopbackServer other;
  std::string location = other.Url("/moved/VXClashRuleWebService");
  server.Reply(LoopbackServer::Http(302, "", "Location: " + location + "\r\n"));
  LogCapture log;
  EXPECT_FALSE(runner.RunServ());
  WebServError e = ErrorOf(runner);
  EXPECT_EQ(e.code, 302);
  EXPECT_EQ(e.redirectUrl, location);
  EXPECT_TRUE(log.Lines().empty());
  std::vector<std::string> calls = session.Take();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetValid(0)"), 1);
  EXPECT_EQ(calls.back(), "Unlock");

  runner.SetRedirectUrl("ignored");
  runner.SetRedirectUrl(e.redirectUrl);
  other.ReplySoap(kRulesReply);
  EXPECT_TRUE(runner.RunServ());
  EXPECT_EQ(other.LastRequest().head.rfind("POST /moved/VXClashRuleWebService ", 0), 0u);
  // The store is that of the server the URL names, never the runner's.
  EXPECT_EQ(session.Take()[1], "GetCookieStore(127.0.0.1:" + std::to_string(other.Port()) + ")");

  server.ReplySoap(kRulesReply);
  EXPECT_TRUE(runner.RunServ());
  EXPECT_EQ(server.Requests(2).size(), 2u);
  EXPECT_EQ(ErrorOf(runner).redirectUrl, location);
}

TEST_F(RunnerTest, EmptyRedirectUrlClearsAPendingOne) {
  runner.SetRedirectUrl("http://127.0.0.1:1/x");
  runner.SetRedirectUrl("");
  server.ReplySoap(kRulesReply);
  EXPECT_TRUE(runner.RunServ());
}

TEST_F(RunnerTest, OtherRedirectStatusesAreOrdinaryFailures) {
  server.Reply(LoopbackServer::Http(301, "", "Location: http://x/\r\n"));
  LogCapture log;
  EXPECT_FALSE(runner.RunServ());
  EXPECT_EQ(ErrorOf(runner).code, 301);
  EXPECT_EQ(ErrorOf(runner).redirectUrl, "");
  EXPECT_EQ(log.Lines().size(), 7u);
  std::vector<std::string> calls = session.Take();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetValid(0)"), 0);
}

// A server address is sent to only whole and valid: anything else is
// refused before a name is resolved or a socket opened, with the record
// and log block of an endpoint that cannot be used.
TEST_F(RunnerTest, OnlyAValidServerAddressIsSentTo) {
  const std::wstring name = WRENCH::UTF8ToUnicode(netcalls::kLoopbackName);
  const wchar_t *kBad[] = {
      L"",
      L"127.0.0.1:100535",
      L"127.0.0.1:34999/x?",
      L"127.0.0.1:34999 extra",
      L"127.0.0.1:34999#frag",
      L"evil@127.0.0.1:34999",
      L"127.0.0.1:+34999",
      L"127.0.0.1:034999",
      L"127.0.0.1:0",
      L"127.0.0.1:",
      L":34999",
      L"127.0.0.1:34999:80",
      L"127.1:34999",
      L"0x7f000001:34999",
      L"256.0.0.1:34999",
      L"[127.0.0.1]:34999",
      L"[::1]34999",
      L"[::1",
      L"http://127.0.0.1:34999",
      L"host\r\nX-Other: y:34999",
      L"-host:34999",
      L".:34999",
      L"host..:34999",
      L"127.1.:34999",
      L"a..b:34999",
      L"主机:34999",
  };
  for (const std::wstring addr : kBad) {
    SCOPED_TRACE(WRENCH::UnicodeToAnsi(addr));
    runner.SetServAddr(addr);
    session.defaultAddr = L"";
    ExpectRefusedBeforeAnyCall();
  }
  EXPECT_TRUE(server.Requests().empty());

  struct Good {
    std::wstring addr;
    int port;
  } kGood[] = {
      {name, 80},
      {name + L":1", 1},
      {name + L":65535", 65535},
      {L"LOOPBACK.KV-TEST:01", 1},
      {L"[::1]:8080", 8080},
      {name + L".:2", 2},  // the absolute form
  };
  for (const Good &c : kGood) {
    SCOPED_TRACE(WRENCH::UnicodeToAnsi(c.addr));
    ProbeRunner probe;
    probe.SetServSession(&session);
    probe.SetServPath(L"RUVU/webservice/clash/VXClashRuleWebService");
    probe.SetConnectTimeout(2);
    probe.SetSendTimeout(2);
    probe.SetRecvTimeout(2);
    probe.SetServAddr(c.addr);
    const int attempts = netcalls::Attempts(c.port);
    LogCapture log;
    probe.RunServ();
    EXPECT_EQ(netcalls::Attempts(c.port) - attempts, 1);
    EXPECT_NE(ErrorOf(probe).faultMessage, L"Invalid endpoint");
  }
}

// A URL handed back for a redirect passes the same host and port rules:
// anything else is refused before a name is resolved or a socket opened.
TEST_F(RunnerTest, OnlyAValidRedirectUrlIsSentTo) {
  const std::string port = std::to_string(server.Port());
  const std::string kBad[] = {
      "http://127.1:" + port + "/x",
      "http://2130706433:" + port + "/x",
      "http://0x7f000001:" + port + "/x",
      "http://0177.0.0.1:" + port + "/x",
      "http://%6c%6f%6f%70back.kv-test:" + port + "/x",
      "http://[v7.x]:" + port + "/x",
      "http://-host:" + port + "/x",
      "http://a..b:" + port + "/x",
      "http://127.0.0.1:0/x",
      "http://127.0.0.1:" + port + "0000/x",
      "http://user@127.0.0.1:" + port + "/x",
      "https://127.0.0.1:" + port + "/x",
      "127.0.0.1:" + port,
  };
  for (const std::string &url : kBad) {
    SCOPED_TRACE(url);
    runner.SetRedirectUrl(url);
    ExpectRefusedBeforeAnyCall();
  }
  EXPECT_TRUE(server.Requests().empty());

  const std::string kGood[] = {
      "http://127.0.0.1:" + port + "/x",
      std::string("http://") + netcalls::kLoopbackName + ":" + port + "/x",
      std::string("http://") + netcalls::kLoopbackName + ".:" + port + "/x",
  };
  for (const std::string &url : kGood) {
    SCOPED_TRACE(url);
    runner.SetRedirectUrl(url);
    server.ReplySoap(kRulesReply);
    const int attempts = netcalls::Attempts(server.Port());
    EXPECT_TRUE(runner.RunServ());
    EXPECT_EQ(netcalls::Attempts(server.Port()) - attempts, 1);
  }
}

// A connection that cannot be made: code 28, a client fault whose message
// is the system's text, after one resolution and one attempt, whether the
// runner's engine connects with a time-out or without one.
TEST_F(RunnerTest, RefusedConnection) {
  struct Case {
    const char *name;
    std::wstring addr;
    int connectTimeout;
    std::string systemText;
    int resolutions;
    int attempts;
  } cases[] = {
      {"refused", L"127.0.0.1:1", 0, std::strerror(ECONNREFUSED), 1, 1},
      {"refused, with a connect time-out", L"127.0.0.1:1", 5, std::strerror(ECONNREFUSED), 0, 1},
      {"no such host", WRENCH::UTF8ToUnicode(netcalls::kUnresolvable) + L":1", 0, gai_strerror(EAI_NONAME), 1, 0},
      {"no such host, with a connect time-out", WRENCH::UTF8ToUnicode(netcalls::kUnresolvable) + L":1", 5,
       gai_strerror(EAI_NONAME), 1, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ProbeRunner refused;
    refused.SetServSession(&session);
    refused.SetServPath(L"RUVU/webservice/clash/VXClashRuleWebService");
    refused.SetConnectTimeout(c.connectTimeout);
    refused.SetServAddr(c.addr);
    const std::string host = WRENCH::ConvertGBKToUtf8(c.addr.substr(0, c.addr.find(L':')));
    const int resolutions = netcalls::Resolutions(host);
    const int attempts = netcalls::Attempts(1);
    session.Take();
    LogCapture log;
    EXPECT_FALSE(refused.RunServ());
    EXPECT_EQ(netcalls::Resolutions(host) - resolutions, c.resolutions);
    EXPECT_EQ(netcalls::Attempts(1) - attempts, c.attempts);
    WebServError e = ErrorOf(refused);
    EXPECT_EQ(e.code, SOAP_TCP_ERROR);
    EXPECT_EQ(e.faultCode, L"SOAP-ENV:Client");
    EXPECT_TRUE(e.isClientFault);
    EXPECT_EQ(e.faultMessage, WRENCH::AnsiToUnicode(c.systemText));
    std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], "[4] Code = 28");
    EXPECT_EQ(lines[4], "[4] FaultCode = SOAP-ENV:Client");
    EXPECT_EQ(lines[5], "[4] FaultMessage = " + c.systemText);
    auto *out = dynamic_cast<CLASHRULE__listClashRulesResponse *>(refused.GetOutput());
    EXPECT_EQ(out->soap, nullptr);
    std::vector<std::string> calls = session.Take();
    EXPECT_EQ(std::vector<std::string>(calls.end() - 2, calls.end()),
              (std::vector<std::string>{"CanUpdate", "Unlock"}));
  }
}

// The made-up text of a missing reply stands only where a connection was
// made and ended without one.
TEST_F(RunnerTest, AConnectionClosedWithoutAReplySaysSo) {
  server.Reply("");
  EXPECT_FALSE(runner.RunServ());
  WebServError e = ErrorOf(runner);
  EXPECT_EQ(e.code, SOAP_EOF);
  EXPECT_EQ(e.faultMessage, L"No reply: the connection was closed or timed out");
  EXPECT_EQ(server.Requests(1).size(), 1u);
}

TEST_F(RunnerTest, TemplateRunServImpMakesNoCall) {
  NoCallRunner noCall;
  noCall.SetServSession(&session);
  LogCapture log;
  EXPECT_FALSE(noCall.RunServ());
  WebServError e = ErrorOf(noCall);
  EXPECT_EQ(e.code, -1);
  EXPECT_EQ(e.faultMessage, L"");
  std::vector<std::string> lines = log.Lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "[2] Enter RunServImp SOAP_EOF");
  EXPECT_EQ(lines[4], "[4] Code = -1");
  EXPECT_EQ(lines[6], "[4] FaultMessage = ");
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(RunnerTest, DeleteThroughEitherInterface) {
  KEEL::WEB::IWebRunner *a = new ListRules();
  KEEL::WEB::IWebRedirect *b = dynamic_cast<KEEL::WEB::IWebRedirect *>(a);
  ASSERT_NE(b, nullptr);
  delete b;
  std::unique_ptr<KEEL::WEB::IWebRunner> c(new ListRules());
}

}  // namespace
}  // namespace kv::test
