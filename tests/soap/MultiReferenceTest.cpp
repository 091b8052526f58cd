// Replies are trees: id and href attributes link nothing, and an element that
// no reader asked for is skipped unread, whatever it is named.
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

int ListPaths(LoopbackServer &server, WALKPATH__listPathResponse &response,
              VXPathWebServiceSoapBindingProxy &proxy) {
  UseUtf8(proxy);
  const std::string url = server.Url("/RUVU/x");
  proxy.soap_endpoint = url.c_str();
  WALKPATH__listPath request;
  return proxy.listPath(&request, &response);
}

// The reply found by fuzzing: a request element with ids inside the
// response, whose forward references overran a vector when resolved.
TEST(MultiReference, TheFuzzedReplyIsHandledSafely) {
  std::ifstream in(KV_FUZZ_CORPUS "/listPath/heap-overflow-id-in-ignored.bin", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const std::string &reply : {bytes, LoopbackServer::Http(200, bytes)}) {
    LoopbackServer server;
    server.Reply(reply);
    VXPathWebServiceSoapBindingProxy proxy;
    WALKPATH__listPathResponse response;
    ListPaths(server, response, proxy);
    EXPECT_TRUE(response.return_.empty());
  }
}

TEST(MultiReference, IdsAndHrefsLinkNothing) {
  const std::string path = "<belongTo>7</belongTo><pathName>p</pathName><pathId>1</pathId>";
  const struct {
    const char *name;
    std::string body;
    size_t paths;
    const char *firstName;  // pathName of the first path, null for none
  } kCases[] = {
      {"request element with ids inside an unknown element",
       "<ns:listPathResponse" + kPathNs + "><other><ns:editPath id=\"e\"><path id=\"a\" href=\"#b\"/>"
       "<path id=\"b\" href=\"#a\"/><path href=\"#c\"/></ns:editPath></other><return>" + path +
           "</return></ns:listPathResponse>",
       1, "p"},
      {"request element with ids as a child of the response",
       "<ns:listPathResponse" + kPathNs + "><ns:editPath id=\"e\"><path id=\"a\"/><path href=\"#a\"/>"
       "<path href=\"#a\"/></ns:editPath><return>" + path + "</return></ns:listPathResponse>",
       1, "p"},
      {"href to a later element",
       "<ns:listPathResponse" + kPathNs + "><return href=\"#r\"/></ns:listPathResponse>"
       "<ns:path id=\"r\">" + path + "</ns:path>",
       1, nullptr},
      {"a known element after the response, not readable as one",
       "<ns:listPathResponse" + kPathNs + "><return>" + path + "</return></ns:listPathResponse>"
       "<ns:path><belongTo>seven</belongTo></ns:path>",
       1, "p"},
      {"ids on the records themselves",
       "<ns:listPathResponse" + kPathNs + "><return id=\"r1\">" + path + "</return><return id=\"r1\">" + path +
           "</return></ns:listPathResponse>",
       2, "p"},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    LoopbackServer server;
    server.ReplySoap(c.body);
    VXPathWebServiceSoapBindingProxy proxy;
    WALKPATH__listPathResponse response;
    ASSERT_EQ(ListPaths(server, response, proxy), SOAP_OK) << proxy.soap_fault_string();
    ASSERT_EQ(response.return_.size(), c.paths);
    ASSERT_NE(response.return_[0], nullptr);
    if (c.firstName) {
      ASSERT_NE(response.return_[0]->pathName, nullptr);
      EXPECT_EQ(*response.return_[0]->pathName, c.firstName);
    } else {
      EXPECT_EQ(response.return_[0]->pathName, nullptr);
    }
  }
}

}  // namespace
}  // namespace kv::test
