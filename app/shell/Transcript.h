// The program's transcript: one entry a line on one stream. Every line
// starts with the prefix of its kind ("> ", "journal: ", "box: ", "call: ",
// "print: ", "# ", ...), and every text field of a line is escaped
// (KVUI::EscapeText: '\', '"', line breaks, other control characters and
// bytes that are no UTF-8), so that no entry can span lines or pose as
// another and each field reads back as it went in. A field longer than
// kMaxFieldChars characters is cut there and ends in "\... (cut: N
// characters)", which no escaped text holds.
// Any thread; each line is written whole.
#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace KVSHELL {

class CTranscript {
 public:
  /// Characters of one field that are written.
  static constexpr size_t kMaxFieldChars = 4096;

  /// Writes to `out` (not owned).
  explicit CTranscript(std::ostream &out);
  /// One line: `prefix` as it stands, then `text` as one escaped field.
  void Line(const std::string &prefix, const std::wstring &text);
  /// One line: `prefix`, then the UTF-8 `text` (stray bytes allowed) as one
  /// escaped field.
  void Line(const std::string &prefix, const std::string &text = std::string());
  /// One line: `prefix`, then `fields`, a text whose fields were escaped
  /// already; only its control characters are escaped.
  void Entry(const std::string &prefix, const std::wstring &fields);
  /// One line: `prefix`, then `fields` joined by '|', each escaped as one
  /// field with '|' written as \|.
  void Fields(const std::string &prefix, const std::vector<std::wstring> &fields);
  /// Writes what is buffered.
  void Flush();
  /// Why writing failed ("" while every write succeeded).
  std::string Failure() const;

 private:
  void Write(const std::string &line);
  void NoteFailure();
  mutable std::mutex mutex_;
  std::ostream &out_;
  std::string failure_;
};

}  // namespace KVSHELL
