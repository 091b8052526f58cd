// The display-control page and the start-up tip dialog on the program's
// managers and window model.
#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "DialogResource.h"
#include "DisplayControlDlg.h"
#include "KvCoreData.h"
#include "KvMenuObserver.h"
#include "KvOpenTipDlg.h"
#include "ShellParts.h"
#include "ShellTestSupport.h"
#include "keel/cmd/CmdMgr.h"
#include "wrench/LogMsg.h"

namespace kv::test {
namespace {

using MOXCOMMANDS::SHARED_UI::CHoopsDisplayTree;
using MOXCOMMANDS::SHARED_UI::StTreeStatus;

const wchar_t kTree[] = L"MOXCOMMANDS::SHARED_UI::CHoopsDisplayTree||";

// Counts its runs.
class FilterCmd : public KEEL::CMD::CCmdObject {
 public:
  std::wstring GetName() override { return L"AppCmd_DisplayFilter"; }
  bool Executing() override {
    ++runs;
    return true;
  }
  int runs = 0;
};

class DisplayPageTest : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Start());
    // Only this test's page reacts to loads: the program's own observer
    // would make a page of its own.
    for (auto *observer : Project()->GetObservers(5))
      if (dynamic_cast<CKvMenuObserver *>(observer)) Project()->Detach(observer);
    page = std::make_unique<CDisplayControlDlg>();
    ASSERT_TRUE(page->Create(IDD_DISPLAY_CONTROL, Frame()));
    KVOUTSIDE::CJournal::Instance().Clear();
  }
  void TearDown() override {
    page.reset();
    app->ExitInstance();
  }
  template <class T>
  T *Mgr(const wchar_t *name) {
    return KEEL::FRAME::GetManagerAs<T>(g_pKvCoreData, name);
  }
  MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr *Project() {
    return Mgr<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(L"MoxCurProjectMgr");
  }
  MOXMANAGERS::DISPCTRLUI::CDisplayControlUIMgr *Display() {
    return Mgr<MOXMANAGERS::DISPCTRLUI::CDisplayControlUIMgr>(L"MoxDisplayControlUIMgr");
  }
  void Segments(const wchar_t *plain, const wchar_t *extended) {
    KVOUTSIDE::CAnswers::Instance().Set(L"AppHoopsCtrlMgr", L"ListSegments", plain);
    KVOUTSIDE::CAnswers::Instance().Set(L"AppHoopsCtrlMgr", L"ListSegmentsEx", extended);
  }
  // How often `page` is among the project's observers under key 5 (the
  // program's command-state observer is one of them too).
  int ProjectObservers(MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver *page) {
    const auto observers = Project()->GetObservers(5);
    return int(std::count(observers.begin(), observers.end(), page));
  }
  bool Load(int type, int id = 7) { return Project()->LoadProject({type, id}); }
  void Click(UINT id) { static_cast<CButton *>(page->GetDlgItem(int(id)))->Click(); }
  std::vector<std::wstring> TreeCalls(const std::wstring &op) { return Lines(kTree + op); }
  std::unique_ptr<CDisplayControlDlg> page;
};

TEST_F(DisplayPageTest, PageIsBuiltFromItsTemplateAndAttachedOnce) {
  EXPECT_STREQ(page->GetRuntimeClass()->m_lpszClassName, "CDisplayControlDlg");
  EXPECT_EQ(KVUI::DescribeDialog(*page),
            (std::vector<std::wstring>{L"1000 BUTTON 显示筛选", L"1001 BUTTON -", L"1002 BUTTON +"}));
  EXPECT_EQ(page->GetDlgItem(IDC_BTN_DISPLAY_FILTER), &page->GetFilterButton());
  // Attached under key 5; the pane's owner attaching it again changes nothing.
  Project()->Attach(page.get(), 5);
  EXPECT_EQ(ProjectObservers(page.get()), 1);
  EXPECT_EQ(Display()->GetObservers(5).size(), 1u);
  // Set-up gave the layout of the two tree buttons.
  using Info = MOXCOMMANDS::SHARED_UI::StDlgCtrlInfo;
  const std::vector<Info> &layout = page->GetControlProperty();
  ASSERT_EQ(layout.size(), 2u);
  EXPECT_EQ(layout[0].nCtrlID, IDC_BTN_COLLAPSE);
  EXPECT_EQ(layout[1].nCtrlID, IDC_BTN_EXPAND);
  EXPECT_EQ(layout[1].nFlags, 0);
  EXPECT_EQ(layout[1].nPercent, 100);
}

// Escape and Enter never close the page; other keys and messages pass on.
TEST_F(DisplayPageTest, EscapeAndEnterAreSwallowed) {
  struct Case {
    const char *what;
    UINT message;
    WPARAM key;
    BOOL swallowed;
  } const cases[] = {
      {"escape", WM_KEYDOWN, VK_ESCAPE, TRUE},
      {"enter", WM_KEYDOWN, VK_RETURN, TRUE},
      {"other key", WM_KEYDOWN, 'A', FALSE},
      {"escape released", WM_KEYUP, VK_ESCAPE, FALSE},
  };
  page->ShowWindow(SW_SHOW);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    MSG msg;
    msg.hwnd = page->GetDlgItem(IDC_BTN_EXPAND)->m_hWnd;
    msg.message = c.message;
    msg.wParam = c.key;
    EXPECT_EQ(page->PreTranslateMessage(&msg), c.swallowed);
    // Through the queue, as a user's key arrives.
    page->GetDlgItem(IDC_BTN_EXPAND)->PostMessage(c.message, c.key, 0);
    KVUI::PumpPending();
    EXPECT_TRUE(page->IsWindowVisible());
    EXPECT_FALSE(page->IsEnded());
  }
}

TEST_F(DisplayPageTest, TreeButtonsActOnlyOnATree) {
  Click(IDC_BTN_EXPAND);
  Click(IDC_BTN_COLLAPSE);
  EXPECT_TRUE(TreeCalls(L"BatchExpand").empty()) << "no tree before a load";
  Segments(L"model:1", L"");
  ASSERT_TRUE(Load(2));
  Click(IDC_BTN_EXPAND);
  EXPECT_TRUE(page->GetDisplayTree()->IsExpanded());
  Click(IDC_BTN_COLLAPSE);
  EXPECT_FALSE(page->GetDisplayTree()->IsExpanded());
  EXPECT_EQ(TreeCalls(L"BatchExpand"),
            (std::vector<std::wstring>{std::wstring(kTree) + L"BatchExpand|true",
                                       std::wstring(kTree) + L"BatchExpand|false"}));
}

TEST_F(DisplayPageTest, TreeStartsAtTheFirstSegmentOfKindOne) {
  struct Case {
    const char *what;
    int openType;
    const wchar_t *plain, *extended;
    const wchar_t *segment;  // null: no tree
    bool listed;
  } const cases[] = {
      {"first of kind 1", 2, L"top:0;model:1;other:1", L"", L"model", true},
      {"from the extended list", 3, L"top:0", L"ext:1;later:1", L"ext", true},
      {"plain list first", 2, L"a:1", L"b:1", L"a", true},
      {"no segment of kind 1", 2, L"top:0;x:2", L"y:10", nullptr, true},
      {"nothing listed", 3, L"", L"", nullptr, true},
      {"neither project nor work set", 1, L"model:1", L"", nullptr, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    KVOUTSIDE::CJournal::Instance().Clear();
    Segments(c.plain, c.extended);
    EXPECT_TRUE(Load(c.openType));
    EXPECT_EQ(Lines(L"AppHoopsCtrlMgr|ListSegments").size(), c.listed ? 2u : 0u);
    if (c.listed) {
      EXPECT_EQ(Lines(L"AppHoopsCtrlMgr|ListSegments|AppHoopsOperator").size(), 1u);
      EXPECT_EQ(Lines(L"AppHoopsCtrlMgr|ListSegmentsEx|AppHoopsOperator|1").size(), 1u);
    }
    CHoopsDisplayTree *tree = page->GetDisplayTree();
    const auto &layout = page->GetControlProperty();
    if (!c.segment) {
      EXPECT_EQ(tree, nullptr);
      EXPECT_EQ(KVUI::DescribeDialog(*page).size(), 3u) << "only the buttons";
      if (c.listed) EXPECT_EQ(layout.size(), 2u);
    } else {
      ASSERT_NE(tree, nullptr);
      EXPECT_EQ(TreeCalls(L"create|null").size(), 1u) << "no check notifier";
      EXPECT_EQ(TreeCalls(std::wstring(L"CreateDisplayTree|window|AppHoopsOperator|") + c.segment).size(), 1u);
      EXPECT_EQ(tree->GetOperatorName(), L"AppHoopsOperator");
      EXPECT_EQ(tree->GetParent(), page.get());
      EXPECT_TRUE(tree->IsWindowVisible());
      CRect client, placed = tree->GetPlacement();
      page->GetClientRect(&client);
      EXPECT_EQ(placed, CRect(client.left + 5, client.top + 60, client.right - 3, client.bottom));
      ASSERT_EQ(layout.size(), 3u);
      EXPECT_EQ(int(layout[2].nCtrlID), tree->GetDlgCtrlID());
      EXPECT_EQ(layout[2].nFlags, 17);
      EXPECT_EQ(layout[2].nPercent, 100);
    }
  }
}

TEST_F(DisplayPageTest, LoadWithoutItsManagersFails) {
  Segments(L"model:1", L"");
  struct Case {
    const wchar_t *missing;
    KEEL::FRAME::IMgrObject *(*make)();
  } const cases[] = {
      {L"AppHoopsCtrlMgr", [] { return (KEEL::FRAME::IMgrObject *)new KEEL::HOOPS::CHoopsCtrlMgr(L"AppHoopsCtrlMgr"); }},
      {L"MoxProjectDataMgr",
       [] { return (KEEL::FRAME::IMgrObject *)new MOXMANAGERS::PROJDATA::CProjectDataMgr(L"MoxProjectDataMgr"); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(KVUI::Utf8(c.missing));
    KVOUTSIDE::CJournal::Instance().Clear();
    ASSERT_TRUE(g_pKvCoreData->RemoveManager(c.missing));
    EXPECT_FALSE(page->LoadNewProjInfo({2, 1}));
    EXPECT_FALSE(page->LoadNewProjInfo({3, 1}));
    EXPECT_TRUE(page->LoadNewProjInfo({5, 1})) << "other kinds are not this page's";
    EXPECT_EQ(page->GetDisplayTree(), nullptr);
    EXPECT_TRUE(Lines(L"ListSegments").empty());
    ASSERT_TRUE(g_pKvCoreData->AddManager(c.make()));
  }
  EXPECT_TRUE(page->LoadNewProjInfo({2, 1}));
  EXPECT_NE(page->GetDisplayTree(), nullptr);
}

// Each load cleans the former tree up first; the clean-up resets the filter
// button and is logged.
TEST_F(DisplayPageTest, NextLoadReplacesTheTree) {
  Segments(L"first:1", L"");
  ASSERT_TRUE(Load(2));
  CHoopsDisplayTree *first = page->GetDisplayTree();
  ASSERT_NE(first, nullptr);
  Display()->SetFilterState(true);
  Segments(L"second:1", L"");
  ASSERT_TRUE(Load(3));
  ASSERT_NE(page->GetDisplayTree(), nullptr);
  EXPECT_EQ(page->GetDisplayTree()->GetSegmentName(), L"second");
  EXPECT_EQ(TreeCalls(L"delete").size(), 1u);
  EXPECT_EQ(page->GetFilterButton().GetTextColor(), RGB(0, 0, 0));
  EXPECT_EQ(page->GetChildren().size(), 4u) << "three buttons and one tree";
  // A clean-up alone leaves the buttons.
  page->CleanOldProjInfo({2, 1});
  EXPECT_EQ(page->GetDisplayTree(), nullptr);
  EXPECT_EQ(page->GetChildren().size(), 3u);
  EXPECT_EQ(page->GetControlProperty().size(), 2u);
  WRENCH::CLogMsg::Flush();
  std::ifstream log(WRENCH::CLogMsg::GetLogPath());
  std::stringstream text;
  text << log.rdbuf();
  EXPECT_NE(text.str().find("CDisplayControlDlg::CleanOldProjInfo 开始"), std::string::npos);
  EXPECT_NE(text.str().find("CDisplayControlDlg::CleanOldProjInfo 结束"), std::string::npos);
}

TEST_F(DisplayPageTest, FilterButtonRunsTheFilterAndShowsItsState) {
  Click(IDC_BTN_DISPLAY_FILTER);  // no such command: nothing
  auto *commands = Mgr<KEEL::CMD::CCmdMgr>(L"AppCommandMgr");
  ASSERT_NE(commands, nullptr);
  auto *filter = new FilterCmd();
  ASSERT_TRUE(commands->AddCommand(filter));
  Click(IDC_BTN_DISPLAY_FILTER);
  EXPECT_EQ(filter->runs, 1);
  CBCGPButton &button = page->GetFilterButton();
  for (bool on : {true, false, true}) {
    SCOPED_TRACE(on);
    const int painted = button.GetInvalidateCount();
    Display()->SetFilterState(on);
    EXPECT_EQ(button.GetTextColor(), on ? RGB(255, 0, 0) : RGB(0, 0, 0));
    EXPECT_EQ(button.GetInvalidateCount(), painted + 1);
  }
}

// Tree notifications act only on the tree of the operator they name.
TEST_F(DisplayPageTest, NotificationsFollowTheTreesOperator) {
  StTreeStatus status{L"AppHoopsOperator", {L"a"}, {L"b"}};
  Display()->RefreshTree(L"AppHoopsOperator");
  Display()->SetTreeStatus(status);
  EXPECT_EQ(Display()->GetTreeStatus().strName, L"") << "no tree: the record is unchanged";
  EXPECT_TRUE(TreeCalls(L"").empty());
  Segments(L"model:1", L"");
  ASSERT_TRUE(Load(2));
  struct Case {
    const wchar_t *name;
    size_t refreshes;
  } const cases[] = {{L"AppHoopsOperator", 1}, {L"OtherOperator", 0}, {L"", 0}, {L"apphoopsoperator", 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(KVUI::Utf8(c.name));
    KVOUTSIDE::CJournal::Instance().Clear();
    Display()->RefreshTree(c.name);
    EXPECT_EQ(TreeCalls(L"RefreshDisplayTree").size(), c.refreshes);
    StTreeStatus other{c.name, {L"x"}, {}};
    Display()->SetTreeStatus(other);
    EXPECT_EQ(TreeCalls(L"SetTreeStatus").size(), c.refreshes);
  }
  Display()->SetTreeStatus(status);
  const StTreeStatus read = Display()->GetTreeStatus();
  EXPECT_EQ(read.strName, L"AppHoopsOperator");
  EXPECT_EQ(read.vecExpanded, status.vecExpanded);
  EXPECT_EQ(read.vecChecked, status.vecChecked);
}

TEST_F(DisplayPageTest, DestroyedPageIsNoLongerTold) {
  Segments(L"model:1", L"");
  ASSERT_TRUE(Load(2));
  MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver *destroyed = page.get();
  page.reset();
  EXPECT_EQ(TreeCalls(L"delete").size(), 1u);
  EXPECT_EQ(ProjectObservers(destroyed), 0);
  EXPECT_TRUE(Display()->GetObservers(5).empty());
  EXPECT_TRUE(Load(2));
  Display()->SetFilterState(true);
}

// The page the program makes on the first load builds its tree in that same
// load, and stays put when Escape reaches it.
TEST_F(ShellTest, ProgramsPageBuildsItsTreeOnTheFirstLoad) {
  ASSERT_TRUE(Start());
  auto *project = KEEL::FRAME::GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(g_pKvCoreData,
                                                                                        L"MoxCurProjectMgr");
  ASSERT_NE(project, nullptr);
  KVOUTSIDE::CAnswers::Instance().Set(L"AppHoopsCtrlMgr", L"ListSegments", L"scene:0;model:1");
  EXPECT_TRUE(project->LoadProject({2, 7}));
  CDisplayControlDlg *page = nullptr;
  for (auto *o : project->GetObservers(5))
    if (auto *found = dynamic_cast<CDisplayControlDlg *>(o)) page = found;
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(page->IsWindow());
  ASSERT_NE(page->GetDisplayTree(), nullptr);
  EXPECT_EQ(page->GetDisplayTree()->GetSegmentName(), L"model");
  page->GetDlgItem(IDC_BTN_COLLAPSE)->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  KVUI::PumpPending();
  EXPECT_FALSE(page->IsEnded());
  KVOUTSIDE::CAnswers::Instance().Set(L"AppHoopsCtrlMgr", L"ListSegments", L"other:1");
  EXPECT_TRUE(project->LoadProject({3, 8}));
  ASSERT_NE(page->GetDisplayTree(), nullptr);
  EXPECT_EQ(page->GetDisplayTree()->GetSegmentName(), L"other");
  EXPECT_EQ(Lines(std::wstring(kTree) + L"delete").size(), 1u);
  app->ExitInstance();
}

// The start-up tip: names in the given order, the check box's final state,
// the caption.
TEST_F(ShellTest, OpenTipListsTheNamesAndReturnsTheCheckBox) {
  struct Case {
    const char *what;
    std::vector<std::wstring> names;
    int clicks;
    int closeWith;
    bool shown;
  } const cases[] = {
      {"three names, left ticked", {L"zeta", L"Alpha", L"mid"}, 0, IDOK, true},
      {"unticked", {L"b", L"a"}, 1, IDOK, false},
      {"unticked and ticked again", {L"one"}, 2, IDOK, true},
      {"unticked, closed with the close box", {L"c", L"B", L"a"}, 1, IDCANCEL, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    KVUI::ClearShownBoxes();
    std::vector<std::wstring> listed;
    bool tickedAtStart = false;
    responder.ExpectDialog(IDD_OPEN_TIP, [&](CDialog &dlg) {
      EXPECT_STREQ(dlg.GetRuntimeClass()->m_lpszClassName, "CKvOpenTipDlg");
      EXPECT_TRUE(static_cast<CBCGPDialog &>(dlg).IsVisualManagerStyle());
      listed = static_cast<CListBox *>(dlg.GetDlgItem(IDC_LIST_PROJECTS))->GetItems();
      tickedAtStart = dlg.IsDlgButtonChecked(IDC_CHECK_SHOW_TIP) == BST_CHECKED;
      for (int i = 0; i < c.clicks; ++i) static_cast<CButton *>(dlg.GetDlgItem(IDC_CHECK_SHOW_TIP))->Click();
      return c.closeWith;
    });
    std::vector<std::wstring> names = c.names;
    EXPECT_EQ(KVSHELL::RunOpenTipDialog(names), c.shown);
    EXPECT_EQ(listed, c.names);
    EXPECT_TRUE(tickedAtStart);
    const auto boxes = KVUI::GetShownBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"启动提示");
    EXPECT_EQ(boxes[0].answer, c.closeWith);
  }
}

TEST_F(ShellTest, OpenTipStartsUntickedWhenAskedTo) {
  std::vector<std::wstring> names{L"p"};
  responder.ExpectDialog(IDD_OPEN_TIP, [](CDialog &dlg) {
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK_SHOW_TIP), UINT(BST_UNCHECKED));
    return IDOK;
  });
  EXPECT_FALSE(KVDIALOGS::RunOpenTip(names, false));
  CKvOpenTipDlg none;  // no names: an empty list
  responder.ExpectDialog(IDD_OPEN_TIP, [](CDialog &dlg) {
    EXPECT_TRUE(static_cast<CListBox *>(dlg.GetDlgItem(IDC_LIST_PROJECTS))->GetItems().empty());
    return IDOK;
  });
  EXPECT_EQ(none.DoModal(), IDOK);
  EXPECT_TRUE(none.m_bShowTip);
}

}  // namespace
}  // namespace kv::test
