// Stand-ins of the managers of MoxManagers: recording fakes (see
// journal/StandIn.h) that do none of the library's own work.
#pragma once

#include <boost/shared_ptr.hpp>
#include <map>
#include <set>
#include <string>

#include "journal/StandIn.h"
#include "keel/utility/Subject.h"
#include "moxcommands/TreeStatus.h"
#include "moxmanagers/ProjectStandIns.h"
#include "ui/MsgMap.h"
#include "ui/Wnd.h"

/// Classes: namespace, class.
#define KV_MOXMANAGERS_CLASSES(X)                               \
  X(MOXMANAGERS::CLIENTUPDATE, CClientUpdateMgr)                \
  X(MOXMANAGERS::ORGDEPT, COrgDeptMgr)                          \
  X(MOXMANAGERS::CONFIG, CSearchFilterQueryMgr)                 \
  X(MOXMANAGERS::MOXPATH, CMoxPathMgr)                          \
  X(MOXMANAGERS::DOWNLOAD, CMoxFileDownloadMgr)                 \
  X(MOXMANAGERS::UPLOAD, CMoxFileUploadMgr)                     \
  X(MOXMANAGERS::LOCALSTORAGE, CLocalDataStorageMgr)            \
  X(MOXMANAGERS::FLOORSMERGE, CMoxFloorsMergeMgr)               \
  X(MOXMANAGERS::BOTTOMAXIS, CBottomAxisMgr)                    \
  X(MOXMANAGERS::VIEWOPER, CViewOperMgr)                        \
  X(MOXMANAGERS::COMPHIDE, CCompHideMgr)                        \
  X(MOXMANAGERS::COMPSEARCH, CCompSearchMgr)                    \
  X(MOXMANAGERS::CDS, CCdsMgr)                                  \
  X(MOXMANAGERS::UPLOADPROJ, CUploadProjDataMgr)                \
  X(MOXMANAGERS::PROJ_VER, CProjectVersionMgr)                  \
  X(MOXMANAGERS::UPLOADTIPMSG, CUploadMsgTipMgr)                \
  X(MOXMANAGERS::ORGNODETREE, COrgNodeTreeMgr)                  \
  X(MOXMANAGERS::TEMPORAYSHOW, CTemporayShowMgr)                \
  X(MOXMANAGERS::MOXCLIENTCONFIG, CMoxClientConfigMgr)          \
  X(MOXMANAGERS::TEKLAATTR, CTeklaCompAttrMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_MOXMANAGERS_FACTORIES(X)                                                 \
  X(MOXMANAGERS::PROJDATA, CreateProjFuntionMgr, IProjFunctionMgr)                  \
  X(MOXMANAGERS::PROJSTATUS, CreateMoxProjStatusMgr, IMoxProjStatusMgr)             \
  X(MOXMANAGERS::WORKSET, CreateWorkSetOriginalDataMgr, IWorkSetOriginalDataMgr)    \
  X(MOXMANAGERS::DIMMARKWEBSER, CreateDimMarkWebSerMgr, IDimMarkWebSerMgr)          \
  X(MOXMANAGERS::BASEPOINT, CreateSetBasePointMgr, ISetBasePointMgr)                \
  X(MOXMANAGERS::COMPIMAGEDLG, CreateCompImageDlgMgr, ICompImageDlgMgr)             \
  X(MOXMANAGERS::COLORDATA, CreateColorDataMgr, IColorDataMgr)                      \
  X(MOXMANAGERS::COLORTMP, CreateColorTmpMgr, IColorTmpMgr)                         \
  X(MOXMANAGERS::COMPIMAGE, CreateCompImageMgr, ICompImageMgr)                      \
  X(MOXMANAGERS::COMPINFOWEBSER, CreateCompBaseInfoWebSerMgr, ICompBaseInfoWebSerMgr) \
  X(MOXMANAGERS::COMPINFOWEBSER, CreateCompInfoWebSerMgr, ICompInfoWebSerMgr)       \
  X(MOXMANAGERS::COMPATTR, CreateComponentInfoMgr, IComponentInfoMgr)

/// Factories without arguments: namespace, factory, interface, the name
/// the manager gets (none left: each is written out).
#define KV_MOXMANAGERS_NAMED_FACTORIES(X)

KV_MOXMANAGERS_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
KV_MOXMANAGERS_FACTORIES(KV_OUTSIDE_DECLARE_FACTORY)
KV_MOXMANAGERS_NAMED_FACTORIES(KV_OUTSIDE_DECLARE_NAMED_FACTORY)

namespace MOXMANAGERS::FUNCTIONLOG {

/// The function-use and operation log "AppFunctionLogMgr".
class IFunctionLogMgr {
 public:
  virtual ~IFunctionLogMgr() {}
  /// One entry of two texts; `flag` as the caller gives it.
  virtual void AddLogInfo(const std::wstring &first, const std::wstring &second, bool flag) = 0;
  /// One entry of two texts and a number.
  virtual void AddLogInfo(const std::wstring &first, const std::wstring &second, int value) = 0;
};

/// Records each entry as "AddLogInfo" with its three arguments (a bool as
/// "true"/"false", an int as its digits).
class CFunctionLogMgr : public IFunctionLogMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CFunctionLogMgr(const std::wstring &name);
  void AddLogInfo(const std::wstring &first, const std::wstring &second, bool flag) override;
  void AddLogInfo(const std::wstring &first, const std::wstring &second, int value) override;
};

}  // namespace MOXMANAGERS::FUNCTIONLOG

namespace MOXMANAGERS::CAS {

/// The login service "CENTRALAUTHENTICATIONSERVICE_MGR " (final blank).
/// The current enterprise of the login: a leading field and two texts.
struct StEnterprise {
  int nId = 0;
  std::wstring strName;
  std::wstring strCode;
};

/// Told of the login's course (subject key 5).
class ILoginObserver {
 public:
  virtual ~ILoginObserver() {}
  /// A login begins.
  virtual void OnLoginBegin() = 0;
  /// The 3D view is to be reset.
  virtual void OnLoginReset() = 0;
  /// The panes and view tabs of the last login are to be closed.
  virtual void OnLoginClosePanes() = 0;
  /// A login has ended.
  virtual void OnLoginEnd() = 0;
};

class ICasMgr : public virtual ::KEEL::UTILITY::ISubject<ILoginObserver> {
 public:
  ~ICasMgr() override {}
  /// The logged-in user (answer "GetUserName").
  virtual std::wstring GetUserName() = 0;
  /// The current enterprise (answers "GetEnterpriseName", "GetEnterpriseCode").
  virtual StEnterprise GetCurEnterprise() = 0;
  /// Ends the login.
  virtual void LogOut() = 0;
};

/// Made by the framework (CMoxKeelFramework), not by the program's list.
class CCasMgr : public ICasMgr,
                public ::KEEL::UTILITY::CSubject<ILoginObserver>,
                public ::KVOUTSIDE::CRecordingMgr {
 public:
  /// The registry name, with its final blank.
  static const wchar_t *const kName;
  CCasMgr();
  std::wstring GetUserName() override;
  StEnterprise GetCurEnterprise() override;
  void LogOut() override;
};

}  // namespace MOXMANAGERS::CAS

namespace MOXMANAGERS::ORVELNET {

/// The push manager "MoxPushDllMgr".
class IOrvelNetMgr {
 public:
  virtual ~IOrvelNetMgr() {}
  /// Starts the update service of the program's files.
  virtual void StartProgramFileUpdateService() = 0;
  /// The program files' version number (answer "GetProgramFileVersion").
  virtual int GetProgramFileVersion() = 0;
};

class COrvelNetMgr : public IOrvelNetMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit COrvelNetMgr(const std::wstring &name);
  void StartProgramFileUpdateService() override;
  int GetProgramFileVersion() override;
};

}  // namespace MOXMANAGERS::ORVELNET

namespace MOXMANAGERS::MOXCURPROJ {

/// The current project's state and identifier.
struct StCurProjState {
  int nState = 0;  // 3: a work set is open
  int nProjId = 0;
};

/// What is opened: nOpenType 2 a project, 3 a work set (others occur);
/// nOpenId the project's or work set's identifier.
struct StOpenInfo {
  int nOpenType = 0;
  int nOpenId = 0;
};

/// Told around the loading of a project or work set.
class IMoxProjLoadObserver {
 public:
  virtual ~IMoxProjLoadObserver() {}
  virtual void SaveOldProjInfo(const StOpenInfo &info) = 0;
  virtual void CleanOldProjInfo(const StOpenInfo &info) = 0;
  virtual void PrepareLoadProjInfo(const StOpenInfo &info) = 0;
  virtual bool LoadNewProjInfo(const StOpenInfo &info) = 0;
  virtual bool RestoreNewProjInfo(const StOpenInfo &info) = 0;
};

/// The current project "MoxCurProjectMgr"; its project-load observers are
/// attached under key 5.
class IMoxCurProjectMgr : public virtual KEEL::UTILITY::ISubject<IMoxProjLoadObserver> {
 public:
  virtual ~IMoxCurProjectMgr() {}
  /// Closes the current project.
  virtual void CleanCurOpenInfo() = 0;
  /// The current project's state and identifier (answers "GetCurProjState"
  /// and "GetCurProjId", default 0).
  virtual StCurProjState GetCurProjState() = 0;
};

class CMoxCurProjectMgr : public IMoxCurProjectMgr,
                          public KEEL::UTILITY::CSubject<IMoxProjLoadObserver>,
                          public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CMoxCurProjectMgr(const std::wstring &name);
  void CleanCurOpenInfo() override;
  /// Loads `info` (recorded; nothing is read): the observers under key 5
  /// are told, each step to all of them in attachment order: SaveOldProjInfo,
  /// CleanOldProjInfo, PrepareLoadProjInfo, LoadNewProjInfo,
  /// RestoreNewProjInfo. False when an observer's LoadNewProjInfo or
  /// RestoreNewProjInfo returned false (every observer is told anyway).
  bool LoadProject(const StOpenInfo &info);
  StCurProjState GetCurProjState() override;
};

}  // namespace MOXMANAGERS::MOXCURPROJ

namespace MOXMANAGERS::DISPCTRLUI {

/// Told about the display-control state.
class IDisplayControlUIObserver {
 public:
  virtual ~IDisplayControlUIObserver() {}
  /// The display filter was switched on or off.
  virtual void OnFilterStateChanged(bool on) = 0;
  /// The tree of operator `name` is to be read again.
  virtual void OnRefreshTree(const std::wstring &name) = 0;
  /// The tree named in `status` takes that state.
  virtual void OnSetTreeStatus(const MOXCOMMANDS::SHARED_UI::StTreeStatus &status) = 0;
  /// Asks for the tree's state.
  virtual void OnGetTreeStatus(MOXCOMMANDS::SHARED_UI::StTreeStatus &status) = 0;
  /// The trees' selection is to be cleared.
  virtual void OnClearSelection() = 0;
  /// Whether the filter may change now.
  virtual bool CanChangeFilter() = 0;
};

/// The display-control manager "MoxDisplayControlUIMgr"; observers are
/// attached under key 5.
class IDisplayControlUIMgr : public virtual KEEL::UTILITY::ISubject<IDisplayControlUIObserver> {
 public:
  virtual ~IDisplayControlUIMgr() {}
};

/// Records each notification it sends; the operations below notify the
/// observers under key 5 in attachment order.
class CDisplayControlUIMgr : public IDisplayControlUIMgr,
                             public KEEL::UTILITY::CSubject<IDisplayControlUIObserver>,
                             public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CDisplayControlUIMgr(const std::wstring &name);
  /// Tells OnFilterStateChanged(on).
  void SetFilterState(bool on);
  /// Tells OnRefreshTree(name).
  void RefreshTree(const std::wstring &name);
  /// Tells OnSetTreeStatus(status).
  void SetTreeStatus(const MOXCOMMANDS::SHARED_UI::StTreeStatus &status);
  /// Tells OnGetTreeStatus, each observer filling the same record.
  MOXCOMMANDS::SHARED_UI::StTreeStatus GetTreeStatus();
};

}  // namespace MOXMANAGERS::DISPCTRLUI

namespace MOXMANAGERS::PROJDATA_PROC {

/// Local processing of project data "MoxProjDataProcMgr".
class IProjDataProcessMgr {
 public:
  virtual ~IProjDataProcessMgr() {}
  /// Whether a local processing task is unfinished (answer "IsHaveTask").
  virtual bool IsHaveTask() = 0;
  /// Offered data another process sent; whether it took it (answer
  /// "OnCopyData", default false).
  virtual bool OnCopyData(COPYDATASTRUCT *data) = 0;
};

class CProjDataProcessMgr : public IProjDataProcessMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CProjDataProcessMgr(const std::wstring &name);
  bool IsHaveTask() override;
  bool OnCopyData(COPYDATASTRUCT *data) override;
};

}  // namespace MOXMANAGERS::PROJDATA_PROC

namespace MOXMANAGERS::PROCESSPOLLING {

/// Polling of helper processes "MoxProcessPolling".
class IProcessPollingMgr {
 public:
  virtual ~IProcessPollingMgr() {}
  /// Starts polling for the process the data names.
  virtual void StartPolling(COPYDATASTRUCT *data) = 0;
};

class CProcessPollingMgr : public IProcessPollingMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CProcessPollingMgr(const std::wstring &name);
  void StartPolling(COPYDATASTRUCT *data) override;
};

}  // namespace MOXMANAGERS::PROCESSPOLLING

namespace MOXMANAGERS::FRAME {

/// The start view "Mox_StartView_Mgr".
class IMoxStartViewMgr {
 public:
  virtual ~IMoxStartViewMgr() {}
  /// The window the start view lies in.
  virtual void SetParentWnd(CWnd *parent) = 0;
  /// Shows or hides the start view.
  virtual void ShowStartView(BOOL show) = 0;
  /// The parent's client rectangle changed.
  virtual void OnResize(const CRect &rect) = 0;
};
IMoxStartViewMgr *CreateMoxStartViewMgr(const std::wstring &name);

}  // namespace MOXMANAGERS::FRAME

/// The key of an item of the 3D scene.
using HC_KEY = long long;

namespace MOXMANAGERS::DIMMARKMGR {

/// The kinds of dimension mark the dimension command places.
enum EDimension { DIM_DISTANCE = 0, DIM_ALIGNED = 1, DIM_LINEAR = 2 };

/// The dimension marks "MoxDimMarkMgr".
class IDimMarkMgr {
 public:
  virtual ~IDimMarkMgr() {}
  /// Resets the mark being placed.
  virtual void ResetDimMark() = 0;
  /// Drops the single point placed so far.
  virtual void CancelDimPoint() = 0;
  /// The marks take the configured colour.
  virtual void UpdateDimMarkColor() = 0;
  /// Whether `key` is a dimension mark (answer "IsDimMark": the keys that
  /// are, separated by blanks or commas).
  virtual bool IsDimMark(HC_KEY key) = 0;
  /// Deletes the marks `keys`.
  virtual void DeleteDimMarks(const std::set<HC_KEY> &keys) = 0;
  /// Loads the marks of the loaded project.
  virtual void LoadProjDimMarks() = 0;
};
IDimMarkMgr *CreateDimMarkMgr(const std::wstring &name);

}  // namespace MOXMANAGERS::DIMMARKMGR

namespace MOXMANAGERS::PANE {

/// The task panes "MoxTaskPaneMgr".
class ITaskPaneMgr {
 public:
  virtual ~ITaskPaneMgr() {}
  /// Whether the task pane is shown.
  virtual bool IsTaskPaneVisible() = 0;
  /// Shows a hidden task pane or hides a shown one.
  virtual void ToggleTaskPane() = 0;
  /// The left pane's window; empty while none exists.
  virtual boost::shared_ptr<CWnd> GetLeftPane() = 0;
  /// Shows or hides the left pane.
  virtual void ShowLeftPane(bool show) = 0;
  /// Makes `wnd` the left pane's content; `flag` as the caller gives it.
  virtual void SetLeftPaneWnd(CWnd *wnd, int flag) = 0;
};

/// Keeps the task pane's visibility (shown at first); records each toggle
/// and every left-pane call. The left pane exists once CreateLeftPane ran
/// (what the left-pane command "AppCmd_LEFTUI" does).
class TaskPaneMgr : public ITaskPaneMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit TaskPaneMgr(const std::wstring &name);
  ~TaskPaneMgr() override;
  bool IsTaskPaneVisible() override;
  void ToggleTaskPane() override;
  boost::shared_ptr<CWnd> GetLeftPane() override;
  void ShowLeftPane(bool show) override;
  void SetLeftPaneWnd(CWnd *wnd, int flag) override;
  /// Makes the left pane's window (a child of the main window when there
  /// is one), unless it exists.
  void CreateLeftPane();
  /// The left pane's content, or null.
  CWnd *GetLeftPaneWnd() const { return content_; }

 private:
  bool visible_ = true;
  boost::shared_ptr<CWnd> leftPane_;
  CWnd *content_ = nullptr;
};

}  // namespace MOXMANAGERS::PANE

namespace MOXMANAGERS::AUTH {

/// The user's rights "MoxAuthMgr".
class IAuthInfoMgr {
 public:
  virtual ~IAuthInfoMgr() {}
  /// Whether the user holds the right of authority code `code`.
  virtual bool HasAuthority(const std::wstring &code) = 0;
};
/// HasAuthority answers "HasAuthority:<code>", else "HasAuthority" (every
/// code), else false; recorded with the code and the result.
IAuthInfoMgr *CreateAuthInfoMgr(const std::wstring &name);

}  // namespace MOXMANAGERS::AUTH

namespace MOXMANAGERS::UISTATE {

/// Check states of the user interface "MoxUIStateMgr".
class IUIStateMgr {
 public:
  virtual ~IUIStateMgr() {}
  /// Whether the axis net is shown.
  virtual bool GetAxisNetCheck() = 0;
  /// Whether the part view is on.
  virtual bool GetViewPartCheck() = 0;
};

/// Answers "GetAxisNetCheck" and "GetViewPartCheck" (default false).
class CUIStateMgr : public IUIStateMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CUIStateMgr(const std::wstring &name);
  bool GetAxisNetCheck() override;
  bool GetViewPartCheck() override;
};

}  // namespace MOXMANAGERS::UISTATE

namespace MOXMANAGERS::MODELEFFECTOPTION {

/// The model's display effects "MoxModelEffectMgr".
class IModelEffectOptionMgr {
 public:
  virtual ~IModelEffectOptionMgr() {}
  /// Whether effect `key` is on.
  virtual bool IsEffectOn(std::wstring key) = 0;
};

/// Answers "IsEffectOn:<key>", else "IsEffectOn", else false.
class CModelEffectOptionMgr : public IModelEffectOptionMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CModelEffectOptionMgr(const std::wstring &name);
  bool IsEffectOn(std::wstring key) override;
};

}  // namespace MOXMANAGERS::MODELEFFECTOPTION

namespace MOXMANAGERS::ELEVATION {

/// The elevation kinds "MoxElevCatMgr".
class IElevCatMgr {
 public:
  virtual ~IElevCatMgr() {}
  /// Whether elevation kind `kind` may be used.
  virtual bool IsElevCatEnable(int kind) = 0;
};
/// "MoxElevCatMgr"; answers "IsElevCatEnable:<kind>", else
/// "IsElevCatEnable", else false.
IElevCatMgr *CreateElevCatMgr();

}  // namespace MOXMANAGERS::ELEVATION

namespace MOXMANAGERS::LOG {

/// Asked for the display names of commands (subject key 5).
class IRecordLogObserver {
 public:
  virtual ~IRecordLogObserver() {}
  /// Adds display names to `names` (command name -> display name).
  virtual void GetRecordLogName(std::map<std::wstring, std::wstring> &names) = 0;
};

/// The operation-record log "MoxRecordLogMgr".
class IRecordLogMgr : public virtual ::KEEL::UTILITY::ISubject<IRecordLogObserver> {
 public:
  ~IRecordLogMgr() override {}
};

class CRecordLogMgr : public IRecordLogMgr,
                      public ::KEEL::UTILITY::CSubject<IRecordLogObserver>,
                      public ::KVOUTSIDE::CRecordingMgr {
 public:
  CRecordLogMgr();
};
/// "MoxRecordLogMgr".
IRecordLogMgr *CreateRecordLogMgr();

}  // namespace MOXMANAGERS::LOG
