// Stand-ins of the managers of MoxManagers: recording fakes (see
// journal/StandIn.h) that do none of the library's own work.
#pragma once

#include <string>

#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_MOXMANAGERS_CLASSES(X)                               \
  X(MOXMANAGERS::CLIENTUPDATE, CClientUpdateMgr)                \
  X(MOXMANAGERS::ORVELNET, COrvelNetMgr)                        \
  X(MOXMANAGERS::MOXCURPROJ, CMoxCurProjectMgr)                 \
  X(MOXMANAGERS::PANE, TaskPaneMgr)                             \
  X(MOXMANAGERS::ORGDEPT, COrgDeptMgr)                          \
  X(MOXMANAGERS::PROJDATA, CProjectDataMgr)                     \
  X(MOXMANAGERS::CONFIG, CSearchFilterQueryMgr)                 \
  X(MOXMANAGERS::MOXPATH, CMoxPathMgr)                          \
  X(MOXMANAGERS::DOWNLOAD, CMoxFileDownloadMgr)                 \
  X(MOXMANAGERS::UPLOAD, CMoxFileUploadMgr)                     \
  X(MOXMANAGERS::LOCALSTORAGE, CLocalDataStorageMgr)            \
  X(MOXMANAGERS::WORKSET, CWorkSetMgr)                          \
  X(MOXMANAGERS::FLOORSMERGE, CMoxFloorsMergeMgr)               \
  X(MOXMANAGERS::DISPCTRLUI, CDisplayControlUIMgr)              \
  X(MOXMANAGERS::UISTATE, CUIStateMgr)                          \
  X(MOXMANAGERS::BOTTOMAXIS, CBottomAxisMgr)                    \
  X(MOXMANAGERS::VIEWPORT, CViewPortMgr)                        \
  X(MOXMANAGERS::MODELEFFECTOPTION, CModelEffectOptionMgr)      \
  X(MOXMANAGERS::VIEWOPER, CViewOperMgr)                        \
  X(MOXMANAGERS::COMPHIDE, CCompHideMgr)                        \
  X(MOXMANAGERS::COMPSEARCH, CCompSearchMgr)                    \
  X(MOXMANAGERS::CDS, CCdsMgr)                                  \
  X(MOXMANAGERS::UPLOADPROJ, CUploadProjDataMgr)                \
  X(MOXMANAGERS::PROJDATA_PROC, CProjDataProcessMgr)            \
  X(MOXMANAGERS::PROJ_VER, CProjectVersionMgr)                  \
  X(MOXMANAGERS::PROCESSPOLLING, CProcessPollingMgr)            \
  X(MOXMANAGERS::UPLOADTIPMSG, CUploadMsgTipMgr)                \
  X(MOXMANAGERS::ORGNODETREE, COrgNodeTreeMgr)                  \
  X(MOXMANAGERS::TEMPORAYSHOW, CTemporayShowMgr)                \
  X(MOXMANAGERS::MOXCLIENTCONFIG, CMoxClientConfigMgr)          \
  X(MOXMANAGERS::TEKLAATTR, CTeklaCompAttrMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_MOXMANAGERS_FACTORIES(X)                                                 \
  X(MOXMANAGERS::PROJDATA, CreateProjFuntionMgr, IProjFunctionMgr)                  \
  X(MOXMANAGERS::AUTH, CreateAuthInfoMgr, IAuthInfoMgr)                             \
  X(MOXMANAGERS::FRAME, CreateMoxStartViewMgr, IMoxStartViewMgr)                    \
  X(MOXMANAGERS::PROJSTATUS, CreateMoxProjStatusMgr, IMoxProjStatusMgr)             \
  X(MOXMANAGERS::WORKSET, CreateWorkSetOriginalDataMgr, IWorkSetOriginalDataMgr)    \
  X(MOXMANAGERS::DIMMARKMGR, CreateDimMarkMgr, IDimMarkMgr)                         \
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
/// the manager gets.
#define KV_MOXMANAGERS_NAMED_FACTORIES(X)                                          \
  X(MOXMANAGERS::LOG, CreateRecordLogMgr, IRecordLogMgr, L"MoxRecordLogMgr")        \
  X(MOXMANAGERS, CreateCuttingPlaneMgr, ICuttingPlaneMgr, L"MoxCuttingPlaneMgr")   \
  X(MOXMANAGERS::ELEVATION, CreateElevCatMgr, IElevCatMgr, L"MoxElevCatMgr")

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
class ICasMgr {
 public:
  virtual ~ICasMgr() {}
};

/// Made by the framework (CMoxKeelFramework), not by the program's list.
class CCasMgr : public ICasMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  /// The registry name, with its final blank.
  static const wchar_t *const kName;
  CCasMgr();
};

}  // namespace MOXMANAGERS::CAS
