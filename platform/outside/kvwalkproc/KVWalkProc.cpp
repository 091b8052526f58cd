#include "kvwalkproc/KVWalkProc.h"

#include <utility>

#include "journal/Answers.h"

namespace EventMgr {

CWalkModuleMgr::CWalkModuleMgr(std::wstring name) : CRecordingMgr(L"EventMgr::CWalkModuleMgr", std::move(name)) {}

void CWalkModuleMgr::ConflictExitWalkModule(const std::wstring &cmdName) {
  Record(L"ConflictExitWalkModule", {cmdName});
}

void CWalkModuleMgr::RemoveLastEnterpriseFile() { Record(L"RemoveLastEnterpriseFile"); }

void CWalkModuleMgr::RudeCloseCommand() { Record(L"RudeCloseCommand"); }

}  // namespace EventMgr

int nViewId = 0;

CCompInfoCmd::CCompInfoCmd() : CRecordingCmd(L"CCompInfoCmd", L"AppCmd_CompInfo") {}

void CCompInfoCmd::ShowInfo(CPoint point, const CString &caption) {
  Record(L"ShowInfo", ::KVOUTSIDE::JournalArgs(point.x, point.y, std::wstring(caption)));
}

bool CCompInfoCmd::GetMenuEnable() {
  return ::KVOUTSIDE::CAnswers::Instance().Bool(GetName(), L"GetMenuEnable", false);
}
