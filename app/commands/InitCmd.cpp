#include "InitCmd.h"

#include <set>

#include "KvDimMarkCmd.h"
#include "KvIdleCmd.h"
#include "keel/KeelOutside.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelData.h"
#include "kvcollision/KVCollisionComponent.h"
#include "kvwalkproc/KVWalkProc.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/Hooks.h"
#include "ui/Menu.h"

namespace {

using KEEL::FRAME::GetManagerAs;
using View = KEEL::MFC::IMFCViewMgr;

// Mouse events of the view operator.
enum EMouseEvent { kLeftDown = 0, kLeftUp = 1, kLeftDblClk = 2, kMove = 3, kMiddleDown = 4, kMiddleUp = 5 };
// Key events of the view operator.
enum EKeyEvent { kKeyDown = 0, kKeyUp = 1 };

const UINT kCompInfoMenu = 315;
const UINT kCompInfoItem = 32772;
const UINT kDeleteDimMarkItem = 2028;
const wchar_t kDeleteDimMarkText[] = L"删除标注(S)";
const wchar_t *const kDimMarkCmds[] = {L"AppCmd_DISTANCE", L"AppCmd_DUIQI", L"AppCmd_XIANXING"};
// Commands during which marks are not deleted.
const wchar_t *const kBlockingCmds[] = {L"AppCmd_CompFilter", L"AppCmd_CompHide"};

// The walk module, looked up for each message.
EventMgr::IWalkModuleMgr *Walk(KEEL::FRAME::IKeelData *data) {
  return GetManagerAs<EventMgr::IWalkModuleMgr>(data, L"APP_WALK_MODULE_MGR");
}

KEEL::CMD::ICmdMgr *CmdMgr(KEEL::FRAME::IKeelData *data) {
  return GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr");
}

// Notes the view manager whose message is being handled, for the
// handler's time.
class InputFrom {
 public:
  InputFrom(KEEL::MFC::IMFCViewMgr *&slot, KEEL::MFC::IMFCViewMgr *view) : slot_(slot), saved_(slot) { slot = view; }
  ~InputFrom() { slot_ = saved_; }
  InputFrom(const InputFrom &) = delete;
  InputFrom &operator=(const InputFrom &) = delete;

 private:
  KEEL::MFC::IMFCViewMgr *&slot_;
  KEEL::MFC::IMFCViewMgr *saved_;
};

}  // namespace

CInitCmd::CInitCmd() {}

CInitCmd::~CInitCmd() {}

std::wstring CInitCmd::GetName() { return L"INIT_HOOPSVIEW_CMD"; }

bool CInitCmd::Executing() { return true; }

bool CInitCmd::PreStop() { return true; }

void CInitCmd::OnActiveTabChanged(int) {}

void CInitCmd::RegisterViewEvents(KEEL::MFC::IMFCViewMgr *view) {
  if (!view) return;
  // Virtual calls, so a derived class's handlers run.
  using MouseOp = void (CInitCmd::*)(UINT, CPoint);
  const std::pair<View::MsgType, MouseOp> mouse[] = {
      {View::LBUTTONDOWN, &CInitCmd::OnLButtonDown},     {View::LBUTTONUP, &CInitCmd::OnLButtonUp},
      {View::LBUTTONDBLCLK, &CInitCmd::OnLButtonDblClk}, {View::RBUTTONUP, &CInitCmd::OnRButtonUp},
      {View::MBUTTONDOWN, &CInitCmd::OnMButtonDown},     {View::MBUTTONUP, &CInitCmd::OnMButtonUp},
      {View::MBUTTONDBLCLK, &CInitCmd::OnMButtonDblClk}, {View::MOUSEMOVE, &CInitCmd::OnMouseMove},
  };
  for (const auto &row : mouse) {
    const MouseOp op = row.second;
    m_connections.emplace_back(view->ConnectMouseMsg(row.first, [this, op, view](UINT flags, CPoint point) {
      InputFrom from(m_pInputView, view);
      (this->*op)(flags, point);
    }));
  }
  m_connections.emplace_back(view->ConnectMouseMsgWheel(
      [this](UINT flags, short delta, CPoint point) { return OnMouseWheel(flags, delta, point); }));
  m_connections.emplace_back(view->ConnectKeyMsg(
      View::KEYDOWN, [this](UINT key, UINT repeat, UINT flags) { OnKeyDown(key, repeat, flags); }));
  m_connections.emplace_back(view->ConnectKeyMsg(
      View::KEYUP, [this](UINT key, UINT repeat, UINT flags) { OnKeyUp(key, repeat, flags); }));
  m_connections.emplace_back(view->ConnectPreTranslateMessage([this, view](MSG *msg) {
    InputFrom from(m_pInputView, view);
    return PreTranslateMessage(msg);
  }));
  m_connections.emplace_back(view->ConnectPaintMsg([this](CWnd *wnd) { FitView(wnd); }));
  m_connections.emplace_back(view->ConnectSizeMsg(
      [this](CWnd *wnd, UINT type, int cx, int cy) { OnWalkEvent(wnd, type, cx, cy); }));
}

KEEL::HOOPS::IHoopsOperator *CInitCmd::GetHoopsOperator() {
  auto *base = GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(m_pKeelData, L"AppHoopsBaseMgr");
  return base ? base->GetOperator(L"AppHoopsOperator") : nullptr;
}

void CInitCmd::OnLButtonDown(UINT flags, CPoint point) {
  if (auto *op = GetHoopsOperator()) op->OnMouseEvent(kLeftDown, flags, point.x, point.y);
  CountDimPoint();
}

void CInitCmd::OnLButtonUp(UINT flags, CPoint point) {
  if (auto *op = GetHoopsOperator()) op->OnMouseEvent(kLeftUp, flags, point.x, point.y);
  if (auto *walk = Walk(m_pKeelData)) walk->ExLButtonUp(flags, point);
}

void CInitCmd::OnLButtonDblClk(UINT flags, CPoint point) {
  if (auto *op = GetHoopsOperator()) op->OnMouseEvent(kLeftDblClk, flags, point.x, point.y);
  if (!IdleCmdTakesInput()) ShowCompInfo(point, L"双击构件");
}

void CInitCmd::OnRButtonDown(UINT, CPoint) {}

void CInitCmd::OnRButtonUp(UINT flags, CPoint point) {
  ShowDimMarkMenu(point, false);
  StopDimMarkCmds();
  auto *walk = Walk(m_pKeelData);
  if (!walk) return;
  walk->ExRButtonUp(flags, point);
  if (walk->GetCurWalkUserState() && !IdleCmdTakesInput()) ShowCompMenu(point);
}

void CInitCmd::OnRButtonDblClk(UINT, CPoint) {}

void CInitCmd::OnMButtonDown(UINT flags, CPoint point) {
  if (auto *op = GetHoopsOperator()) op->OnMouseEvent(kMiddleDown, flags, point.x, point.y);
  if (auto *walk = Walk(m_pKeelData)) walk->ExMButtonDown(flags, point);
}

void CInitCmd::OnMButtonUp(UINT flags, CPoint point) {
  if (auto *op = GetHoopsOperator()) op->OnMouseEvent(kMiddleUp, flags, point.x, point.y);
}

void CInitCmd::OnMButtonDblClk(UINT, CPoint) {
  if (auto *op = GetHoopsOperator()) op->OnMiddleDblClk();
}

void CInitCmd::OnMouseMove(UINT flags, CPoint point) {
  if (auto *op = GetHoopsOperator()) op->OnMouseEvent(kMove, flags, point.x, point.y);
  if (auto *walk = Walk(m_pKeelData)) walk->ExMouseMove(flags, point);
}

int CInitCmd::OnMouseWheel(UINT flags, short delta, CPoint point) {
  if (auto *op = GetHoopsOperator()) op->OnWheelEvent(flags, delta, point.x, point.y);
  return 1;
}

void CInitCmd::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (auto *op = GetHoopsOperator()) op->OnKeyEvent(kKeyDown, key, repeat, flags);
  if (auto *walk = Walk(m_pKeelData)) walk->ExKeyDown(key, repeat, flags);
}

void CInitCmd::OnKeyUp(UINT key, UINT repeat, UINT flags) {
  if (key == VK_DELETE)
    ShowDimMarkMenu(CPoint(0, 0), true);
  else if (key == VK_ESCAPE)
    StopDimMarkCmds();
  if (auto *op = GetHoopsOperator()) op->OnKeyEvent(kKeyUp, key, repeat, flags);
  if (auto *walk = Walk(m_pKeelData)) walk->ExKeyUp(key, repeat, flags);
}

int CInitCmd::PreTranslateMessage(MSG *msg) {
  if (!msg) return 0;
  if (msg->message == WM_KEYDOWN && GetAsyncKeyState(VK_CONTROL) != 0 && msg->wParam == 'F') {
    ToggleClashFullScreen();
  } else if (msg->message == WM_COMMAND) {
    if (msg->wParam == kCompInfoItem) {
      if (!IdleCmdTakesInput()) ShowCompInfo(CPoint(0, 0), L"右键查看信息");
    } else if (msg->wParam == kDeleteDimMarkItem) {
      ShowDimMarkMenu(CPoint(0, 0), true);
    }
  }
  if (auto *walk = Walk(m_pKeelData)) walk->ExPreTranslateMessage(msg);
  return 0;
}

void CInitCmd::FitView(CWnd *wnd) {
  auto *op = GetHoopsOperator();
  KEEL::HOOPS::IHoopsView *view = op ? op->GetHoopsView() : nullptr;
  KEEL::HOOPS::IHoopsScene *scene = view ? view->GetScene() : nullptr;
  if (!scene || !wnd) return;
  CRect rect;
  wnd->GetWindowRect(&rect);
  scene->SetWindowExtent(rect.left, rect.right, rect.bottom, rect.top);
}

void CInitCmd::OnWalkEvent(CWnd *wnd, unsigned int type, int cx, int cy) {
  if (auto *walk = Walk(m_pKeelData)) walk->ExSize(wnd, type, cx, cy);
}

void CInitCmd::ToggleClashFullScreen() {
  const bool fullScreen = !m_bFullScreen;
  if (auto *ribbons = GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(m_pKeelData, L"AppRibbonMenuMgr")) {
    GUI::IGUIRibbon *ribbon = ribbons->GetRibbonMenu();
    if (CBCGPRibbonBar *bar = ribbon ? ribbon->GetRibbonWnd() : nullptr) bar->ToggleMimimizeState();
  }
  if (auto *panes = GetManagerAs<MOXMANAGERS::PANE::ITaskPaneMgr>(m_pKeelData, L"MoxTaskPaneMgr")) {
    // Hidden in full screen, shown otherwise.
    if (panes->IsTaskPaneVisible() == fullScreen) panes->ToggleTaskPane();
  }
  if (auto *cmds = CmdMgr(m_pKeelData)) {
    auto *clash = dynamic_cast<CollisionCommand::CClashResultCmd *>(cmds->GetCommand(L"APP_CLASH_RESULT_CMD"));
    if (clash) clash->SetFullScreen(fullScreen);
  }
  m_bFullScreen = fullScreen;
}

void CInitCmd::ShowDimMarkMenu(CPoint point, bool deleteNow) {
  auto *op = GetHoopsOperator();
  KEEL::HOOPS::IHoopsView *view = op ? op->GetHoopsView() : nullptr;
  KEEL::HOOPS::IHoopsScene *scene = view ? view->GetScene() : nullptr;
  if (!scene || !scene->GetSelectSegment()) return;
  auto *dims = GetManagerAs<MOXMANAGERS::DIMMARKMGR::IDimMarkMgr>(m_pKeelData, L"MoxDimMarkMgr");
  if (!dims) return;
  std::set<HC_KEY> selected, marks;
  scene->GetSelectedKeys(selected);
  for (HC_KEY key : selected)
    if (dims->IsDimMark(key)) marks.insert(key);
  if (marks.empty()) return;
  auto *cmds = CmdMgr(m_pKeelData);
  if (!cmds) return;
  for (const wchar_t *name : kBlockingCmds) {
    KEEL::CMD::ICmdObject *cmd = cmds->GetCommand(name);
    if (cmd && cmd->GetStatus() == KEEL::CMD::CMD_STATUS_RUNNING) return;
  }
  if (deleteNow) {
    dims->DeleteDimMarks(marks);
    return;
  }
  auto *tabs = GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(m_pKeelData, L"AppMDITabPageMgr");
  CWnd *wnd = tabs ? tabs->FindTab(tabs->GetActiveTab()) : nullptr;
  if (!wnd) return;
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, kDeleteDimMarkItem, kDeleteDimMarkText);
  wnd->ClientToScreen(&point);
  // A choice comes back as WM_COMMAND 2028 (PreTranslateMessage).
  menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, wnd);
  menu.DestroyMenu();
}

std::vector<CKvDimMarkCmd *> CInitCmd::GetDimMarkCmds() {
  std::vector<CKvDimMarkCmd *> found;
  auto *cmds = CmdMgr(m_pKeelData);
  if (!cmds) return found;
  for (const wchar_t *name : kDimMarkCmds) found.push_back(dynamic_cast<CKvDimMarkCmd *>(cmds->GetCommand(name)));
  return found;
}

void CInitCmd::CountDimPoint() {
  for (CKvDimMarkCmd *cmd : GetDimMarkCmds()) {
    if (cmd && cmd->IsClickButton()) {
      cmd->SetCurDimCount();
      return;
    }
  }
}

void CInitCmd::StopDimMarkCmds() {
  auto *dims = GetManagerAs<MOXMANAGERS::DIMMARKMGR::IDimMarkMgr>(m_pKeelData, L"MoxDimMarkMgr");
  auto *cmds = CmdMgr(m_pKeelData);
  if (!dims || !cmds) return;
  const std::vector<CKvDimMarkCmd *> dimCmds = GetDimMarkCmds();
  if (dimCmds.size() != 3) return;
  CKvDimMarkCmd *clicked = nullptr;
  for (CKvDimMarkCmd *cmd : dimCmds) {
    if (!cmd) return;
    if (!clicked && cmd->IsClickButton()) clicked = cmd;
  }
  if (!clicked) return;
  if (clicked->GetCurDimCount() == 1) {
    dims->CancelDimPoint();
    clicked->ClearCurDimCount();
    return;
  }
  dims->ResetDimMark();
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  cmds->StopCommand(L"AppCmd_DimMark");
  clicked->SetClickButton(false);
  // The next dimensioning counts its points from 0.
  clicked->ClearCurDimCount();
}

void CInitCmd::ShowCompMenu(CPoint point) {
  auto *op = GetHoopsOperator();
  KEEL::HOOPS::IHoopsSelection *selection = op ? op->GetSelection() : nullptr;
  if (!selection) return;
  KEEL::HOOPS::SelCompMap comps;
  selection->GetSelectedComps(comps);
  if (comps.size() != 1 || comps.begin()->second.size() != 1) return;
  auto *tabs = GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(m_pKeelData, L"AppMDITabPageMgr");
  auto *view = tabs ? dynamic_cast<CView *>(tabs->FindTab(nViewId)) : nullptr;
  if (!view) return;
  view->ClientToScreen(&point);
  CMenu menu;
  if (!menu.LoadMenu(kCompInfoMenu)) return;
  if (CMenu *popup = menu.GetSubMenu(0)) popup->TrackPopupMenu(0, point.x, point.y, view);
  menu.DestroyMenu();
}

void CInitCmd::ShowCompInfo(CPoint point, const wchar_t *caption) {
  auto *cmds = CmdMgr(m_pKeelData);
  auto *info = cmds ? dynamic_cast<CCompInfoCmd *>(cmds->GetCommand(L"AppCmd_CompInfo")) : nullptr;
  if (info) info->ShowInfo(point, caption);
}

bool CInitCmd::IdleCmdTakesInput() {
  auto *cmds = GetManagerAs<KEEL::CMD::CCmdMgr>(m_pKeelData, L"AppCommandMgr");
  return cmds && dynamic_cast<CKvIdleCmd *>(cmds->GetInputCommand(m_pInputView));
}
