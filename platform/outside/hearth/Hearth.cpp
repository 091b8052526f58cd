#include "hearth/Hearth.h"

#include "journal/Journal.h"

namespace KVLOG {
namespace {
void Record(const std::wstring &op, std::vector<std::wstring> args = {}) {
  ::KVOUTSIDE::CJournal::Instance().Record(L"KVLOG::CKvLog", L"", op, std::move(args));
}
}  // namespace

void CKvLog::SetKeelData(KEEL::FRAME::IKeelData *data) { Record(L"SetKeelData", {::KVOUTSIDE::JournalPtr(data)}); }
void CKvLog::LogInfo(const std::wstring &text) { Record(L"LogInfo", {text}); }
void CKvLog::Close() { Record(L"Close"); }

CKvLog &Instance() {
  static CKvLog log;
  return log;
}

}  // namespace KVLOG
