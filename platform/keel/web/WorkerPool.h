// A fixed set of threads running posted tasks in order of posting. With a
// bound, Post waits while that many tasks are queued. Destruction runs the
// tasks already posted, then joins the threads.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace KEEL::WEB {

class CWorkerPool {
 public:
  /// `maxQueued` 0 queues without bound.
  explicit CWorkerPool(int threads, std::size_t maxQueued = 0);
  ~CWorkerPool();
  CWorkerPool(const CWorkerPool &) = delete;
  CWorkerPool &operator=(const CWorkerPool &) = delete;

  void Post(std::function<void()> task);

 private:
  void Work();

  std::mutex mutex_;
  std::condition_variable ready_;
  std::condition_variable room_;
  const std::size_t maxQueued_;
  std::deque<std::function<void()>> tasks_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace KEEL::WEB
