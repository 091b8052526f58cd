// CKestrovaApp: the application object. InitInstance assembles the client
// in one fixed order (platform set-up, the main frame, the launcher's
// hand-over, the framework with every manager, the login, the window, the
// start-up tip, the observers); ExitInstance undoes the library set-up.
// Everything runs on the user-interface thread.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "KvCoreFramework.h"
#include "ui/Afx.h"

/// String resource: OLE could not be started.
constexpr UINT IDP_OLE_INIT_FAILED = 100;
/// The main frame's resource.
constexpr UINT IDR_MAINFRAME = 128;

class CKestrovaApp : public CBCGPWinApp {
 public:
  CKestrovaApp();
  ~CKestrovaApp() override;

  /// The start sequence; FALSE ends the program.
  BOOL InitInstance() override;
  /// The shut-down sequence; the exit code.
  int ExitInstance() override;

  /// Takes a launcher's hand-over of exactly five "$$" fields (after a
  /// 600 ms pause); any other argument changes nothing.
  void ParseShellArgs(CCommandLineInfo &info);
  /// Registers the command-state observer, then loads the pin images.
  void InitObservers();
  /// The pin images of the clash, walk and hole modules.
  void LoadPinImages();
  /// Whether the start-up tip is to be shown ("/KvConfig/OpenTip" not 0).
  bool GetOpenTipConfig();
  /// Stores whether the tip is to be shown; false when nothing was stored.
  bool WriteOpenTipConfig(bool show);
  /// Sets the tip command's show flag; false when the command is missing.
  bool SetOpenTipCmd(bool show);
  /// Appends the names of projects updated since the last start; false
  /// when there is no answer.
  bool GetUpdatedProjects(std::vector<std::wstring> &names, KEEL::FRAME::IKeelData *data);
  /// The login text handed to the login command (empty without hand-over).
  std::string MakeLoginText() const;
  /// Why the start sequence failed ("" while it has not): every way in
  /// which InitInstance returns FALSE sets it (StartFailed).
  const std::wstring &GetStartFailure() const { return m_strStartFailure; }

  CKvCoreFramework *m_pFramework = nullptr;
  bool m_bFromShell = false;
  HMODULE m_hResModule = nullptr;
  std::string m_strUserName;
  std::string m_strPassword;
  std::string m_strServAddr;
  std::string m_strSynEventName;
  std::string m_strSynFileName;

 private:
  // Ends the start: `why` is kept and logged; FALSE.
  BOOL StartFailed(const std::wstring &why);
  void ShowStartupTip();
  std::wstring OpenTipFile();
  std::wstring m_strStartFailure;
};

/// The installation root followed by "config/system/UI".
std::wstring GetUIConfigDir();

/// Whether the installation root and its "config/system" are directories;
/// when not, one line on `err` says which is missing. Creates nothing.
bool CheckInstallRoot(std::ostream &err);

/// The program's single-instance name.
extern const wchar_t *const kKestrovaMutexName;
