// WebServError: how a runner's last run ended, copied out by GetServError.
#pragma once

#include <string>

namespace KEEL::WEB {

struct WebServError {
  /// The last converted fault was a client (sender) fault.
  bool isClientFault = false;
  /// 0 for success; otherwise the engine's error number or the HTTP status
  /// (302 for a redirect); -1 before the first run.
  int code = -1;
  std::wstring faultCode;
  std::wstring faultMessage;
  /// Location of the last HTTP 302 answer.
  std::string redirectUrl;
  /// Free for the host's use; the runner never writes it.
  bool userFlag = false;
};

}  // namespace KEEL::WEB
