#include "KvCoreData.h"

#include <iterator>
#include <string>

#include "KvWebServiceManager.h"
#include "OutsideCall.h"
#include "hole/Hole.h"
#include "keel/KeelOutside.h"
#include "keel/mfc/MFCViewMgr.h"
#include "kvcollision/KVCollisionComponent.h"
#include "kvwalkproc/KVWalkProc.h"
#include "managers/Managers.h"
#include "modula/Modula.h"
#include "moxmanagers/MoxManagers.h"
#include "moxwebservicesmanagers/MoxWebServicesManagers.h"
#include "tandem/Tandem.h"
#include "ui/UiThread.h"
#include "wrench/LogMsg.h"

CKvCoreData *g_pKvCoreData = nullptr;

namespace {

using KEEL::FRAME::IMgrObject;

// One row of the list: its registry name (null where the factory names the
// manager), how the manager is made and the class or factory that makes it.
struct MgrRow {
  const wchar_t *name;
  IMgrObject *(*make)(CKvCoreData &data, const std::wstring &name);
  const wchar_t *madeBy;
};

template <class T>
IMgrObject *Make(CKvCoreData &, const std::wstring &name) {
  return new T(name);
}

// An object that is no manager is not ours to keep.
template <class I>
IMgrObject *AsManager(I *made) {
  IMgrObject *manager = dynamic_cast<IMgrObject *>(made);
  if (!manager) delete made;
  return manager;
}

template <class I, I *(*Factory)(const std::wstring &)>
IMgrObject *Call(CKvCoreData &, const std::wstring &name) {
  return AsManager(Factory(name));
}

template <class I, I *(*Factory)()>
IMgrObject *CallNameless(CKvCoreData &, const std::wstring &) {
  return AsManager(Factory());
}

IMgrObject *MakeWndViewMgr(CKvCoreData &data, const std::wstring &name) {
  return new KEEL::MFC::CMFCViewMgr(data.m_pMainWnd, data.m_pView, name);
}

IMgrObject *MakeRibbonMenuMgr(CKvCoreData &, const std::wstring &name) {
  return new MODKIT::MFC::CRibbonMenuMgr(true, name);
}

IMgrObject *MakeMDITabPage(CKvCoreData &data, const std::wstring &name) {
  return new MODKIT::MFC::CMDITabPage(dynamic_cast<CBCGPMDIFrameWnd *>(data.m_pMainWnd), name);
}

IMgrObject *MakeWalkModuleMgr(CKvCoreData &, const std::wstring &name) {
  return new EventMgr::CWalkModuleMgr(std::wstring(name));
}

#define KV_CLASS(CLS) &Make<CLS>, L"" #CLS
#define KV_FACTORY(NS, FACTORY, IFACE) &Call<NS::IFACE, &NS::FACTORY>, L"" #NS "::" #FACTORY
#define KV_NAMELESS(NS, FACTORY, IFACE) &CallNameless<NS::IFACE, &NS::FACTORY>, L"" #NS "::" #FACTORY

const MgrRow kMgrRows[] = {
    {nullptr, KV_NAMELESS(MOXMANAGERS::LOG, CreateRecordLogMgr, IRecordLogMgr)},
    {L"AppHoopsBaseMgr", KV_CLASS(KEEL::HOOPS::CHoopsBaseMgr)},
    {L"AppHoopsCtrlMgr", KV_CLASS(KEEL::HOOPS::CHoopsCtrlMgr)},
    {L"AppHoopsPinMgr", KV_CLASS(KEEL::HOOPS::CHoopsPinMgr)},
    {L"AppMFCWndViewMgr", &MakeWndViewMgr, L"KEEL::MFC::CMFCViewMgr"},
    {L"AppRibbonMenuMgr", &MakeRibbonMenuMgr, L"MODKIT::MFC::CRibbonMenuMgr"},
    {L"AppStatusBarMgr", KV_FACTORY(MODKIT::MFC, CreateStatusBarMgr, IStatusBarMgr)},
    {L"MoxClientUpdateMgr", KV_CLASS(MOXMANAGERS::CLIENTUPDATE::CClientUpdateMgr)},
    {L"AppMDITabPageMgr", &MakeMDITabPage, L"MODKIT::MFC::CMDITabPage"},
    {L"APP_WALK_MODULE_MGR", &MakeWalkModuleMgr, L"EventMgr::CWalkModuleMgr"},
    {L"MoxPushDllMgr", KV_CLASS(MOXMANAGERS::ORVELNET::COrvelNetMgr)},
    {L"MoxCurProjectMgr", KV_CLASS(MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr)},
    {L"MoxTaskPaneMgr", KV_CLASS(MOXMANAGERS::PANE::TaskPaneMgr)},
    {L"MoxOrgDeptMgr", KV_CLASS(MOXMANAGERS::ORGDEPT::COrgDeptMgr)},
    {L"MoxProjectDataMgr", KV_CLASS(MOXMANAGERS::PROJDATA::CProjectDataMgr)},
    // A second push manager under "MoxPushDllMgr" is not made: the registry
    // keeps one manager per name.
    {L"MoxProjFunctionMgr", KV_FACTORY(MOXMANAGERS::PROJDATA, CreateProjFuntionMgr, IProjFunctionMgr)},
    {L"MOX_VxProjFunctionTip_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::PROJFUNCTIONTIP::CVxProjFunctionTipMgr)},
    {L"MoxSearchFilterQueryMgr", KV_CLASS(MOXMANAGERS::CONFIG::CSearchFilterQueryMgr)},
    {L"MoxPathMgr", KV_CLASS(MOXMANAGERS::MOXPATH::CMoxPathMgr)},
    {L"MoxFileDownloadMgr", KV_CLASS(MOXMANAGERS::DOWNLOAD::CMoxFileDownloadMgr)},
    {L"MoxFileUploadMgr", KV_CLASS(MOXMANAGERS::UPLOAD::CMoxFileUploadMgr)},
    {L"LocalDataStorgeMgr", KV_CLASS(MOXMANAGERS::LOCALSTORAGE::CLocalDataStorageMgr)},
    {L"MOX_MOXProj_MGR", KV_CLASS(CMOXProjMgr)},
    {L"MoxAuthMgr", KV_FACTORY(MOXMANAGERS::AUTH, CreateAuthInfoMgr, IAuthInfoMgr)},
    {L"Mox_StartView_Mgr", KV_FACTORY(MOXMANAGERS::FRAME, CreateMoxStartViewMgr, IMoxStartViewMgr)},
    {L"MOX_VxProjStatusService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::PROJSTATUS::CVxProjStatusServiceMgr)},
    {L"Mox_ProjStatus_Mgr", KV_FACTORY(MOXMANAGERS::PROJSTATUS, CreateMoxProjStatusMgr, IMoxProjStatusMgr)},
    {L"MoxDownloadExeMgr", KV_FACTORY(DOWNLOADEXE, CreateDownLoadExeMng, IDownLoadExeMng)},
    {L"MoxWorkSetMgr", KV_CLASS(MOXMANAGERS::WORKSET::CWorkSetMgr)},
    {L"MoxFloorsMergeMgr", KV_CLASS(MOXMANAGERS::FLOORSMERGE::CMoxFloorsMergeMgr)},
    {L"MoxDisplayControlUIMgr", KV_CLASS(MOXMANAGERS::DISPCTRLUI::CDisplayControlUIMgr)},
    {L"MoxWorksetOriginData",
     KV_FACTORY(MOXMANAGERS::WORKSET, CreateWorkSetOriginalDataMgr, IWorkSetOriginalDataMgr)},
    {L"MoxUIStateMgr", KV_CLASS(MOXMANAGERS::UISTATE::CUIStateMgr)},
    {L"MoxBottomAxisMgr", KV_CLASS(MOXMANAGERS::BOTTOMAXIS::CBottomAxisMgr)},
    {L"MOX_ClashRule_MGR", KV_CLASS(KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr)},
    {L"MOX_WalkPath_MGR", KV_CLASS(KVWEBSERVICEMANAGER::WALKPATH::CWalkPathMgr)},
    {L"MoxViewPortMgr", KV_CLASS(MOXMANAGERS::VIEWPORT::CViewPortMgr)},
    {L"MOX_VxwsViewPort_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::VIEWPORTSERVICE::CVxwsViewPortMgr)},
    {L"APP_COLLISION_MODEL_MGR", KV_CLASS(KVCOLLISION::LOGIC::KvCollisionCheckMgr)},
    {L"APP_COLLISION_RESULT_MGR", KV_CLASS(KVCOLLISION::RESULT::KvCollisionResultMgr)},
    {L"TandemLinkMgr", KV_CLASS(TANDEM::CTandemLinkMgr)},
    {L"MOX_VxwsCConfig_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::CLIENTCFGSERVICE::CVxwsCConfigMgr)},
    {L"MoxModelEffectMgr", KV_CLASS(MOXMANAGERS::MODELEFFECTOPTION::CModelEffectOptionMgr)},
    {L"MoxViewOperMgr", KV_CLASS(MOXMANAGERS::VIEWOPER::CViewOperMgr)},
    {L"CompHideMgr", KV_CLASS(MOXMANAGERS::COMPHIDE::CCompHideMgr)},
    {L"MoxCompSearch", KV_CLASS(MOXMANAGERS::COMPSEARCH::CCompSearchMgr)},
    {L"VxwsCommonDataMgr", KV_CLASS(MOXMANAGERS::CDS::CCdsMgr)},
    {nullptr, KV_NAMELESS(MOXMANAGERS, CreateCuttingPlaneMgr, ICuttingPlaneMgr)},
    {L"MoxDimMarkMgr", KV_FACTORY(MOXMANAGERS::DIMMARKMGR, CreateDimMarkMgr, IDimMarkMgr)},
    {L"MoxDimMarkWebSerMgr", KV_FACTORY(MOXMANAGERS::DIMMARKWEBSER, CreateDimMarkWebSerMgr, IDimMarkWebSerMgr)},
    {L"MOX_VxDimMarkService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::DIMMARK::CVxDimMarkServiceMgr)},
    {L"MoxUploadProjMgr", KV_CLASS(MOXMANAGERS::UPLOADPROJ::CUploadProjDataMgr)},
    {L"MoxProjDataProcMgr", KV_CLASS(MOXMANAGERS::PROJDATA_PROC::CProjDataProcessMgr)},
    {L"MoxProjectVersionMgr", KV_CLASS(MOXMANAGERS::PROJ_VER::CProjectVersionMgr)},
    {L"MoxProcessPolling", KV_CLASS(MOXMANAGERS::PROCESSPOLLING::CProcessPollingMgr)},
    {L"MoxUploadMsgTipMgr", KV_CLASS(MOXMANAGERS::UPLOADTIPMSG::CUploadMsgTipMgr)},
    {L"MOX_VxAuthSercice_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::AUTHSERVICE::CVxAuthSerciceMgr)},
    {L"MOX_VxProjectService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::PROJECTSERVICE::CVxProjectServiceMgr)},
    {L"MOX_VxUploadProjService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::UPLOADPROJ::CVxUploadProjServiceMgr)},
    {L"MOX_VxQuillOrgSercice_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::QUILLORGSERVICE::CVxQuillOrgSerciceMgr)},
    {L"MoxOrgNodeTreeMgr", KV_CLASS(MOXMANAGERS::ORGNODETREE::COrgNodeTreeMgr)},
    {L"MOX_VxDataExtractService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::DATAEXTRACT::CVxDataExtractServiceMgr)},
    {L"MOX_VxCompSearchService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::COMPSEARCH::CVxCompSearchServiceMgr)},
    {L"Mox_TemporayShowMgr", KV_CLASS(MOXMANAGERS::TEMPORAYSHOW::CTemporayShowMgr)},
    {L"MoxSetBasePointMgr", KV_FACTORY(MOXMANAGERS::BASEPOINT, CreateSetBasePointMgr, ISetBasePointMgr)},
    {L"MOX_VxwsOrg_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::ORGS::CVxwsOrgMgr)},
    {L"MOX_VxwsProject_MGR", KV_CLASS(CVxwsProjectMgr)},
    {L"MOX_VxwsFileAddress_MGR", KV_CLASS(CVxwsFileAddressMgr)},
    {L"MOX_VxwsWorkSet_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::WORKSETSERVICE::CVxwsWorkSetMgr)},
    {L"MOX_Device_MGR", KV_CLASS(KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr)},
    {L"MOX_ClashResultRelated_MGR", KV_CLASS(KVWEBSERVICEMANAGER::CLASHRESULTRELATED::CClashResultRelatedMgr)},
    {L"MOX_ClashResultView_MGR", KV_CLASS(KVWEBSERVICEMANAGER::CLASHRESULTVIEW::CClashResultViewMgr)},
    {L"MOX_VxwsCds_MGR", KV_CLASS(CVxwsCdsMgr)},
    {L"MoxClientConfigMgr", KV_CLASS(MOXMANAGERS::MOXCLIENTCONFIG::CMoxClientConfigMgr)},
    {L"AppFunctionLogMgr", KV_CLASS(MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr)},
    {L"MOX_VxwsMoxLog_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::MOXLOG::CVxwsMoxLogMgr)},
    {L"HoopsDataColorMgr", KV_FACTORY(KEEL::HOOPSDATACOLOR, CreateHoopsColorDataMgr, IHoopsColorDataMgr)},
    {L"MoxCompImageDlgMgr", KV_FACTORY(MOXMANAGERS::COMPIMAGEDLG, CreateCompImageDlgMgr, ICompImageDlgMgr)},
    {L"MoxColorDataMgr", KV_FACTORY(MOXMANAGERS::COLORDATA, CreateColorDataMgr, IColorDataMgr)},
    {L"MoxColorTmpSerMgr", KV_FACTORY(MOXMANAGERS::COLORTMP, CreateColorTmpMgr, IColorTmpMgr)},
    {L"MoxCompImageSerMgr", KV_FACTORY(MOXMANAGERS::COMPIMAGE, CreateCompImageMgr, ICompImageMgr)},
    {L"MOX_VxColorTmpService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::COLORTMP::CVxColorTmpServiceMgr)},
    {L"MOX_VxCompImageService_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::COMPIMAGE::CVxCompImageServiceMgr)},
    {L"TandemModelMgr", KV_CLASS(TANDEM::CTandemModelMgr)},
    {L"TandemAttrMgr", KV_CLASS(TANDEM::CTandemAttrMgr)},
    {L"TandemImageMgr", KV_CLASS(TANDEM::CTandemImageMgr)},
    {L"MOX_VxTeklaAttr_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::TEKLAATTR::CVxTeklaAttrMgr)},
    {L"MOX_VxRevitAttr_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::REVITATTR::CVxRevitAttrMgr)},
    {L"MOX_VxCompCustomAttr_MGR", KV_CLASS(MOXWEBSERVICESMANAGERS::CUSTOMATTR::CVxCompCustomAttrMgr)},
    {L"MoxCompBaseAttrWebMgr",
     KV_FACTORY(MOXMANAGERS::COMPINFOWEBSER, CreateCompBaseInfoWebSerMgr, ICompBaseInfoWebSerMgr)},
    {L"MoxCompAttrWebSerMgr", KV_FACTORY(MOXMANAGERS::COMPINFOWEBSER, CreateCompInfoWebSerMgr, ICompInfoWebSerMgr)},
    {L"MoxCompAttrMgr", KV_FACTORY(MOXMANAGERS::COMPATTR, CreateComponentInfoMgr, IComponentInfoMgr)},
    {L"MoxTeklaAttrMgr", KV_CLASS(MOXMANAGERS::TEKLAATTR::CTeklaCompAttrMgr)},
    {nullptr, KV_NAMELESS(MOXMANAGERS::ELEVATION, CreateElevCatMgr, IElevCatMgr)},
    {nullptr, KV_NAMELESS(MOXMANAGERS::ELEVATION, CreateElevGroupMgr, IElevGroupMgr)},
    {L"MOX_MOXDoc_MGR", KV_CLASS(CMOXDocMgr)},
    {nullptr, KV_NAMELESS(Hole, CreateHoleCheckMgr, IHoleCheckMgr)},
    {L"APP_HOLE_RULE_MGR", KV_CLASS(Hole::CHoleCheckRuleMgr)},
    {L"APP_HOLE_RESULT_MGR", KV_FACTORY(Hole, CreateHoleResultMgr, IHoleResultMgr)},
    {L"MOX_HoleCheckSituation_MGR", KV_CLASS(KVWEBSERVICEMANAGER::HOLECHECKSITUATION::CHoleCheckSituationMgr)},
    {L"MOX_HoleResult_MGR", KV_CLASS(KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr)},
    {L"MOX_HoleResultFloor_MGR", KV_CLASS(KVWEBSERVICEMANAGER::HOLERESULTFLOOR::CHoleResultFloorMgr)},
    {L"MOX_HoleRule_MGR", KV_CLASS(KVWEBSERVICEMANAGER::HOLERULE::CHoleRuleMgr)},
    {L"APP_TRANS_HOLE_MGR", KV_FACTORY(Hole, CreateTransHoleMgr, ITransHoleMgr)},
    {nullptr, KV_NAMELESS(MANAGERS, CreateAttInfoMgr, IAttInfoMgr)},
    {nullptr, KV_NAMELESS(MANAGERS, CreateElevationMgr, IElevationMgr)},
};

#undef KV_CLASS
#undef KV_FACTORY
#undef KV_NAMELESS

void LogRowFailed(const MgrRow &row, const std::wstring &why) {
  const std::wstring who = row.name ? L"\"" + std::wstring(row.name) + L"\" (" + row.madeBy + L")" : row.madeBy;
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_ERROR, (L"manager " + who + L" was not made: " + why).c_str());
}

}  // namespace

CKvCoreData::CKvCoreData() {}

CKvCoreData::~CKvCoreData() {}

void CKvCoreData::CreateMgrs(std::list<IMgrObject *> &managers) {
  KVUI::AssertUiThread("CKvCoreData::CreateMgrs");
  for (const MgrRow &row : kMgrRows) {
    IMgrObject *manager = nullptr;
    std::wstring why;
    // A row that throws is skipped; the rest of the list is still made.
    if (!CallOutside([&] { manager = row.make(*this, row.name ? std::wstring(row.name) : std::wstring()); }, why))
      LogRowFailed(row, why);
    if (manager) managers.push_back(manager);
  }
}

void CKvCoreData::CreateMFCMgrs(std::list<IMgrObject *> &) {}
