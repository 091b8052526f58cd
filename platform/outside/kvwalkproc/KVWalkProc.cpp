#include "kvwalkproc/KVWalkProc.h"

#include <utility>

namespace EventMgr {

CWalkModuleMgr::CWalkModuleMgr(std::wstring name) : CRecordingMgr(L"EventMgr::CWalkModuleMgr", std::move(name)) {}

}  // namespace EventMgr
