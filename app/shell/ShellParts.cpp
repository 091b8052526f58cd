#include "ShellParts.h"

#include "KvOpenTipCmd.h"
#include "KvOpenTipDlg.h"
#include "KvMenuObserver.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/web/IWebMgr.h"
#include "kvwalkproc/KVWalkProc.h"

namespace KVSHELL {

bool SetOpenTipFlag(KEEL::CMD::ICmdObject *command, bool show) {
  auto *tip = dynamic_cast<CKvOpenTipCmd *>(command);
  if (!tip) return false;
  tip->SetOpenTipMenu(show);
  return true;
}

bool RunOpenTipDialog(std::vector<std::wstring> &names) { return KVDIALOGS::RunOpenTip(names, true); }

void RegisterObservers(KEEL::FRAME::IKeelData *data) {
  using KEEL::FRAME::GetManagerAs;
  if (!data) return;
  // Lives as long as the process.
  auto *observer = new CKvMenuObserver(data);
  if (auto *ribbon = GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(data, L"AppRibbonMenuMgr")) ribbon->Attach(observer, 5);
  if (auto *curProj = GetManagerAs<MOXMANAGERS::MOXCURPROJ::IMoxCurProjectMgr>(data, L"MoxCurProjectMgr"))
    curProj->Attach(observer, 5);
  if (auto *cas = GetManagerAs<MOXMANAGERS::CAS::ICasMgr>(data, L"CENTRALAUTHENTICATIONSERVICE_MGR "))
    cas->Attach(observer, 5);
  if (auto *recordLog = GetManagerAs<MOXMANAGERS::LOG::IRecordLogMgr>(data, L"MoxRecordLogMgr"))
    recordLog->Attach(observer, 5);
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr");
  auto *compInfo = cmdMgr ? dynamic_cast<CCompInfoCmd *>(cmdMgr->GetCommand(L"AppCmd_CompInfo")) : nullptr;
  if (auto *curProj = GetManagerAs<MOXMANAGERS::MOXCURPROJ::IMoxCurProjectMgr>(data, L"MoxCurProjectMgr"))
    if (compInfo) curProj->Attach(compInfo, 5);
  using ColorModeSubject = KEEL::UTILITY::ISubject<KEEL::HOOPSDATACOLOR::IColorModeObj>;
  if (auto *colors = GetManagerAs<ColorModeSubject>(data, L"HoopsDataColorMgr")) colors->Attach(observer, 8);
  if (auto *web = GetManagerAs<KEEL::WEB::IWebMgr>(data, L"AppWebServiceMgr")) web->SetWebErrorObserver(observer);
}

}  // namespace KVSHELL
