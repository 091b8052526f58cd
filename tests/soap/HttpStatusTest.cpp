// What a call returns for a reply that is not a SOAP envelope: the HTTP
// status, recorded under the fault code "SOAP-ENV:Server"; an empty 200 is
// "no data"; a reply cut in its head is never taken for its status.
#include <gtest/gtest.h>

#include <string>

#include "LoopbackServer.h"
#include "Proxies.h"
#include "ScriptedServer.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

struct Result {
  int code;
  std::string faultCode;
  std::string faultText;
};

Result Call(const std::string &reply) {
  ScriptedServer server(ScriptedServer::AtOnce(reply), false);
  VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
  UseUtf8(proxy);
  proxy.recv_timeout = 5;
  std::string url = server.Url();
  proxy.soap_endpoint = url.c_str();
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  Result r;
  r.code = proxy.listClashRules(&request, &response);
  const char **code = soap_faultcode(&proxy);
  r.faultCode = code && *code ? *code : "";
  r.faultText = proxy.soap_fault_string() ? proxy.soap_fault_string() : "";
  return r;
}

const std::string kHtml = "<html><head><title>Error</title></head><body><h1>Bad gateway</h1></body></html>";

TEST(HttpStatus, BodyThatIsNoEnvelopeGivesTheStatus) {
  struct Case {
    int status;
    std::string body;
    std::string type;
  } kCases[] = {
      {400, kHtml, "text/html"},
      {500, kHtml, "text/html"},
      {200, kHtml, "text/html"},
      {500, "Internal Server Error", "text/plain"},
      {200, "not xml at all", "text/plain"},
      {500, "<error>no envelope</error>", "text/xml"},
      {400, "", "text/html"},
      {500, "", "text/xml"},
  };
  for (const Case &c : kCases) {
    SCOPED_TRACE(std::to_string(c.status) + " " + c.body);
    Result r = Call(LoopbackServer::Http(c.status, c.body, "", c.type));
    EXPECT_EQ(r.code, c.status);
    EXPECT_EQ(r.faultCode, "SOAP-ENV:Server");
  }
}

TEST(HttpStatus, OtherStatusesAreReportedUnderTheServerCode) {
  for (int status : {302, 404, 503}) {
    SCOPED_TRACE(status);
    Result r = Call(LoopbackServer::Http(status, kHtml, status == 302 ? "Location: http://127.0.0.1:9/x\r\n" : "",
                                         "text/html"));
    EXPECT_EQ(r.code, status);
    EXPECT_EQ(r.faultCode, "SOAP-ENV:Server");
    EXPECT_NE(r.faultText, "");
  }
}

TEST(HttpStatus, EmptyOkIsNoData) {
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\n";
  for (const std::string &reply :
       {head + "Content-Length: 0\r\n\r\n", head + "Connection: close\r\n\r\n",
        head + "Transfer-Encoding: chunked\r\n\r\n0\r\n\r\n"}) {
    SCOPED_TRACE(reply);
    Result r = Call(reply);
    EXPECT_EQ(r.code, SOAP_NO_DATA);
    EXPECT_EQ(r.faultCode, "SOAP-ENV:Server");
  }
}

TEST(HttpStatus, ReplyCutInItsHeadIsNotItsStatus) {
  for (const std::string &reply : {std::string("HTTP/1.1 200 OK\r\n"), std::string("HTTP/1.1 200 OK\r\nContent-Ty"),
                                   std::string("HTTP/1.1 200"), std::string("HTTP/1.1 500 Internal Error\r\n")}) {
    SCOPED_TRACE(reply);
    Result r = Call(reply);
    EXPECT_NE(r.code, SOAP_OK);
    EXPECT_NE(r.code, 200);
    EXPECT_NE(r.code, 500);
    EXPECT_EQ(r.code, SOAP_EOF);
  }
}

}  // namespace
}  // namespace kv::test
