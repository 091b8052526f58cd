// The program's command table, exported for the command manager, which
// finds GetCommands in the program with dlsym. Each call appends a fresh
// set of commands, in table order, after what the vector holds; the caller
// owns them. The maker's web-page commands are not in the table.
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "ColorCmd.h"
#include "InitCmd.h"
#include "KvCompAttrCmd.h"
#include "KvDimMarkCmd.h"
#include "KvDownloadProjCmd.h"
#include "KvExitCmd.h"
#include "KvIdleCmd.h"
#include "KvLableClrCmd.h"
#include "KvOpenTipCmd.h"
#include "OutsideCall.h"
#include "commands/Commands.h"
#include "keel/cmd/CmdObject.h"
#include "kvwalkproc/KVWalkProc.h"
#include "modula/Modula.h"
#include "moxcommands/Login.h"
#include "moxcommands/MoxCommands.h"
#include "wrench/LogMsg.h"

namespace {

using KEEL::CMD::ICmdObject;
using Commands = std::vector<ICmdObject *>;

// A row: makes its command, or null when that failed.
using MakeRow = ICmdObject *(*)();

template <class T>
ICmdObject *Make() {
  return new (std::nothrow) T();
}

template <class T>
ICmdObject *MakeNamed(const wchar_t *name) {
  return new (std::nothrow) T(std::wstring(name));
}

// A factory's object that is no command is not ours to keep.
template <class I>
ICmdObject *FromFactory(I *made) {
  auto *command = dynamic_cast<ICmdObject *>(made);
  if (!command) delete made;
  return command;
}

#define KV_ROW(...) [] { return Make<__VA_ARGS__>(); }
#define KV_NAMED(CLS, NAME) [] { return MakeNamed<CLS>(NAME); }
#define KV_FACTORY(FACTORY, NAME) [] { return FromFactory(FACTORY(std::wstring(NAME))); }

const MakeRow kRows[] = {
    KV_ROW(CInitCmd),
    KV_ROW(KEEL::CMD::CIdleCmdObj),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CCViewTranslationCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CViewZoomCmd),
    KV_ROW(MOXCOMMANDS::VIEWPORT::CViewCurWindowCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CViewOvweLookCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CViewLookUpCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CViewLookLeftCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CViewLookRightCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CLookMainViewCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CViewRearViewCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CLookWSViewCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CLookESViewCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CLookEnViewCmd),
    KV_ROW(MOXCOMMANDS::VIEWOPER::CLookWNViewCmd),
    KV_ROW(MOXCOMMANDS::ABOUT::CAboutDlgCmd),
    KV_ROW(MOXCOMMANDS::QUESTIONREPORT::QuestionReportCmd),
    KV_ROW(MOXCOMMANDS::LOGIN::CLoginMoxCmd),
    KV_ROW(MOXCOMMANDS::LOGIN::CSwitchEnterpriseCmd),
    KV_ROW(MOXCOMMANDS::LOGIN::CSwitchUserCmd),
    KV_ROW(MOXCOMMANDS::LEFTUI::CLeftUICmd),
    KV_ROW(MOXCOMMANDS::PROJECT::COpenProjectCmd),
    KV_ROW(MOXCOMMANDS::DISPLAYFILTER::CDisplayFilterCmd),
    KV_ROW(MOXCOMMANDS::VIEWPORT::COpenViewPortMgrCmd),
    KV_ROW(MOXCOMMANDS::VIEWPORT::CSaveCurViewPortCmd),
    KV_ROW(MOXCOMMANDS::AXISNET::CAxisNetSetCmd),
    KV_ROW(MOXCOMMANDS::AXISNETSHOW::CAxisNetShowCmd),
    KV_ROW(MOXCOMMANDS::LEFTPANEL::CLeftPanelCmd),
    KV_ROW(MOXCOMMANDS::CBackgroundCmd),
    KV_ROW(MOXCOMMANDS::MODELEFFECTOPTION::CModelShadowCmd),
    KV_ROW(MOXCOMMANDS::MODELEFFECTOPTION::CModelOutlineCmd),
    KV_ROW(MOXCOMMANDS::MODELEFFECTOPTION::CModelReflectCmd),
    KV_ROW(MOXCOMMANDS::MODELEFFECTOPTION::CModelShieldCmd),
    KV_ROW(MOXCOMMANDS::MODELEFFECTOPTION::CModelFPSCmd),
    KV_ROW(MOXCOMMANDS::MODELEFFECTOPTION::CModelApertureCompensationCmd),
    KV_ROW(MOXCOMMANDS::MODELEFFECTOPTION::CDriverUpCmd),
    KV_ROW(MOXCOMMANDS::WORKSET::CAdminWorkSetCmd),
    KV_ROW(MOXCOMMANDS::WORKSET::COpenWorkSetCmd),
    KV_ROW(MOXCOMMANDS::WORKSET::CWorkSetBasePointCmd),
    KV_ROW(MOXCOMMANDS::WORKSET::CFloorInformationCmd),
    KV_ROW(MOXCOMMANDS::WORKSET::CCreateWorkSetCmd),
    KV_ROW(MOXCOMMANDS::WORKSET::CWorksetThumbCmd),
    KV_ROW(MOXCOMMANDS::DWONLOADCURPROJECT::CDownloadCurProjectCmd),
    KV_ROW(MOXCOMMANDS::COMPSEARCH::CCompSearchCmd),
    KV_ROW(MOXCOMMANDS::VIEWPART::CViewPartCmd),
    KV_ROW(CKvIdleCmd),
    KV_ROW(MOXCOMMANDS::COMPFILTER::CCompFilterCmd),
    KV_ROW(MOXCOMMANDS::COMPHIDE::CCompHideCmd),
    KV_ROW(MOXCOMMANDS::COMPHIDE::CCancelHideCmd),
    KV_ROW(MOXCOMMANDS::BUILDINGAREA::CBuildingAreaDlgCmd),
    KV_ROW(MOXCOMMANDS::CEnterCuttingPlaneCmd),
    KV_ROW(MOXCOMMANDS::CExitCuttingPlaneCmd),
    KV_ROW(MOXCOMMANDS::UPLOADPROJ::CUploadProjCmd),
    KV_ROW(MOXCOMMANDS::PROJDATA_PROC::CLocaldataProcCmd),
    KV_ROW(CKvDownloadProjCmd),
    KV_NAMED(CKvDimMarkCmd, L"AppCmd_DISTANCE"),
    KV_NAMED(CKvDimMarkCmd, L"AppCmd_DUIQI"),
    KV_NAMED(CKvDimMarkCmd, L"AppCmd_XIANXING"),
    KV_ROW(MOXCOMMANDS::DIMMARKCMD::CDimMarkCmd),
    KV_ROW(CKvLableClrCmd),
    KV_ROW(CCompInfoCmd),
    KV_NAMED(CKvCompAttrCmd, L"AppCmd_CompAttr"),
    KV_NAMED(CKvCompAttrCmd, L"AppCmd_CompEdit"),
    KV_NAMED(CKvCompAttrCmd, L"AppCmd_CompCount"),
    KV_ROW(MOXCOMMANDS::ELEVATION::COriginalElevationCmd),
    KV_ROW(MOXCOMMANDS::ELEVATION::CBuildingElevationCmd),
    KV_ROW(MOXCOMMANDS::ELEVATION::CStructureElevationCmd),
    KV_ROW(MOXCOMMANDS::ELEVATION::CAbsoluteElevationCmd),
    KV_ROW(COMMANDS::CElevationSetCmd),
    KV_FACTORY(MODKIT::HOOPS::CreateHoopsSegCmd, L"AppHoopsSegCmd"),
    KV_FACTORY(MODKIT::HOOPS::CreateHoopsBoundingBoxSegCmd, L"AppHoopsBoundingSegCmd"),
    KV_FACTORY(MODKIT::HOOPS::CreateHoopsBoundingBoxSegCmd, L"AppHoopsStaticBoundingSegCmd"),
    KV_ROW(CKvOpenTipCmd),
    KV_ROW(CKvExitCmd),
    KV_NAMED(CColorCmd, L"APP_DEFAULT0"),
    KV_NAMED(CColorCmd, L"APP_DEFAULT1"),
    KV_NAMED(CColorCmd, L"APP_DEFAULT2"),
    KV_NAMED(CColorCmd, L"APP_DEFAULT3"),
    KV_NAMED(CColorCmd, L"APP_DEFAULT4"),
    KV_ROW(MOXCOMMANDS::HOOPSCOLORCMD::CHoopsColorCmd),
    KV_ROW(MOXCOMMANDS::CColorTmplCmd),
    KV_ROW(MOXCOMMANDS::COMPIMAGECMD::CCompImageCmd),
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void GetCommands(std::vector<ICmdObject *> &commands) {
  for (size_t row = 0; row < std::size(kRows); ++row) {
    ICmdObject *command = nullptr;
    std::wstring why;
    // A row that could not be made is left out; the rest are still made.
    if (!CallOutside([&] { command = kRows[row](); }, why))
      WRENCH::CLogMsg::LogMsg(WRENCH::LV_ERROR,
                              (L"command row " + std::to_wstring(row) + L" was not made: " + why).c_str());
    if (command) commands.push_back(command);
  }
}
