// Load: many threads making mixed synchronous and asynchronous calls
// through the managers; then the server is stopped and started again under
// the running client. The load goes to a replay server in this process that
// answers most calls with the test server's earlier reply to the same
// operation and passes every tenth on to the test server, so that the run
// takes the client's time, not the test server's; the restart case talks
// to the test server itself.
#include <gtest/gtest.h>
#include <unistd.h>

#include <boost/make_shared.hpp>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KvWebServiceManager.h"
#include "ReplayServer.h"
#include "keel/web/AppWebServiceMgr.h"
#include "managers/ManagerTable.h"
#include "wrench/TextConvert.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KV_SANITIZED 1
#else
#define KV_SANITIZED 0
#endif

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;
using KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr;
using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery;

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A manager forgets a request right after its callback has returned, so
// the last callback can arrive a moment before the count reaches 0: wait
// for it (the guard only ends a hang).
template <class Mgr>
std::size_t PendingAfterDelivery(Mgr &manager) {
  for (int i = 0; i < 30000 && manager.PendingRequests() != 0; ++i) usleep(1000);
  return manager.PendingRequests();
}

int EnvInt(const char *name, int fallback) {
  const char *value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

// Counts each request's callbacks: +1 when the call returns its handle,
// -1 when the callback comes; every count ends at 0 when none is lost or
// doubled, whichever comes first.
class Ledger : public IClashRuleQuery {
 public:
#define KV_LOAD_CALLBACK(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  void Callback(void *handle, boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) override { \
    Arrived(handle, result && result->IsFinished() && result->GetState()); \
  }
  KV_CLASHRULE_MGR_OPERATIONS(KV_LOAD_CALLBACK, ~)
#undef KV_LOAD_CALLBACK

  void Sent(void *handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++counts_[handle];
    ++sent_;
  }
  void WaitForAll() {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [this] { return arrived_ >= sent_; });
  }
  bool Balanced() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto &entry : counts_)
      if (entry.second != 0) return false;
    return arrived_ == sent_;
  }
  int Arrived() {
    std::lock_guard<std::mutex> lock(mutex_);
    return arrived_;
  }
  int Failed() {
    std::lock_guard<std::mutex> lock(mutex_);
    return failed_;
  }

 private:
  void Arrived(void *handle, bool ok) {
    std::lock_guard<std::mutex> lock(mutex_);
    --counts_[handle];
    ++arrived_;
    if (!ok) ++failed_;
    done_.notify_all();
  }
  std::mutex mutex_;
  std::condition_variable done_;
  std::map<void *, int> counts_;
  int sent_ = 0;
  int arrived_ = 0;
  int failed_ = 0;
};

class LoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state_ = std::string(KV_LOAD_STATE);
    ASSERT_EQ(Peer("start.sh", 0), 0);
    std::ifstream portFile(state_ + "/peer.port");
    portFile >> port_;
  }
  void TearDown() override {
    if (loaded_) KEEL::FRAME::UnregisterManager(&host_);
    Peer("stop.sh", 0);
  }

  // The managers' host, calling the server on this port.
  void LoadHost(int port) {
    KEEL::WEB::WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    config.servAddr = L"127.0.0.1:" + std::to_wstring(port);
    config.recvTimeout = 10;
    std::string error;
    ASSERT_TRUE(host_.Load(config, error)) << error;
    KEEL::FRAME::RegisterManager(&host_);
    loaded_ = true;
  }

  int Peer(const char *script, int port) {
    std::string command = (port ? "PEER_PORT=" + std::to_string(port) + " " : std::string()) + "sh " +
                          KV_PEER_DIR + "/" + script + " " + state_;
    return std::system(command.c_str());
  }

  // One synchronous call of a mix; whether it succeeded.
  bool SyncCall(int i) {
    switch (i % 4) {
      case 0: {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> listed;
        rules_.ServiceListClashRules(listed);
        return listed && listed->GetState() && listed->Count() >= 1;
      }
      case 1: {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StDevice>> listed;
        devices_.ServiceListDevice(listed);
        return listed && listed->GetState() && listed->Count() >= 1;
      }
      case 2: {
        StFindHoleResults find;
        find.queryParam = boost::make_shared<StAffiliateQueryParam>();
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StHoleResult>> found;
        holes_.ServiceFindHoleResults(find, found);
        return found && found->GetState();
      }
      default: {
        boost::shared_ptr<StClashResultUnique> unique = boost::make_shared<StClashResultUnique>();
        boost::shared_ptr<MOXAPP::IMOXUserData<StClashResultOverview>> overview;
        views_.ServiceGetClashResultOverview(unique, overview);
        return overview && overview->IsFinished();  // the server may fault: no overview yet
      }
    }
  }

  std::string state_;
  int port_ = 0;
  bool loaded_ = false;
  KEEL::WEB::CAppWebServiceMgr host_;
  CClashRuleMgr rules_;
  KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr devices_;
  KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr holes_;
  KVWEBSERVICEMANAGER::CLASHRESULTVIEW::CClashResultViewMgr views_;
};

TEST_F(LoadTest, ManyThreadsMixedCalls) {
  const int threads = EnvInt("KV_LOAD_THREADS", 16);
  const int calls = EnvInt("KV_LOAD_CALLS", 50000);
  const int warmup = calls / 10;
  ReplayServer replay(port_, 10);
  ASSERT_NO_FATAL_FAILURE(LoadHost(replay.Port()));
  Ledger ledger;
  std::atomic<int> done{0}, syncFailed{0}, asyncCalls{0};
  std::atomic<long> afterWarmup{0};
  auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t)
    workers.emplace_back([&, t] {
      for (int i = t; i < calls; i += threads) {
        if ((i / threads) % 2) {
          ledger.Sent(rules_.ServiceListClashRules(&ledger));
          ++asyncCalls;
        } else if (!SyncCall(i / 2)) {
          ++syncFailed;
        }
        if (++done == warmup) afterWarmup = ResidentKb();
      }
    });
  for (std::thread &w : workers) w.join();
  ledger.WaitForAll();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  long end = ResidentKb();

  EXPECT_TRUE(ledger.Balanced());
  EXPECT_EQ(ledger.Arrived(), asyncCalls.load());
  EXPECT_GE(asyncCalls, calls / 2 - threads);
  EXPECT_EQ(ledger.Failed(), 0);
  EXPECT_EQ(syncFailed, 0);
  for (std::size_t pending : {PendingAfterDelivery(rules_), PendingAfterDelivery(devices_),
                              PendingAfterDelivery(holes_), PendingAfterDelivery(views_)})
    EXPECT_EQ(pending, 0u);
  EXPECT_GE(replay.Forwarded(), calls / 10) << "a share of the calls reaches the test server";
  EXPECT_EQ(replay.Forwarded() + replay.Replayed(), calls);
  std::printf("load: %d calls on %d threads in %.1f s (%.0f calls/s), %ld of them answered by the test server; "
              "resident %ld KB after warm-up, %ld KB at the end\n",
              calls, threads, seconds, calls / seconds, replay.Forwarded(), afterWarmup.load(), end);
  if (!KV_SANITIZED) EXPECT_LT(end - afterWarmup, 8 * 1024) << "resident memory grew after warm-up";
}

TEST_F(LoadTest, ServerStoppedAndStartedAgain) {
  ASSERT_NO_FATAL_FAILURE(LoadHost(port_));
  const int rounds = 40;
  auto run = [&](int from) {
    int ok = 0;
    for (int i = from; i < from + rounds; ++i) ok += SyncCall(i % 3);  // the three that must succeed
    return ok;
  };
  EXPECT_EQ(run(0), rounds);

  ASSERT_EQ(Peer("stop.sh", 0), 0);
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> listed;
  rules_.ServiceListClashRules(listed);
  ASSERT_NE(listed, nullptr);
  EXPECT_FALSE(listed->GetState());
  EXPECT_EQ(listed->GetCode(), L"28");
  EXPECT_FALSE(listed->GetText().empty());
  Ledger ledger;
  for (int i = 0; i < 10; ++i) ledger.Sent(rules_.ServiceListClashRules(&ledger));
  ledger.WaitForAll();
  EXPECT_TRUE(ledger.Balanced());
  EXPECT_EQ(ledger.Failed(), 10);

  ASSERT_EQ(Peer("start.sh", port_), 0);
  EXPECT_EQ(run(100), rounds);
  EXPECT_EQ(PendingAfterDelivery(rules_), 0u);
}

}  // namespace
}  // namespace kv::test
