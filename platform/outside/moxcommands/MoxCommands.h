// Stand-ins of the command classes of MoxCommands: recording commands (see
// journal/RecordingCmd.h), each under its own name, that do none of the
// library's own work. Their journal shows a run's parameter with its type
// where it is one of the types below: "EDimension 1", "TmplMode 2",
// "DownloadParm 0 3 42 true".
#pragma once

#include <boost/any.hpp>

#include <string>

#include "journal/RecordingCmd.h"

/// The colour modes of the colour-mode command "AppCmd_ColorMode".
enum TmplMode { TMPL_MODE0 = 0, TMPL_MODE1 = 1, TMPL_MODE2 = 2, TMPL_MODE3 = 3, TMPL_MODE4 = 4 };

namespace MOXCOMMANDS {

/// A parameter as journal text, with the types of this library's commands.
std::wstring MoxParamText(const boost::any &param);

/// The base of this library's command stand-ins.
class CMoxRecordingCmd : public ::KVOUTSIDE::CRecordingCmd {
 public:
  using CRecordingCmd::CRecordingCmd;

 protected:
  std::wstring ParamText(const boost::any &param) const override { return MoxParamText(param); }
};

}  // namespace MOXCOMMANDS

/// Commands: namespace, class, name, group.
#define KV_MOXCOMMANDS_COMMANDS(X)                                                                     \
  X(MOXCOMMANDS::VIEWOPER, CCViewTranslationCmd, L"AppCmd_ViewTranslation", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::VIEWOPER, CViewZoomCmd, L"AppCmd_ViewZoom", KEEL::CMD::CMD_GROUP_PUSH)                \
  X(MOXCOMMANDS::VIEWPORT, CViewCurWindowCmd, L"AppCmd_ViewCurWindow", KEEL::CMD::CMD_GROUP_PUSH)      \
  X(MOXCOMMANDS::VIEWOPER, CViewOvweLookCmd, L"AppCmd_ViewOvweLook", KEEL::CMD::CMD_GROUP_PUSH)        \
  X(MOXCOMMANDS::VIEWOPER, CViewLookUpCmd, L"AppCmd_ViewLookUp", KEEL::CMD::CMD_GROUP_PUSH)            \
  X(MOXCOMMANDS::VIEWOPER, CViewLookLeftCmd, L"AppCmd_ViewLookLeft", KEEL::CMD::CMD_GROUP_PUSH)        \
  X(MOXCOMMANDS::VIEWOPER, CViewLookRightCmd, L"AppCmd_ViewLookRight", KEEL::CMD::CMD_GROUP_PUSH)      \
  X(MOXCOMMANDS::VIEWOPER, CLookMainViewCmd, L"AppCmd_LookMainView", KEEL::CMD::CMD_GROUP_PUSH)        \
  X(MOXCOMMANDS::VIEWOPER, CViewRearViewCmd, L"AppCmd_ViewRearView", KEEL::CMD::CMD_GROUP_PUSH)        \
  X(MOXCOMMANDS::VIEWOPER, CLookWSViewCmd, L"AppCmd_LookWSView", KEEL::CMD::CMD_GROUP_PUSH)            \
  X(MOXCOMMANDS::VIEWOPER, CLookESViewCmd, L"AppCmd_LookESView", KEEL::CMD::CMD_GROUP_PUSH)            \
  X(MOXCOMMANDS::VIEWOPER, CLookEnViewCmd, L"AppCmd_LookEnView", KEEL::CMD::CMD_GROUP_PUSH)            \
  X(MOXCOMMANDS::VIEWOPER, CLookWNViewCmd, L"AppCmd_LookWNView", KEEL::CMD::CMD_GROUP_PUSH)            \
  X(MOXCOMMANDS::ABOUT, CAboutDlgCmd, L"AppCmd_About", KEEL::CMD::CMD_GROUP_PUSH)                      \
  X(MOXCOMMANDS::QUESTIONREPORT, QuestionReportCmd, L"AppCmd_QuestionReport", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::LOGIN, CSwitchEnterpriseCmd, L"APP_SWITCHENTERPRISE_CMD", KEEL::CMD::CMD_GROUP_PUSH)  \
  X(MOXCOMMANDS::LOGIN, CSwitchUserCmd, L"APP_SWITCHUSER_CMD", KEEL::CMD::CMD_GROUP_PUSH)              \
  X(MOXCOMMANDS::PROJECT, COpenProjectCmd, L"APP_OPENPROJECT_CMD", KEEL::CMD::CMD_GROUP_PUSH)          \
  X(MOXCOMMANDS::DISPLAYFILTER, CDisplayFilterCmd, L"AppCmd_DisplayFilter", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::VIEWPORT, COpenViewPortMgrCmd, L"AppCmd_OpenVPMgr", KEEL::CMD::CMD_GROUP_PUSH)        \
  X(MOXCOMMANDS::VIEWPORT, CSaveCurViewPortCmd, L"AppCmd_SaveViewPort", KEEL::CMD::CMD_GROUP_PUSH)     \
  X(MOXCOMMANDS::AXISNET, CAxisNetSetCmd, L"AppCmd_AxisNetSet", KEEL::CMD::CMD_GROUP_PUSH)             \
  X(MOXCOMMANDS::AXISNETSHOW, CAxisNetShowCmd, L"AppCmd_AxisNetShow", KEEL::CMD::CMD_GROUP_PUSH)       \
  X(MOXCOMMANDS, CBackgroundCmd, L"AppCmd_Background", KEEL::CMD::CMD_GROUP_PUSH)                      \
  X(MOXCOMMANDS::MODELEFFECTOPTION, CModelShadowCmd, L"AppCmd_ModelShadow", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::MODELEFFECTOPTION, CModelOutlineCmd, L"AppCmd_ModelOutline", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::MODELEFFECTOPTION, CModelReflectCmd, L"AppCmd_ModelReflect", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::MODELEFFECTOPTION, CModelShieldCmd, L"AppCmd_ModelShield", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::MODELEFFECTOPTION, CModelFPSCmd, L"AppCmd_ModelFPS", KEEL::CMD::CMD_GROUP_PUSH)       \
  X(MOXCOMMANDS::MODELEFFECTOPTION, CModelApertureCompensationCmd, L"AppCmd_ModelApertureCompensation", \
    KEEL::CMD::CMD_GROUP_PUSH)                                                                         \
  X(MOXCOMMANDS::MODELEFFECTOPTION, CDriverUpCmd, L"AppCmd_AllDriver", KEEL::CMD::CMD_GROUP_PUSH)      \
  X(MOXCOMMANDS::WORKSET, CAdminWorkSetCmd, L"APP_WORKSET_ADMIN", KEEL::CMD::CMD_GROUP_PUSH)           \
  X(MOXCOMMANDS::WORKSET, COpenWorkSetCmd, L"APP_WORKSET_OPEN", KEEL::CMD::CMD_GROUP_PUSH)             \
  X(MOXCOMMANDS::WORKSET, CWorkSetBasePointCmd, L"APP_WORKSET_BASEPOINT", KEEL::CMD::CMD_GROUP_PUSH)   \
  X(MOXCOMMANDS::WORKSET, CFloorInformationCmd, L"APP_WORKSET_FLOORINFO", KEEL::CMD::CMD_GROUP_PUSH)   \
  X(MOXCOMMANDS::WORKSET, CCreateWorkSetCmd, L"APP_WORKSET_CREATE", KEEL::CMD::CMD_GROUP_PUSH)         \
  X(MOXCOMMANDS::WORKSET, CWorksetThumbCmd, L"APP_WORKSET_THUMB", KEEL::CMD::CMD_GROUP_PUSH)           \
  X(MOXCOMMANDS::DWONLOADCURPROJECT, CDownloadCurProjectCmd, L"App_DownloadCurProject_CMD",            \
    KEEL::CMD::CMD_GROUP_PUSH)                                                                         \
  X(MOXCOMMANDS::COMPSEARCH, CCompSearchCmd, L"AppCmd_CompSearch", KEEL::CMD::CMD_GROUP_PUSH)          \
  X(MOXCOMMANDS::VIEWPART, CViewPartCmd, L"APP_VIEWPART_CMD", KEEL::CMD::CMD_GROUP_PUSH)               \
  X(MOXCOMMANDS::COMPFILTER, CCompFilterCmd, L"AppCmd_CompFilter", KEEL::CMD::CMD_GROUP_PUSH)          \
  X(MOXCOMMANDS::COMPHIDE, CCompHideCmd, L"AppCmd_CompHide", KEEL::CMD::CMD_GROUP_PUSH)                \
  X(MOXCOMMANDS::COMPHIDE, CCancelHideCmd, L"AppCmd_CancelHide", KEEL::CMD::CMD_GROUP_PUSH)            \
  X(MOXCOMMANDS::BUILDINGAREA, CBuildingAreaDlgCmd, L"AppCmd_BuildingArea", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS, CEnterCuttingPlaneCmd, L"AppCmd_EnterCuttingPlane", KEEL::CMD::CMD_GROUP_PUSH)        \
  X(MOXCOMMANDS, CExitCuttingPlaneCmd, L"AppCmd_ExitCuttingPlane", KEEL::CMD::CMD_GROUP_PUSH)          \
  X(MOXCOMMANDS::UPLOADPROJ, CUploadProjCmd, L"AppCmd_UploadProj", KEEL::CMD::CMD_GROUP_PUSH)          \
  X(MOXCOMMANDS::PROJDATA_PROC, CLocaldataProcCmd, L"AppCmd_LocalDataProc", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::DIMMARKCMD, CDimMarkCmd, L"AppCmd_DimMark", KEEL::CMD::CMD_GROUP_PUSHPULL)            \
  X(MOXCOMMANDS::ELEVATION, COriginalElevationCmd, L"APP_ORIGINAL_ELEVATION", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::ELEVATION, CBuildingElevationCmd, L"APP_BUILDING_ELEVATION", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::ELEVATION, CStructureElevationCmd, L"APP_STRUCTURE_ELEVATION", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::ELEVATION, CAbsoluteElevationCmd, L"APP_ABSOLUTE_ELEVATION", KEEL::CMD::CMD_GROUP_PUSH) \
  X(MOXCOMMANDS::HOOPSCOLORCMD, CHoopsColorCmd, L"AppCmd_ColorMode", KEEL::CMD::CMD_GROUP_PUSH)        \
  X(MOXCOMMANDS, CColorTmplCmd, L"AppCmd_ColorTmp", KEEL::CMD::CMD_GROUP_PUSH)                         \
  X(MOXCOMMANDS::COMPIMAGECMD, CCompImageCmd, L"AppCmd_ColorImage", KEEL::CMD::CMD_GROUP_PUSH)

#define KV_MOXCOMMANDS_DECLARE_COMMAND(NS, CLS, NAME, GROUP) \
  namespace NS {                                             \
  class CLS : public ::MOXCOMMANDS::CMoxRecordingCmd {       \
   public:                                                   \
    CLS();                                                   \
  };                                                         \
  }
#define KV_MOXCOMMANDS_DEFINE_COMMAND(NS, CLS, NAME, GROUP) \
  NS::CLS::CLS() : ::MOXCOMMANDS::CMoxRecordingCmd(L"" #NS "::" #CLS, NAME, GROUP) {}

KV_MOXCOMMANDS_COMMANDS(KV_MOXCOMMANDS_DECLARE_COMMAND)

namespace MOXCOMMANDS::LEFTUI {

/// The left-pane command "AppCmd_LEFTUI": a run that does not fault makes
/// the left pane of "MoxTaskPaneMgr" (TaskPaneMgr::CreateLeftPane).
class CLeftUICmd : public ::MOXCOMMANDS::CMoxRecordingCmd {
 public:
  CLeftUICmd();
  bool Executing() override;
};

}  // namespace MOXCOMMANDS::LEFTUI

namespace MOXCOMMANDS::LEFTPANEL {

/// The left panel command "AppCmd_LeftPanel".
class CLeftPanelCmd : public ::MOXCOMMANDS::CMoxRecordingCmd {
 public:
  CLeftPanelCmd();
  /// Whether the left panel is shown (answer "IsLeftPanelShow" of
  /// "AppCmd_LeftPanel", default false).
  bool IsLeftPanelShow();
};

}  // namespace MOXCOMMANDS::LEFTPANEL
