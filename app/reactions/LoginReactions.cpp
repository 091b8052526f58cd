#include "LoginReactions.h"

#include "keel/KeelOutside.h"
#include "modula/Modula.h"
#include "moxmanagers/MoxManagers.h"

namespace KVREACT {

using KEEL::FRAME::GetManagerAs;

void ResetViewOnLogin(KEEL::FRAME::IKeelData *data) {
  if (auto *hoops = GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(data, L"AppHoopsBaseMgr")) hoops->ResetView();
}

void ClosePanesOnLogin(KEEL::FRAME::IKeelData *data) {
  if (auto *panes = GetManagerAs<MOXMANAGERS::PANE::ITaskPaneMgr>(data, L"MoxTaskPaneMgr")) panes->ShowLeftPane(false);
  if (auto *tabs = GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(data, L"AppMDITabPageMgr")) tabs->CloseAllTabs();
}

}  // namespace KVREACT
