// A fixed set of threads running posted tasks in order of posting.
// Destruction runs the tasks already posted, then joins the threads.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace KEEL::WEB {

class CWorkerPool {
 public:
  explicit CWorkerPool(int threads);
  ~CWorkerPool();
  CWorkerPool(const CWorkerPool &) = delete;
  CWorkerPool &operator=(const CWorkerPool &) = delete;

  void Post(std::function<void()> task);

 private:
  void Work();

  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::function<void()>> tasks_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace KEEL::WEB
