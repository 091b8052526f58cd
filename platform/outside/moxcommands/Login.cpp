#include "moxcommands/Login.h"

#include "journal/Answers.h"
#include "journal/Journal.h"

namespace MOXCOMMANDS::LOGIN {
namespace {

const wchar_t kStartUp[] = L"MOXCOMMANDS::LOGIN::CStartUpEve";
const wchar_t kReStart[] = L"MOXCOMMANDS::LOGIN::CReStartUp";

void Record(const wchar_t *cls, const std::wstring &op, std::vector<std::wstring> args = {}) {
  ::KVOUTSIDE::CJournal::Instance().Record(cls, L"", op, std::move(args));
}

}  // namespace

bool CReStartUp::m_bEnableStart = true;

CStartUpEve::CStartUpEve() { Record(kStartUp, L"create"); }
CStartUpEve::~CStartUpEve() {}
void CStartUpEve::EnabeMultiInstance(bool enable) {
  Record(kStartUp, L"EnabeMultiInstance", {::KVOUTSIDE::JournalArg(enable)});
}
void CStartUpEve::SetMutexName(const std::wstring &name) { Record(kStartUp, L"SetMutexName", {name}); }
void CStartUpEve::SetSynEventName(const std::wstring &name) { Record(kStartUp, L"SetSynEventName", {name}); }
void CStartUpEve::SetSynFileName(const std::wstring &name) { Record(kStartUp, L"SetSynFileName", {name}); }
void CStartUpEve::StartFromShell(bool fromShell) {
  Record(kStartUp, L"StartFromShell", {::KVOUTSIDE::JournalArg(fromShell)});
}
bool CStartUpEve::IsChangeingUser() {
  return ::KVOUTSIDE::CAnswers::Instance().Bool(kStartUp, L"IsChangeingUser", false);
}

CReStartUp::CReStartUp(KEEL::FRAME::IKeelData *data) : data_(data) {
  Record(kReStart, L"create", {::KVOUTSIDE::JournalPtr(data)});
}
void CReStartUp::StartUp() { Record(kReStart, L"StartUp", {::KVOUTSIDE::JournalArg(m_bEnableStart)}); }

}  // namespace MOXCOMMANDS::LOGIN
