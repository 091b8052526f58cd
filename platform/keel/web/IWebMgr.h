// The web-service host "AppWebServiceMgr" as its users see it.
#pragma once

#include <boost/shared_ptr.hpp>

#include <string>

#include "keel/web/IWebServ.h"

namespace KEEL::WEB {

class IWebMgr {
 public:
  virtual ~IWebMgr() {}
  /// A new operation object for `servName`, or empty when the host has no
  /// such operation.
  virtual boost::shared_ptr<IWebServ> GetWebServ(const std::wstring &servName) = 0;
  /// Not owned; null removes it.
  virtual void SetWebErrorObserver(IWebErrorObserver *observer) = 0;
};

}  // namespace KEEL::WEB
