#include "MainFrame.h"

#include <iterator>

#include "AppState.h"
#include "KestrovaApp.h"
#include "hearth/Hearth.h"
#include "hole/Hole.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/config/VarConfigMgr.h"
#include "kvcollision/KVCollisionComponent.h"
#include "kvwalkproc/KVWalkProc.h"
#include "modula/Modula.h"
#include "moxcommands/Login.h"
#include "moxmanagers/MoxManagers.h"
#include "wrench/XMLConfig.h"

IMPLEMENT_DYNCREATE(CMainFrame, CBCGPMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CBCGPMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND_RANGE(ID_KV_FIRST_COMMAND, ID_KV_LAST_COMMAND, &CMainFrame::OnCommandRange)
ON_UPDATE_COMMAND_UI_RANGE(ID_KV_FIRST_COMMAND, ID_KV_LAST_COMMAND, &CMainFrame::OnUpdateCommandRange)
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_COPYDATA()
ON_WM_GETMINMAXINFO()
ON_MESSAGE(WM_HOTKEY, &CMainFrame::OnHotKey)
ON_MESSAGE(WM_KV_COMMUNICATE, &CMainFrame::OnCommunicateMsg)
ON_MESSAGE(WM_KV_TRANSHOLE, &CMainFrame::OnTransHoleMsg)
END_MESSAGE_MAP()

namespace {

using KEEL::FRAME::GetManagerAs;

const COLORREF kThemeColors[] = {RGB(255, 255, 255), RGB(10, 10, 10),   RGB(238, 236, 225), RGB(31, 73, 125),
                                 RGB(79, 129, 189),  RGB(192, 80, 77),  RGB(155, 187, 89),  RGB(128, 100, 162),
                                 RGB(75, 172, 198),  RGB(245, 150, 70)};

const COLORREF kShades[] = {
    RGB(242, 242, 242), RGB(127, 127, 127), RGB(214, 212, 202), RGB(210, 218, 229), RGB(217, 228, 240),
    RGB(244, 219, 218), RGB(234, 241, 221), RGB(229, 223, 235), RGB(216, 237, 242), RGB(255, 234, 218),
    RGB(215, 215, 215), RGB(89, 89, 89),    RGB(177, 176, 167), RGB(161, 180, 201), RGB(179, 202, 226),
    RGB(233, 184, 182), RGB(213, 226, 188), RGB(203, 191, 215), RGB(176, 220, 231), RGB(255, 212, 181),
    RGB(190, 190, 190), RGB(65, 65, 65),    RGB(118, 117, 112), RGB(115, 143, 175), RGB(143, 177, 213),
    RGB(222, 149, 147), RGB(192, 213, 155), RGB(177, 160, 197), RGB(137, 203, 218), RGB(255, 191, 145),
    RGB(163, 163, 163), RGB(42, 42, 42),    RGB(61, 61, 59),    RGB(20, 57, 92),    RGB(54, 96, 139),
    RGB(149, 63, 60),   RGB(114, 139, 71),  RGB(97, 76, 119),   RGB(41, 128, 146),  RGB(190, 112, 59),
    RGB(126, 126, 126), RGB(20, 20, 20),    RGB(29, 29, 28),    RGB(17, 40, 64),    RGB(38, 66, 94),
    RGB(100, 44, 43),   RGB(77, 93, 49),    RGB(67, 53, 81),    RGB(31, 86, 99),    RGB(126, 77, 42)};

const wchar_t kCasMgr[] = L"CENTRALAUTHENTICATIONSERVICE_MGR ";

// A refused close: the window stays, so a login that the server ends later
// restarts the program again.
void KeepRestart() { MOXCOMMANDS::LOGIN::CReStartUp::m_bEnableStart = true; }

template <size_t N>
void AddGroup(CBCGPRibbonColorButton &button, const wchar_t *caption, const COLORREF (&colors)[N], BOOL contiguous) {
  CList<COLORREF, COLORREF> list;
  for (COLORREF color : colors) {
    CBCGPRibbonColorButton::SetColorName(color, CString());
    list.AddTail(color);
  }
  button.AddColorsGroup(caption, list, contiguous);
}

}  // namespace

CMainFrame::CMainFrame() {}

CMainFrame::~CMainFrame() {}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT &cs) { return CBCGPMDIFrameWnd::PreCreateWindow(cs) ? TRUE : FALSE; }

BOOL CMainFrame::LoadFrame(UINT resourceId, DWORD style, CWnd *parent, CCreateContext *context) {
  return CBCGPMDIFrameWnd::LoadFrame(resourceId, style, parent, context) ? TRUE : FALSE;
}

KEEL::FRAME::IKeelData *CMainFrame::Data() const { return m_pFramework ? m_pFramework->GetCoreData() : nullptr; }

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
  if (CBCGPMDIFrameWnd::OnCreate(cs) == -1) return -1;
  SetMenu(nullptr);
  EnableDocking(CBRS_ALIGN_ANY);
  ModifyStyle(FWS_ADDTOTITLE, 0);
  return 0;
}

void CMainFrame::OnCommandRange(UINT id) {
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(Data(), L"AppCommandMgr");
  if (!cmdMgr) return;
  const std::wstring name = cmdMgr->GetCmdName(id);
  auto *walk = GetManagerAs<EventMgr::IWalkModuleMgr>(Data(), L"APP_WALK_MODULE_MGR");
  if (walk) walk->ConflictExitWalkModule(name);
  if (name == L"APP_SWITCHENTERPRISE_CMD" && walk) walk->RemoveLastEnterpriseFile();
  boost::any none;
  cmdMgr->RunCommandById(id, none);
}

bool CMainFrame::HandlesCommand(UINT id) {
  if (id >= ID_KV_FIRST_COMMAND && id <= ID_KV_LAST_COMMAND) {
    auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(Data(), L"AppCommandMgr");
    return cmdMgr && cmdMgr->QueryCmdId(id);
  }
  AFX_CMDHANDLERINFO handler;
  return OnCmdMsg(id, CN_COMMAND, nullptr, &handler) != FALSE;
}

void CMainFrame::OnUpdateCommandRange(CCmdUI *cmdUI) {
  if (auto *ribbonUI = dynamic_cast<CBCGPRibbonCmdUI *>(cmdUI)) {
    if (auto *ribbon = GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(Data(), L"AppRibbonMenuMgr"))
      ribbon->OnUpdateCmdUI(ribbonUI);
  }
  cmdUI->m_bEnableChanged = TRUE;
}

void CMainFrame::OnSize(UINT type, int cx, int cy) {
  CBCGPMDIFrameWnd::OnSize(type, cx, cy);
  CRect client;
  if (CWnd *mdiClient = CWnd::FromHandle(m_hWndMDIClient)) mdiClient->GetClientRect(&client);
  if (!m_pFramework) return;
  if (auto *start = GetManagerAs<MOXMANAGERS::FRAME::IMoxStartViewMgr>(Data(), L"Mox_StartView_Mgr"))
    start->OnResize(client);
}

void CMainFrame::OnClose() {
  KEEL::FRAME::IKeelData *data = Data();
  MOXCOMMANDS::LOGIN::CReStartUp::m_bEnableStart = false;
  auto *clash = GetManagerAs<KVCOLLISION::LOGIC::IKvCollisionCheckMgr>(data, L"APP_COLLISION_MODEL_MGR");
  if (clash && clash->GetIsChecking()) {
    FACET::ShowMessageBox(L"碰撞检查正在进行中，请稍后再试", 0);
    KeepRestart();
    return;
  }
  auto *hole = GetManagerAs<Hole::IHoleCheckMgr>(data, L"APP_HOLE_CHECK_MGR");
  if (hole && hole->IsChecking()) {
    FACET::ShowMessageBox(L"孔洞检查正在进行中，请稍后再试", 0);
    KeepRestart();
    return;
  }
  auto *proc = GetManagerAs<MOXMANAGERS::PROJDATA_PROC::IProjDataProcessMgr>(data, L"MoxProjDataProcMgr");
  if (proc && proc->IsHaveTask() &&
      FACET::ShowMessageBox(L"本机处理任务中存在未处理完的\n工程继续退出 将放弃本次处理", MB_YESNO) == IDNO) {
    KeepRestart();
    return;
  }
  // Web errors are ignored from here on; a window that stays open takes
  // them again.
  g_bAppRunning = false;
  if (!MOXCOMMANDS::LOGIN::CStartUpEve::IsChangeingUser() && g_nLoginEnded != 1) {
    if (FACET::ShowMessageBox(L"确定要退出软件？", MB_ICONQUESTION | MB_YESNO) != IDYES) {
      g_bAppRunning = true;
      KeepRestart();
      return;
    }
    LogFunctionUse(m_pFramework, L"退出软件", L"退出软件");
  }
  if (auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr")) cmdMgr->StopCommand(std::wstring());
  if (auto *walk = GetManagerAs<EventMgr::IWalkModuleMgr>(data, L"APP_WALK_MODULE_MGR")) walk->RudeCloseCommand();
  auto *project = GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(data, L"MoxCurProjectMgr");
  MOXCOMMANDS::LOGIN::CReStartUp::m_bEnableStart = true;
  if (project) static_cast<MOXMANAGERS::MOXCURPROJ::IMoxCurProjectMgr *>(project)->CleanCurOpenInfo();
  LogOperation(m_pFramework, L"系统", L"退出");
  if (data) data->RemoveManager(L"MoxRecordLogMgr");
  if (auto *cas = GetManagerAs<MOXMANAGERS::CAS::ICasMgr>(data, kCasMgr)) cas->LogOut();
  KVLOG::Instance().Close();
  CBCGPMDIFrameWnd::OnClose();
}

BOOL CMainFrame::OnCopyData(CWnd *, COPYDATASTRUCT *data) {
  auto *proc = GetManagerAs<MOXMANAGERS::PROJDATA_PROC::IProjDataProcessMgr>(Data(), L"MoxProjDataProcMgr");
  auto *polling = GetManagerAs<MOXMANAGERS::PROCESSPOLLING::IProcessPollingMgr>(Data(), L"MoxProcessPolling");
  if (!proc || !polling || !data) return TRUE;
  if (!proc->OnCopyData(data) && data->dwData == KV_COPYDATA_POLLING) polling->StartPolling(data);
  return TRUE;
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO *info) {
  CBCGPMDIFrameWnd::OnGetMinMaxInfo(info);
  if (!info) return;
  info->ptMinTrackSize.x = 1024;
  info->ptMinTrackSize.y = 768;
}

LRESULT CMainFrame::OnHotKey(WPARAM, LPARAM) { return 0; }

LRESULT CMainFrame::OnCommunicateMsg(WPARAM, LPARAM) {
  // No companion program's communication manager is registered in this
  // client, so the message is ignored.
  return 0;
}

LRESULT CMainFrame::OnTransHoleMsg(WPARAM, LPARAM lParam) {
  if (auto *trans = GetManagerAs<Hole::ITransHoleMgr>(Data(), L"APP_TRANS_HOLE_MGR")) trans->OnTransHoleMsg(lParam);
  return 0;
}

bool CMainFrame::CreateStatusBar() {
  auto *status = GetManagerAs<MODKIT::MFC::IStatusBarMgr>(Data(), L"AppStatusBarMgr");
  if (!status) return false;
  const UINT indicators[] = {0, 1, 2};
  return status->CreateStatusBar(this, indicators, int(std::size(indicators))) != 0;
}

int CMainFrame::TextWidth(const CString &text) const {
  auto *self = const_cast<CMainFrame *>(this);
  CFont *font = CFont::FromHandle(reinterpret_cast<HFONT>(self->SendMessage(WM_GETFONT)));
  CClientDC dc(self);
  CFont *old = dc.SelectObject(font);
  SIZE size;
  GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
  dc.SelectObject(old);
  return size.cx;
}

void CMainFrame::SetUserPane() {
  auto *status = GetManagerAs<MODKIT::MFC::IStatusBarMgr>(Data(), L"AppStatusBarMgr");
  if (!status) return;
  std::wstring user, enterprise;
  if (auto *cas = GetManagerAs<MOXMANAGERS::CAS::ICasMgr>(Data(), kCasMgr)) {
    user = cas->GetUserName();
    enterprise = cas->GetCurEnterprise().strName;
  }
  CString text;
  text.Format(L"[%s,%s]", user.c_str(), enterprise.c_str());
  status->SetPaneInfo(1, text, TextWidth(text) + 10);
}

void CMainFrame::SetVersionPane() {
  auto *status = GetManagerAs<MODKIT::MFC::IStatusBarMgr>(Data(), L"AppStatusBarMgr");
  auto *push = GetManagerAs<MOXMANAGERS::ORVELNET::IOrvelNetMgr>(Data(), L"MoxPushDllMgr");
  if (!status || !push) return;
  CString text = GetVersionText();
  CString build;
  build.Format(L".%d", push->GetProgramFileVersion());
  text += build;
  status->SetPaneInfo(2, text, TextWidth(text) + 4);
}

CString CMainFrame::GetVersionText() {
  std::wstring version;
  auto *app = dynamic_cast<CKestrovaApp *>(AfxGetApp());
  if (app && app->m_pFramework) {
    if (auto *vars = GetManagerAs<KEEL::CONFIG::IVarConfigMgr>(app->m_pFramework->GetCoreData(), L"AppVarConfigMgr"))
      version = vars->GetVar(L"AppVer");
  }
  CString text;
  text.Format(L"V%s", version.c_str());
  return text;
}

void CMainFrame::InitDimMarkColorButton() {
  auto *ribbonMgr = GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(Data(), L"AppRibbonMenuMgr");
  GUI::IGUIRibbon *ribbon = ribbonMgr ? ribbonMgr->GetRibbonMenu() : nullptr;
  if (!ribbon) return;
  auto *button = dynamic_cast<CBCGPRibbonColorButton *>(ribbon->FindElementByName(CString(L"AppCmd_DimMarkColor"), FALSE));
  if (!button) return;
  auto *vars = GetManagerAs<KEEL::CONFIG::IVarConfigMgr>(Data(), L"AppVarConfigMgr");
  if (!vars) return;
  const std::wstring path = vars->GetVar(L"AppDimMarkColor");
  if (path.empty()) return;
  WRENCH::CXMLConfig config(path);
  button->SetColor(COLORREF(config.GetXmlInt(L"/KvConfig/DimClr")));
  button->SetColumns(10);
  AddGroup(*button, L"主题颜色", kThemeColors, FALSE);
  AddGroup(*button, L"", kShades, TRUE);
  button->EnableOtherButton(L"&更多颜色...", L"更多颜色");
}
