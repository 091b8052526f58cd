// The client's log: one UTF-8 line per entry in "log/log.log" under the
// installation root. Safe to call from any thread; entries keep call order.
#pragma once

#include <string>

namespace WRENCH {

/// Log levels; a lower number is more severe.
enum loglv {
  LV_FATAL = 1,
  LV_ERROR = 2,
  LV_WARN = 3,
  LV_INFO = 4,
  LV_DEBUG = 5,
  LV_TRACE = 6,
};

class CLogMsg {
 public:
  /// Appends one entry: time stamp, level and the text as UTF-8.
  static void LogMsg(loglv level, const wchar_t *text);

  /// The directory under which "log/log.log" is kept. Defaults to
  /// $KV_INSTALL_ROOT, else the directory of the running program. Changing
  /// it closes the current file; the next entry opens the new one.
  static void SetInstallRoot(const std::string &dir);
  static std::string GetInstallRoot();
  /// Full path of the log file under the current root.
  static std::string GetLogPath();
};

}  // namespace WRENCH
