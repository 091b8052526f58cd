// The HTTP exchange of a proxy: faults, redirects, compression, cookies and
// broken replies, each from a recorded reply.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "LoopbackServer.h"
#include "Proxies.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

const std::string kClashNs = std::string(" xmlns:CLASHRULE=\"") + kv::wire::kClashAreaUri + "\"";

struct FaultCase {
  const char *name;
  std::string reply;
  int expectedResult;
  const char *expectedText;
};

std::string Soap11Fault(const std::string &prefix, const std::string &code, const std::string &text,
                        const std::string &detail = "") {
  return LoopbackServer::Http(
      500, LoopbackServer::Envelope("<" + prefix + ":Fault><faultcode>" + prefix + ":" + code +
                                        "</faultcode><faultstring>" + text + "</faultstring>" + detail +
                                        "</" + prefix + ":Fault>",
                                    prefix));
}

std::string Soap12Fault(const std::string &prefix, const std::string &code, const std::string &text) {
  const std::string env = "http://www.w3.org/2003/05/soap-envelope";
  std::string body = "<?xml version=\"1.0\"?><" + prefix + ":Envelope xmlns:" + prefix + "=\"" + env + "\"><" +
                     prefix + ":Body><" + prefix + ":Fault><" + prefix + ":Code><" + prefix + ":Value>" + prefix +
                     ":" + code + "</" + prefix + ":Value><" + prefix + ":Subcode><" + prefix +
                     ":Value>app:Detail</" + prefix + ":Value></" + prefix + ":Subcode></" + prefix + ":Code><" +
                     prefix + ":Reason><" + prefix + ":Text xml:lang=\"en\">" + text + "</" + prefix + ":Text></" +
                     prefix + ":Reason></" + prefix + ":Fault></" + prefix + ":Body></" + prefix + ":Envelope>";
  return LoopbackServer::Http(500, body, "", "application/soap+xml; charset=utf-8");
}

int ListRules(VXClashRuleWebServiceSoapBindingProxy &proxy, const std::string &endpoint,
              CLASHRULE__listClashRulesResponse *response) {
  UseUtf8(proxy);
  proxy.soap_endpoint = endpoint.c_str();
  CLASHRULE__listClashRules request;
  return proxy.listClashRules(&request, response);
}

TEST(ProxyExchange, FaultsGiveTheirResultCodeAndText) {
  const FaultCase kCases[] = {
      {"soap 1.1 server", Soap11Fault("SOAP-ENV", "Server", "rule store down"), SOAP_SVR_FAULT, "rule store down"},
      {"soap 1.1 client", Soap11Fault("SOAP-ENV", "Client", "bad rule"), SOAP_CLI_FAULT, "bad rule"},
      {"soap: prefix server", Soap11Fault("soap", "Server", "prefixed"), SOAP_SVR_FAULT, "prefixed"},
      {"chinese text", Soap11Fault("soap", "Server", "规则不存在"), SOAP_SVR_FAULT, "规则不存在"},
      {"must understand", Soap11Fault("SOAP-ENV", "MustUnderstand", "mu"), SOAP_MUSTUNDERSTAND, "mu"},
      {"version mismatch", Soap11Fault("SOAP-ENV", "VersionMismatch", "vm"), SOAP_VERSIONMISMATCH, "vm"},
      {"other code", Soap11Fault("SOAP-ENV", "Server.userException", "dotted"), SOAP_FAULT, "dotted"},
      {"soap 1.2 receiver", Soap12Fault("env", "Receiver", "busy"), SOAP_SVR_FAULT, "busy"},
      {"soap 1.2 sender", Soap12Fault("SOAP-ENV", "Sender", "wrong"), SOAP_CLI_FAULT, "wrong"},
  };
  LoopbackServer server;
  for (const FaultCase &c : kCases) {
    SCOPED_TRACE(c.name);
    server.Reply(c.reply);
    VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
    CLASHRULE__listClashRulesResponse response;
    EXPECT_EQ(ListRules(proxy, server.Url("/"), &response), c.expectedResult);
    ASSERT_NE(proxy.soap_fault_string(), nullptr);
    EXPECT_STREQ(proxy.soap_fault_string(), c.expectedText);
  }
}

TEST(ProxyExchange, FaultDetailLandsInTheServiceExceptionMember) {
  LoopbackServer server;
  server.Reply(Soap11Fault("SOAP-ENV", "Server", "x",
                           "<detail><CLASHRULE:Exception" + kClashNs +
                               "><message>规则已被删除</message></CLASHRULE:Exception></detail>"));
  VXClashRuleWebServiceSoapBindingProxy clash;
  CLASHRULE__listClashRulesResponse response;
  ASSERT_EQ(ListRules(clash, server.Url("/"), &response), SOAP_SVR_FAULT);
  const SOAP_ENV__Detail *detail = clash.soap_fault()->detail;
  ASSERT_NE(detail, nullptr);
  const CLASHRULE__Exception *exception = detail->CLASHRULE__Exception_;
  ASSERT_NE(exception, nullptr);
  ASSERT_NE(exception->message, nullptr);
  EXPECT_EQ(*exception->message, "规则已被删除");

  server.Reply(Soap11Fault("SOAP-ENV", "Server", "x",
                           std::string("<detail><DEVICE:Exception xmlns:DEVICE=\"") + kv::wire::kPathwalkAreaUri +
                               "\"><message>no device</message></DEVICE:Exception></detail>"));
  VXBeingExtractedDeviceWebServiceSoapBindingProxy device;
  device.soap_endpoint = nullptr;
  std::string url = server.Url("/");
  device.soap_endpoint = url.c_str();
  DEVICE__listDevice listRequest;
  DEVICE__listDeviceResponse listResponse;
  ASSERT_EQ(device.listDevice(&listRequest, &listResponse), SOAP_SVR_FAULT);
  const SOAP_ENV__Detail *deviceDetail = device.soap_fault()->detail;
  ASSERT_NE(deviceDetail, nullptr);
  ASSERT_NE(deviceDetail->DEVICE__Exception_, nullptr);
  EXPECT_EQ(*deviceDetail->DEVICE__Exception_->message, "no device");
  EXPECT_EQ(deviceDetail->fault, nullptr);
}

TEST(ProxyExchange, RedirectReportsTheStatusAndLocation) {
  LoopbackServer server;
  server.Reply("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:9/RUVU/other\r\nContent-Length: 0\r\n"
               "Connection: close\r\n\r\n");
  VXClashRuleWebServiceSoapBindingProxy proxy;
  CLASHRULE__listClashRulesResponse response;
  EXPECT_EQ(ListRules(proxy, server.Url("/"), &response), 302);
  EXPECT_STREQ(proxy.endpoint, "http://127.0.0.1:9/RUVU/other");
}

TEST(ProxyExchange, GzipReplyIsDecoded) {
  LoopbackServer server;
  std::string body = LoopbackServer::Envelope("<CLASHRULE:listClashRulesResponse" + kClashNs +
                                              "><return><ruleName>压缩</ruleName></return>"
                                              "</CLASHRULE:listClashRulesResponse>");
  server.Reply(LoopbackServer::Http(200, LoopbackServer::Gzip(body), "Content-Encoding: gzip\r\n"));
  VXClashRuleWebServiceSoapBindingProxy proxy;
  CLASHRULE__listClashRulesResponse response;
  ASSERT_EQ(ListRules(proxy, server.Url("/"), &response), SOAP_OK);
  ASSERT_EQ(response.return_.size(), 1u);
  EXPECT_EQ(*response.return_[0]->ruleName, "压缩");
  EXPECT_NE(server.LastRequest().Header("Accept-Encoding").find("gzip"), std::string::npos);
}

TEST(ProxyExchange, SetCookieIsTakenInAndSentBack) {
  LoopbackServer server;
  const std::string empty = "<CLASHRULE:listClashRulesResponse" + kClashNs + "/>";
  server.Reply(LoopbackServer::Http(200, LoopbackServer::Envelope(empty),
                                    "Set-Cookie: JSESSIONID=abc123; Path=/RUVU\r\nSet-Cookie: route=r7\r\n"));
  server.ReplySoap(empty);
  VXClashRuleWebServiceSoapBindingProxy proxy;
  std::string url = server.Url("/RUVU/webservice/clash/VXClashRuleWebService");
  CLASHRULE__listClashRulesResponse response;
  ASSERT_EQ(ListRules(proxy, url, &response), SOAP_OK);
  struct soap_cookie *session = proxy.cookies;
  while (session && std::strcmp(session->name, "JSESSIONID") != 0) session = session->next;
  ASSERT_NE(session, nullptr);
  EXPECT_STREQ(session->value, "abc123");
  ASSERT_EQ(ListRules(proxy, url, &response), SOAP_OK);
  EXPECT_NE(server.LastRequest().Header("Cookie").find("JSESSIONID"), std::string::npos);
}

TEST(ProxyExchange, BrokenRepliesGiveAnErrorNeverACrash) {
  const std::string envelope = LoopbackServer::Envelope(
      "<CLASHRULE:listClashRulesResponse" + kClashNs + "><return><ruleName>a</ruleName></return>"
      "</CLASHRULE:listClashRulesResponse>");
  struct Case {
    const char *name;
    std::string reply;
  } kCases[] = {
      {"truncated", "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                        std::to_string(envelope.size()) + "\r\n\r\n" + envelope.substr(0, envelope.size() / 2)},
      {"html error page", LoopbackServer::Http(500, "<html><body>Internal error</body></html>", "", "text/html")},
      {"not found", LoopbackServer::Http(404, "gone", "", "text/plain")},
      {"not xml", LoopbackServer::Http(200, "this is not xml", "", "text/plain")},
      {"empty 200", LoopbackServer::Http(200, "")},
      {"closed after headers", "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n\r\n"},
  };
  LoopbackServer server;
  for (const Case &c : kCases) {
    SCOPED_TRACE(c.name);
    server.Reply(c.reply);
    VXClashRuleWebServiceSoapBindingProxy proxy;
    CLASHRULE__listClashRulesResponse response;
    EXPECT_NE(ListRules(proxy, server.Url("/"), &response), SOAP_OK);
  }
}

TEST(ProxyExchange, EmptyBodyAndWrongElement) {
  LoopbackServer server;
  server.ReplySoap("");
  server.ReplySoap("<CLASHRULE:removeClashRuleResponse" + kClashNs + "/>");
  VXClashRuleWebServiceSoapBindingProxy proxy;
  CLASHRULE__listClashRulesResponse response;
  EXPECT_EQ(ListRules(proxy, server.Url("/"), &response), SOAP_NO_TAG);
  EXPECT_TRUE(response.return_.empty());
  EXPECT_EQ(ListRules(proxy, server.Url("/"), &response), SOAP_TAG_MISMATCH);
}

TEST(ProxyExchange, ConnectionRefusedGivesAnError) {
  // A port that was just free: bind, read it, close.
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len);
  ::close(fd);
  VXClashRuleWebServiceSoapBindingProxy proxy;
  CLASHRULE__listClashRulesResponse response;
  EXPECT_EQ(ListRules(proxy, "http://127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/", &response),
            SOAP_TCP_ERROR);
}

TEST(ProxyExchange, NullResponseSendsWithoutReading) {
  LoopbackServer server;
  server.ReplySoap("<CLASHRULE:listClashRulesResponse" + kClashNs + "/>");
  VXClashRuleWebServiceSoapBindingProxy proxy;
  EXPECT_EQ(ListRules(proxy, server.Url("/"), nullptr), SOAP_OK);
  EXPECT_EQ(server.Requests(1).size(), 1u);
}

TEST(ProxyExchange, ObjectsOfAnEarlierCallStayValid) {
  LoopbackServer server;
  server.ReplySoap("<CLASHRULE:listClashRulesResponse" + kClashNs +
                   "><return><ruleId>1</ruleId></return></CLASHRULE:listClashRulesResponse>");
  server.ReplySoap("<CLASHRULE:listClashRulesResponse" + kClashNs + "/>");
  VXClashRuleWebServiceSoapBindingProxy proxy;
  CLASHRULE__listClashRulesResponse first, second;
  ASSERT_EQ(ListRules(proxy, server.Url("/"), &first), SOAP_OK);
  ASSERT_EQ(ListRules(proxy, server.Url("/"), &second), SOAP_OK);
  ASSERT_EQ(first.return_.size(), 1u);
  EXPECT_EQ(*first.return_[0]->ruleId, "1");
  EXPECT_TRUE(second.return_.empty());
}

}  // namespace
}  // namespace kv::test
