#include "Transcript.h"

#include <cerrno>

#include "OutputFailure.h"
#include "ui/Responder.h"
#include "ui/TextEscape.h"

namespace KVSHELL {

namespace {

std::string Field(const std::wstring &text) {
  return KVUI::Utf8(KVUI::EscapeText(text, CTranscript::kMaxFieldChars));
}

}  // namespace

CTranscript::CTranscript(std::ostream &out) : out_(out) {}

void CTranscript::Line(const std::string &prefix, const std::wstring &text) { Write(prefix + Field(text) + "\n"); }

void CTranscript::Line(const std::string &prefix, const std::string &text) {
  Write(prefix + KVUI::EscapeText(text, kMaxFieldChars) + "\n");
}

void CTranscript::Entry(const std::string &prefix, const std::wstring &fields) {
  Write(prefix + KVUI::EscapeControls(KVUI::Utf8(fields)) + "\n");
}

void CTranscript::Fields(const std::string &prefix, const std::vector<std::wstring> &fields) {
  std::string line = prefix;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += '|';
    // Escaping writes no '|' of its own: each one left is the text's.
    for (char c : Field(fields[i])) {
      if (c == '|') line += '\\';
      line += c;
    }
  }
  Write(line + "\n");
}

void CTranscript::Write(const std::string &line) {
  std::lock_guard<std::mutex> lock(mutex_);
  errno = 0;
  out_ << line;
  NoteFailure();
}

void CTranscript::Flush() {
  std::lock_guard<std::mutex> lock(mutex_);
  errno = 0;
  out_.flush();
  NoteFailure();
}

// Called with mutex_ held, right after a write: the stream's failure with
// the reason the system gave.
void CTranscript::NoteFailure() {
  if (out_ || !failure_.empty()) return;
  failure_ = WriteFailure(errno);
}

std::string CTranscript::Failure() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return failure_;
}

}  // namespace KVSHELL
