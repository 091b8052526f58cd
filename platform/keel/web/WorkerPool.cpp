#include "keel/web/WorkerPool.h"

namespace KEEL::WEB {

CWorkerPool::CWorkerPool(int threads, std::size_t maxQueued) : maxQueued_(maxQueued) {
  for (int i = 0; i < (threads > 0 ? threads : 1); ++i) threads_.emplace_back([this] { Work(); });
}

CWorkerPool::~CWorkerPool() { Stop(); }

void CWorkerPool::Stop() {
  std::lock_guard<std::mutex> joining(joinMutex_);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  ready_.notify_all();
  room_.notify_all();
  for (std::thread &t : threads_)
    if (t.joinable()) t.join();
}

bool CWorkerPool::Post(std::function<void()> task) {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (maxQueued_) room_.wait(lock, [this] { return stopping_ || tasks_.size() < maxQueued_; });
    if (stopping_) return false;
    tasks_.push_back(std::move(task));
  }
  ready_.notify_one();
  return true;
}

void CWorkerPool::Work() {
  for (;;) {
    std::function<void()> task;
    bool wake = false;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      ready_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
      if (tasks_.empty()) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
      // Waiting posters are woken once the queue is down to half, not at
      // every task taken, so that each wakes to post many.
      wake = maxQueued_ && tasks_.size() == maxQueued_ / 2;
    }
    if (wake) room_.notify_all();
    task();
  }
}

}  // namespace KEEL::WEB
