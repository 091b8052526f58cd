// Replies that a broken server or network gives, through a manager and the
// real host: each ends as a clear error in the holder's status and the log,
// and the next call works.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "KvWebServiceManager.h"
#include "LogCapture.h"
#include "LoopbackServer.h"
#include "keel/web/AppWebServiceMgr.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;
using Holes = boost::shared_ptr<MOXAPP::IMOXUserDataArray<StHoleResult>>;

std::string HoleXml(int i) {
  return "<return><holeId>hole-" + std::to_string(i) +
         "</holeId><holePoint><x>1.5</x><y>2</y><z>3</z></holePoint><majorFloor>一层</majorFloor>"
         "<elevation><bottom>-1</bottom><top>2</top></elevation><remarks>备注</remarks></return>";
}

std::string Response(const std::string &inner) {
  return LoopbackServer::Envelope("<ns:findHoleResultsResponse xmlns:ns=\"http://hole.ws.ruvu/\">" + inner +
                                  "</ns:findHoleResultsResponse>");
}

const std::string kGoodBody = Response(HoleXml(1) + HoleXml(2) + HoleXml(3));

class BadReplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KEEL::WEB::WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    config.servAddr = L"127.0.0.1:" + std::to_wstring(server.Port());
    config.recvTimeout = 2;
    config.sendTimeout = 2;
    std::string error;
    ASSERT_TRUE(host.Load(config, error)) << error;
    KEEL::FRAME::RegisterManager(&host);
  }
  void TearDown() override { KEEL::FRAME::UnregisterManager(&host); }

  Holes Find() {
    StFindHoleResults find;
    find.queryParam = boost::make_shared<StAffiliateQueryParam>();
    Holes found;
    holes.ServiceFindHoleResults(find, found);
    return found;
  }

  // The call fails with a status that says so and a network-error block.
  void ExpectFailure(const std::string &what) {
    SCOPED_TRACE(what);
    LogCapture log;
    Holes found = Find();
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(found->IsFinished());
    EXPECT_FALSE(found->GetState());
    EXPECT_NE(found->GetCode(), L"0");
    std::vector<std::string> lines = log.Lines();
    auto block = std::find(lines.begin(), lines.end(), "[4] --------------------网络错误--------------------");
    ASSERT_LE(std::distance(block, lines.end()), static_cast<long>(lines.size()));
    ASSERT_GE(std::distance(block, lines.end()), 7);
    EXPECT_EQ(block[2], "[4] ServName = HoleResult_findHoleResults");
  }

  void ExpectGoodCall() {
    server.Reply(LoopbackServer::Http(200, kGoodBody));
    Holes found = Find();
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(found->GetState()) << "code " << found->GetCode().size();
    EXPECT_EQ(found->Count(), 3u);
  }

  LoopbackServer server;
  KEEL::WEB::CAppWebServiceMgr host;
  KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr holes;
};

TEST_F(BadReplyTest, ReplyCutAtEveryTenthByte) {
  const std::string reply = LoopbackServer::Http(200, kGoodBody);
  for (size_t cut = 0; cut < reply.size(); cut += 10) {
    server.Reply(reply.substr(0, cut));
    ExpectFailure("cut at " + std::to_string(cut));
    if (HasFatalFailure()) return;
  }
  ExpectGoodCall();
  EXPECT_EQ(holes.PendingRequests(), 0u);
}

TEST_F(BadReplyTest, BrokenRepliesFailCleanly) {
  const std::string gzipped = LoopbackServer::Gzip(kGoodBody);
  std::string corrupt = gzipped;
  for (size_t i = 12; i < corrupt.size() - 8; i += 7) corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5a);
  const std::string header = "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\n";
  struct Case {
    const char *name;
    std::string reply;
  } cases[] = {
      {"Content-Length shorter than the body",
       header + "Content-Length: " + std::to_string(kGoodBody.size() / 2) + "\r\n\r\n" + kGoodBody},
      {"Content-Length longer than the body",
       header + "Content-Length: " + std::to_string(kGoodBody.size() + 100) + "\r\n\r\n" + kGoodBody},
      {"corrupt gzip body",
       header + "Content-Encoding: gzip\r\nContent-Length: " + std::to_string(corrupt.size()) + "\r\n\r\n" + corrupt},
      {"closed after the headers", header + "Content-Length: 500\r\n\r\n"},
      {"not XML", LoopbackServer::Http(200, "<html><body>502 Bad Gateway</body>", "", "text/html")},
      {"HTTP 500 without a body", LoopbackServer::Http(500, "")},
  };
  for (const Case &c : cases) {
    server.Reply(c.reply);
    ExpectFailure(c.name);
    ExpectGoodCall();
  }
}

// Unknown elements are skipped without recursion, however deep.
TEST_F(BadReplyTest, DeeplyNestedUnknownElementsAreSkipped) {
  for (int depth : {10000, 100000}) {
    SCOPED_TRACE(depth);
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
      open += "<a>";
      close += "</a>";
    }
    server.Reply(LoopbackServer::Http(200, Response("<return>" + open + close + "<holeId>deep</holeId></return>")));
    Holes found = Find();
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(found->GetState());
    ASSERT_EQ(found->Count(), 1u);
    EXPECT_EQ(found->CurrentItem()->holeId, L"deep");
  }
  ExpectGoodCall();
}

TEST_F(BadReplyTest, HugeUnknownElementIsSkipped) {
  // 100 MB of text in an element the client does not know.
  std::string huge = "<unknownElement>" + std::string(100 * 1024 * 1024, 'x') + "</unknownElement>";
  server.Reply(LoopbackServer::Http(200, Response(HoleXml(1) + huge + HoleXml(2))));
  Holes found = Find();
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(found->GetState());
  EXPECT_EQ(found->Count(), 2u);
  ExpectGoodCall();
}

TEST_F(BadReplyTest, RedirectLoopAndRedirectToAnotherHost) {
  const std::string self = server.Url("/RUVU/webservice/hole/VXHoleResultWebService");
  for (int i = 0; i < 3; ++i) server.Reply(LoopbackServer::Http(302, "", "Location: " + self + "\r\n"));
  Holes looped = Find();
  ASSERT_NE(looped, nullptr);
  EXPECT_FALSE(looped->GetState());
  EXPECT_EQ(looped->GetCode(), L"302");
  EXPECT_EQ(server.Requests(3).size(), 3u);  // the request and two redirects

  LoopbackServer other;
  host.Session().GetCookieStore(L"127.0.0.1:" + std::to_wstring(server.Port()))->SetValue("VALUE", "secret");
  server.Reply(LoopbackServer::Http(302, "", "Location: " + other.Url("/RUVU/x").replace(7, 9, "localhost") + "\r\n"));
  Holes moved = Find();
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->GetCode(), L"302");
  EXPECT_TRUE(other.Requests().empty());
  ExpectGoodCall();
}

}  // namespace
}  // namespace kv::test
