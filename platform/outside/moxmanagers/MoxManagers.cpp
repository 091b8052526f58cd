#include "moxmanagers/MoxManagers.h"

KV_MOXMANAGERS_CLASSES(KV_OUTSIDE_DEFINE_CLASS)
KV_MOXMANAGERS_FACTORIES(KV_OUTSIDE_DEFINE_FACTORY)
KV_MOXMANAGERS_NAMED_FACTORIES(KV_OUTSIDE_DEFINE_NAMED_FACTORY)

namespace MOXMANAGERS::FUNCTIONLOG {

CFunctionLogMgr::CFunctionLogMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr", name) {}

void CFunctionLogMgr::AddLogInfo(const std::wstring &first, const std::wstring &second, bool flag) {
  Record(L"AddLogInfo", ::KVOUTSIDE::JournalArgs(first, second, flag));
}

void CFunctionLogMgr::AddLogInfo(const std::wstring &first, const std::wstring &second, int value) {
  Record(L"AddLogInfo", ::KVOUTSIDE::JournalArgs(first, second, value));
}

}  // namespace MOXMANAGERS::FUNCTIONLOG

namespace MOXMANAGERS::CAS {

const wchar_t *const CCasMgr::kName = L"CENTRALAUTHENTICATIONSERVICE_MGR ";

CCasMgr::CCasMgr() : CRecordingMgr(L"MOXMANAGERS::CAS::CCasMgr", kName) {}

}  // namespace MOXMANAGERS::CAS
