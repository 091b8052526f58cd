#include "modula/Modula.h"

KV_MODULA_FACTORIES(KV_OUTSIDE_DEFINE_FACTORY)

namespace MODKIT::MFC {

CRibbonMenuMgr::CRibbonMenuMgr(bool flag, const std::wstring &name)
    : CRecordingMgr(L"MODKIT::MFC::CRibbonMenuMgr", name, ::KVOUTSIDE::JournalArgs(flag)) {}

CMDITabPage::CMDITabPage(CBCGPMDIFrameWnd *frame, const std::wstring &name)
    : CRecordingMgr(L"MODKIT::MFC::CMDITabPage", name, ::KVOUTSIDE::JournalArgs(frame)), frame_(frame) {}

}  // namespace MODKIT::MFC
