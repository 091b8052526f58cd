// The reactions around a project or work-set load in the started program:
// the left pane, its display-control page and the 3D view are made once;
// the view's colour, view ports, dimension marks and project-mode rows
// follow each load.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "DisplayControlDlg.h"
#include "InitCmd.h"
#include "KvCoreData.h"
#include "KvMenuObserver.h"
#include "ProjectLoadReaction.h"
#include "ShellTestSupport.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/mfc/MFCViewMgr.h"
#include "kvwalkproc/KVWalkProc.h"
#include "modula/Modula.h"
#include "moxcommands/MoxCommands.h"

namespace kv::test {
namespace {

using KEEL::FRAME::GetManagerAs;
using KVREACT::ProjModeTable;
using MOXMANAGERS::MOXCURPROJ::StOpenInfo;

StOpenInfo Opened(int type, int id) {
  StOpenInfo info;
  info.nOpenType = type;
  info.nOpenId = id;
  return info;
}

class ProjectLoadTest : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Start());
    data = g_pKvCoreData;
    commands = GetManagerAs<KEEL::CMD::CCmdMgr>(data, L"AppCommandMgr");
    ASSERT_NE(commands, nullptr);
    ASSERT_TRUE(commands->AddCommand(new CInitCmd()));
    ASSERT_TRUE(commands->AddCommand(new MOXCOMMANDS::LEFTUI::CLeftUICmd()));
    tabs = GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(data, L"AppMDITabPageMgr");
    panes = GetManagerAs<MOXMANAGERS::PANE::TaskPaneMgr>(data, L"MoxTaskPaneMgr");
    ASSERT_TRUE(tabs && panes);
    KVOUTSIDE::CJournal::Instance().Clear();
  }
  void TearDown() override { delete page; }

  // One load as the current project manager tells it: prepare, then load.
  void Load(const StOpenInfo &info) {
    KVREACT::PrepareProjectLoad(data, page);
    KVREACT::LoadNewProject(data, info, rows);
  }
  int Count(const std::wstring &part) const { return int(Lines(part).size()); }

  KEEL::FRAME::IKeelData *data = nullptr;
  KEEL::CMD::CCmdMgr *commands = nullptr;
  MODKIT::MFC::IMDITabPageMgr *tabs = nullptr;
  MOXMANAGERS::PANE::TaskPaneMgr *panes = nullptr;
  CDisplayControlDlg *page = nullptr;
  ProjModeTable rows;
};

TEST_F(ProjectLoadTest, TheFirstLoadMakesThePaneThePageAndTheViewAndLaterLoadsMakeNothingTwice) {
  KVOUTSIDE::CAnswers::Instance().Set(L"MoxProjectDataMgr", L"GetProjData", L"7:4");
  Load(Opened(2, 7));

  // The left pane with its tab-page manager and the one page.
  EXPECT_EQ(Count(L"CLeftUICmd|AppCmd_LEFTUI|Execute"), 1);
  ASSERT_TRUE(panes->GetLeftPane());
  auto *pageTabs = GetManagerAs<MODKIT::MFC::CTabPageMgr>(data, L"APP_KV_TABPSGE_LEFTPANEUI_MGR");
  ASSERT_NE(pageTabs, nullptr);
  CWnd *host = pageTabs->GetTabView();
  EXPECT_EQ(host->GetParent(), panes->GetLeftPane().get());
  EXPECT_FALSE(host->IsWindowVisible());
  EXPECT_EQ(panes->GetLeftPaneWnd(), host);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->IsWindow());
  EXPECT_EQ(page->GetParent(), host);
  EXPECT_EQ(pageTabs->GetPages(), std::vector<CDialog *>{page});
  EXPECT_EQ(Count(L"CTabPageMgr|APP_KV_TABPSGE_LEFTPANEUI_MGR|AddTabPage|" + KVOUTSIDE::JournalPtr(page) +
                  L"|显示控制|311|1"),
            1);

  // The 3D view: one tab, its view manager, the operator on its window.
  ASSERT_EQ(tabs->GetTabNum(), 1);
  const int tab = tabs->GetActiveTab();
  EXPECT_EQ(nViewId, tab);
  EXPECT_EQ(Count(L"MoxCuttingPlaneMgr|SetViewId|" + std::to_wstring(tab)), 1);
  auto *view = dynamic_cast<MODKIT::MFC::CMsgView *>(tabs->FindTab(tab));
  ASSERT_NE(view, nullptr);
  auto *viewMgr = GetManagerAs<KEEL::MFC::CMFCViewMgr>(data, L"HoopsViewMgr");
  ASSERT_NE(viewMgr, nullptr);
  EXPECT_EQ(viewMgr->GetView(), view);
  EXPECT_EQ(Count(L"AppHoopsBaseMgr|CreateOperator|AppHoopsOperator|window"), 1);
  // The view's input reaches the operator through the view input command.
  view->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(3, 4));
  EXPECT_EQ(Count(L"CHoopsOperator|AppHoopsOperator|OnMouseEvent"), 1);

  // After the load: red view, view ports, dimension marks, in this order.
  const int red = Find(L"CHoopsScene|AppHoopsOperator|SetWindowColor|255|0|0");
  ASSERT_GE(red, 0);
  EXPECT_LT(red, Find(L"CHoopsScene|AppHoopsOperator|Update"));
  EXPECT_LT(Find(L"CHoopsScene|AppHoopsOperator|Update"), Find(L"MoxViewPortMgr|LoadProjViewPorts|false"));
  EXPECT_LT(Find(L"MoxViewPortMgr|LoadProjViewPorts|false"), Find(L"MoxDimMarkMgr|LoadProjDimMarks"));

  // A second load only shows the pane.
  CDisplayControlDlg *first = page;
  KVOUTSIDE::CJournal::Instance().Clear();
  Load(Opened(3, 9));
  EXPECT_EQ(page, first);
  EXPECT_EQ(pageTabs->GetPages().size(), 1u);
  EXPECT_EQ(tabs->GetTabNum(), 1);
  EXPECT_EQ(GetManagerAs<KEEL::MFC::CMFCViewMgr>(data, L"HoopsViewMgr"), viewMgr);
  EXPECT_EQ(Count(L"ShowLeftPane|true"), 1);
  EXPECT_EQ(Count(L"AppCmd_LEFTUI"), 0);
  EXPECT_EQ(Count(L"CreateOperator"), 0);
  EXPECT_EQ(Count(L"AddTabPage"), 0);
  EXPECT_EQ(Count(L"MoxViewPortMgr|LoadProjViewPorts|false"), 1);
}

TEST_F(ProjectLoadTest, AfterTheLoginClosedTheTabsTheNextLoadMakesTheViewAgain) {
  Load(Opened(2, 1));
  auto *oldMgr = GetManagerAs<KEEL::MFC::CMFCViewMgr>(data, L"HoopsViewMgr");
  tabs->CloseAllTabs();
  ASSERT_EQ(tabs->GetTabNum(), 0);
  KVOUTSIDE::CJournal::Instance().Clear();
  Load(Opened(2, 1));
  ASSERT_EQ(tabs->GetTabNum(), 1);
  auto *viewMgr = GetManagerAs<KEEL::MFC::CMFCViewMgr>(data, L"HoopsViewMgr");
  ASSERT_NE(viewMgr, nullptr);
  EXPECT_NE(viewMgr, oldMgr);
  EXPECT_EQ(viewMgr->GetView(), tabs->FindTab(tabs->GetActiveTab()));
  EXPECT_EQ(nViewId, tabs->GetActiveTab());
  EXPECT_EQ(Count(L"CreateOperator|AppHoopsOperator"), 1);
  EXPECT_EQ(Count(L"AddTabPage|"), 1);  // the view tab only, no second page
}

TEST_F(ProjectLoadTest, TheProjectModeRowsFollowTheKindOfWhatWasOpened) {
  using Rows = std::map<std::wstring, int>;
  // Rows the loads never touch keep their values.
  const Rows start = {{L"APP_WORKSET_ADMIN", 0}, {L"APP_WORKSET_FLOORINFO", 0}, {L"APP_DEFAULT2", 9},
                      {L"AppCmd_ColorImage", 9}, {L"APP_VIEWPART_CMD", 9}};
  const Rows other = {{L"APP_WORKSET_ADMIN", 0}, {L"APP_WORKSET_FLOORINFO", 0}};
  auto with = [&](Rows more) {
    Rows all = other;
    for (const auto &row : more) all[row.first] = row.second;
    return all;
  };
  const Rows kind4or6 = {{L"APP_DEFAULT1", 1},   {L"APP_DEFAULT2", 1},      {L"APP_DEFAULT3", 1},
                         {L"AppCmd_ColorTmp", 1}, {L"AppCmd_ColorImage", 1}};
  struct Case {
    const char *what;
    StOpenInfo info;
    const wchar_t *members;  // of every work set
    Rows expected;
  } const cases[] = {
      {"project of kind 4", Opened(2, 4), L"", with({{L"APP_DEFAULT1", 1}, {L"APP_DEFAULT2", 1}, {L"APP_DEFAULT3", 1},
                                                      {L"AppCmd_ColorTmp", 1}, {L"AppCmd_ColorImage", 1},
                                                      {L"APP_VIEWPART_CMD", 1}})},
      {"project of kind 6", Opened(2, 6), L"", with(kind4or6)},
      {"project of kind 5", Opened(2, 5), L"", with({{L"APP_VIEWPART_CMD", 1}})},
      {"project without a record", Opened(2, 99), L"", with({{L"APP_VIEWPART_CMD", 1}})},
      {"work set without kind 6", Opened(3, 1), L"4 5 99",
       with({{L"AppCmd_ColorTmp", 2}, {L"AppCmd_ColorImage", 2}, {L"APP_VIEWPART_CMD", 2}})},
      {"work set with kind 6", Opened(3, 1), L"5,6,4", with({{L"AppCmd_ColorTmp", 2}, {L"AppCmd_ColorImage", 2}})},
      {"empty work set", Opened(3, 1), L"",
       with({{L"AppCmd_ColorTmp", 2}, {L"AppCmd_ColorImage", 2}, {L"APP_VIEWPART_CMD", 2}})},
      {"other open type", Opened(4, 6), L"", start},
  };
  auto &answers = KVOUTSIDE::CAnswers::Instance();
  answers.Set(L"MoxProjectDataMgr", L"GetProjData", L"4:4 5:5 6:6");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    answers.Set(L"MoxWorkSetMgr", L"GetWorkSetProjs", c.members);
    rows = ProjModeTable(start.begin(), start.end());
    KVREACT::LoadNewProject(data, c.info, rows);
    EXPECT_EQ(Rows(rows.begin(), rows.end()), c.expected);
  }
  // The work set's members are read in order and only up to the first of
  // kind 6.
  KVOUTSIDE::CJournal::Instance().Clear();
  answers.Set(L"MoxWorkSetMgr", L"GetWorkSetProjs", L"5 6 4");
  EXPECT_TRUE(KVREACT::WorkSetHasKind6(data, 3));
  EXPECT_EQ(Lines(L"GetProjData"), (std::vector<std::wstring>{
                                       L"MOXMANAGERS::PROJDATA::CProjectDataMgr|MoxProjectDataMgr|GetProjData|5|5",
                                       L"MOXMANAGERS::PROJDATA::CProjectDataMgr|MoxProjectDataMgr|GetProjData|6|6"}));
}

TEST_F(ProjectLoadTest, AMissingOperatorViewOrSceneSkipsOnlyTheColour) {
  struct Case {
    const char *what;
    bool makeView;
    const wchar_t *op;  // answer of the operator set to 0
  } const cases[] = {
      {"no operator", false, nullptr},
      {"operator without view", true, L"GetHoopsView"},
      {"view without scene", true, L"GetScene"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    KVOUTSIDE::CAnswers::Instance().Clear();
    if (c.makeView) KVREACT::CreateBimView(data);
    if (c.op) KVOUTSIDE::CAnswers::Instance().Set(L"AppHoopsOperator", c.op, L"0");
    KVOUTSIDE::CJournal::Instance().Clear();
    rows.clear();
    KVREACT::LoadNewProject(data, Opened(2, 1), rows);
    EXPECT_EQ(Count(L"CHoopsScene"), 0);
    EXPECT_EQ(Count(L"MoxViewPortMgr|LoadProjViewPorts|false"), 1);
    EXPECT_EQ(Count(L"MoxDimMarkMgr|LoadProjDimMarks"), 1);
    EXPECT_EQ(rows.count(L"APP_VIEWPART_CMD"), 1u);
  }
}

TEST_F(ProjectLoadTest, MissingManagersSkipTheirStep) {
  // Without the view-port manager the rest of the load is skipped.
  ASSERT_TRUE(data->RemoveManager(L"MoxViewPortMgr"));
  rows = {{L"APP_DEFAULT1", 9}};
  KVREACT::LoadNewProject(data, Opened(2, 1), rows);
  EXPECT_EQ(Count(L"LoadProjDimMarks"), 0);
  EXPECT_EQ(rows, (ProjModeTable{{L"APP_DEFAULT1", 9}}));
  // Without the cutting-plane manager the view tab is made and nothing
  // after it.
  ASSERT_TRUE(data->RemoveManager(L"MoxCuttingPlaneMgr"));
  KVREACT::CreateBimView(data);
  EXPECT_EQ(tabs->GetTabNum(), 1);
  EXPECT_EQ(data->GetManager(L"HoopsViewMgr"), nullptr);
  EXPECT_EQ(Count(L"CreateOperator"), 0);
  // Without the work-set or project-data manager no member has kind 6.
  KVOUTSIDE::CAnswers::Instance().Set(L"MoxWorkSetMgr", L"GetWorkSetProjs", L"6");
  KVOUTSIDE::CAnswers::Instance().Set(L"MoxProjectDataMgr", L"GetProjData", L"6:6");
  EXPECT_TRUE(KVREACT::WorkSetHasKind6(data, 1));
  ASSERT_TRUE(data->RemoveManager(L"MoxProjectDataMgr"));
  EXPECT_FALSE(KVREACT::WorkSetHasKind6(data, 1));
  ASSERT_TRUE(data->RemoveManager(L"MoxWorkSetMgr"));
  EXPECT_FALSE(KVREACT::WorkSetHasKind6(data, 1));
}

// The program's observer, as start-up attached it, told by its subjects.
TEST_F(ProjectLoadTest, TheProgramsObserverReactsToItsSubjects) {
  auto *project = GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(data, L"MoxCurProjectMgr");
  ASSERT_NE(project, nullptr);
  CKvMenuObserver *observer = nullptr;
  for (auto *o : project->GetObservers(5))
    if (auto *found = dynamic_cast<CKvMenuObserver *>(o)) observer = found;
  ASSERT_NE(observer, nullptr);
  const size_t attached = project->GetObservers(5).size();

  KVOUTSIDE::CAnswers::Instance().Set(L"MoxProjectDataMgr", L"GetProjData", L"7:6");
  EXPECT_TRUE(project->LoadProject(Opened(2, 7)));
  EXPECT_TRUE(project->LoadProject(Opened(2, 7)));
  // One page, attached once, built on the first load.
  EXPECT_EQ(project->GetObservers(5).size(), attached + 1);
  auto *page = dynamic_cast<CDisplayControlDlg *>(project->GetObservers(5).back());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetManagerAs<MODKIT::MFC::CTabPageMgr>(data, L"APP_KV_TABPSGE_LEFTPANEUI_MGR")->GetPages(),
            std::vector<CDialog *>{page});
  EXPECT_EQ(tabs->GetTabNum(), 1);
  int mode = -1;
  EXPECT_TRUE(observer->GetProjModeRow(L"APP_DEFAULT1", mode));
  EXPECT_EQ(mode, 1);
  EXPECT_FALSE(observer->GetProjModeRow(L"APP_VIEWPART_CMD", mode));

  // The record log's names.
  auto *log = dynamic_cast<KEEL::UTILITY::CSubject<MOXMANAGERS::LOG::IRecordLogObserver> *>(
      data->GetManager(L"MoxRecordLogMgr"));
  ASSERT_NE(log, nullptr);
  std::map<std::wstring, std::wstring> names;
  log->Notify(5, [&](MOXMANAGERS::LOG::IRecordLogObserver *o) { o->GetRecordLogName(names); });
  EXPECT_EQ(names[L"APP_RECORD_PATH_CMD"], L"录制");

  // The login's two reactions.
  auto *cas = dynamic_cast<KEEL::UTILITY::CSubject<MOXMANAGERS::CAS::ILoginObserver> *>(
      data->GetManager(L"CENTRALAUTHENTICATIONSERVICE_MGR "));
  ASSERT_NE(cas, nullptr);
  KVOUTSIDE::CJournal::Instance().Clear();
  cas->Notify(5, [](MOXMANAGERS::CAS::ILoginObserver *o) {
    o->OnLoginBegin();
    o->OnLoginReset();
  });
  EXPECT_EQ(Count(L"AppHoopsBaseMgr|ResetView"), 1);
  cas->Notify(5, [](MOXMANAGERS::CAS::ILoginObserver *o) {
    o->OnLoginClosePanes();
    o->OnLoginEnd();
  });
  EXPECT_EQ(tabs->GetTabNum(), 0);
  EXPECT_FALSE(panes->GetLeftPane()->IsWindowVisible());
  // The next load shows the pane and makes the view again.
  EXPECT_TRUE(project->LoadProject(Opened(2, 7)));
  EXPECT_TRUE(panes->GetLeftPane()->IsWindowVisible());
  EXPECT_EQ(tabs->GetTabNum(), 1);
  EXPECT_EQ(project->GetObservers(5).size(), attached + 1);
}

// The page belongs to the observer that made it and goes with it.
TEST_F(ProjectLoadTest, AnObserverDeletesItsPageWhichLeavesTheProjectsObservers) {
  auto *project = GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(data, L"MoxCurProjectMgr");
  for (auto *o : project->GetObservers(5)) project->Detach(o);
  auto observer = std::make_unique<CKvMenuObserver>(data);
  project->Attach(observer.get(), 5);
  EXPECT_TRUE(project->LoadProject(Opened(2, 1)));
  ASSERT_EQ(project->GetObservers(5).size(), 2u);
  EXPECT_NE(dynamic_cast<CDisplayControlDlg *>(project->GetObservers(5)[1]), nullptr);
  project->Detach(observer.get());
  observer.reset();
  EXPECT_TRUE(project->GetObservers(5).empty());
}

}  // namespace
}  // namespace kv::test
