// The application object and its thread: one instance, made before the
// entry point runs it, whose InitInstance starts the program and whose
// message loop runs the user-interface thread until the main window is
// closed.
#pragma once

#include <string>
#include <vector>

#include "ui/Toolkit.h"
#include "ui/Wnd.h"

/// Restart-manager support: every aspect.
constexpr DWORD AFX_RESTART_MANAGER_SUPPORT_ALL_ASPECTS = 0x3F;

/// The parsed command line: the first plain argument is the file name.
class CCommandLineInfo {
 public:
  virtual ~CCommandLineInfo() = default;
  /// The first argument that is no switch; empty when there is none.
  CString m_strFileName;
  /// Whether a "/" or "-" switch was given (only recorded).
  BOOL m_bRunEmbedded = FALSE;
  /// Takes one argument (switches start with '/' or '-').
  virtual void ParseParam(const wchar_t *param, BOOL isFlag, BOOL isLast);
};

/// The user-interface thread as an object.
class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread();
  ~CWinThread() override;
  /// The main window; destroying it ends the message loop.
  CWnd *m_pMainWnd = nullptr;
  /// Starts the program; FALSE ends it before the loop runs.
  virtual BOOL InitInstance() { return TRUE; }
  /// Runs the message loop, then ExitInstance; returns its result.
  virtual int Run();
  /// Undoes InitInstance; returns the exit code (the quit's code).
  virtual int ExitInstance();
  /// Offers a queued message to its window and that window's parents before
  /// it is dispatched; TRUE eats it.
  virtual BOOL PreTranslateMessage(MSG *msg);
};

/// The application object.
class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(const wchar_t *appName = nullptr);
  ~CWinApp() override;
  /// How the main window is first shown (SW_*).
  int m_nCmdShow = SW_SHOWNORMAL;
  /// Restart-manager support flags (recorded).
  DWORD m_dwRestartManagerSupportFlags = 0;
  /// The application's name.
  std::wstring m_pszAppName;
  /// Sets the application id (recorded).
  void SetAppID(const wchar_t *id) { appId_ = id ? id : L""; }
  /// The application id.
  const std::wstring &GetAppID() const { return appId_; }
  /// Parses the program's arguments into `info`: one starting with '/' or
  /// '-' is a flag, except after an argument "--" (which is left out).
  void ParseCommandLine(CCommandLineInfo &info);
  /// Remembers the recent-file list length (recorded).
  void LoadStdProfileSettings(UINT maxFiles = 4);
  /// The length given to LoadStdProfileSettings.
  UINT GetRecentFileCount() const { return recentFiles_; }

 private:
  std::wstring appId_;
  UINT recentFiles_ = 0;
};

/// The application object of the extended toolkit.
class CBCGPWinApp : public CWinApp {
  DECLARE_DYNAMIC(CBCGPWinApp)

 public:
  explicit CBCGPWinApp(const wchar_t *appName = nullptr) : CWinApp(appName) {}
  /// Each of these switches on a toolkit service; the model records it.
  BOOL InitContextMenuManager();
  BOOL InitKeyboardManager();
  BOOL InitTooltipManager();
  void EnableTaskBarInteraction(BOOL enable = TRUE);
  /// The tooltip manager (after InitTooltipManager).
  CBCGPTooltipManager *GetTooltipManager() { return ::GetTooltipManager(); }
  /// Whether task-bar interaction is on.
  BOOL IsTaskBarInteractionEnabled() const { return taskBar_; }

 private:
  BOOL taskBar_ = TRUE;
};

/// The application object, or null.
CWinApp *AfxGetApp();
/// The user-interface thread object (the application), or null.
CWinThread *AfxGetThread();
/// The application's main window, or null.
CWnd *AfxGetMainWnd();

namespace KVUI {
/// Sets the program's arguments (without the program name) that
/// ParseCommandLine reads.
void SetCommandLine(const std::vector<std::wstring> &args);
/// The program's arguments.
const std::vector<std::wstring> &GetCommandLine();
/// The program's entry: binds the user-interface thread, takes the
/// arguments (UTF-8, argv[0] skipped), runs the application's InitInstance
/// and, when it succeeds, the message loop; returns ExitInstance's result.
/// After a failed InitInstance the main window is destroyed first.
int AfxWinMain(int argc, char **argv);
}  // namespace KVUI
