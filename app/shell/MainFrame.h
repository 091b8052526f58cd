// CMainFrame: the program's main window. Ribbon commands go to the command
// manager, the status bar shows the user and the version, the ribbon's
// colour button chooses the colour of dimension marks, and OnClose decides
// whether the program may end. All handlers run on the user-interface
// thread; they reach managers through m_pFramework once the application
// has set it.
#pragma once

#include "KvCoreFramework.h"
#include "ui/Afx.h"

/// The private messages of the main frame.
constexpr UINT WM_KV_COMMUNICATE = WM_USER + 500;
constexpr UINT WM_KV_TRANSHOLE = WM_USER + 501;
/// The ribbon's command ids.
constexpr UINT ID_KV_FIRST_COMMAND = 5899;
constexpr UINT ID_KV_LAST_COMMAND = 8899;
/// The data code of WM_COPYDATA that starts process polling.
constexpr ULONG_PTR KV_COPYDATA_POLLING = 7008;

class CMainFrame : public CBCGPMDIFrameWnd {
  DECLARE_DYNCREATE(CMainFrame)

 public:
  CMainFrame();
  ~CMainFrame() override;

  BOOL PreCreateWindow(CREATESTRUCT &cs) override;
  BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd *parent = nullptr,
                 CCreateContext *context = nullptr) override;

  /// Sets up the ribbon's dimension-mark colour button; stops silently at
  /// the first missing piece.
  void InitDimMarkColorButton();
  /// Creates the status bar with three panes; false when "AppStatusBarMgr"
  /// is missing or refuses.
  bool CreateStatusBar();
  /// Pane 1: "[user,enterprise]".
  void SetUserPane();
  /// Pane 2: the version text and the program files' version.
  void SetVersionPane();
  /// "V" followed by the variable "AppVer".
  static CString GetVersionText();
  /// Whether a WM_COMMAND of `id` reaches something that acts on it: in
  /// the ribbon's range a command of the command manager bound to `id`,
  /// elsewhere a handler of the frame's message map.
  bool HandlesCommand(UINT id);

  /// The framework; set by the application once the window is shown.
  CKvCoreFramework *m_pFramework = nullptr;

  int OnCreate(LPCREATESTRUCT cs);
  void OnCommandRange(UINT id);
  void OnUpdateCommandRange(CCmdUI *cmdUI);
  void OnSize(UINT type, int cx, int cy);
  void OnClose();
  BOOL OnCopyData(CWnd *sender, COPYDATASTRUCT *data);
  void OnGetMinMaxInfo(MINMAXINFO *info);
  LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
  LRESULT OnCommunicateMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnTransHoleMsg(WPARAM wParam, LPARAM lParam);

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  KEEL::FRAME::IKeelData *Data() const;
  int TextWidth(const CString &text) const;
};
