// The client's log: one UTF-8 line per entry in "log/log.log" under the
// installation root. Safe to call from any thread; entries keep call order.
// Entries of level LV_DEBUG and more severe are in the file when LogMsg
// returns; trace entries within a fraction of a second (or with the next
// more severe entry, Flush, a change of root or the end of the process).
// An entry is always one line: control characters of the text are written
// as escapes ("\r", "\n", "\t", "\x1b", "\u0085", ...), and a text longer
// than kMaxLoggedChars is cut there and says how long it was. A log file
// that cannot be opened is named with the reason on standard error, once
// for a root; its entries are dropped.
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
  /// Characters of one entry's text that are written.
  static constexpr size_t kMaxLoggedChars = 4096;

  /// Appends one entry: time stamp, level and the text as UTF-8, made one
  /// line (see above).
  static void LogMsg(loglv level, const wchar_t *text);

  /// The directory under which "log/log.log" is kept. Defaults to
  /// $KV_INSTALL_ROOT, else the directory of the running program. Changing
  /// it closes the current file; the next entry opens the new one.
  static void SetInstallRoot(const std::string &dir);
  static std::string GetInstallRoot();
  /// Writes the entries not yet in the file.
  static void Flush();
  /// Full path of the log file under the current root.
  static std::string GetLogPath();
  /// `text` as an entry writes it: control characters escaped, cut.
  static std::wstring OneLine(const std::wstring &text);
};

}  // namespace WRENCH
