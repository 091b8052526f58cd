#include "Transcript.h"

#include "ui/Responder.h"
#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace KVSHELL {

std::string OneLine(const std::wstring &text) { return KVUI::Utf8(WRENCH::CLogMsg::OneLine(text)); }

CTranscript::CTranscript(std::ostream &out) : out_(out) {}

void CTranscript::Line(const std::string &prefix, const std::wstring &text) {
  const std::string line = prefix + OneLine(text) + "\n";
  std::lock_guard<std::mutex> lock(mutex_);
  out_ << line;
}

void CTranscript::Line(const std::string &prefix, const std::string &text) {
  Line(prefix, WRENCH::UTF8ToUnicode(text));
}

void CTranscript::Flush() {
  std::lock_guard<std::mutex> lock(mutex_);
  out_.flush();
}

}  // namespace KVSHELL
