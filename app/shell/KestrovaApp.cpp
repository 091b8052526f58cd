#include "KestrovaApp.h"

#include <json/json.h>

#include <boost/any.hpp>
#include <boost/shared_ptr.hpp>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "KvCoreData.h"
#include "MainFrame.h"
#include "OutsideCall.h"
#include "glidesb/GlideSb.h"
#include "hearth/Hearth.h"
#include "keel/KeelOutside.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/config/VarConfigMgr.h"
#include "modula/Modula.h"
#include "moxcommands/Login.h"
#include "moxmanagers/MoxManagers.h"
#include "moxwebservicesmanagers/MoxWebServicesManagers.h"
#include "quilltools/QuillTools.h"
#include "ShellParts.h"
#include "ui/TextEscape.h"
#include "wrench/LogMsg.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"
#include "wrench/XMLConfig.h"

const wchar_t *const kKestrovaMutexName = L"6B1F3C2A-94D7-4E85-A0B3-5C7E21D9F046";

namespace {

using KEEL::FRAME::GetManagerAs;

std::wstring Root() { return WRENCH::GetSysRoot(); }

}  // namespace

std::wstring GetUIConfigDir() { return Root() + L"config/system/UI"; }

bool CheckInstallRoot(std::ostream &err) {
  // Why `dir` is no directory; empty when it is one.
  const auto problem = [](const std::string &dir) -> std::string {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(dir, error);
    if (status.type() == std::filesystem::file_type::not_found) return "no such directory";
    if (error) return error.message();
    return std::filesystem::is_directory(status) ? std::string() : "not a directory";
  };
  std::string root = WRENCH::ConvertGBKToUtf8(Root());
  // Without its separator, so that a file is not taken for a missing directory.
  if (root.size() > 1) root.pop_back();
  const char *env = std::getenv("KV_INSTALL_ROOT");
  // The root may come from the environment: shown escaped.
  const std::string where = "installation root " + KVUI::EscapeText(root, 200) +
                            (env && *env ? " (KV_INSTALL_ROOT)" : " (the program's directory; KV_INSTALL_ROOT names another)");
  std::string why = problem(root);
  if (!why.empty()) {
    err << "kestrova: " << where << ": " << why << "\n";
    return false;
  }
  why = problem(root + "/config/system");
  if (!why.empty()) {
    err << "kestrova: " << where << " has no config/system: " << why << "\n";
    return false;
  }
  return true;
}

CKestrovaApp::CKestrovaApp() {
  m_dwRestartManagerSupportFlags = AFX_RESTART_MANAGER_SUPPORT_ALL_ASPECTS;
  SetAppID(L"Kestrova.AppID.NoVersion");
}

CKestrovaApp::~CKestrovaApp() {}

void CKestrovaApp::ParseShellArgs(CCommandLineInfo &info) {
  const std::wstring text = info.m_strFileName;
  if (text.empty()) {
    m_strUserName.clear();
    m_strPassword.clear();
    m_strServAddr.clear();
    m_bFromShell = false;
    return;
  }
  const std::vector<std::string> fields =
      QuillTools::Tokenize(QuillTools::CString2String(info.m_strFileName), std::string("$$"));
  if (fields.size() != 5) {
    m_bFromShell = false;
    return;
  }
  Sleep(600);
  m_strUserName = fields[0];
  m_strPassword = fields[1];
  m_strServAddr = fields[2];
  m_strSynEventName = fields[3];
  m_strSynFileName = fields[4];
  m_bFromShell = true;
}

std::string CKestrovaApp::MakeLoginText() const {
  if (!m_bFromShell) return std::string();
  Json::Value login(Json::objectValue);
  login["UserName"] = m_strUserName;
  login["Password"] = m_strPassword;
  login["ServAddr"] = m_strServAddr;
  Json::StreamWriterBuilder writer;
  writer["indentation"] = "";
  return Json::writeString(writer, login) + "\n";
}

BOOL CKestrovaApp::InitInstance() {
  INITCOMMONCONTROLSEX controls;
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  CBCGPWinApp::InitInstance();
  WRENCH::StartCrashReport();
  if (!AfxOleInit()) {
    AfxMessageBox(IDP_OLE_INIT_FAILED, MB_OK);
    return StartFailed(L"OLE could not be started");
  }
  AfxEnableControlContainer();
  LoadStdProfileSettings(4);
  InitContextMenuManager();
  InitKeyboardManager();
  InitTooltipManager();
  EnableTaskBarInteraction(FALSE);
  CBCGPToolTipParams tooltips;
  tooltips.m_bVislManagerTheme = TRUE;
  GetTooltipManager()->SetTooltipParams(BCGP_TOOLTIP_TYPE_ALL, RUNTIME_CLASS(CBCGPToolTipCtrl), &tooltips);
  CBCGPGraphicsManagerD2D::m_bForceSoftwareRendering = TRUE;
  CBCGPVisualManager2013::SetStyle(CBCGPVisualManager2013::Office2013_Gray);
  CBCGPVisualManager::SetDefaultManager(RUNTIME_CLASS(CBCGPVisualManager2013));
  CBCGPDockManager::SetDockMode(BCGP_DT_SMART, BCGP_SDT_DEFAULT);
  m_hResModule = LoadLibraryW(L"BCGCBProResChs.dll");
  BCGCBProSetResourceHandle(m_hResModule);

  CMainFrame *frame = new (std::nothrow) CMainFrame;
  if (!frame) return StartFailed(L"there is no memory for the main window");
  m_pMainWnd = frame;
  m_nCmdShow = SW_HIDE;

  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  ParseShellArgs(cmdInfo);

  const std::wstring root = Root();
  KEEL::FRAME::CKeelFramework::SetLogSysProperties(root + L"config/system/log.properties");
  KEEL::FRAME::CKeelFramework::SetLogSysLogFile(root + L"log/log.log");
  KEEL::FRAME::CKeelFramework::SetLanguageRes(root + L"config/system/chs.lang");

  m_pFramework = new CKvCoreFramework(frame, nullptr);
  std::wstring why;
  // The core data and every manager come from here: nothing goes on
  // without them.
  if (!CallOutside([this] { m_pFramework->InitLoginInstance(L"config/System/resources.cfg"); }, why))
    return StartFailed(L"the login framework could not be set up: " + why);

  // Single-instance handling and the launcher's synchronisation are the
  // object's own; the start does not depend on them.
  TryOutsideStep(L"the launcher's start-up object", [this] {
    MOXCOMMANDS::LOGIN::CStartUpEve startUp;
    startUp.EnabeMultiInstance(false);
    startUp.SetMutexName(kKestrovaMutexName);
    startUp.SetSynEventName(WRENCH::UTF8ToUnicode(m_strSynEventName));
    startUp.SetSynFileName(WRENCH::UTF8ToUnicode(m_strSynFileName));
    startUp.StartFromShell(m_bFromShell);
  });

  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(m_pFramework->GetCoreData(), L"AppCommandMgr");
  if (!cmdMgr) return StartFailed(L"there is no command manager, so nobody can log in");
  {
    boost::any login = MakeLoginText();
    cmdMgr->RunCommand(L"APP_LOGINMOX_CMD", login);
  }
  const KEEL::CMD::CmdFault fault = cmdMgr->GetLastFault();
  if (fault.nCode != 0)
    return StartFailed(L"the login command APP_LOGINMOX_CMD failed with fault " + std::to_wstring(fault.nCode) +
                       (fault.strText.empty() ? L"" : L": " + fault.strText));

  frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr);
  frame->ShowWindow(SW_HIDE);
  m_pFramework->InitInstance();
  ShowStartupTip();

  KEEL::FRAME::IKeelData *data = m_pFramework->GetCoreData();
  if (auto *push = GetManagerAs<MOXMANAGERS::ORVELNET::IOrvelNetMgr>(data, L"MoxPushDllMgr"))
    push->StartProgramFileUpdateService();

  frame->ShowWindow(SW_SHOW);
  frame->m_pFramework = m_pFramework;
  data = m_pFramework->GetCoreData();
  LogFunctionUse(m_pFramework, L"打开软件", L"打开软件");
  KVLOG::Instance().SetKeelData(data);

  frame->InitDimMarkColorButton();
  frame->CreateStatusBar();
  frame->SetUserPane();
  frame->SetVersionPane();

  InitObservers();

  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  AfxEnableControlContainer();
  GlideSbInterface::SetGlobalVisualTheme(20);

  if (auto *start = GetManagerAs<MOXMANAGERS::FRAME::IMoxStartViewMgr>(data, L"Mox_StartView_Mgr")) {
    start->SetParentWnd(CWnd::FromHandle(frame->m_hWndMDIClient));
    start->ShowStartView(TRUE);
  }

  m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
  m_pMainWnd->UpdateWindow();
  m_pMainWnd->SetForegroundWindow();
  m_pMainWnd->SetActiveWindow();
  return TRUE;
}

BOOL CKestrovaApp::StartFailed(const std::wstring &why) {
  m_strStartFailure = why;
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_ERROR, (L"the start failed: " + why).c_str());
  return FALSE;
}

int CKestrovaApp::ExitInstance() {
  AfxOleTerm(FALSE);
  if (m_hResModule) FreeLibrary(m_hResModule);
  BCGCBProCleanUp();
  if (m_pFramework) m_pFramework->ExitInstance();
  CoUninitialize();
  return CBCGPWinApp::ExitInstance();
}

std::wstring CKestrovaApp::OpenTipFile() {
  KEEL::FRAME::IKeelData *data = m_pFramework ? m_pFramework->GetCoreData() : nullptr;
  auto *vars = GetManagerAs<KEEL::CONFIG::IVarConfigMgr>(data, L"AppVarConfigMgr");
  return vars ? vars->GetVar(L"OpenTip") : std::wstring();
}

bool CKestrovaApp::GetOpenTipConfig() {
  const std::wstring path = OpenTipFile();
  if (path.empty()) return false;
  WRENCH::CXMLConfig config(path);
  return config.GetXmlInt(L"/KvConfig/OpenTip") != 0;
}

bool CKestrovaApp::WriteOpenTipConfig(bool show) {
  const std::wstring path = OpenTipFile();
  if (path.empty()) return false;
  WRENCH::CXMLConfig config(path);
  return config.WriteXmlInt(show ? 1 : 0, L"/KvConfig/OpenTip");
}

bool CKestrovaApp::SetOpenTipCmd(bool show) {
  KEEL::FRAME::IKeelData *data = m_pFramework ? m_pFramework->GetCoreData() : nullptr;
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr");
  if (!cmdMgr) return false;
  return KVSHELL::SetOpenTipFlag(cmdMgr->GetCommand(L"APP_STARTUP_TIP_CMD"), show);
}

bool CKestrovaApp::GetUpdatedProjects(std::vector<std::wstring> &names, KEEL::FRAME::IKeelData *data) {
  auto *status =
      GetManagerAs<MOXWEBSERVICESMANAGERS::PROJSTATUS::IVxProjStatusServiceMgr>(data, L"MOX_VxProjStatusService_MGR");
  if (!status) return false;
  boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> holder;
  status->ServiceGetProjUpdateLog(holder);
  // An empty holder is no answer: no update.
  if (!holder || holder->GetState()) return false;
  for (holder->First(); !holder->IsDone(); holder->Next()) names.push_back(holder->CurrentItem());
  return true;
}

void CKestrovaApp::ShowStartupTip() {
  if (!GetOpenTipConfig()) {
    SetOpenTipCmd(false);
    return;
  }
  if (!SetOpenTipCmd(true)) {
    SetOpenTipCmd(false);
    return;
  }
  KEEL::FRAME::IKeelData *data = m_pFramework ? m_pFramework->GetCoreData() : nullptr;
  if (!data) return;
  std::vector<std::wstring> names;
  if (!GetUpdatedProjects(names, data) || names.empty()) return;
  const bool show = KVSHELL::RunOpenTipDialog(names);
  WriteOpenTipConfig(show);
  SetOpenTipCmd(show);
}

void CKestrovaApp::InitObservers() {
  AfxInitRichEdit();
  KVSHELL::RegisterObservers(m_pFramework ? m_pFramework->GetCoreData() : nullptr);
  LoadPinImages();
}

void CKestrovaApp::LoadPinImages() {
  KEEL::FRAME::IKeelData *data = m_pFramework ? m_pFramework->GetCoreData() : nullptr;
  auto *pins = GetManagerAs<KEEL::HOOPS::IHoopsPinMgr>(data, L"AppHoopsPinMgr");
  if (!pins) return;
  KEEL::HOOPS::StPinImage image;
  image.strAppKey = L"KV";
  image.vecModules = {{L"Clash", GetUIConfigDir()}, {L"Walker", GetUIConfigDir()}, {L"Hole", GetUIConfigDir()}};
  pins->LoadPinImage({image});
}
