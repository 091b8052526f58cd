// How a proxy frames a reply: Content-Length counts the body of every
// content type, chunked replies end at their last chunk, and neither waits
// for the server to close the connection.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "BoundedCall.h"
#include "LoopbackServer.h"
#include "Proxies.h"
#include "ScriptedServer.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const std::string kClashNs = std::string(" xmlns:CLASHRULE=\"") + kv::wire::kClashAreaUri + "\"";
const std::string kEnvelope = LoopbackServer::Envelope(
    "<CLASHRULE:listClashRulesResponse" + kClashNs +
    "><return><ruleName>规则</ruleName></return></CLASHRULE:listClashRulesResponse>");

std::string Head(const std::string &contentType, const std::string &framing) {
  return "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\n" + framing + "\r\n";
}

std::string Length(size_t n) { return "Content-Length: " + std::to_string(n) + "\r\n"; }

// An MTOM package as servers send it: the envelope as root part, then a
// binary part.
const std::string kBoundary = "uuid:6b62cda1-7e9d-4bd4-a6a4-8d2a3d8a0b1f";
const std::string kMultipartType = "multipart/related; type=\"application/xop+xml\"; boundary=\"" + kBoundary +
                                   "\"; start=\"<root.message@kv>\"; start-info=\"text/xml\"";
std::string Multipart() {
  return "\r\n--" + kBoundary +
         "\r\nContent-Type: application/xop+xml; charset=UTF-8; type=\"text/xml\"\r\n"
         "Content-Transfer-Encoding: binary\r\nContent-ID: <root.message@kv>\r\n\r\n" +
         kEnvelope + "\r\n--" + kBoundary +
         "\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: binary\r\n"
         "Content-ID: <picture@kv>\r\n\r\n" +
         std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + "\r\n--" + kBoundary + "--\r\n";
}

std::string Chunked(const std::string &body, size_t chunk) {
  std::string out;
  for (size_t at = 0; at < body.size(); at += chunk) {
    std::string part = body.substr(at, chunk);
    char size[16];
    std::snprintf(size, sizeof size, "%zx", part.size());
    out += std::string(size) + "\r\n" + part + "\r\n";
  }
  return out;
}

struct Outcome {
  int result = -100;
  size_t rules = 0;
  std::string name;
};

// One listClashRules call on its own thread; a call that has not ended
// within `bound` is reported as hanging (the bound is far above every
// time-out the cases set).
Outcome CallBounded(const std::string &url, int recvTimeout, int transferTimeout, seconds bound = seconds(30)) {
  std::optional<Outcome> outcome = CallWithin(bound, [url, recvTimeout, transferTimeout] {
    VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
    UseUtf8(proxy);
    proxy.recv_timeout = recvTimeout;
    proxy.transfer_timeout = transferTimeout;
    proxy.soap_endpoint = url.c_str();
    CLASHRULE__listClashRules request;
    CLASHRULE__listClashRulesResponse response;
    Outcome o;
    o.result = proxy.listClashRules(&request, &response);
    o.rules = response.return_.size();
    if (o.rules && response.return_[0]->ruleName) o.name = *response.return_[0]->ruleName;
    return o;
  });
  if (!outcome) {
    ADD_FAILURE() << "the call did not end";
    return Outcome{};
  }
  return *outcome;
}

struct Case {
  const char *name;
  std::string reply;
  bool keepOpen;
};

// Good replies, each also on a connection the server keeps open: the call
// ends when the frame is complete, without a receive time-out to end it.
TEST(HttpFraming, GoodRepliesEndWithTheirFrame) {
  const std::string multipart = Multipart();
  const std::string gzip = LoopbackServer::Gzip(kEnvelope);
  const Case kCases[] = {
      {"plain with length", Head("text/xml; charset=utf-8", Length(kEnvelope.size())) + kEnvelope},
      {"plain, an extra trailing line",
       Head("text/xml; charset=utf-8", Length(kEnvelope.size())) + kEnvelope + "\r\n<trailing/>\r\n"},
      {"multipart with length", Head(kMultipartType, Length(multipart.size())) + multipart},
      {"multipart, an extra trailing line", Head(kMultipartType, Length(multipart.size())) + multipart + "junk\r\n"},
      {"gzip with length, trailing bytes",
       Head("text/xml", "Content-Encoding: gzip\r\n" + Length(gzip.size())) + gzip + "\r\n\r\n"},
      {"chunked", Head("text/xml", "Transfer-Encoding: chunked\r\n") + Chunked(kEnvelope, 100) + "0\r\n\r\n"},
      {"chunked with a length too",
       Head("text/xml", "Transfer-Encoding: chunked\r\n" + Length(5)) + Chunked(kEnvelope, 7) + "0\r\n\r\n"},
      {"chunked multipart", Head(kMultipartType, "Transfer-Encoding: chunked\r\n") + Chunked(multipart, 64) + "0\r\n\r\n"},
      {"chunked gzip", Head("text/xml", "Transfer-Encoding: chunked\r\nContent-Encoding: gzip\r\n") +
                           Chunked(gzip, 50) + "0\r\n\r\n"},
  };
  for (const Case &c : kCases) {
    for (bool keepOpen : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (keepOpen ? ", kept open" : ", closed"));
      ScriptedServer server(ScriptedServer::AtOnce(c.reply), keepOpen);
      Outcome o = CallBounded(server.Url(), 0, 0);
      EXPECT_EQ(o.result, SOAP_OK);
      EXPECT_EQ(o.rules, 1u);
      EXPECT_EQ(o.name, "规则");
    }
  }
}

TEST(HttpFraming, MultipartWithoutLengthEndsAtTheClose) {
  const std::string multipart = Multipart();
  ScriptedServer server(ScriptedServer::AtOnce(Head(kMultipartType, "Connection: close\r\n") + multipart), false);
  Outcome o = CallBounded(server.Url(), 5, 0);
  EXPECT_EQ(o.result, SOAP_OK);
  EXPECT_EQ(o.rules, 1u);
}

// Fewer bytes than the frame announces is a broken reply, whether the
// server closes or keeps the connection open (then the receive time-out or
// the deadline ends the wait).
TEST(HttpFraming, ShortRepliesAreBroken) {
  const std::string multipart = Multipart();
  const std::string plainHead = Head("text/xml; charset=utf-8", Length(kEnvelope.size() + 40));
  const Case kCases[] = {
      {"whole envelope, length longer", plainHead + kEnvelope},
      {"half the envelope", Head("text/xml", Length(kEnvelope.size())) + kEnvelope.substr(0, kEnvelope.size() / 2)},
      {"multipart, length longer", Head(kMultipartType, Length(multipart.size() + 10)) + multipart},
      {"multipart cut in its attachment",
       Head(kMultipartType, Length(multipart.size())) + multipart.substr(0, multipart.size() - 30)},
      {"chunked without the last chunk", Head("text/xml", "Transfer-Encoding: chunked\r\n") + Chunked(kEnvelope, 100)},
      {"chunked cut inside a chunk",
       Head("text/xml", "Transfer-Encoding: chunked\r\n") + Chunked(kEnvelope, 100).substr(0, 150)},
      {"chunked multipart without the last chunk",
       Head(kMultipartType, "Transfer-Encoding: chunked\r\n") + Chunked(multipart, 64)},
  };
  struct Limits {
    const char *name;
    int recvTimeout;
    int transferTimeout;
  } kLimits[] = {{"receive time-out", 1, 0}, {"deadline only", 0, 2}};
  for (const Case &c : kCases) {
    for (bool keepOpen : {false, true}) {
      for (const Limits &limits : kLimits) {
        if (!keepOpen && limits.recvTimeout == 0) continue;
        SCOPED_TRACE(std::string(c.name) + (keepOpen ? ", kept open, " : ", closed, ") + limits.name);
        ScriptedServer server(ScriptedServer::AtOnce(c.reply), keepOpen);
        EXPECT_EQ(CallBounded(server.Url(), limits.recvTimeout, limits.transferTimeout).result, SOAP_LENGTH);
      }
    }
  }
}

// The runtime allocates an error page's body by its Content-Length before
// reading it: a length that is no number, disagrees with another or exceeds
// the reply limit is refused at once.
TEST(HttpFraming, ContentLengthBeyondReasonIsRefused) {
  const std::string html = "<html><body>Error</body></html>";
  const std::string kHeads[] = {
      "HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/html\r\nContent-Length: 99999999999999999\r\n\r\n",
      "HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/html\r\nContent-Length: 5555555555555555555555555\r\n\r\n",
      "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 12abc\r\n\r\n",
      "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 31\r\nContent-Length: 40\r\n\r\n",
      "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string((600ull << 20)) + "\r\n\r\n",
      // The runtime reads any character in place of the name's '-'.
      "HTTP/1.1 302 Found\r\nContent-Type: text/xml\r\nContent/Length: 2222222222222222222z2r\r\n\r\n",
      "HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/html\r\ncontent_length: 99999999999999999\r\n\r\n",
  };
  for (const std::string &head : kHeads) {
    SCOPED_TRACE(head);
    ScriptedServer server(ScriptedServer::AtOnce(head + html), false);
    EXPECT_EQ(CallBounded(server.Url(), 5, 0).result, SOAP_LENGTH);
  }
}

}  // namespace
}  // namespace kv::test
