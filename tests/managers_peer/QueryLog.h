// QueryLog<IQuery>: an observer of each manager that records every callback
// (its name, the handle, the holder, the thread) under a lock, so that a
// test thread can wait for callbacks made on the host's completion thread.
// A callback may still be returning when WaitForCalls does: destroy the log
// only once its manager has no request left (PendingRequests() == 0).
#pragma once

#include <boost/shared_ptr.hpp>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KvWebServiceManager.h"
#include "managers/ManagerTable.h"

namespace kv::test {

struct LoggedCall {
  std::string callback;
  void *handle;
  boost::shared_ptr<KEEL::WEB::IServiceObject> holder;
  std::thread::id thread;
};

class CallLog {
 public:
  /// Whether `n` calls had arrived before `limit` passed.
  bool WaitForCalls(std::size_t n, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    std::unique_lock<std::mutex> lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] { return calls_.size() >= n; });
  }
  std::vector<LoggedCall> Calls() {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
  }

 protected:
  void Add(const char *callback, void *handle, boost::shared_ptr<KEEL::WEB::IServiceObject> holder) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back({callback, handle, std::move(holder), std::this_thread::get_id()});
    arrived_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<LoggedCall> calls_;
};

template <class Query>
class QueryLog;

#define KV_TEST_LOG_CALLBACK(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  void Callback(void *handle, boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) override { \
    Add(#Callback, handle, result); \
  }

#define KV_TEST_DEFINE_QUERY_LOG(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) \
  template <> \
  class QueryLog<KVWEBSERVICEMANAGER::SERVICE::IQuery> : public KVWEBSERVICEMANAGER::SERVICE::IQuery, public CallLog { \
   public: \
    OPERATIONS(KV_TEST_LOG_CALLBACK, ~) \
  };

KV_WEB_MANAGERS(KV_TEST_DEFINE_QUERY_LOG)

#undef KV_TEST_DEFINE_QUERY_LOG
#undef KV_TEST_LOG_CALLBACK

}  // namespace kv::test
