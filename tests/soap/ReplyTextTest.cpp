// The XML text of a reply: a DOCTYPE or a character XML forbids refuses the
// reply; invalid UTF-8 becomes U+FFFD and keeps the text around it; good
// replies (references, CDATA, Latin-1, gzip, chunked, MTOM with binary
// attachments) read as before.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "LoopbackServer.h"
#include "Proxies.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

const std::string kPathNs = std::string(" xmlns:ns=\"") + kv::wire::kPathwalkAreaUri + "\"";

std::string PathReply(const std::string &pathName) {
  return LoopbackServer::Envelope("<ns:listPathResponse" + kPathNs + "><return><pathName>" + pathName +
                                  "</pathName><pathId>after</pathId></return></ns:listPathResponse>");
}

struct Result {
  int rc = -1;
  std::string fault;
  std::string detail;
  std::string pathName;  // of the first path
  std::string pathId;
};

Result ListPaths(const std::string &rawReply) {
  LoopbackServer server;
  server.Reply(rawReply);
  VXPathWebServiceSoapBindingProxy proxy;
  UseUtf8(proxy);
  const std::string url = server.Url("/RUVU/x");
  proxy.soap_endpoint = url.c_str();
  WALKPATH__listPath request;
  WALKPATH__listPathResponse response;
  Result result;
  result.rc = proxy.listPath(&request, &response);
  if (const char *text = proxy.soap_fault_string()) result.fault = text;
  if (const char *text = proxy.soap_fault_detail()) result.detail = text;
  if (!response.return_.empty() && response.return_[0]) {
    if (response.return_[0]->pathName) result.pathName = *response.return_[0]->pathName;
    if (response.return_[0]->pathId) result.pathId = *response.return_[0]->pathId;
  }
  return result;
}

// A 200 reply in chunks of seven bytes.
std::string Chunked(const std::string &body) {
  std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nTransfer-Encoding: chunked\r\n\r\n";
  for (size_t at = 0; at < body.size(); at += 7) {
    const std::string part = body.substr(at, 7);
    char size[16];
    std::snprintf(size, sizeof(size), "%zx\r\n", part.size());
    reply += size + part + "\r\n";
  }
  return reply + "0\r\n\r\n";
}

TEST(ReplyText, ForbiddenTextRefusesTheReply) {
  const struct {
    const char *name;
    std::string reply;
  } kCases[] = {
      {"reference to U+0000", LoopbackServer::Http(200, PathReply("a&#0;b"))},
      {"hex reference to U+0000", LoopbackServer::Http(200, PathReply("a&#x0;b"))},
      {"raw NUL", LoopbackServer::Http(200, PathReply(std::string("a\0b", 3)))},
      {"raw control character", LoopbackServer::Http(200, PathReply("a\x01" "b"))},
      {"reference to a control character", LoopbackServer::Http(200, PathReply("a&#x1F;b"))},
      {"reference to U+FFFE", LoopbackServer::Http(200, PathReply("a&#xFFFE;b"))},
      {"reference to a surrogate", LoopbackServer::Http(200, PathReply("a&#55296;b"))},
      {"reference beyond U+10FFFF", LoopbackServer::Http(200, PathReply("a&#x110000;b"))},
      {"raw U+FFFF", LoopbackServer::Http(200, PathReply("a\xEF\xBF\xBF" "b"))},
      {"malformed reference", LoopbackServer::Http(200, PathReply("a&#xZ;b"))},
      {"undeclared entity", LoopbackServer::Http(200, PathReply("a&ent;b"))},
      {"NUL in an attribute", LoopbackServer::Http(200, LoopbackServer::Envelope(
                                                            "<ns:listPathResponse" + kPathNs + " a=\"&#0;\"/>"))},
      {"DOCTYPE with an entity",
       LoopbackServer::Http(200, "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e \"expanded\">]>" +
                                     PathReply("&e;").substr(PathReply("").find("<SOAP-ENV:Envelope")))},
      {"NUL, chunked", Chunked(PathReply("a&#0;b"))},
      {"DOCTYPE, gzip",
       LoopbackServer::Http(200, LoopbackServer::Gzip("<!DOCTYPE SOAP-ENV:Envelope>" + PathReply("a")),
                            "Content-Encoding: gzip\r\n")},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    Result r = ListPaths(c.reply);
    EXPECT_EQ(r.rc, SOAP_SYNTAX_ERROR);
    EXPECT_EQ(r.fault, "Broken reply");
    EXPECT_NE(r.detail.find("The reply"), std::string::npos) << r.detail;
    EXPECT_EQ(r.pathName, "");
  }
}

TEST(ReplyText, InvalidUtf8BecomesReplacementCharacters) {
  const std::string fffd = "\xEF\xBF\xBD";
  const struct {
    const char *name;
    std::string text;
    std::string expected;
  } kCases[] = {
      {"lead byte without its continuation", "x\xC3(y", "x" + fffd + "(y"},
      {"overlong slash", "a\xC0\xAF" "b", "a" + fffd + fffd + "b"},
      {"truncated three-byte sequence", "\xE4\xB8" "z", fffd + "z"},
      {"surrogate", "\xED\xA0\x80", fffd + fffd + fffd},
      {"stray continuation and high bytes", "\x80\xFF" "ok", fffd + fffd + "ok"},
      {"valid text stays", "巡视路线 😀", "巡视路线 😀"},
      {"references and predefined entities", "&#x4E2D;&#25991;&amp;&lt;&gt;&quot;&apos;", "中文&<>\"'"},
      {"CDATA holds references literally", "<![CDATA[&#0; <!DOCTYPE x>]]>", "&#0; <!DOCTYPE x>"},
      {"comment with a DOCTYPE inside", "a<!-- <!DOCTYPE x> &#0; -->b", "ab"},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    Result r = ListPaths(LoopbackServer::Http(200, PathReply(c.text)));
    ASSERT_EQ(r.rc, SOAP_OK) << r.fault;
    EXPECT_EQ(r.pathName, c.expected);
    EXPECT_EQ(r.pathId, "after");
  }
}

TEST(ReplyText, GoodRepliesReadAsBefore) {
  // Latin-1 declared in the XML declaration.
  std::string latin = PathReply("caf\xE9");
  latin.replace(latin.find("<SOAP-ENV:Envelope"), 0, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
  const std::string body = PathReply("甲乙");
  // A reply larger than the engine's buffer, with multi-byte text across
  // every buffer boundary.
  std::string large;
  for (int i = 0; i < 30000; ++i) large += "路";
  const struct {
    const char *name;
    std::string reply;
    std::string expected;
  } kCases[] = {
      {"latin-1", LoopbackServer::Http(200, latin), "café"},
      {"gzip", LoopbackServer::Http(200, LoopbackServer::Gzip(body), "Content-Encoding: gzip\r\n"), "甲乙"},
      {"chunked", Chunked(body), "甲乙"},
      {"chunked, invalid UTF-8 across chunks", Chunked(PathReply("a\xC3(\xE4\xB8\xADz")), "a\xEF\xBF\xBD(中z"},
      {"large", LoopbackServer::Http(200, PathReply(large)), large},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    Result r = ListPaths(c.reply);
    ASSERT_EQ(r.rc, SOAP_OK) << r.fault;
    EXPECT_EQ(r.pathName, c.expected);
    EXPECT_EQ(r.pathId, "after");
  }
}

TEST(ReplyText, BinaryAttachmentsPassUnchanged) {
  std::ifstream in(KV_FUZZ_CORPUS "/listDevice/mtom.http", std::ios::binary);
  ASSERT_TRUE(in);
  std::string reply((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Framed by the close of the connection: what a length changes is the
  // framing's business, not the text's.
  reply.erase(reply.find("Content-Length:"), reply.find("\r\n", reply.find("Content-Length:")) + 2 -
                                                 reply.find("Content-Length:"));
  const std::string attachment = reply.substr(reply.rfind("\r\n\r\n") + 4, reply.rfind("\r\n--BOUNDARY--") -
                                                                           reply.rfind("\r\n\r\n") - 4);
  ASSERT_NE(attachment.find('\0'), std::string::npos);
  LoopbackServer server;
  server.Reply(reply);
  VXBeingExtractedDeviceWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
  UseUtf8(proxy);
  const std::string url = server.Url("/RUVU/x");
  proxy.soap_endpoint = url.c_str();
  DEVICE__listDevice request;
  DEVICE__listDeviceResponse response;
  ASSERT_EQ(proxy.listDevice(&request, &response), SOAP_OK) << proxy.soap_fault_string();
  ASSERT_EQ(response.return_.size(), 1u);
  ASSERT_NE(response.return_[0]->picFile, nullptr);
  const xsd__base64Binary &pic = *response.return_[0]->picFile;
  EXPECT_EQ(std::string(reinterpret_cast<const char *>(pic.__ptr), pic.__size), attachment);
}

}  // namespace
}  // namespace kv::test
