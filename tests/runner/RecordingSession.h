// A session provider that records every call a run makes on it, its store
// and its lock, in order; values live in memory like the real one.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "keel/web/IWebSession.h"
#include "wrench/TextConvert.h"

namespace kv::test {

class RecordingSession : public KEEL::WEB::IWebSession,
                         public KEEL::WEB::IWebCookieStore,
                         public KEEL::WEB::IWebServLock {
 public:
  std::wstring defaultAddr;
  std::string route;
  std::map<std::string, std::string> values;
  bool canUpdate = true;
  bool dirty = false;
  bool valid = true;
  int locked = 0;
  std::vector<std::string> calls;

  // IWebSession
  void SetDefaultServAddr(const std::wstring &addr) override { defaultAddr = addr; }
  std::wstring GetDefaultServAddr() override {
    Record("GetDefaultServAddr");
    return defaultAddr;
  }
  std::string GetRoute() override {
    Record("GetRoute");
    return route;
  }
  void SetRoute(const std::string &r) override {
    Record("SetRoute(" + r + ")");
    route = r;
  }
  KEEL::WEB::IWebCookieStore *GetCookieStore(const std::wstring &addr) override {
    Record("GetCookieStore(" + WRENCH::UnicodeToAnsi(addr) + ")");
    return this;
  }

  // IWebCookieStore
  void SetValue(const std::string &key, const std::string &value) override {
    Record("SetValue(" + key + "," + value + ")");
    values[key] = value;
  }
  std::string GetValue(const std::string &key) override {
    Record("GetValue(" + key + ")");
    return values[key];
  }
  bool IsDirty() override {
    Record("IsDirty");
    return dirty;
  }
  void SetValid(bool v) override {
    Record(v ? "SetValid(1)" : "SetValid(0)");
    valid = v;
  }
  void Commit() override {
    Record("Commit");
    dirty = false;
  }
  bool IsValid() override { return valid; }
  boost::shared_ptr<KEEL::WEB::IWebServLock> GetLock() override {
    Record("GetLock");
    // Not owned by the pointer: the session outlives every run.
    return boost::shared_ptr<KEEL::WEB::IWebServLock>(static_cast<KEEL::WEB::IWebServLock *>(this),
                                                     [](KEEL::WEB::IWebServLock *) {});
  }

  // IWebServLock
  void Lock() override {
    Record("Lock");
    ++locked;
  }
  void Unlock() override {
    Record("Unlock");
    --locked;
  }
  bool CanUpdate() override {
    Record("CanUpdate");
    return canUpdate;
  }

  /// The calls made since the last Take, which clears them.
  std::vector<std::string> Take() {
    std::lock_guard<std::mutex> guard(mutex_);
    std::vector<std::string> out;
    out.swap(calls);
    return out;
  }

 private:
  void Record(const std::string &call) {
    std::lock_guard<std::mutex> guard(mutex_);
    calls.push_back(call);
  }
  std::mutex mutex_;
};

}  // namespace kv::test
