#include "keel/web/WebSession.h"

#include <utility>

namespace KEEL::WEB {

namespace {

class CWebServLock : public IWebServLock {
 public:
  void Lock() override { mutex_.lock(); }
  void Unlock() override { mutex_.unlock(); }
  bool CanUpdate() override { return true; }

 private:
  std::mutex mutex_;
};

}  // namespace

class CWebCookieStore : public IWebCookieStore {
 public:
  CWebCookieStore() : lock_(new CWebServLock) {}

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
    std::lock_guard<std::mutex> guard(mutex_);
    valid_ = valid;
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
