#include "kvwalkproc/KVWalkProc.h"

#include <utility>

#include "keel/cmd/CmdMgr.h"
#include "kvwalkproc/WalkCmd.h"

int nViewId = 0;

namespace EventMgr {
namespace {

std::vector<std::wstring> PointArgs(UINT flags, CPoint point) {
  return ::KVOUTSIDE::JournalArgs(flags, point.x, point.y);
}

}  // namespace

CWalkModuleMgr::CWalkModuleMgr(std::wstring name) : CRecordingMgr(L"EventMgr::CWalkModuleMgr", std::move(name)) {}

bool CWalkModuleMgr::ConnectObject() {
  const bool connected = CRecordingMgr::ConnectObject();
  auto *commands = dynamic_cast<KEEL::CMD::CCmdMgr *>(KEEL::FRAME::FindManager(L"AppCommandMgr"));
  if (!commands) return connected;
  using namespace WalkModule::WalkCmd;
#define KV_WALK_ADD(CLS, NAME, ...) \
  if (!commands->GetCommand(NAME)) commands->AddCommand(new CLS());
  KV_WALK_COMMANDS(KV_WALK_ADD)
  KV_WALK_ENABLE_COMMANDS(KV_WALK_ADD)
#undef KV_WALK_ADD
  return connected;
}

void CWalkModuleMgr::ConflictExitWalkModule(const std::wstring &cmdName) {
  Record(L"ConflictExitWalkModule", {cmdName});
}

void CWalkModuleMgr::RemoveLastEnterpriseFile() { Record(L"RemoveLastEnterpriseFile"); }

void CWalkModuleMgr::RudeCloseCommand() { Record(L"RudeCloseCommand"); }

void CWalkModuleMgr::ExLButtonUp(UINT flags, CPoint point) { Record(L"ExLButtonUp", PointArgs(flags, point)); }

void CWalkModuleMgr::ExRButtonUp(UINT flags, CPoint point) { Record(L"ExRButtonUp", PointArgs(flags, point)); }

void CWalkModuleMgr::ExMButtonDown(UINT flags, CPoint point) { Record(L"ExMButtonDown", PointArgs(flags, point)); }

void CWalkModuleMgr::ExMouseMove(UINT flags, CPoint point) { Record(L"ExMouseMove", PointArgs(flags, point)); }

void CWalkModuleMgr::ExKeyDown(UINT key, UINT repeat, UINT flags) {
  Record(L"ExKeyDown", ::KVOUTSIDE::JournalArgs(key, repeat, flags));
}

void CWalkModuleMgr::ExKeyUp(UINT key, UINT repeat, UINT flags) {
  Record(L"ExKeyUp", ::KVOUTSIDE::JournalArgs(key, repeat, flags));
}

BOOL CWalkModuleMgr::ExPreTranslateMessage(MSG *msg) {
  if (msg)
    Record(L"ExPreTranslateMessage",
           ::KVOUTSIDE::JournalArgs(msg->message, (unsigned long long)msg->wParam, (long long)msg->lParam));
  else
    Record(L"ExPreTranslateMessage", {L"null"});
  return FALSE;
}

void CWalkModuleMgr::ExSize(CWnd *wnd, UINT type, int cx, int cy) {
  Record(L"ExSize", {wnd ? L"window" : L"null", ::KVOUTSIDE::JournalArg(type), ::KVOUTSIDE::JournalArg(cx),
                     ::KVOUTSIDE::JournalArg(cy)});
}

bool CWalkModuleMgr::GetCurWalkUserState() {
  const bool on = AnswerBool(L"GetCurWalkUserState");
  Record(L"GetCurWalkUserState", {::KVOUTSIDE::JournalArg(on)});
  return on;
}

}  // namespace EventMgr

std::wstring CCompInfoCmd::GetName() { return L"AppCmd_CompInfo"; }

void CCompInfoCmd::ShowInfo(CPoint point, const CString &caption) {
  ::KVOUTSIDE::CJournal::Instance().Record(L"CCompInfoCmd", GetName(), L"ShowInfo",
                                           ::KVOUTSIDE::JournalArgs(point.x, point.y, std::wstring(caption)));
}

bool CCompInfoCmd::GetMenuEnable() {
  const bool shown = ::KVOUTSIDE::CAnswers::Instance().Bool(GetName(), L"GetMenuEnable", false);
  ::KVOUTSIDE::CJournal::Instance().Record(L"CCompInfoCmd", GetName(), L"GetMenuEnable",
                                           {::KVOUTSIDE::JournalArg(shown)});
  return shown;
}

void CCompInfoCmd::RecordLoad(const wchar_t *op, const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) {
  ::KVOUTSIDE::CJournal::Instance().Record(L"CCompInfoCmd", GetName(), op,
                                           ::KVOUTSIDE::JournalArgs(info.nOpenType, info.nOpenId));
}

void CCompInfoCmd::SaveOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) {
  RecordLoad(L"SaveOldProjInfo", info);
}

void CCompInfoCmd::CleanOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) {
  RecordLoad(L"CleanOldProjInfo", info);
}

void CCompInfoCmd::PrepareLoadProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) {
  RecordLoad(L"PrepareLoadProjInfo", info);
}

bool CCompInfoCmd::LoadNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) {
  RecordLoad(L"LoadNewProjInfo", info);
  return true;
}

bool CCompInfoCmd::RestoreNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) {
  RecordLoad(L"RestoreNewProjInfo", info);
  return true;
}
