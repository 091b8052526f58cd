// CWebSession: the in-memory session provider. Stores live as long as the
// session. A store's lock is held alone by the first run on its address
// (and by the first after the store was marked not valid), so that one
// session is made; later runs share it.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "keel/web/IWebSession.h"

namespace KEEL::WEB {

class CWebCookieStore;

class CWebSession : public IWebSession {
 public:
  explicit CWebSession(std::wstring defaultServAddr = L"");
  ~CWebSession() override;

  void SetDefaultServAddr(const std::wstring &addr) override;
  std::wstring GetDefaultServAddr() override;
  std::string GetRoute() override;
  void SetRoute(const std::string &route) override;
  IWebCookieStore *GetCookieStore(const std::wstring &servAddr) override;

 private:
  std::mutex mutex_;
  std::wstring defaultServAddr_;
  std::string route_;
  std::map<std::wstring, std::unique_ptr<CWebCookieStore>> stores_;
};

}  // namespace KEEL::WEB
