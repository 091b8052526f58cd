// A fixed set of threads running posted tasks in order of posting. With a
// bound, Post waits while that many tasks are queued. Stop (and the
// destructor) runs the tasks already posted, then joins the threads; posts
// after it are refused. Post and Stop may be called from any thread, Stop
// never from a task of the pool itself.
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

  /// Queues `task`; false, without running it, once the pool is stopping
  /// (also for a poster that was waiting for room then).
  bool Post(std::function<void()> task);
  /// Runs the tasks already queued, then joins the threads; returns when
  /// they have ended. Later calls return at once.
  void Stop();

 private:
  void Work();

  std::mutex mutex_;
  std::condition_variable ready_;
  std::condition_variable room_;
  const std::size_t maxQueued_;
  std::deque<std::function<void()>> tasks_;
  bool stopping_ = false;
  // Held while the threads are joined, so that a second Stop waits for the
  // first.
  std::mutex joinMutex_;
  std::vector<std::thread> threads_;
};

}  // namespace KEEL::WEB
