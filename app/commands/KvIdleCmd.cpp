#include "KvIdleCmd.h"

#include "keel/KeelOutside.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelData.h"
#include "kvwalkproc/KVWalkProc.h"
#include "modula/Modula.h"
#include "ui/Menu.h"

namespace {

using KEEL::FRAME::GetManagerAs;

// The view's menu of one selected component and its item.
constexpr UINT kCompMenu = 315;
constexpr UINT kCompInfoItem = 32772;

}  // namespace

CKvIdleCmd::CKvIdleCmd() {}

CKvIdleCmd::CKvIdleCmd(const CKvIdleCmd &other) : CPushPullMsgCmdObj(other) {}

CKvIdleCmd &CKvIdleCmd::operator=(const CKvIdleCmd &other) {
  CPushPullMsgCmdObj::operator=(other);
  return *this;
}

CKvIdleCmd::~CKvIdleCmd() {}

std::wstring CKvIdleCmd::GetName() { return L"APP_KV_IDLE_CMD"; }

void CKvIdleCmd::OnLButtonUp(UINT, CPoint) {}

void CKvIdleCmd::OnLButtonDblClk(UINT, CPoint point) { ShowCompInfo(point, L"双击构件"); }

void CKvIdleCmd::OnRButtonDown(UINT, CPoint) {}

void CKvIdleCmd::OnRButtonUp(UINT, CPoint point) {
  auto *hoops = GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(GetKeelData(), L"AppHoopsBaseMgr");
  KEEL::HOOPS::IHoopsOperator *view = hoops ? hoops->GetOperator(L"AppHoopsOperator") : nullptr;
  KEEL::HOOPS::IHoopsSelection *selection = view ? view->GetSelection() : nullptr;
  if (!selection) return;
  KEEL::HOOPS::SelCompMap comps;
  selection->GetSelectedComps(comps);
  if (comps.size() != 1 || comps.begin()->second.size() != 1) return;

  auto *tabs = GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(GetKeelData(), L"AppMDITabPageMgr");
  CView *owner = tabs ? dynamic_cast<CView *>(tabs->FindTab(nViewId)) : nullptr;
  if (!owner) return;
  owner->ClientToScreen(&point);
  CMenu menu;
  if (!menu.LoadMenu(kCompMenu)) return;
  if (CMenu *popup = menu.GetSubMenu(0)) popup->TrackPopupMenu(0, point.x, point.y, owner, nullptr);
  menu.DestroyMenu();
}

int CKvIdleCmd::PreTranslateMessage(MSG *msg) {
  if (msg && msg->message == WM_COMMAND && msg->wParam == kCompInfoItem) ShowCompInfo(CPoint(0, 0), L"右键查看信息");
  return 1;
}

bool CKvIdleCmd::Executing() { return false; }

bool CKvIdleCmd::PreStop() { return false; }

void CKvIdleCmd::ShowCompInfo(CPoint point, const wchar_t *caption) {
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(GetKeelData(), L"AppCommandMgr");
  auto *info = cmdMgr ? dynamic_cast<CCompInfoCmd *>(cmdMgr->GetCommand(L"AppCmd_CompInfo")) : nullptr;
  if (info) info->ShowInfo(point, CString(caption));
}
