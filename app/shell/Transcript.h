// The program's transcript: one entry a line on one stream. Text that comes
// from outside (fault texts, box texts, answers of stand-ins, script lines)
// is written as the log writes it, with its line breaks and other control
// characters escaped, so that no entry can span lines or pose as another.
// Any thread; each line is written whole.
#pragma once

#include <mutex>
#include <ostream>
#include <string>

namespace KVSHELL {

class CTranscript {
 public:
  /// Writes to `out` (not owned).
  explicit CTranscript(std::ostream &out);
  /// One line: `prefix` as it stands, then `text` escaped.
  void Line(const std::string &prefix, const std::wstring &text);
  /// One line: `prefix`, then the UTF-8 `text` escaped.
  void Line(const std::string &prefix, const std::string &text = std::string());
  /// Writes what is buffered.
  void Flush();

 private:
  std::mutex mutex_;
  std::ostream &out_;
};

/// `text` as one transcript line's text (UTF-8, control characters escaped).
std::string OneLine(const std::wstring &text);

}  // namespace KVSHELL
