// The host under a manager against small local servers of the test's own:
// where a redirect may lead and what it carries, the status of a call
// after a followed redirect, the log block of hostile fault texts, handles
// kept after their request completed, and completions handed to a
// dispatcher.
#include <gtest/gtest.h>

#include <boost/shared_ptr.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "KvWebServiceManager.h"
#include "LogCapture.h"
#include "LoopbackServer.h"
#include "QueryLog.h"
#include "catalogue/interfaces/WebInterfaces.h"
#include "keel/web/AppWebServiceMgr.h"
#include "keel/web/WorkerPool.h"

namespace kv::test {
namespace {

using KEEL::KVWEBSERVICE::StClashRule;
using KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr;
using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery;
using Rules = boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>>;

const char kPath[] = "/RUVU/webservice/clash/VXClashRuleWebService";

std::string RulesReply() {
  return LoopbackServer::Http(
      200, LoopbackServer::Envelope("<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\">"
                                    "<return><ruleId>r1</ruleId><ruleName>规则</ruleName></return>"
                                    "</ns:listClashRulesResponse>"));
}

std::string FaultReply(const std::string &code, const std::string &text) {
  return LoopbackServer::Http(500, LoopbackServer::Envelope("<SOAP-ENV:Fault><faultcode>" + code +
                                                            "</faultcode><faultstring>" + text +
                                                            "</faultstring></SOAP-ENV:Fault>"));
}

// The log lines of a call without the clone's trace line.
std::vector<std::string> BlockLines(const LogCapture &log) {
  std::vector<std::string> lines;
  for (const std::string &line : log.Lines())
    if (line.rfind("[6] ", 0) != 0) lines.push_back(line);
  return lines;
}

std::string Redirect(const std::string &location) {
  return LoopbackServer::Http(302, "", "Location: " + location + "\r\n");
}

// A stand-in for the user-interface thread's queue: tasks run when the
// test pumps them, on the pumping thread.
class TaskQueue {
 public:
  void Post(std::function<void()> task) {
    // Notified under the lock: the test may pump the task and destroy the
    // queue as soon as the lock is released.
    std::lock_guard<std::mutex> lock(mutex_);
    tasks_.push_back(std::move(task));
    changed_.notify_all();
  }
  /// Whether `n` tasks were queued before the guard ran out (a hang guard,
  /// not a timing check).
  bool WaitQueued(size_t n) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(20), [&] { return tasks_.size() >= n; });
  }
  /// Runs the queued tasks until `done` holds; each task is destroyed
  /// before the next runs. False when the guard ran out first.
  bool PumpUntil(const std::function<bool()> &done) {
    auto guard = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
      std::function<void()> task;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!changed_.wait_until(lock, guard, [&] { return !tasks_.empty(); })) return false;
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
      task();
    }
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> tasks_;
};

class HostServerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (loaded_) KEEL::FRAME::UnregisterManager(&host);
  }

  void Load(KEEL::WEB::WebDispatcher dispatcher = nullptr) {
    KEEL::WEB::WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    config.servAddr = L"127.0.0.1:" + std::to_wstring(server.Port());
    config.recvTimeout = 5;
    config.sendTimeout = 5;
    config.dispatcher = std::move(dispatcher);
    std::string error;
    ASSERT_TRUE(host.Load(config, error)) << error;
    KEEL::FRAME::RegisterManager(&host);
    loaded_ = true;
  }

  LoopbackServer server;
  LoopbackServer other;
  KEEL::WEB::CAppWebServiceMgr host;
  bool loaded_ = false;
};

// A location is parsed once; the request goes exactly where the parse says
// or nowhere, with the session of this server only, and never with user
// info. A call that followed a redirect and succeeded carries no fault.
TEST_F(HostServerTest, RedirectsNeverCarryTheSessionToAnotherServer) {
  ASSERT_NO_FATAL_FAILURE(Load());
  const std::string a = "127.0.0.1:" + std::to_string(server.Port());
  const std::string b = "127.0.0.1:" + std::to_string(other.Port());
  struct Case {
    std::string location;
    std::string followedTo;  // request target on this server; empty: refused
  } cases[] = {
      {"http://" + a + "/x@" + b + "/stolen", "/x%40" + b + "/stolen"},
      {"http://" + a + "/x?y@" + b + "/", "/x?y%40" + b + "/"},
      {"http://" + a + "/x#@" + b + "/", "/x"},
      {"/moved@" + b + "/x", "/moved%40" + b + "/x"},
      {"http://" + a + kPath, kPath},
      {"http://user:pw@" + a + "/x", ""},
      {"http://" + a + "@" + b + "/x", ""},
      {"http://" + a + "\\@" + b + "/x", ""},
      {"http:\\\\" + b + "\\x", ""},
      {"//" + b + "/x", ""},
      {"http://" + b + "/x", ""},
      {"http://localhost:" + std::to_string(server.Port()) + "/x", ""},
      {"https://" + a + "/x", ""},
  };
  CClashRuleMgr rules;
  KEEL::WEB::IWebCookieStore *store = host.Session().GetCookieStore(L"127.0.0.1:" + std::to_wstring(server.Port()));
  for (const Case &c : cases) {
    SCOPED_TRACE(c.location);
    store->SetValue("JSESSIONID", "JSESSIONID");
    store->SetValue("VALUE", "secret-a");
    size_t before = server.Requests().size();
    server.Reply(Redirect(c.location));
    const bool followed = !c.followedTo.empty();
    if (followed) server.Reply(RulesReply());
    Rules result;
    rules.ServiceListClashRules(result);
    ASSERT_NE(result, nullptr);
    std::vector<RecordedRequest> requests = server.Requests(before + (followed ? 2 : 1));
    EXPECT_TRUE(other.Requests().empty());
    for (const RecordedRequest &r : requests) EXPECT_EQ(r.Header("Authorization"), "");
    if (followed) {
      ASSERT_EQ(requests.size(), before + 2);
      const RecordedRequest &again = requests.back();
      EXPECT_EQ(again.head.rfind("POST " + c.followedTo + " HTTP/1.1\r\n", 0), 0u) << again.head;
      EXPECT_NE(again.Header("Cookie").find("secret-a"), std::string::npos);
      EXPECT_TRUE(result->GetState());
      EXPECT_EQ(result->GetCode(), L"0");
      EXPECT_EQ(result->GetText(), L"");
      EXPECT_FALSE(result->GetFlag());
      EXPECT_EQ(result->Count(), 1u);
    } else {
      EXPECT_EQ(requests.size(), before + 1);
      EXPECT_FALSE(result->GetState());
      EXPECT_EQ(result->GetCode(), L"302");
    }
  }
}

// The manager's synchronous request, kept filed so that its result can be
// taken more than once.
class FiledRules : public CClashRuleMgr {
 public:
  KEEL::WEB::IWebServ *Run() {
    KEEL::WEB::IWebServ *request = nullptr;
    DoServRequest<KEEL::CLASHRULE::IWSIn_listClashRules>(
        request, [this](KEEL::WEB::IWebServ *r) { return ServResponse(r); }, std::wstring(L"ClashRule_listClashRules"));
    return request;
  }
};

// A request's result is read once, as the host's runners free the reply
// while it is converted: of two takes at once one gets the records and the
// other a refusal, never an empty success; a manager hands every take the
// holder its first take made.
TEST_F(HostServerTest, ARequestsResultIsHandedOutOnce) {
  ASSERT_NO_FATAL_FAILURE(Load());
  server.Reply(RulesReply());
  boost::shared_ptr<KEEL::WEB::IWebServ> serv = host.GetWebServ(L"ClashRule_listClashRules");
  ASSERT_NE(serv, nullptr);
  serv->Start();
  serv->Wait();
  auto &out = dynamic_cast<KEEL::CLASHRULE::IWSOut_listClashRules &>(*serv->GetOutput());
  std::vector<boost::shared_ptr<StClashRule>> taken[2];
  bool given[2] = {};
  {
    LogCapture log;
    std::thread other([&] { given[1] = out.GetResult(taken[1]); });
    given[0] = out.GetResult(taken[0]);
    other.join();
    EXPECT_NE(given[0], given[1]);
    const int first = given[0] ? 0 : 1;
    ASSERT_EQ(taken[first].size(), 1u);
    EXPECT_EQ(taken[first][0]->ruleName, L"规则");
    EXPECT_TRUE(taken[1 - first].empty());
    std::vector<boost::shared_ptr<StClashRule>> later;
    EXPECT_FALSE(out.GetResult(later));
    EXPECT_TRUE(later.empty());
    const std::vector<std::string> lines = log.Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "[3] The result of ClashRule_listClashRules was already taken: it is read once"),
              2);
  }

  FiledRules rules;
  server.Reply(RulesReply());
  KEEL::WEB::IWebServ *request = rules.Run();
  ASSERT_NE(request, nullptr);
  boost::shared_ptr<KEEL::WEB::IServiceObject> holders[3];
  std::thread other([&] { holders[1] = rules.DoServResponse(request); });
  holders[0] = rules.DoServResponse(request);
  other.join();
  holders[2] = rules.DoServResponse(request);
  Rules result = boost::dynamic_pointer_cast<MOXAPP::IMOXUserDataArray<StClashRule>>(holders[0]);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(holders[1], holders[0]);
  EXPECT_EQ(holders[2], holders[0]);
  EXPECT_TRUE(result->GetState());
  ASSERT_EQ(result->Count(), 1u);
  rules.UnRegister(request);
  EXPECT_EQ(rules.DoServResponse(request), nullptr);
}

// Whatever a server puts in a fault, the network-error block is seven
// lines, a long text is cut, and a session in a redirect URL is masked.
TEST_F(HostServerTest, HostileFaultTextsKeepTheLogBlockSevenLines) {
  ASSERT_NO_FATAL_FAILURE(Load());
  const std::string big(1024 * 1024, 'x');
  struct Case {
    const char *name;
    std::vector<std::string> replies;
    const char *line;     // a line of the block that must be there
    const char *missing;  // text no line may hold
  } cases[] = {
      {"CR LF in the fault text",
       {FaultReply("SOAP-ENV:Server", "bad&#13;&#10;2026-01-01 00:00:00.000 [4] FAKE LINE")},
       "[4] FaultMessage = bad\\r\\n2026-01-01 00:00:00.000 [4] FAKE LINE",
       nullptr},
      {"LF in the fault code", {FaultReply("SOAP-ENV:Server&#10;[4] FAKE", "text")}, "[4] FaultMessage = text",
       nullptr},
      {"1 MB fault text",
       {FaultReply("SOAP-ENV:Server", big)},
       nullptr,
       nullptr},
      {"session in a redirect URL",
       {Redirect(std::string(kPath) + ";jsessionid=SECRET42?a=1"), FaultReply("SOAP-ENV:Server", "moved")},
       nullptr,
       "SECRET42"},
  };
  CClashRuleMgr rules;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::string &reply : c.replies) server.Reply(reply);
    LogCapture log;
    Rules result;
    rules.ServiceListClashRules(result);
    ASSERT_NE(result, nullptr);
    EXPECT_FALSE(result->GetState());
    std::vector<std::string> lines = BlockLines(log);
    ASSERT_EQ(lines.size(), 7u) << ::testing::PrintToString(lines);
    EXPECT_EQ(lines[0], "[4] --------------------网络错误--------------------");
    EXPECT_EQ(lines[6], "[4] -----------------------------------------------");
    for (const std::string &line : lines) {
      EXPECT_LE(line.size(), WRENCH::CLogMsg::kMaxLoggedChars + 64);
      if (c.missing) EXPECT_EQ(line.find(c.missing), std::string::npos) << line;
    }
    if (c.line) EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end());
  }
  // The cut text says how long it was; the masked URL keeps the rest.
  server.Reply(FaultReply("SOAP-ENV:Server", big));
  LogCapture log;
  Rules result;
  rules.ServiceListClashRules(result);
  std::vector<std::string> lines = BlockLines(log);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_NE(lines[5].find("(cut: " + std::to_string(big.size() + 15) + " characters)"), std::string::npos);

  server.Reply(Redirect(std::string(kPath) + ";jsessionid=SECRET42?a=1"));
  server.Reply(FaultReply("SOAP-ENV:Server", "moved"));
  LogCapture masked;
  rules.ServiceListClashRules(result);
  lines = BlockLines(masked);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], "[4] EndPoint = http://127.0.0.1:" + std::to_string(server.Port()) + kPath +
                          ";jsessionid=***?a=1");
}

// A handle kept after its request completed names nothing: clearing it
// never cancels the callback of a later request, whatever address that
// request's operation object has.
TEST_F(HostServerTest, AnOldHandleNeverCancelsAnotherCallersCallback) {
  TaskQueue queue;
  ASSERT_NO_FATAL_FAILURE(Load([&queue](std::function<void()> task) { queue.Post(std::move(task)); }));
  server.SetDefaultReply(RulesReply());
  server.SetRecording(false);
  CClashRuleMgr rules;
  std::set<void *> handles;
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    QueryLog<IClashRuleQuery> first, second;
    void *old = rules.ServiceListClashRules(&first);
    ASSERT_TRUE(queue.PumpUntil([&] { return first.Calls().size() == 1; }));
    ASSERT_EQ(rules.PendingRequests(), 0u);

    void *later = rules.ServiceListClashRules(&second);
    ASSERT_TRUE(queue.WaitQueued(1));
    rules.ReSetObserver(old, nullptr);  // the first caller lets go of its request
    ASSERT_TRUE(queue.PumpUntil([&] { return rules.PendingRequests() == 0; }));
    ASSERT_EQ(second.Calls().size(), 1u);
    EXPECT_EQ(second.Calls()[0].handle, later);
    EXPECT_TRUE(handles.insert(old).second);
    EXPECT_TRUE(handles.insert(later).second);
  }
}

// An observer whose callback blocks until the other callbacks have
// arrived, as a reaction showing a modal message does; `pump` is what it
// runs meanwhile (nothing, or the nested loop of a modal message).
class BlockingObserver : public QueryLog<IClashRuleQuery> {
 public:
  explicit BlockingObserver(std::function<bool(const std::function<bool()> &)> wait) : wait_(std::move(wait)) {}
  void OnServiceListClashRules(void *handle, Rules &result) override {
    entered = true;
    othersArrivedInside = wait_(othersArrived);
    QueryLog<IClashRuleQuery>::OnServiceListClashRules(handle, result);
  }
  std::function<bool()> othersArrived;
  std::atomic<bool> entered{false};
  bool othersArrivedInside = false;

 private:
  std::function<bool(const std::function<bool()> &)> wait_;
};

// Waits on the calling thread until `done` holds (a hang guard, not a
// timing check).
bool WaitFor(const std::function<bool()> &done) {
  auto guard = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done()) {
    if (std::chrono::steady_clock::now() > guard) return false;
    std::this_thread::yield();
  }
  return true;
}

// A slow callback delays neither another manager's callbacks nor another
// request's of its own manager: with a dispatcher that runs tasks side by
// side, and with one thread whose slow task runs a nested loop.
TEST_F(HostServerTest, ASlowCallbackDelaysNoOtherCallback) {
  struct Case {
    const char *name;
    bool nested;
  } cases[] = {{"tasks side by side", false}, {"one thread, nested loop", true}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    TaskQueue queue;
    std::unique_ptr<KEEL::WEB::CWorkerPool> pool(new KEEL::WEB::CWorkerPool(3));
    KEEL::WEB::CAppWebServiceMgr webHost;
    KEEL::WEB::WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    config.servAddr = L"127.0.0.1:" + std::to_wstring(server.Port());
    if (c.nested)
      config.dispatcher = [&queue](std::function<void()> task) { queue.Post(std::move(task)); };
    else
      config.dispatcher = [&pool](std::function<void()> task) { pool->Post(std::move(task)); };
    std::string error;
    ASSERT_TRUE(webHost.Load(config, error)) << error;
    KEEL::FRAME::RegisterManager(&webHost);
    server.SetDefaultReply(RulesReply());

    CClashRuleMgr one, two;
    QueryLog<IClashRuleQuery> sameManager, otherManager;
    auto wait = [&](const std::function<bool()> &done) {
      return c.nested ? queue.PumpUntil(done) : WaitFor(done);
    };
    BlockingObserver slow(wait);
    slow.othersArrived = [&] { return sameManager.Calls().size() == 1 && otherManager.Calls().size() == 1; };

    one.ServiceListClashRules(&slow);
    if (c.nested) {
      std::thread ui([&] { queue.PumpUntil([&] { return slow.Calls().size() == 1; }); });
      ASSERT_TRUE(WaitFor([&] { return slow.entered.load(); }));
      one.ServiceListClashRules(&sameManager);
      two.ServiceListClashRules(&otherManager);
      ui.join();
    } else {
      ASSERT_TRUE(WaitFor([&] { return slow.entered.load(); }));
      one.ServiceListClashRules(&sameManager);
      two.ServiceListClashRules(&otherManager);
      ASSERT_TRUE(slow.WaitForCalls(1, std::chrono::seconds(30)));
    }
    EXPECT_TRUE(slow.othersArrivedInside);
    ASSERT_TRUE(WaitFor([&] { return one.PendingRequests() == 0 && two.PendingRequests() == 0; }));
    pool.reset();
    KEEL::FRAME::UnregisterManager(&webHost);
  }
}

}  // namespace
}  // namespace kv::test
