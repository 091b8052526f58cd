#include "DisplayControlDlg.h"

#include "DialogResource.h"
#include "KvCoreData.h"
#include "OutsideCall.h"
#include "keel/cmd/CmdMgr.h"
#include "wrench/LogMsg.h"

using MOXCOMMANDS::SHARED_UI::CHoopsDisplayTree;
using MOXCOMMANDS::SHARED_UI::CSelfAdaptDialog;
using MOXCOMMANDS::SHARED_UI::StDlgCtrlInfo;
using MOXCOMMANDS::SHARED_UI::StTreeStatus;
using MOXMANAGERS::DISPCTRLUI::IDisplayControlUIObserver;
using MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver;
using MOXMANAGERS::MOXCURPROJ::StOpenInfo;

IMPLEMENT_DYNAMIC(CDisplayControlDlg, CSelfAdaptDialog)

BEGIN_MESSAGE_MAP(CDisplayControlDlg, CSelfAdaptDialog)
  ON_BN_CLICKED(IDC_BTN_DISPLAY_FILTER, &CDisplayControlDlg::OnBtnFilter)
  ON_BN_CLICKED(IDC_BTN_COLLAPSE, &CDisplayControlDlg::OnBtnCollapse)
  ON_BN_CLICKED(IDC_BTN_EXPAND, &CDisplayControlDlg::OnBtnExpand)
  ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

const wchar_t kOperator[] = L"AppHoopsOperator";
const wchar_t kCurProject[] = L"MoxCurProjectMgr";
const wchar_t kDisplayControl[] = L"MoxDisplayControlUIMgr";
constexpr int kObserverKey = 5;

template <class T>
T *Manager(const wchar_t *name) {
  return KEEL::FRAME::GetManagerAs<T>(g_pKvCoreData, name);
}

}  // namespace

CDisplayControlDlg::CDisplayControlDlg() : CSelfAdaptDialog(IDD_DISPLAY_CONTROL, nullptr) {}

CDisplayControlDlg::~CDisplayControlDlg() {
  DropDisplayTree();
  // Subjects still alive must not keep a dead observer.
  if (auto *project = dynamic_cast<KEEL::UTILITY::ISubject<IMoxProjLoadObserver> *>(
          KEEL::FRAME::FindManager(kCurProject)))
    project->Detach(this);
  if (auto *display = dynamic_cast<KEEL::UTILITY::ISubject<IDisplayControlUIObserver> *>(
          KEEL::FRAME::FindManager(kDisplayControl)))
    display->Detach(this);
}

int CDisplayControlDlg::OnCreate(LPCREATESTRUCT cs) { return CSelfAdaptDialog::OnCreate(cs) == -1 ? -1 : 0; }

void CDisplayControlDlg::DoDataExchange(CDataExchange *dx) {
  CSelfAdaptDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_BTN_DISPLAY_FILTER, m_btnFilter);
}

BOOL CDisplayControlDlg::OnInitDialog() {
  CSelfAdaptDialog::OnInitDialog();
  if (auto *project = Manager<KEEL::UTILITY::ISubject<IMoxProjLoadObserver>>(kCurProject))
    project->Attach(this, kObserverKey);
  if (auto *display = Manager<KEEL::UTILITY::ISubject<IDisplayControlUIObserver>>(kDisplayControl))
    display->Attach(this, kObserverKey);
  return TRUE;
}

BOOL CDisplayControlDlg::PreTranslateMessage(MSG *msg) {
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN)) return TRUE;
  return CSelfAdaptDialog::PreTranslateMessage(msg);
}

void CDisplayControlDlg::SetCtrlLayout() {
  std::vector<StDlgCtrlInfo> controls = {{IDC_BTN_COLLAPSE, 0, 100}, {IDC_BTN_EXPAND, 0, 100}};
  if (m_pDisplayTree) controls.push_back({UINT(m_pDisplayTree->GetDlgCtrlID()), 17, 100});
  SetControlProperty(controls);
}

void CDisplayControlDlg::OnBtnFilter() {
  auto *commands = Manager<KEEL::CMD::ICmdMgr>(L"AppCommandMgr");
  if (!commands) return;
  if (KEEL::CMD::ICmdObject *filter = commands->GetCommand(L"AppCmd_DisplayFilter")) filter->Execute();
}

void CDisplayControlDlg::OnBtnCollapse() {
  if (m_pDisplayTree) m_pDisplayTree->BatchExpand(false);
}

void CDisplayControlDlg::OnBtnExpand() {
  if (m_pDisplayTree) m_pDisplayTree->BatchExpand(true);
}

void CDisplayControlDlg::SaveOldProjInfo(const StOpenInfo &) {}

void CDisplayControlDlg::CleanOldProjInfo(const StOpenInfo &) {
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_INFO, L"CDisplayControlDlg::CleanOldProjInfo 开始");
  OnFilterStateChanged(false);
  DropDisplayTree();
  SetCtrlLayout();
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_INFO, L"CDisplayControlDlg::CleanOldProjInfo 结束");
}

void CDisplayControlDlg::PrepareLoadProjInfo(const StOpenInfo &) {}

bool CDisplayControlDlg::LoadNewProjInfo(const StOpenInfo &info) {
  if (info.nOpenType != 2 && info.nOpenType != 3) return true;
  KEEL::FRAME::IMgrObject *projectData = g_pKvCoreData ? g_pKvCoreData->GetManager(L"MoxProjectDataMgr") : nullptr;
  auto *ctrl = Manager<KEEL::HOOPS::IHoopsCtrlMgr>(L"AppHoopsCtrlMgr");
  if (!projectData || !ctrl) return false;
  std::vector<KEEL::HOOPS::StSegmentInfo> segments;
  ctrl->ListSegments(kOperator, segments);
  ctrl->ListSegmentsEx(kOperator, segments, 1);
  // A tree a former load left in place goes first.
  DropDisplayTree();
  for (const KEEL::HOOPS::StSegmentInfo &segment : segments) {
    if (segment.nKind != 1) continue;
    if (!TryOutsideStep(L"the display tree", [this] { m_pDisplayTree = new CHoopsDisplayTree(nullptr); })) break;
    if (!m_pDisplayTree->CreateDisplayTree(this, ctrl, kOperator, segment.strName)) {
      DropDisplayTree();  // a tree without a window shows nothing
      break;
    }
    PlaceDisplayTree();
    break;
  }
  SetCtrlLayout();
  return true;
}

bool CDisplayControlDlg::RestoreNewProjInfo(const StOpenInfo &) { return true; }

void CDisplayControlDlg::OnFilterStateChanged(bool on) {
  if (!m_btnFilter.GetSafeHwnd()) return;
  m_btnFilter.SetTextColor(on ? RGB(255, 0, 0) : RGB(0, 0, 0));
  m_btnFilter.InvalidateRect(nullptr, TRUE);
}

void CDisplayControlDlg::OnRefreshTree(const std::wstring &name) {
  if (m_pDisplayTree && name == m_pDisplayTree->GetOperatorName()) m_pDisplayTree->RefreshDisplayTree();
}

void CDisplayControlDlg::OnSetTreeStatus(const StTreeStatus &status) {
  if (m_pDisplayTree && status.strName == m_pDisplayTree->GetOperatorName()) m_pDisplayTree->SetTreeStatus(status);
}

void CDisplayControlDlg::OnGetTreeStatus(StTreeStatus &status) {
  if (!m_pDisplayTree) return;
  StTreeStatus current;
  m_pDisplayTree->GetTreeStatus(current);
  status = current;
}

void CDisplayControlDlg::OnClearSelection() {}

bool CDisplayControlDlg::CanChangeFilter() { return true; }

void CDisplayControlDlg::DropDisplayTree() {
  if (!m_pDisplayTree) return;
  if (m_pDisplayTree->GetSafeHwnd()) m_pDisplayTree->DestroyWindow();
  delete m_pDisplayTree;
  m_pDisplayTree = nullptr;
}

void CDisplayControlDlg::PlaceDisplayTree() {
  if (!m_pDisplayTree) return;
  CRect rect;
  GetClientRect(&rect);
  rect.top += 60;
  rect.left += 5;
  rect.right -= 3;
  m_pDisplayTree->ShowWindow(SW_SHOW);
  m_pDisplayTree->MoveWindow(rect, TRUE);
}
