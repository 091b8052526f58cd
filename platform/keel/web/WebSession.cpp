#include "keel/web/WebSession.h"

#include <condition_variable>
#include <iterator>
#include <utility>
#include <vector>

namespace KEEL::WEB {

namespace {

// The first run on a server address holds the lock alone, so that one
// session is made and taken over before other runs start; after it, runs
// share the lock and go to the server side by side. A store marked not
// valid (after a redirect) makes the next run hold it alone again.
class CWebServLock : public IWebServLock {
 public:
  void Lock() override {
    std::unique_lock<std::mutex> lock(mutex_);
    bool alone = !contacted_;
    if (alone) {
      ++waitingAlone_;
      free_.wait(lock, [this] { return !heldAlone_ && sharers_ == 0; });
      --waitingAlone_;
      heldAlone_ = true;
    } else {
      free_.wait(lock, [this] { return !heldAlone_ && waitingAlone_ == 0; });
      ++sharers_;
    }
    Holds().push_back({this, alone});
  }

  void Unlock() override {
    bool alone = TakeHold();
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (alone) {
        heldAlone_ = false;
        contacted_ = true;
      } else {
        --sharers_;
      }
    }
    free_.notify_all();
  }

  bool CanUpdate() override { return true; }

  void Reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    contacted_ = false;
  }

 private:
  struct Hold {
    const CWebServLock *lock;
    bool alone;
  };
  // The holds of the calling thread; a run locks and unlocks on its thread.
  static std::vector<Hold> &Holds() {
    thread_local std::vector<Hold> holds;
    return holds;
  }
  bool TakeHold() {
    std::vector<Hold> &holds = Holds();
    for (auto it = holds.rbegin(); it != holds.rend(); ++it)
      if (it->lock == this) {
        bool alone = it->alone;
        holds.erase(std::next(it).base());
        return alone;
      }
    return false;
  }

  std::mutex mutex_;
  std::condition_variable free_;
  bool contacted_ = false;
  bool heldAlone_ = false;
  int waitingAlone_ = 0;
  int sharers_ = 0;
};

}  // namespace

class CWebCookieStore : public IWebCookieStore {
 public:
  CWebCookieStore() : typedLock_(new CWebServLock), lock_(typedLock_) {}

  void SetValue(const std::string &key, const std::string &value) override {
    std::lock_guard<std::mutex> guard(mutex_);
    values_[key] = value;
    dirty_ = true;
  }
  std::string GetValue(const std::string &key) override {
    std::lock_guard<std::mutex> guard(mutex_);
    auto it = values_.find(key);
    return it == values_.end() ? std::string() : it->second;
  }
  bool IsDirty() override {
    std::lock_guard<std::mutex> guard(mutex_);
    return dirty_;
  }
  void SetValid(bool valid) override {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      valid_ = valid;
    }
    if (!valid) typedLock_->Reset();
  }
  void Commit() override {
    std::lock_guard<std::mutex> guard(mutex_);
    dirty_ = false;
  }
  bool IsValid() override {
    std::lock_guard<std::mutex> guard(mutex_);
    return valid_;
  }
  boost::shared_ptr<IWebServLock> GetLock() override { return lock_; }

 private:
  std::mutex mutex_;
  std::map<std::string, std::string> values_;
  bool dirty_ = false;
  bool valid_ = false;
  CWebServLock *typedLock_;  // owned by lock_
  boost::shared_ptr<IWebServLock> lock_;
};

CWebSession::CWebSession(std::wstring defaultServAddr)
    : defaultServAddr_(std::move(defaultServAddr)) {}

CWebSession::~CWebSession() = default;

void CWebSession::SetDefaultServAddr(const std::wstring &addr) {
  std::lock_guard<std::mutex> guard(mutex_);
  defaultServAddr_ = addr;
}

std::wstring CWebSession::GetDefaultServAddr() {
  std::lock_guard<std::mutex> guard(mutex_);
  return defaultServAddr_;
}

std::string CWebSession::GetRoute() {
  std::lock_guard<std::mutex> guard(mutex_);
  return route_;
}

void CWebSession::SetRoute(const std::string &route) {
  std::lock_guard<std::mutex> guard(mutex_);
  route_ = route;
}

IWebCookieStore *CWebSession::GetCookieStore(const std::wstring &servAddr) {
  std::lock_guard<std::mutex> guard(mutex_);
  std::unique_ptr<CWebCookieStore> &store = stores_[servAddr];
  if (!store) store.reset(new CWebCookieStore);
  return store.get();
}

}  // namespace KEEL::WEB
