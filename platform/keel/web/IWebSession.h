// The session provider that runners share: a default server address, the
// "route" cookie, and one cookie store with its lock per server address.
// Every operation may be called from any thread.
#pragma once

#include <boost/shared_ptr.hpp>

#include <string>

namespace KEEL::WEB {

/// Serialises the runs that share one cookie store.
class IWebServLock {
 public:
  virtual ~IWebServLock() {}
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
  /// Whether the holder may write the response's cookies back.
  virtual bool CanUpdate() = 0;
};

/// The HTTP session of one server address. Keys: "JSESSIONID" (the session
/// cookie's name), "VALUE", "DOMAIN", "PATH"; a key never set reads "".
class IWebCookieStore {
 public:
  virtual ~IWebCookieStore() {}
  virtual void SetValue(const std::string &key, const std::string &value) = 0;
  virtual std::string GetValue(const std::string &key) = 0;
  /// Values were set since the last Commit.
  virtual bool IsDirty() = 0;
  virtual void SetValid(bool valid) = 0;
  /// Makes the values set so far the store's committed state.
  virtual void Commit() = 0;
  virtual bool IsValid() = 0;
  virtual boost::shared_ptr<IWebServLock> GetLock() = 0;
};

class IWebSession {
 public:
  virtual ~IWebSession() {}
  virtual void SetDefaultServAddr(const std::wstring &addr) = 0;
  /// Host, and ":port" where needed, used when a runner has no address.
  virtual std::wstring GetDefaultServAddr() = 0;
  virtual std::string GetRoute() = 0;
  virtual void SetRoute(const std::string &route) = 0;
  /// The store of `servAddr`, made on first use; owned by the session and
  /// valid as long as it lives.
  virtual IWebCookieStore *GetCookieStore(const std::wstring &servAddr) = 0;
};

}  // namespace KEEL::WEB
