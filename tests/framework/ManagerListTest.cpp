// The program's manager list: every row in order under its exact name, made
// by the class or factory of its row with the constructor's arguments, and
// the two function-log helpers.
#include <gtest/gtest.h>

#include <boost/core/demangle.hpp>

#include <list>
#include <string>
#include <typeinfo>
#include <vector>

#include "KvCoreData.h"
#include "KvCoreFramework.h"
#include "LogCapture.h"
#include "journal/Answers.h"
#include "journal/Journal.h"
#include "journal/RecordingMgr.h"
#include "moxmanagers/MoxManagers.h"
#include "keel/frame/KeelData.h"
#include "keel/mfc/MFCViewMgr.h"
#include "wrench/TextConvert.h"

namespace {

using KEEL::FRAME::IMgrObject;

struct Row {
  const wchar_t *name;
  const wchar_t *madeBy;  // class or factory
};

// Typed from the manager table; the companion managers are ours.
const Row kRows[] = {
    {L"MoxRecordLogMgr", L"MOXMANAGERS::LOG::CreateRecordLogMgr"},
    {L"AppHoopsBaseMgr", L"KEEL::HOOPS::CHoopsBaseMgr"},
    {L"AppHoopsCtrlMgr", L"KEEL::HOOPS::CHoopsCtrlMgr"},
    {L"AppHoopsPinMgr", L"KEEL::HOOPS::CHoopsPinMgr"},
    {L"AppMFCWndViewMgr", L"KEEL::MFC::CMFCViewMgr"},
    {L"AppRibbonMenuMgr", L"MODKIT::MFC::CRibbonMenuMgr"},
    {L"AppStatusBarMgr", L"MODKIT::MFC::CreateStatusBarMgr"},
    {L"MoxClientUpdateMgr", L"MOXMANAGERS::CLIENTUPDATE::CClientUpdateMgr"},
    {L"AppMDITabPageMgr", L"MODKIT::MFC::CMDITabPage"},
    {L"APP_WALK_MODULE_MGR", L"EventMgr::CWalkModuleMgr"},
    {L"MoxPushDllMgr", L"MOXMANAGERS::ORVELNET::COrvelNetMgr"},
    {L"MoxCurProjectMgr", L"MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr"},
    {L"MoxTaskPaneMgr", L"MOXMANAGERS::PANE::TaskPaneMgr"},
    {L"MoxOrgDeptMgr", L"MOXMANAGERS::ORGDEPT::COrgDeptMgr"},
    {L"MoxProjectDataMgr", L"MOXMANAGERS::PROJDATA::CProjectDataMgr"},
    {L"MoxProjFunctionMgr", L"MOXMANAGERS::PROJDATA::CreateProjFuntionMgr"},
    {L"MOX_VxProjFunctionTip_MGR", L"MOXWEBSERVICESMANAGERS::PROJFUNCTIONTIP::CVxProjFunctionTipMgr"},
    {L"MoxSearchFilterQueryMgr", L"MOXMANAGERS::CONFIG::CSearchFilterQueryMgr"},
    {L"MoxPathMgr", L"MOXMANAGERS::MOXPATH::CMoxPathMgr"},
    {L"MoxFileDownloadMgr", L"MOXMANAGERS::DOWNLOAD::CMoxFileDownloadMgr"},
    {L"MoxFileUploadMgr", L"MOXMANAGERS::UPLOAD::CMoxFileUploadMgr"},
    {L"LocalDataStorgeMgr", L"MOXMANAGERS::LOCALSTORAGE::CLocalDataStorageMgr"},
    {L"MOX_MOXProj_MGR", L"CMOXProjMgr"},
    {L"MoxAuthMgr", L"MOXMANAGERS::AUTH::CreateAuthInfoMgr"},
    {L"Mox_StartView_Mgr", L"MOXMANAGERS::FRAME::CreateMoxStartViewMgr"},
    {L"MOX_VxProjStatusService_MGR", L"MOXWEBSERVICESMANAGERS::PROJSTATUS::CVxProjStatusServiceMgr"},
    {L"Mox_ProjStatus_Mgr", L"MOXMANAGERS::PROJSTATUS::CreateMoxProjStatusMgr"},
    {L"MoxDownloadExeMgr", L"DOWNLOADEXE::CreateDownLoadExeMng"},
    {L"MoxWorkSetMgr", L"MOXMANAGERS::WORKSET::CWorkSetMgr"},
    {L"MoxFloorsMergeMgr", L"MOXMANAGERS::FLOORSMERGE::CMoxFloorsMergeMgr"},
    {L"MoxDisplayControlUIMgr", L"MOXMANAGERS::DISPCTRLUI::CDisplayControlUIMgr"},
    {L"MoxWorksetOriginData", L"MOXMANAGERS::WORKSET::CreateWorkSetOriginalDataMgr"},
    {L"MoxUIStateMgr", L"MOXMANAGERS::UISTATE::CUIStateMgr"},
    {L"MoxBottomAxisMgr", L"MOXMANAGERS::BOTTOMAXIS::CBottomAxisMgr"},
    {L"MOX_ClashRule_MGR", L"KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr"},
    {L"MOX_WalkPath_MGR", L"KVWEBSERVICEMANAGER::WALKPATH::CWalkPathMgr"},
    {L"MoxViewPortMgr", L"MOXMANAGERS::VIEWPORT::CViewPortMgr"},
    {L"MOX_VxwsViewPort_MGR", L"MOXWEBSERVICESMANAGERS::VIEWPORTSERVICE::CVxwsViewPortMgr"},
    {L"APP_COLLISION_MODEL_MGR", L"KVCOLLISION::LOGIC::KvCollisionCheckMgr"},
    {L"APP_COLLISION_RESULT_MGR", L"KVCOLLISION::RESULT::KvCollisionResultMgr"},
    {L"TandemLinkMgr", L"TANDEM::CTandemLinkMgr"},
    {L"MOX_VxwsCConfig_MGR", L"MOXWEBSERVICESMANAGERS::CLIENTCFGSERVICE::CVxwsCConfigMgr"},
    {L"MoxModelEffectMgr", L"MOXMANAGERS::MODELEFFECTOPTION::CModelEffectOptionMgr"},
    {L"MoxViewOperMgr", L"MOXMANAGERS::VIEWOPER::CViewOperMgr"},
    {L"CompHideMgr", L"MOXMANAGERS::COMPHIDE::CCompHideMgr"},
    {L"MoxCompSearch", L"MOXMANAGERS::COMPSEARCH::CCompSearchMgr"},
    {L"VxwsCommonDataMgr", L"MOXMANAGERS::CDS::CCdsMgr"},
    {L"MoxCuttingPlaneMgr", L"MOXMANAGERS::CreateCuttingPlaneMgr"},
    {L"MoxDimMarkMgr", L"MOXMANAGERS::DIMMARKMGR::CreateDimMarkMgr"},
    {L"MoxDimMarkWebSerMgr", L"MOXMANAGERS::DIMMARKWEBSER::CreateDimMarkWebSerMgr"},
    {L"MOX_VxDimMarkService_MGR", L"MOXWEBSERVICESMANAGERS::DIMMARK::CVxDimMarkServiceMgr"},
    {L"MoxUploadProjMgr", L"MOXMANAGERS::UPLOADPROJ::CUploadProjDataMgr"},
    {L"MoxProjDataProcMgr", L"MOXMANAGERS::PROJDATA_PROC::CProjDataProcessMgr"},
    {L"MoxProjectVersionMgr", L"MOXMANAGERS::PROJ_VER::CProjectVersionMgr"},
    {L"MoxProcessPolling", L"MOXMANAGERS::PROCESSPOLLING::CProcessPollingMgr"},
    {L"MoxUploadMsgTipMgr", L"MOXMANAGERS::UPLOADTIPMSG::CUploadMsgTipMgr"},
    {L"MOX_VxAuthSercice_MGR", L"MOXWEBSERVICESMANAGERS::AUTHSERVICE::CVxAuthSerciceMgr"},
    {L"MOX_VxProjectService_MGR", L"MOXWEBSERVICESMANAGERS::PROJECTSERVICE::CVxProjectServiceMgr"},
    {L"MOX_VxUploadProjService_MGR", L"MOXWEBSERVICESMANAGERS::UPLOADPROJ::CVxUploadProjServiceMgr"},
    {L"MOX_VxQuillOrgSercice_MGR", L"MOXWEBSERVICESMANAGERS::QUILLORGSERVICE::CVxQuillOrgSerciceMgr"},
    {L"MoxOrgNodeTreeMgr", L"MOXMANAGERS::ORGNODETREE::COrgNodeTreeMgr"},
    {L"MOX_VxDataExtractService_MGR", L"MOXWEBSERVICESMANAGERS::DATAEXTRACT::CVxDataExtractServiceMgr"},
    {L"MOX_VxCompSearchService_MGR", L"MOXWEBSERVICESMANAGERS::COMPSEARCH::CVxCompSearchServiceMgr"},
    {L"Mox_TemporayShowMgr", L"MOXMANAGERS::TEMPORAYSHOW::CTemporayShowMgr"},
    {L"MoxSetBasePointMgr", L"MOXMANAGERS::BASEPOINT::CreateSetBasePointMgr"},
    {L"MOX_VxwsOrg_MGR", L"MOXWEBSERVICESMANAGERS::ORGS::CVxwsOrgMgr"},
    {L"MOX_VxwsProject_MGR", L"CVxwsProjectMgr"},
    {L"MOX_VxwsFileAddress_MGR", L"CVxwsFileAddressMgr"},
    {L"MOX_VxwsWorkSet_MGR", L"MOXWEBSERVICESMANAGERS::WORKSETSERVICE::CVxwsWorkSetMgr"},
    {L"MOX_Device_MGR", L"KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr"},
    {L"MOX_ClashResultRelated_MGR", L"KVWEBSERVICEMANAGER::CLASHRESULTRELATED::CClashResultRelatedMgr"},
    {L"MOX_ClashResultView_MGR", L"KVWEBSERVICEMANAGER::CLASHRESULTVIEW::CClashResultViewMgr"},
    {L"MOX_VxwsCds_MGR", L"CVxwsCdsMgr"},
    {L"MoxClientConfigMgr", L"MOXMANAGERS::MOXCLIENTCONFIG::CMoxClientConfigMgr"},
    {L"AppFunctionLogMgr", L"MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr"},
    {L"MOX_VxwsMoxLog_MGR", L"MOXWEBSERVICESMANAGERS::MOXLOG::CVxwsMoxLogMgr"},
    {L"HoopsDataColorMgr", L"KEEL::HOOPSDATACOLOR::CreateHoopsColorDataMgr"},
    {L"MoxCompImageDlgMgr", L"MOXMANAGERS::COMPIMAGEDLG::CreateCompImageDlgMgr"},
    {L"MoxColorDataMgr", L"MOXMANAGERS::COLORDATA::CreateColorDataMgr"},
    {L"MoxColorTmpSerMgr", L"MOXMANAGERS::COLORTMP::CreateColorTmpMgr"},
    {L"MoxCompImageSerMgr", L"MOXMANAGERS::COMPIMAGE::CreateCompImageMgr"},
    {L"MOX_VxColorTmpService_MGR", L"MOXWEBSERVICESMANAGERS::COLORTMP::CVxColorTmpServiceMgr"},
    {L"MOX_VxCompImageService_MGR", L"MOXWEBSERVICESMANAGERS::COMPIMAGE::CVxCompImageServiceMgr"},
    {L"TandemModelMgr", L"TANDEM::CTandemModelMgr"},
    {L"TandemAttrMgr", L"TANDEM::CTandemAttrMgr"},
    {L"TandemImageMgr", L"TANDEM::CTandemImageMgr"},
    {L"MOX_VxTeklaAttr_MGR", L"MOXWEBSERVICESMANAGERS::TEKLAATTR::CVxTeklaAttrMgr"},
    {L"MOX_VxRevitAttr_MGR", L"MOXWEBSERVICESMANAGERS::REVITATTR::CVxRevitAttrMgr"},
    {L"MOX_VxCompCustomAttr_MGR", L"MOXWEBSERVICESMANAGERS::CUSTOMATTR::CVxCompCustomAttrMgr"},
    {L"MoxCompBaseAttrWebMgr", L"MOXMANAGERS::COMPINFOWEBSER::CreateCompBaseInfoWebSerMgr"},
    {L"MoxCompAttrWebSerMgr", L"MOXMANAGERS::COMPINFOWEBSER::CreateCompInfoWebSerMgr"},
    {L"MoxCompAttrMgr", L"MOXMANAGERS::COMPATTR::CreateComponentInfoMgr"},
    {L"MoxTeklaAttrMgr", L"MOXMANAGERS::TEKLAATTR::CTeklaCompAttrMgr"},
    {L"MoxElevCatMgr", L"MOXMANAGERS::ELEVATION::CreateElevCatMgr"},
    {L"MoxElevGroupMgr", L"MOXMANAGERS::ELEVATION::CreateElevGroupMgr"},
    {L"MOX_MOXDoc_MGR", L"CMOXDocMgr"},
    {L"APP_HOLE_CHECK_MGR", L"Hole::CreateHoleCheckMgr"},
    {L"APP_HOLE_RULE_MGR", L"Hole::CHoleCheckRuleMgr"},
    {L"APP_HOLE_RESULT_MGR", L"Hole::CreateHoleResultMgr"},
    {L"MOX_HoleCheckSituation_MGR", L"KVWEBSERVICEMANAGER::HOLECHECKSITUATION::CHoleCheckSituationMgr"},
    {L"MOX_HoleResult_MGR", L"KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr"},
    {L"MOX_HoleResultFloor_MGR", L"KVWEBSERVICEMANAGER::HOLERESULTFLOOR::CHoleResultFloorMgr"},
    {L"MOX_HoleRule_MGR", L"KVWEBSERVICEMANAGER::HOLERULE::CHoleRuleMgr"},
    {L"APP_TRANS_HOLE_MGR", L"Hole::CreateTransHoleMgr"},
    {L"AppAttInfoMgr", L"MANAGERS::CreateAttInfoMgr"},
    {L"AppElevationMgr", L"MANAGERS::CreateElevationMgr"},
};

// What made `manager`: the class or factory a stand-in records, else its
// own class.
std::wstring MadeBy(IMgrObject *manager) {
  if (auto *standIn = dynamic_cast<KVOUTSIDE::CRecordingMgr *>(manager)) return standIn->GetClassName();
  return WRENCH::UTF8ToUnicode(boost::core::demangle(typeid(*manager).name()));
}

class ManagerListTest : public ::testing::Test {
 protected:
  ~ManagerListTest() override {
    for (IMgrObject *m : managers) delete m;
  }
  std::list<IMgrObject *> managers;
};

TEST_F(ManagerListTest, EveryRowInOrderUnderItsExactNameFromItsClassOrFactory) {
  CKvCoreData data;
  IMgrObject *before = new KEEL::FRAME::CMgrObject(L"already there");
  managers.push_back(before);
  data.CreateMgrs(managers);
  ASSERT_EQ(managers.size(), 1 + std::size(kRows));
  EXPECT_EQ(managers.front(), before);
  auto it = std::next(managers.begin());
  for (const Row &row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ((*it)->GetName(), row.name);
    EXPECT_EQ(MadeBy(*it), row.madeBy);
    ++it;
  }
}

// A row whose class or factory throws is skipped and logged with its name;
// the rest of the list is still made.
TEST_F(ManagerListTest, ARowThatThrowsIsSkippedAndLogged) {
  const std::wstring failing[] = {L"AppHoopsCtrlMgr", L"MoxElevCatMgr"};
  KVOUTSIDE::CAnswers::Instance().Push(failing[0], L"create", L"no licence");
  KVOUTSIDE::CAnswers::Instance().Push(failing[1], L"create", L"");  // no std::exception
  CKvCoreData data;
  kv::test::LogCapture log;
  data.CreateMgrs(managers);
  ASSERT_EQ(managers.size(), std::size(kRows) - 2);
  auto it = managers.begin();
  for (const Row &row : kRows) {
    if (row.name == failing[0] || row.name == failing[1]) continue;
    SCOPED_TRACE(row.name);
    EXPECT_EQ((*it)->GetName(), row.name);
    ++it;
  }
  EXPECT_EQ(log.Lines(),
            (std::vector<std::string>{
                "[2] manager \"AppHoopsCtrlMgr\" (KEEL::HOOPS::CHoopsCtrlMgr) was not made: no licence",
                "[2] manager MOXMANAGERS::ELEVATION::CreateElevCatMgr was not made: an unknown exception"}));
}

TEST_F(ManagerListTest, ConstructorArgumentsOfTheWindowRows) {
  CBCGPMDIFrameWnd frame;
  CView view;
  struct Case {
    const char *what;
    CWnd *mainWnd;
    CView *view;
    std::wstring tabFrame;
  } cases[] = {
      {"MDI frame", &frame, &view, KVOUTSIDE::JournalPtr(&frame)},
      {"plain window: no MDI frame", &view, nullptr, L"null"},
      {"no window", nullptr, nullptr, L"null"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    KVOUTSIDE::CJournal::Instance().Clear();
    CKvCoreData data;
    data.m_pMainWnd = c.mainWnd;
    data.m_pView = c.view;
    std::list<IMgrObject *> list;
    data.CreateMgrs(list);
    auto *wndView = dynamic_cast<KEEL::MFC::CMFCViewMgr *>(*std::next(list.begin(), 4));
    ASSERT_NE(wndView, nullptr);
    EXPECT_EQ(wndView->GetFrameWnd(), c.mainWnd);
    EXPECT_EQ(wndView->GetView(), c.view);
    auto created = [](const std::wstring &name) {
      auto entries = KVOUTSIDE::CJournal::Instance().Find(name, L"create");
      return entries.size() == 1 ? entries[0].args : std::vector<std::wstring>{L"not created once"};
    };
    EXPECT_EQ(created(L"AppRibbonMenuMgr"), std::vector<std::wstring>{L"true"});
    EXPECT_EQ(created(L"AppMDITabPageMgr"), std::vector<std::wstring>{c.tabFrame});
    EXPECT_EQ(created(L"APP_WALK_MODULE_MGR"), std::vector<std::wstring>{});
    EXPECT_EQ(created(L"MoxCurProjectMgr"), std::vector<std::wstring>{});
    for (IMgrObject *m : list) delete m;
  }
}

TEST(CoreFramework, CreateCoreDataKeepsTheWindowsAndTheGlobal) {
  CBCGPMDIFrameWnd frame;
  CKvCoreFramework framework(&frame, nullptr);
  KEEL::FRAME::IKeelData *data = framework.CreateCoreData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data, g_pKvCoreData);
  EXPECT_EQ(g_pKvCoreData->m_pMainWnd, &frame);
  EXPECT_EQ(g_pKvCoreData->m_pView, nullptr);
  delete data;
}

// A framework whose core data holds only the function log, or nothing.
class LogOnlyFramework : public KEEL::FRAME::CKeelFramework {
 public:
  explicit LogOnlyFramework(bool withLog) : withLog_(withLog) {}
  KEEL::FRAME::IKeelData *CreateCoreData() override {
    auto *data = new KEEL::FRAME::CKeelData();
    if (withLog_) data->AddManager(new MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr(L"AppFunctionLogMgr"));
    return data;
  }

 private:
  bool withLog_;
};

TEST(FunctionLog, LogOperationWritesTwoEntriesInOrder) {
  LogOnlyFramework framework(true);
  framework.InitLoginInstance(L"config/System/resources.cfg");
  KVOUTSIDE::CJournal::Instance().Clear();
  LogFunctionUse(&framework, L"打开软件", L"打开软件");
  LogOperation(&framework, L"系统", L"退出");
  std::vector<KVOUTSIDE::JournalEntry> expected = {
      {L"MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr", L"AppFunctionLogMgr", L"AddLogInfo",
       {L"打开软件", L"打开软件", L"false"}},
      {L"MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr", L"AppFunctionLogMgr", L"AddLogInfo",
       {L"系统", L"退出", L"false"}},
      {L"MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr", L"AppFunctionLogMgr", L"AddLogInfo", {L"退出", L"", L"0"}},
  };
  EXPECT_EQ(KVOUTSIDE::CJournal::Instance().Find(L"AppFunctionLogMgr", L"AddLogInfo"), expected);
}

TEST(FunctionLog, NothingHappensWithoutTheLogManager) {
  LogOnlyFramework framework(false);
  LogOperation(&framework, L"系统", L"退出");  // before the core data exists
  framework.InitLoginInstance(L"config/System/resources.cfg");
  KVOUTSIDE::CJournal::Instance().Clear();
  LogFunctionUse(&framework, L"退出软件", L"退出软件");
  LogOperation(&framework, L"系统", L"退出");
  LogOperation(nullptr, L"系统", L"退出");
  EXPECT_TRUE(KVOUTSIDE::CJournal::Instance().Entries().empty());
}

TEST(Answers, PushedAnswersComeFirstThenTheSetOneThenTheDefault) {
  auto &answers = KVOUTSIDE::CAnswers::Instance();
  answers.Clear();
  const std::wstring cas = L"CENTRALAUTHENTICATIONSERVICE_MGR ";
  EXPECT_EQ(answers.Int(cas, L"GetUserId", -1), -1);
  answers.Set(cas, L"GetUserId", L"7");
  answers.Push(cas, L"GetUserId", L"1");
  answers.Push(cas, L"GetUserId", L"x");
  EXPECT_EQ(answers.Int(cas, L"GetUserId", -1), 1);
  EXPECT_EQ(answers.Int(cas, L"GetUserId", -1), -1);  // "x" is no integer
  EXPECT_EQ(answers.Int(cas, L"GetUserId", -1), 7);
  EXPECT_EQ(answers.Int(cas, L"GetUserId", -1), 7);
  // Names are exact: without the final blank it is another object.
  EXPECT_EQ(answers.Text(L"CENTRALAUTHENTICATIONSERVICE_MGR", L"GetUserId", L"none"), L"none");
  answers.Set(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking", L"true");
  EXPECT_TRUE(answers.Bool(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking"));
  answers.Set(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking", L"maybe");
  EXPECT_TRUE(answers.Bool(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking", true));
  answers.Clear();
  EXPECT_FALSE(answers.Bool(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking"));
}

TEST(Journal, LinesEscapeTheirSeparators) {
  KVOUTSIDE::JournalEntry entry{L"C", L"N ", L"Op", {L"a|b", L"c\\d", L"e\nf", L""}};
  EXPECT_EQ(entry.Line(), L"C|N |Op|a\\|b|c\\\\d|e\\nf|");
}

}  // namespace
