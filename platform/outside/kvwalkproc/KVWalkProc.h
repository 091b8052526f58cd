// Stand-in of the walk module of KVWalkProc and its component-information
// command: recording fakes (see journal/StandIn.h); nothing walks.
#pragma once

#include <string>

#include "journal/StandIn.h"
#include "keel/cmd/CmdObject.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/MsgMap.h"
#include "ui/Wnd.h"

/// The tab identifier of the 3D view (0 while there is none).
extern int nViewId;

namespace EventMgr {

/// The walk module's operations the program calls.
class IWalkModuleMgr {
 public:
  virtual ~IWalkModuleMgr() {}
  /// Told the name of a command about to run; leaves a walk it clashes with.
  virtual void ConflictExitWalkModule(const std::wstring &cmdName) = 0;
  /// Forgets the last enterprise's walk file.
  virtual void RemoveLastEnterpriseFile() = 0;
  /// Ends the running walk command at once.
  virtual void RudeCloseCommand() = 0;
  /// The view's input, as the view received it.
  virtual void ExLButtonUp(UINT flags, CPoint point) = 0;
  virtual void ExRButtonUp(UINT flags, CPoint point) = 0;
  virtual void ExMButtonDown(UINT flags, CPoint point) = 0;
  virtual void ExMouseMove(UINT flags, CPoint point) = 0;
  virtual void ExKeyDown(UINT key, UINT repeat, UINT flags) = 0;
  virtual void ExKeyUp(UINT key, UINT repeat, UINT flags) = 0;
  /// A message before the view handles it; non-zero when eaten.
  virtual BOOL ExPreTranslateMessage(MSG *msg) = 0;
  /// The view's size changed.
  virtual void ExSize(CWnd *wnd, UINT type, int cx, int cy) = 0;
  /// Whether the walk user state is on (answer "GetCurWalkUserState",
  /// default false).
  virtual bool GetCurWalkUserState() = 0;
};

/// The walk module "APP_WALK_MODULE_MGR"; records every call (points as
/// x, y; a message as its number, wParam and lParam).
class CWalkModuleMgr : public IWalkModuleMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CWalkModuleMgr(std::wstring name);
  /// Hands the walk commands (WalkCmd.h) to "AppCommandMgr", each unless
  /// a command of its name is there already.
  bool ConnectObject() override;
  void ConflictExitWalkModule(const std::wstring &cmdName) override;
  void RemoveLastEnterpriseFile() override;
  void RudeCloseCommand() override;
  void ExLButtonUp(UINT flags, CPoint point) override;
  void ExRButtonUp(UINT flags, CPoint point) override;
  void ExMButtonDown(UINT flags, CPoint point) override;
  void ExMouseMove(UINT flags, CPoint point) override;
  void ExKeyDown(UINT key, UINT repeat, UINT flags) override;
  void ExKeyUp(UINT key, UINT repeat, UINT flags) override;
  BOOL ExPreTranslateMessage(MSG *msg) override;
  void ExSize(CWnd *wnd, UINT type, int cx, int cy) override;
  bool GetCurWalkUserState() override;
};

}  // namespace EventMgr

/// The component-information command "AppCmd_CompInfo"; records each call
/// as class "CCompInfoCmd" under its name, project loads with the open
/// type and id.
class CCompInfoCmd : public KEEL::CMD::CPushPullMsgCmdObj, public MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver {
 public:
  std::wstring GetName() override;
  /// Shows the information of the component at `point` under `caption`.
  void ShowInfo(CPoint point, const CString &caption);
  /// Whether the information pane is shown (answer "GetMenuEnable" of
  /// "AppCmd_CompInfo", default false).
  bool GetMenuEnable();
  void SaveOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  void CleanOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  void PrepareLoadProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  bool LoadNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  bool RestoreNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;

 private:
  void RecordLoad(const wchar_t *op, const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info);
};
