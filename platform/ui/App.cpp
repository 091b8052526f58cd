#include "ui/App.h"

#include "ui/PlatformTrace.h"
#include "ui/UiThread.h"
#include "wrench/TextConvert.h"

namespace {
CWinApp *g_app = nullptr;
std::vector<std::wstring> g_args;
}  // namespace

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)
IMPLEMENT_DYNAMIC(CBCGPWinApp, CWinApp)

void CCommandLineInfo::ParseParam(const wchar_t *param, BOOL isFlag, BOOL) {
  if (isFlag)
    m_bRunEmbedded = TRUE;
  else if (m_strFileName.empty())
    m_strFileName = param;
}

CWinThread::CWinThread() = default;
CWinThread::~CWinThread() = default;

int CWinThread::Run() {
  KVUI::RunMessageLoop();
  return ExitInstance();
}

int CWinThread::ExitInstance() {
  int code = 0;
  KVUI::IsQuitPosted(&code);
  return code;
}

BOOL CWinThread::PreTranslateMessage(MSG *msg) {
  for (CWnd *w = CWnd::FromHandle(msg->hwnd); w; w = w->GetParent())
    if (w->PreTranslateMessage(msg)) return TRUE;
  return FALSE;
}

CWinApp::CWinApp(const wchar_t *appName) : m_pszAppName(appName ? appName : L"") {
  if (!g_app) g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::ParseCommandLine(CCommandLineInfo &info) {
  const auto &args = KVUI::GetCommandLine();
  bool flags = true;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring &a = args[i];
    if (flags && a == L"--") {
      flags = false;
      continue;
    }
    bool flag = flags && !a.empty() && (a[0] == L'/' || a[0] == L'-');
    info.ParseParam(flag ? a.c_str() + 1 : a.c_str(), flag, i + 1 == args.size());
  }
}

void CWinApp::LoadStdProfileSettings(UINT maxFiles) {
  recentFiles_ = maxFiles;
  KVUI::TracePlatformCall(L"LoadStdProfileSettings " + std::to_wstring(maxFiles));
}

BOOL CBCGPWinApp::InitContextMenuManager() {
  KVUI::TracePlatformCall(L"InitContextMenuManager");
  return TRUE;
}
BOOL CBCGPWinApp::InitKeyboardManager() {
  KVUI::TracePlatformCall(L"InitKeyboardManager");
  return TRUE;
}
BOOL CBCGPWinApp::InitTooltipManager() {
  KVUI::TracePlatformCall(L"InitTooltipManager");
  return TRUE;
}
void CBCGPWinApp::EnableTaskBarInteraction(BOOL enable) {
  taskBar_ = enable;
  KVUI::TracePlatformCall(std::wstring(L"EnableTaskBarInteraction ") + (enable ? L"TRUE" : L"FALSE"));
}

CWinApp *AfxGetApp() { return g_app; }
CWinThread *AfxGetThread() { return g_app; }
CWnd *AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

namespace KVUI {

void SetCommandLine(const std::vector<std::wstring> &args) { g_args = args; }
const std::vector<std::wstring> &GetCommandLine() { return g_args; }

int AfxWinMain(int argc, char **argv) {
  BindUiThread();
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i) args.push_back(WRENCH::ConvertUtf8ToGBK(argv[i]));
  SetCommandLine(args);
  CWinApp *app = AfxGetApp();
  if (!app) return -1;
  if (!app->InitInstance()) {
    if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
    return app->ExitInstance();
  }
  return app->Run();
}

}  // namespace KVUI
