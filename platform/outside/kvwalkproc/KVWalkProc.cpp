#include "kvwalkproc/KVWalkProc.h"

#include <utility>

namespace EventMgr {

CWalkModuleMgr::CWalkModuleMgr(std::wstring name) : CRecordingMgr(L"EventMgr::CWalkModuleMgr", std::move(name)) {}

void CWalkModuleMgr::ConflictExitWalkModule(const std::wstring &cmdName) {
  Record(L"ConflictExitWalkModule", {cmdName});
}

void CWalkModuleMgr::RemoveLastEnterpriseFile() { Record(L"RemoveLastEnterpriseFile"); }

void CWalkModuleMgr::RudeCloseCommand() { Record(L"RudeCloseCommand"); }

}  // namespace EventMgr
