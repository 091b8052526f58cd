// Many threads make asynchronous calls on several managers at once while
// other threads replace or clear the observers of pending requests and
// delete each replaced observer at once (the callers' contract: once
// ReSetObserver has returned, the old observer is not called). Every
// request must reach, once, an observer that was current when it completed.
//
// Calls and resets on one manager are made under that manager's lane lock,
// so that the test knows which requests are pending when it resets one;
// completions run freely.
#include <gtest/gtest.h>

#include <atomic>
#include <boost/make_shared.hpp>
#include <cstdint>
#include <deque>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KvWebServiceManager.h"
#include "PeerHost.h"
#include "managers/ManagerTable.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;
using namespace KVWEBSERVICEMANAGER;

constexpr int kNoObserver = -1;
constexpr std::uint64_t kForever = std::numeric_limits<std::uint64_t>::max();

struct Delivery {
  int observer;
  void *handle;
  std::string callback;
  bool holder;    // not empty
  bool finished;  // the holder's status was set
  std::uint64_t tick;
};

// One clock for calls, resets and deliveries, and the deliveries made.
class Journal {
 public:
  std::uint64_t Tick() { return ++clock_; }
  void Record(Delivery d) {
    std::lock_guard<std::mutex> lock(mutex_);
    d.tick = Tick();
    deliveries_.push_back(std::move(d));
  }
  std::vector<Delivery> Deliveries() {
    std::lock_guard<std::mutex> lock(mutex_);
    return deliveries_;
  }

 private:
  std::atomic<std::uint64_t> clock_{0};
  std::mutex mutex_;
  std::vector<Delivery> deliveries_;
};

class JournalObserver {
 public:
  JournalObserver(Journal &journal, int id) : journal_(journal), id_(id) {}
  virtual ~JournalObserver() {}

 protected:
  template <class H>
  void Note(void *handle, const char *callback, const boost::shared_ptr<H> &holder) {
    journal_.Record({id_, handle, callback, holder != nullptr, holder && holder->IsFinished(), 0});
  }

 private:
  Journal &journal_;
  const int id_;
};

template <class Query>
class StressObserver;

#define KV_TEST_NOTE_CALLBACK(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  void Callback(void *handle, boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) override { \
    Note(handle, #Callback, result); \
  }
#define KV_TEST_DEFINE_STRESS_OBSERVER(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) \
  template <> \
  class StressObserver<KVWEBSERVICEMANAGER::SERVICE::IQuery> : public KVWEBSERVICEMANAGER::SERVICE::IQuery, \
                                                               public JournalObserver { \
   public: \
    using JournalObserver::JournalObserver; \
    OPERATIONS(KV_TEST_NOTE_CALLBACK, ~) \
  };
KV_WEB_MANAGERS(KV_TEST_DEFINE_STRESS_OBSERVER)
#undef KV_TEST_DEFINE_STRESS_OBSERVER
#undef KV_TEST_NOTE_CALLBACK

// The observers a request had, in order: each was current from `from`
// until the reset that replaced it had returned (`until`).
struct Binding {
  int observer;
  std::uint64_t from;
  std::uint64_t until;
};

struct Request {
  void *handle;
  std::vector<Binding> bindings;
};

// One manager and one of its operations.
class Lane {
 public:
  Lane(const char *name, const char *callback) : name(name), callback(callback) {}
  virtual ~Lane() {}

  virtual JournalObserver *NewObserver(Journal &journal, int id) = 0;
  virtual void *Call(JournalObserver *observer) = 0;
  virtual void ReSet(void *handle, JournalObserver *observer) = 0;
  /// The synchronous form; whether it succeeded.
  virtual bool CallAndWait() = 0;
  virtual std::size_t Pending() = 0;

  const char *const name;
  const char *const callback;
  std::mutex mutex;  // orders calls, resets and the fields below
  std::vector<Request> requests;
  std::map<int, std::unique_ptr<JournalObserver>> observers;
};

template <class Mgr>
class LaneOf : public Lane {
 public:
  using Query = typename Mgr::Query;
  using Async = std::function<void *(Mgr &, Query *)>;
  using Sync = std::function<bool(Mgr &)>;

  LaneOf(const char *name, const char *callback, Async async, Sync sync)
      : Lane(name, callback), async_(std::move(async)), sync_(std::move(sync)) {}

  JournalObserver *NewObserver(Journal &journal, int id) override { return new StressObserver<Query>(journal, id); }
  void *Call(JournalObserver *observer) override { return async_(mgr_, AsQuery(observer)); }
  void ReSet(void *handle, JournalObserver *observer) override { mgr_.ReSetObserver(handle, AsQuery(observer)); }
  bool CallAndWait() override { return sync_(mgr_); }
  std::size_t Pending() override { return mgr_.PendingRequests(); }

 private:
  static Query *AsQuery(JournalObserver *observer) { return dynamic_cast<Query *>(observer); }

  Mgr mgr_;
  Async async_;
  Sync sync_;
};

template <class Mgr, class Async, class Sync>
std::unique_ptr<Lane> MakeLane(const char *name, const char *callback, Async async, Sync sync) {
  return std::make_unique<LaneOf<Mgr>>(name, callback, async, sync);
}

std::vector<std::unique_ptr<Lane>> CheapLanes() {
  using CLASHRESULTVIEW::CClashResultViewMgr;
  using CLASHRULE::CClashRuleMgr;
  using DEVICE::CDeviceMgr;
  using HOLERULE::CHoleRuleMgr;
  using WALKPATH::CWalkPathMgr;
  std::vector<std::unique_ptr<Lane>> lanes;
  lanes.push_back(MakeLane<CClashRuleMgr>(
      "listClashRules", "OnServiceListClashRules",
      [](CClashRuleMgr &m, CClashRuleMgr::Query *o) { return m.ServiceListClashRules(o); },
      [](CClashRuleMgr &m) {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> h;
        m.ServiceListClashRules(h);
        return h && h->GetState() && h->Count() == 1;
      }));
  lanes.push_back(MakeLane<CDeviceMgr>(
      "listDevice", "OnServiceListDevice", [](CDeviceMgr &m, CDeviceMgr::Query *o) { return m.ServiceListDevice(o); },
      [](CDeviceMgr &m) {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StDevice>> h;
        m.ServiceListDevice(h);
        return h && h->GetState() && h->Count() == 1;
      }));
  lanes.push_back(MakeLane<CHoleRuleMgr>(
      "listHoleRules", "OnServiceListHoleRules",
      [](CHoleRuleMgr &m, CHoleRuleMgr::Query *o) { return m.ServiceListHoleRules(o); },
      [](CHoleRuleMgr &m) {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StHoleRule>> h;
        m.ServiceListHoleRules(h);
        return h && h->GetState() && h->Count() == 1;
      }));
  lanes.push_back(MakeLane<CClashResultViewMgr>(
      "getClashResultOverview", "OnServiceGetClashResultOverview",
      [](CClashResultViewMgr &m, CClashResultViewMgr::Query *o) {
        auto set = boost::make_shared<StClashResultUnique>(StClashResultUnique{1, 2});
        return m.ServiceGetClashResultOverview(set, o);
      },
      [](CClashResultViewMgr &m) {
        auto set = boost::make_shared<StClashResultUnique>(StClashResultUnique{1, 2});
        boost::shared_ptr<MOXAPP::IMOXUserData<StClashResultOverview>> h;
        m.ServiceGetClashResultOverview(set, h);
        return h && h->GetState();
      }));
  lanes.push_back(MakeLane<CWalkPathMgr>(
      "listPath", "OnServiceListPath",
      [](CWalkPathMgr &m, CWalkPathMgr::Query *o) {
        StListPath filter{3, 4};
        return m.ServiceListPath(filter, o);
      },
      [](CWalkPathMgr &m) {
        StListPath filter{3, 4};
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StPath>> h;
        m.ServiceListPath(filter, h);
        return h && h->GetState() && h->Count() == 0;
      }));
  return lanes;
}

struct Candidate {
  Lane *lane;
  void *handle;
  int resets;
};

class Candidates {
 public:
  void Push(const Candidate &c) {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(c);
  }
  // The newest first: it is the most likely to be still pending.
  bool Pop(Candidate &c) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue_.empty()) return false;
    c = queue_.back();
    queue_.pop_back();
    return true;
  }

 private:
  std::mutex mutex_;
  std::deque<Candidate> queue_;
};

using ManagerStressPeerTest = PeerHostTest;

TEST_F(ManagerStressPeerTest, ResetsRacingCompletionsNeverLoseDoubleOrDelayACallback) {
  const int kCallers = 8, kCallsEach = 40, kResetters = 2;
  std::vector<std::unique_ptr<Lane>> lanes = CheapLanes();
  Journal journal;
  Candidates candidates;
  std::atomic<int> nextObserver{0}, nullHandles{0}, syncFailures{0}, resets{0}, callersLeft{kCallers};

  std::vector<std::thread> threads;
  for (int t = 0; t < kCallers; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < kCallsEach; ++i) {
        Lane &lane = *lanes[(t + i) % lanes.size()];
        if (i % 8 == 7) {  // now and then a synchronous call in between
          if (!lane.CallAndWait()) ++syncFailures;
          continue;
        }
        std::lock_guard<std::mutex> lock(lane.mutex);
        JournalObserver *observer = nullptr;
        int id = kNoObserver;
        if (i % 11 != 5) {  // a few calls start without an observer
          id = ++nextObserver;
          observer = lane.NewObserver(journal, id);
          lane.observers[id].reset(observer);
        }
        const std::uint64_t from = journal.Tick();
        void *handle = lane.Call(observer);
        if (!handle) {
          ++nullHandles;
          continue;
        }
        lane.requests.push_back({handle, {{id, from, kForever}}});
        if (i % 2 == 0) candidates.Push({&lane, handle, 0});
      }
      --callersLeft;
    });
  for (int r = 0; r < kResetters; ++r)
    threads.emplace_back([&, r] {
      for (int n = r;; n += kResetters) {
        Candidate c;
        if (!candidates.Pop(c)) {
          if (callersLeft == 0) return;
          std::this_thread::sleep_for(std::chrono::microseconds(200));
          continue;
        }
        Lane &lane = *c.lane;
        std::lock_guard<std::mutex> lock(lane.mutex);
        // Under the lane lock the handle names the newest request made with it.
        Request *request = nullptr;
        for (auto it = lane.requests.rbegin(); it != lane.requests.rend() && !request; ++it)
          if (it->handle == c.handle) request = &*it;
        const int replaced = request->bindings.back().observer;
        JournalObserver *next = nullptr;
        int id = kNoObserver;
        if (n % 3 != 0) {
          id = ++nextObserver;
          next = lane.NewObserver(journal, id);
          lane.observers[id].reset(next);
        }
        const std::uint64_t before = journal.Tick();
        lane.ReSet(c.handle, next);
        request->bindings.back().until = journal.Tick();
        request->bindings.push_back({id, before, kForever});
        ++resets;
        // Never called again for this request, which is all it served.
        if (replaced != kNoObserver) lane.observers.erase(replaced);
        if (c.resets == 0 && n % 2 == 1) candidates.Push({c.lane, c.handle, 1});
      }
    });
  for (std::thread &t : threads) t.join();

  EXPECT_TRUE(WaitUntil(
      [&] {
        for (auto &lane : lanes)
          if (lane->Pending() != 0) return false;
        return true;
      },
      std::chrono::seconds(30)));
  EXPECT_EQ(nullHandles, 0);
  EXPECT_EQ(syncFailures, 0);

  // Which request and binding each observer served.
  struct Served {
    Lane *lane;
    Request *request;
    const Binding *binding;
  };
  std::map<int, Served> served;
  std::size_t requests = 0;
  for (auto &lane : lanes)
    for (Request &request : lane->requests) {
      ++requests;
      for (const Binding &b : request.bindings)
        if (b.observer != kNoObserver) served[b.observer] = {lane.get(), &request, &b};
    }
  EXPECT_EQ(requests, static_cast<std::size_t>(kCallers * (kCallsEach - kCallsEach / 8)));

  std::map<const Request *, int> delivered;
  int toReplacements = 0;
  for (const Delivery &d : journal.Deliveries()) {
    SCOPED_TRACE("observer " + std::to_string(d.observer));
    auto it = served.find(d.observer);
    ASSERT_NE(it, served.end());
    const Served &s = it->second;
    SCOPED_TRACE(s.lane->name);
    EXPECT_EQ(d.handle, s.request->handle);
    EXPECT_EQ(d.callback, s.lane->callback);
    EXPECT_TRUE(d.holder);
    EXPECT_TRUE(d.finished);
    EXPECT_GT(d.tick, s.binding->from);
    EXPECT_LT(d.tick, s.binding->until) << "called after ReSetObserver had replaced it";
    ++delivered[s.request];
    if (s.binding != &s.request->bindings.front()) ++toReplacements;
  }
  for (auto &lane : lanes)
    for (const Request &request : lane->requests) {
      SCOPED_TRACE(lane->name);
      int count = delivered.count(&request) ? delivered[&request] : 0;
      EXPECT_LE(count, 1) << "delivered twice";
      if (count == 0) {
        bool hadNoObserver = false;
        for (const Binding &b : request.bindings) hadNoObserver = hadNoObserver || b.observer == kNoObserver;
        EXPECT_TRUE(hadNoObserver) << "lost: never delivered though it always had an observer";
      }
    }
  // The run exercised what it is about.
  EXPECT_GT(resets, 0);
  EXPECT_GT(toReplacements, 0);
  std::cout << requests << " asynchronous requests, " << resets << " resets, " << toReplacements
            << " delivered to a replacement observer\n";
}

}  // namespace
}  // namespace kv::test
