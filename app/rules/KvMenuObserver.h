// The program's command-state observer. Asked by the ribbon for the state
// of each element, it enables an element by the user's right (an authority
// code per command), the mode of the current project (0 nothing open,
// 1 a project, 2 a work set) and an enable test bound to the object that
// owns the state, and checks it by a bound check test. The same object
// reacts to project loads, web errors, the record log, login and colour
// mode changes.
//
// Threads: the user-interface thread only.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "keel/KeelOutside.h"
#include "keel/frame/KeelData.h"
#include "keel/web/IWebServ.h"
#include "modula/Modula.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/CmdUI.h"

class CDisplayControlDlg;

/// One row of the command-state table.
struct CmdStateRec {
  /// `authCode` empty: no right is needed.
  explicit CmdStateRec(const std::wstring &authCode = L"", bool enableNoProj = true);

  /// Eight-digit authority code, or empty.
  std::wstring strAuthCode;
  /// Whether the command is enabled while no project is open (mode 0).
  bool bEnableNoProj;
  /// Enable test; may be empty.
  std::function<bool()> fnEnable;
  /// Check test; may be empty.
  std::function<bool()> fnCheck;
};

class CKvMenuObserver : public MODKIT::MFC::IRibbonMenuObserver,
                        public MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver,
                        public KEEL::WEB::IWebErrorObserver,
                        public MOXMANAGERS::LOG::IRecordLogObserver,
                        public MOXMANAGERS::CAS::ILoginObserver,
                        public KEEL::HOOPSDATACOLOR::IColorModeObj {
 public:
  /// Fills both tables and binds the tests to the objects `pKeelData`
  /// holds now; `pKeelData` is not owned.
  explicit CKvMenuObserver(KEEL::FRAME::IKeelData *pKeelData);
  /// Deletes the display-control pane if one was made.
  ~CKvMenuObserver() override;
  CKvMenuObserver(const CKvMenuObserver &) = delete;
  CKvMenuObserver &operator=(const CKvMenuObserver &) = delete;

  // IRibbonMenuObserver
  /// Sets the state of element `cmdName` by the current project's mode;
  /// leaves it untouched without "AppCommandMgr" or "MoxCurProjectMgr".
  void UpdateCmdUI(const std::wstring &cmdName, CCmdUI *pCmdUI) override;
  /// Nothing.
  void OnRibbonChanged() override;

  /// The rule: enables and checks `cmdName` through `pCmdUI` in project
  /// mode `projMode`; a name without a row is left untouched.
  void UpdateCmdState(const std::wstring &cmdName, CCmdUI *pCmdUI, int projMode);

  /// The project mode of current-project state `state`: 2 -> 1, 3 -> 2,
  /// else 0.
  static int ProjModeOfState(int state);

  /// Sets the project mode in which `cmdName` is disabled (inserts or
  /// overwrites its project-mode row).
  void SetProjModeRow(const std::wstring &cmdName, int mode);
  /// Erases the project-mode row of `cmdName`; nothing when it has none.
  void EraseProjModeRow(const std::wstring &cmdName);
  /// The project-mode row of `cmdName` in `mode`; false when it has none.
  bool GetProjModeRow(const std::wstring &cmdName, int &mode) const;
  /// The command-state row of `cmdName`, or null.
  const CmdStateRec *FindCmdStateRow(const std::wstring &cmdName) const;
  /// The number of rows of the command-state and project-mode tables.
  size_t GetCmdStateCount() const { return m_mapCmdState.size(); }
  size_t GetProjModeCount() const { return m_mapProjMode.size(); }

  // IMoxProjLoadObserver
  /// Nothing.
  void SaveOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// Nothing.
  void CleanOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// Shows (or first makes) the left pane and makes the 3D view.
  void PrepareLoadProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// Loads the project's view state and sets the project-mode rows by the
  /// kind of what was opened; true.
  bool LoadNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// Nothing; true.
  bool RestoreNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;

  // IWebErrorObserver
  /// Shows the server's message of a failed call; ends the program when
  /// the server ended the login.
  void OnWebError(KEEL::WEB::IWebServ *failed) override;

  // IRecordLogObserver
  /// Adds the display names of four commands.
  void GetRecordLogName(std::map<std::wstring, std::wstring> &names) override;

  // ILoginObserver
  /// Nothing.
  void OnLoginBegin() override;
  /// Resets the 3D view.
  void OnLoginReset() override;
  /// Hides the left pane and closes the view tabs.
  void OnLoginClosePanes() override;
  /// Nothing.
  void OnLoginEnd() override;

  // IColorModeObj
  /// Shows the chosen mode on the colour-mode button and runs it.
  void OnColorModeChange(const KEEL::HOOPSDATACOLOR::StColorModeInfo &info) override;

 private:
  /// The command-state table's rows.
  void InitCmdStateTable();
  /// The project-mode table's rows.
  void InitProjModeTable();
  /// Binds the enable and check tests to the objects found now.
  void BindCmdStateTests();
  /// Deletes m_pDisplayCtrlDlg when set.
  void DeleteDisplayCtrlDlg();
  /// Makes the 3D view tab with its view manager and operator unless one
  /// exists.
  void CreateBimView();
  /// Whether a project of work set `workSetId` has kind 6.
  bool WorkSetHasKind6(int workSetId);

  std::unordered_map<std::wstring, CmdStateRec> m_mapCmdState;
  std::unordered_map<std::wstring, int> m_mapProjMode;
  KEEL::FRAME::IKeelData *m_pKeelData;
  CDisplayControlDlg *m_pDisplayCtrlDlg;
  std::vector<std::wstring> m_vecColorModeCmds;
};
