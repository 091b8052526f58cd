// Servers that pace, pad or cut their replies, through a manager and the
// real host: each call ends by its frame, its deadline or a limit of the
// host's configuration, with a code that says which, and the next call
// works.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "BoundedCall.h"
#include "KvWebServiceManager.h"
#include "LogCapture.h"
#include "LoopbackServer.h"
#include "ScriptedServer.h"
#include "keel/web/AppWebServiceMgr.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;
using Holes = boost::shared_ptr<MOXAPP::IMOXUserDataArray<StHoleResult>>;
using std::chrono::milliseconds;

std::string HoleXml(const std::string &id) { return "<return><holeId>" + id + "</holeId></return>"; }

std::string Response(const std::string &inner) {
  return LoopbackServer::Envelope("<ns:findHoleResultsResponse xmlns:ns=\"http://hole.ws.ruvu/\">" + inner +
                                  "</ns:findHoleResultsResponse>");
}

std::string Head(const std::string &framing, const std::string &type = "text/xml; charset=utf-8") {
  return "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\n" + framing + "\r\n";
}

struct Outcome {
  bool finished = false;
  bool state = true;
  std::wstring code;
  std::wstring text;
  size_t count = 0;
  std::string faultCodeLine;
};

// A host on one server address with the given configuration.
class Host {
 public:
  Host(const std::string &url, const std::function<void(KEEL::WEB::WebHostConfig &)> &configure) {
    KEEL::WEB::WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    size_t hostStart = url.find("//") + 2;
    std::string addr = url.substr(hostStart, url.find('/', hostStart) - hostStart);
    config.servAddr = std::wstring(addr.begin(), addr.end());
    config.recvTimeout = 5;
    configure(config);
    std::string error;
    loaded_ = host_.Load(config, error);
    EXPECT_TRUE(loaded_) << error;
    KEEL::FRAME::RegisterManager(&host_);
  }
  ~Host() { KEEL::FRAME::UnregisterManager(&host_); }

  // One findHoleResults call on its own thread; a call that has not ended
  // within `bound` is reported as hanging.
  Outcome Find(std::chrono::seconds bound = std::chrono::seconds(60)) {
    std::optional<Outcome> outcome = CallWithin(bound, [this] {
      LogCapture log;
      StFindHoleResults find;
      find.queryParam = boost::make_shared<StAffiliateQueryParam>();
      Holes found;
      holes_.ServiceFindHoleResults(find, found);
      Outcome o;
      if (found) {
        o.finished = found->IsFinished();
        o.state = found->GetState();
        o.code = found->GetCode();
        o.text = found->GetText();
        o.count = found->Count();
      }
      for (const std::string &line : log.Lines())
        if (line.rfind("[4] FaultCode = ", 0) == 0) o.faultCodeLine = line;
      return o;
    });
    if (!outcome) {
      ADD_FAILURE() << "the call did not end";
      std::abort();  // the call still uses this host
    }
    return *outcome;
  }

 private:
  bool loaded_ = false;
  KEEL::WEB::CAppWebServiceMgr host_;
  KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr holes_;
};

const std::string kGood = Response(HoleXml("a") + HoleXml("b"));

void ExpectGood(const Outcome &o) {
  EXPECT_TRUE(o.finished);
  EXPECT_TRUE(o.state);
  EXPECT_EQ(o.code, L"0");
  EXPECT_EQ(o.count, 2u);
}

// The server sends one byte of the body every 300 ms: each byte comes well
// within the receive time-out, the whole would take over a minute. The call
// ends by its deadline, long before the server has sent its reply.
TEST(HostileServer, TricklingServerEndsByTheDeadline) {
  const std::string body = kGood + std::string(100, ' ');
  for (bool withLength : {true, false}) {
    SCOPED_TRACE(withLength ? "with a length" : "until the close");
    ScriptedServer server(
        ScriptedServer::Trickle(Head(withLength ? "Content-Length: " + std::to_string(body.size()) + "\r\n" : ""),
                                body, 1, milliseconds(300)),
        false);
    Host host(server.Url(), [](KEEL::WEB::WebHostConfig &c) {
      c.recvTimeout = 3;
      c.transferTimeout = 2;
    });
    Outcome o = host.Find();
    EXPECT_TRUE(o.finished);
    EXPECT_FALSE(o.state);
    EXPECT_EQ(o.code, withLength ? L"45" : L"-1");
    EXPECT_NE(o.text.find(L"deadline"), std::wstring::npos) << std::string(o.text.begin(), o.text.end());
    EXPECT_LT(server.BytesSent(), body.size() / 2);
  }
}

// The parser's work on one element with 100,000 attributes would grow with
// the square of their number; the check refuses the element at its 65th
// attribute, before the parser sees it.
TEST(HostileServer, ManyAttributesAreRefused) {
  std::string attributes;
  for (int i = 0; i < 100000; ++i) attributes += " a" + std::to_string(i) + "=\"\"";
  const std::string body = Response("<return" + attributes + "><holeId>x</holeId></return>");
  ScriptedServer server(ScriptedServer::AtOnce(LoopbackServer::Http(200, body)), false);
  Host host(server.Url(), [](KEEL::WEB::WebHostConfig &c) { c.transferTimeout = 60; });
  Outcome o = host.Find();
  EXPECT_FALSE(o.state);
  EXPECT_EQ(o.code, L"5");
  EXPECT_EQ(o.text, L"Broken reply");
}

struct Case {
  const char *name;
  std::string reply;
  bool keepOpen;
  std::wstring code;
  const wchar_t *textHas;
};

void RunCases(const std::vector<Case> &cases, const std::function<void(KEEL::WEB::WebHostConfig &)> &configure) {
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedServer server(ScriptedServer::AtOnce(c.reply), c.keepOpen);
    Host host(server.Url(), configure);
    Outcome o = host.Find();
    EXPECT_TRUE(o.finished);
    EXPECT_FALSE(o.state);
    EXPECT_EQ(o.code, c.code);
    if (c.textHas) EXPECT_NE(o.text.find(c.textHas), std::wstring::npos) << std::string(o.text.begin(), o.text.end());
    EXPECT_EQ(o.faultCodeLine, "[4] FaultCode = SOAP-ENV:Server");
  }
}

// Broken frames, statuses and limits, each with the code that says what
// happened; the same replies whole and within the limits succeed.
TEST(HostileServer, BrokenRepliesSayWhatBrokeThem) {
  const std::string chunked = "Transfer-Encoding: chunked\r\n";
  const std::string bomb = LoopbackServer::Gzip(Response(HoleXml(std::string(64 << 20, 'x'))));
  std::string many;
  for (int i = 0; i < 3000; ++i) many += HoleXml(std::string(500, 'y'));
  RunCases(
      {
          {"short body on a kept-open connection",
           Head("Content-Length: " + std::to_string(kGood.size() + 50) + "\r\n") + kGood, true, L"45", L"ended after"},
          {"chunked without its last chunk", Head(chunked) + "10\r\n" + kGood.substr(0, 16) + "\r\n", false, L"45",
           L"last chunk"},
          {"chunked without its last chunk, kept open", Head(chunked) + "10\r\n" + kGood.substr(0, 16) + "\r\n", true,
           L"45", L"last chunk"},
          {"HTML on 500", LoopbackServer::Http(500, "<html><body>Error</body></html>", "", "text/html"), false, L"500",
           nullptr},
          {"HTML on 400", LoopbackServer::Http(400, "<html><body>Bad</body></html>", "", "text/html"), false, L"400",
           nullptr},
          {"HTML on 200", LoopbackServer::Http(200, "<html><body>Login</body></html>", "", "text/html"), false, L"200",
           nullptr},
          {"200 without a body", Head("Content-Length: 0\r\n"), false, L"14", nullptr},
          {"404", LoopbackServer::Http(404, "gone", "", "text/plain"), false, L"404", nullptr},
          {"cut after the status line", "HTTP/1.1 200 OK\r\n", false, L"-1", L"HTTP head"},
          {"gzip bomb", LoopbackServer::Http(200, bomb, "Content-Encoding: gzip\r\n"), false, L"45", L"limit"},
          {"over the reply limit", LoopbackServer::Http(200, Response(many)), false, L"45", L"limit"},
      },
      [](KEEL::WEB::WebHostConfig &c) {
        c.recvTimeout = 1;
        c.maxReplyBytes = 1 << 20;
        c.maxValueBytes = 256 << 10;
      });
}

TEST(HostileServer, GoodRepliesStillWork) {
  const std::string gzip = LoopbackServer::Gzip(kGood);
  std::string chunks;
  for (size_t at = 0; at < kGood.size(); at += 40) {
    std::string part = kGood.substr(at, 40);
    char size[16];
    std::snprintf(size, sizeof size, "%zx", part.size());
    chunks += std::string(size) + "\r\n" + part + "\r\n";
  }
  const std::string length = "Content-Length: " + std::to_string(kGood.size()) + "\r\n";
  const std::pair<const char *, std::string> kReplies[] = {
      {"length, trailing bytes", Head(length) + kGood + "\r\n\r\nHTTP/1.1 200 OK\r\n"},
      {"chunked", Head("Transfer-Encoding: chunked\r\n") + chunks + "0\r\n\r\n"},
      {"gzip", Head("Content-Encoding: gzip\r\nContent-Length: " + std::to_string(gzip.size()) + "\r\n") + gzip},
  };
  for (const auto &reply : kReplies) {
    for (bool keepOpen : {false, true}) {
      SCOPED_TRACE(std::string(reply.first) + (keepOpen ? ", kept open" : ""));
      ScriptedServer server(ScriptedServer::AtOnce(reply.second), keepOpen);
      // No receive time-out: a call that waited for the close would hang.
      Host host(server.Url(), [](KEEL::WEB::WebHostConfig &c) {
        c.recvTimeout = 0;
        c.maxReplyBytes = 1 << 20;
        c.maxValueBytes = 256 << 10;
      });
      ExpectGood(host.Find(std::chrono::seconds(20)));
    }
  }
}

}  // namespace
}  // namespace kv::test
