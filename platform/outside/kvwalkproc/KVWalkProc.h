// Stand-in of the walk module of KVWalkProc: a recording fake (see
// journal/StandIn.h); nothing walks.
#pragma once

#include <string>

#include "journal/RecordingCmd.h"
#include "journal/StandIn.h"
#include "ui/WinTypes.h"

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
};

/// The walk module "APP_WALK_MODULE_MGR"; records every call.
class CWalkModuleMgr : public IWalkModuleMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CWalkModuleMgr(std::wstring name);
  void ConflictExitWalkModule(const std::wstring &cmdName) override;
  void RemoveLastEnterpriseFile() override;
  void RudeCloseCommand() override;
};

}  // namespace EventMgr

/// The id of the 3D view's tab (0 until the view is made).
extern int nViewId;

/// The component-information command "AppCmd_CompInfo".
class CCompInfoCmd : public ::KVOUTSIDE::CRecordingCmd {
 public:
  CCompInfoCmd();
  /// Shows the information of the component at `point` under `caption`
  /// (recorded as "ShowInfo", x, y, caption).
  void ShowInfo(CPoint point, const CString &caption);
  /// Whether the information pane is shown (answer "GetMenuEnable" of
  /// "AppCmd_CompInfo", default false).
  bool GetMenuEnable();
};
