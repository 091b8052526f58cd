// The view input command: what each message of the 3D view hands to the
// view operator and the walk module, dimension points with Delete, Escape
// and the right button, the menus, and Ctrl+F. The view is built as the
// program builds it: a tab page, its view manager and the view operator.
#include <functional>
#include <memory>

#include "InitCmd.h"
#include "KvCoreData.h"
#include "KvDimMarkCmd.h"
#include "KvIdleCmd.h"
#include "ShellTestSupport.h"
#include "keel/KeelOutside.h"
#include "keel/cmd/CmdMgr.h"
#include "kvcollision/KVCollisionComponent.h"
#include "kvwalkproc/KVWalkProc.h"
#include "modula/Modula.h"
#include "moxmanagers/MoxManagers.h"

namespace kv::test {
namespace {

using View = KEEL::MFC::IMFCViewMgr;
using KEEL::FRAME::GetManagerAs;
using MODKIT::MFC::CMsgView;

// A command that becomes current when run (the dimension command, the
// component filter...).
class CurrentCmd : public KEEL::CMD::CPushPullMsgCmdObj {
 public:
  explicit CurrentCmd(std::wstring name) : name_(std::move(name)) {}
  std::wstring GetName() override { return name_; }

 private:
  std::wstring name_;
};

const wchar_t *const kDimCmds[] = {L"AppCmd_DISTANCE", L"AppCmd_DUIQI", L"AppCmd_XIANXING"};

class InitCmdTest : public ShellTest {
 protected:
  void SetUp() override { Build(true); }
  void TearDown() override {
    KVUI::ReleaseAllKeys();
    nViewId = 0;
    app->ExitInstance();
  }
  // The program with a 3D view; the operator only when `withOperator`.
  void Build(bool withOperator) {
    ASSERT_TRUE(Start());
    KEEL::FRAME::IKeelData *data = g_pKvCoreData;
    auto *tabs = GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(data, L"AppMDITabPageMgr");
    ASSERT_NE(tabs, nullptr);
    nViewId = tabs->AddTabPage(RUNTIME_CLASS(CMsgView), L"BIM 视图");
    view = dynamic_cast<CView *>(tabs->FindTab(nViewId));
    ASSERT_NE(view, nullptr);
    viewMgr = new KEEL::MFC::CMFCViewMgr(nullptr, view, L"HoopsViewMgr");
    data->RemoveManager(L"HoopsViewMgr");
    ASSERT_TRUE(data->AddManager(viewMgr));
    if (withOperator)
      GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(data, L"AppHoopsBaseMgr")->CreateOperator(L"AppHoopsOperator",
                                                                                         view->m_hWnd);
    cmds = GetManagerAs<KEEL::CMD::CCmdMgr>(data, L"AppCommandMgr");
    ASSERT_NE(cmds, nullptr);
    init = new CInitCmd;
    ASSERT_TRUE(cmds->AddCommand(init));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(cmds->AddCommand(dims[i] = new CKvDimMarkCmd(kDimCmds[i])));
    for (const wchar_t *name : {L"AppCmd_DimMark", L"AppCmd_CompFilter", L"AppCmd_CompHide"})
      ASSERT_TRUE(cmds->AddCommand(new CurrentCmd(name)));
    ASSERT_TRUE(cmds->AddCommand(new CCompInfoCmd));
    ASSERT_TRUE(cmds->AddCommand(new CollisionCommand::CClashResultCmd));
    init->RegisterViewEvents(viewMgr);
    KVOUTSIDE::CJournal::Instance().Clear();
    KVUI::ClearShownBoxes();
  }
  void Rebuild(bool withOperator) {
    TearDown();
    Reset();
    Build(withOperator);
  }
  void Answer(const wchar_t *object, const wchar_t *op, const std::wstring &value) {
    KVOUTSIDE::CAnswers::Instance().Set(object, op, value);
  }
  // The view's selection: item keys, those that are dimension marks.
  void Select(const std::wstring &keys, const std::wstring &marks) {
    Answer(L"AppHoopsOperator", L"GetSelectSegment", keys.empty() ? L"0" : L"1");
    Answer(L"AppHoopsOperator", L"GetSelectedKeys", keys);
    Answer(L"MoxDimMarkMgr", L"IsDimMark", marks);
  }
  void Run(const wchar_t *name) {
    boost::any none;
    cmds->RunCommand(name, none);
  }
  bool IsCurrent(const wchar_t *name) {
    return cmds->GetCommand(name)->GetStatus() == KEEL::CMD::CMD_STATUS_RUNNING;
  }
  // A message posted to the view, as the user's input arrives.
  void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    view->PostMessage(message, wParam, lParam);
    KVUI::PumpPending();
  }
  void Click(View::MsgType type, int x = 10, int y = 20) { viewMgr->FireMouseMsg(type, MK_LBUTTON, CPoint(x, y)); }
  void KeyUp(UINT key) { viewMgr->FireKeyMsg(View::KEYUP, key, 1, 0); }
  std::vector<std::wstring> WalkInput() const { return Lines(L"APP_WALK_MODULE_MGR|Ex"); }
  std::vector<std::wstring> OperatorInput() const { return Lines(L"CHoopsOperator|AppHoopsOperator|"); }

  CView *view = nullptr;
  KEEL::MFC::CMFCViewMgr *viewMgr = nullptr;
  KEEL::CMD::CCmdMgr *cmds = nullptr;
  CInitCmd *init = nullptr;
  CKvDimMarkCmd *dims[3] = {};
};

std::vector<std::wstring> Only(const wchar_t *line) {
  return line ? std::vector<std::wstring>{line} : std::vector<std::wstring>{};
}

// A view manager that records the order of the connections made to it.
class ConnectionOrder : public View {
 public:
  std::vector<std::string> order;
  MouseMsg mouse[MOUSEMOVE + 1];
  boost::signals2::connection ConnectMouseMsg(MsgType type, const MouseMsg::slot_type &slot) override {
    order.push_back("mouse " + std::to_string(type));
    return mouse[type].connect(slot);
  }
  boost::signals2::connection ConnectKeyMsg(MsgType type, const KeyMsg::slot_type &) override {
    order.push_back("key " + std::to_string(type));
    return {};
  }
  boost::signals2::connection ConnectMouseMsgWheel(const WheelMsg::slot_type &) override {
    order.push_back("wheel");
    return {};
  }
  boost::signals2::connection ConnectPreTranslateMessage(const PreTranslateMsg::slot_type &) override {
    order.push_back("pretranslate");
    return {};
  }
  boost::signals2::connection ConnectPaintMsg(const PaintMsg::slot_type &) override {
    order.push_back("paint");
    return {};
  }
  boost::signals2::connection ConnectSizeMsg(const SizeMsg::slot_type &) override {
    order.push_back("size");
    return {};
  }
};

// A derived command whose own left-button handler must be the one that runs.
class DerivedInitCmd : public CInitCmd {
 public:
  int downs = 0;
  void OnLButtonDown(UINT, CPoint) override { ++downs; }
};

TEST(InitCmdRegistration, ConnectsEveryHandlerInOrderThroughItsVirtualOperation) {
  DerivedInitCmd cmd;
  EXPECT_EQ(cmd.GetName(), L"INIT_HOOPSVIEW_CMD");
  EXPECT_EQ(cmd.GetGroup(), KEEL::CMD::CMD_GROUP_INIT);
  ConnectionOrder view;
  cmd.RegisterViewEvents(&view);
  const std::vector<std::string> expected = {"mouse 0", "mouse 1", "mouse 2", "mouse 4", "mouse 6",
                                             "mouse 7", "mouse 8", "mouse 9", "wheel",   "key 10",
                                             "key 11",  "pretranslate", "paint", "size"};
  EXPECT_EQ(view.order, expected);
  view.mouse[View::LBUTTONDOWN](0, CPoint(1, 2));
  EXPECT_EQ(cmd.downs, 1);
  // Right button down and right double click stay unconnected.
  EXPECT_TRUE(view.mouse[View::RBUTTONDOWN].empty());
  EXPECT_TRUE(view.mouse[View::RBUTTONDBLCLK].empty());
}

TEST(InitCmdRegistration, HandlersLeaveTheViewWithTheCommand) {
  KEEL::MFC::CMFCViewMgr view(nullptr, nullptr, L"HoopsViewMgr");
  {
    CInitCmd cmd;
    cmd.RegisterViewEvents(&view);
  }
  view.FireMouseMsg(View::LBUTTONDOWN, 0, CPoint(1, 2));
  EXPECT_EQ(view.FireMouseWheel(0, 120, CPoint(1, 2)), 0);
}

// Each message of the view: what the operator and the walk module receive.
TEST_F(InitCmdTest, EachMessageReachesTheOperatorAndTheWalkModuleAsItsRowSays) {
  CRect area;
  view->GetWindowRect(&area);
  const std::wstring extent = L"SetWindowExtent|" + std::to_wstring(area.left) + L"|" +
                              std::to_wstring(area.right) + L"|" + std::to_wstring(area.bottom) + L"|" +
                              std::to_wstring(area.top);
  struct Case {
    const char *what;
    std::function<void(KEEL::MFC::CMFCViewMgr &)> fire;
    const wchar_t *op;    // operator line, or none
    const wchar_t *walk;  // walk module line, or none
  } const cases[] = {
      {"left down", [](auto &v) { v.FireMouseMsg(View::LBUTTONDOWN, 1, CPoint(10, 20)); },
       L"OnMouseEvent|0|1|10|20", nullptr},
      {"left up", [](auto &v) { v.FireMouseMsg(View::LBUTTONUP, 1, CPoint(10, 20)); }, L"OnMouseEvent|1|1|10|20",
       L"ExLButtonUp|1|10|20"},
      {"left double click", [](auto &v) { v.FireMouseMsg(View::LBUTTONDBLCLK, 1, CPoint(10, 20)); },
       L"OnMouseEvent|2|1|10|20", nullptr},
      {"right down", [](auto &v) { v.FireMouseMsg(View::RBUTTONDOWN, 2, CPoint(10, 20)); }, nullptr, nullptr},
      {"right up", [](auto &v) { v.FireMouseMsg(View::RBUTTONUP, 2, CPoint(10, 20)); }, nullptr,
       L"ExRButtonUp|2|10|20"},
      {"right double click", [](auto &v) { v.FireMouseMsg(View::RBUTTONDBLCLK, 2, CPoint(10, 20)); }, nullptr,
       nullptr},
      {"middle down", [](auto &v) { v.FireMouseMsg(View::MBUTTONDOWN, 16, CPoint(10, 20)); },
       L"OnMouseEvent|4|16|10|20", L"ExMButtonDown|16|10|20"},
      {"middle up", [](auto &v) { v.FireMouseMsg(View::MBUTTONUP, 16, CPoint(10, 20)); },
       L"OnMouseEvent|5|16|10|20", nullptr},
      {"middle double click", [](auto &v) { v.FireMouseMsg(View::MBUTTONDBLCLK, 16, CPoint(10, 20)); },
       L"OnMiddleDblClk", nullptr},
      {"move", [](auto &v) { v.FireMouseMsg(View::MOUSEMOVE, 0, CPoint(-5, 7)); }, L"OnMouseEvent|3|0|-5|7",
       L"ExMouseMove|0|-5|7"},
      {"wheel", [](auto &v) { EXPECT_EQ(v.FireMouseWheel(4, -120, CPoint(10, 20)), 1); },
       L"OnWheelEvent|4|-120|10|20", nullptr},
      {"key down", [](auto &v) { v.FireKeyMsg(View::KEYDOWN, 'A', 2, 30); }, L"OnKeyEvent|0|65|2|30",
       L"ExKeyDown|65|2|30"},
      {"key up", [](auto &v) { v.FireKeyMsg(View::KEYUP, 'A', 1, 30); }, L"OnKeyEvent|1|65|1|30",
       L"ExKeyUp|65|1|30"},
      {"size", [this](auto &v) { v.FireSize(view, SIZE_RESTORED, 800, 600); }, nullptr, L"ExSize|window|0|800|600"},
  };
  for (bool withOperator : {true, false}) {
    for (const Case &c : cases) {
      SCOPED_TRACE(std::string(c.what) + (withOperator ? "" : ", no operator"));
      Rebuild(withOperator);
      c.fire(*viewMgr);
      EXPECT_EQ(OperatorInput(), withOperator && c.op ? Only((L"KEEL::HOOPS::CHoopsOperator|AppHoopsOperator|" +
                                                              std::wstring(c.op)).c_str())
                                                      : Only(nullptr));
      EXPECT_EQ(WalkInput(), c.walk ? Only((L"EventMgr::CWalkModuleMgr|APP_WALK_MODULE_MGR|" +
                                            std::wstring(c.walk)).c_str())
                                    : Only(nullptr));
    }
    SCOPED_TRACE(withOperator ? "paint" : "paint, no operator");
    Rebuild(withOperator);
    viewMgr->FirePaint(view);
    EXPECT_EQ(Lines(L"SetWindowExtent").size(), withOperator ? 1u : 0u);
    if (withOperator) EXPECT_NE(Lines(L"CHoopsScene|AppHoopsOperator|" + extent).size(), 0u);
    EXPECT_TRUE(WalkInput().empty());
  }
}

TEST_F(InitCmdTest, DoubleClickShowsTheComponentInformation) {
  Click(View::LBUTTONDBLCLK, 30, 40);
  EXPECT_EQ(Lines(L"ShowInfo"), Only(L"CCompInfoCmd|AppCmd_CompInfo|ShowInfo|30|40|双击构件"));
}

// Left button down counts a point of the pressed dimension command only.
TEST_F(InitCmdTest, LeftButtonDownCountsAPointOfThePressedDimensionCommand) {
  Click(View::LBUTTONDOWN);
  for (CKvDimMarkCmd *dim : dims) EXPECT_EQ(dim->GetCurDimCount(), 0);
  Run(L"AppCmd_DUIQI");
  ASSERT_TRUE(dims[1]->IsClickButton());
  Click(View::LBUTTONDOWN);
  Click(View::LBUTTONDOWN);
  Click(View::LBUTTONUP);
  EXPECT_EQ(dims[0]->GetCurDimCount(), 0);
  EXPECT_EQ(dims[1]->GetCurDimCount(), 2);
  EXPECT_EQ(dims[2]->GetCurDimCount(), 0);
}

// The right button's release and Escape after 0, 1 and 2 points: one point
// is dropped and dimensioning goes on; otherwise dimensioning ends.
TEST_F(InitCmdTest, RightButtonAndEscapeDropTheOnePointOrEndDimensioning) {
  struct Case {
    const char *what;
    bool escape;
    int points;
  } const cases[] = {
      {"right up after 0", false, 0}, {"right up after 1", false, 1}, {"right up after 2", false, 2},
      {"escape after 0", true, 0},    {"escape after 1", true, 1},    {"escape after 2", true, 2},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Rebuild(true);
    Run(L"AppCmd_XIANXING");
    ASSERT_TRUE(IsCurrent(L"AppCmd_DimMark"));
    for (int i = 0; i < c.points; ++i) Click(View::LBUTTONDOWN);
    KVOUTSIDE::CJournal::Instance().Clear();
    SetCursor(nullptr);
    if (c.escape)
      KeyUp(VK_ESCAPE);
    else
      Click(View::RBUTTONUP);
    const bool dropped = c.points == 1;
    EXPECT_EQ(Lines(L"MoxDimMarkMgr|CancelDimPoint").size(), dropped ? 1u : 0u);
    EXPECT_EQ(Lines(L"MoxDimMarkMgr|ResetDimMark").size(), dropped ? 0u : 1u);
    EXPECT_EQ(dims[2]->IsClickButton(), dropped);
    EXPECT_EQ(IsCurrent(L"AppCmd_DimMark"), dropped);
    EXPECT_EQ(dims[2]->GetCurDimCount(), 0);
    EXPECT_EQ(KVUI::GetCursorId(), dropped ? 0u : 32512u);
    EXPECT_FALSE(dims[0]->IsClickButton() || dims[1]->IsClickButton());
  }
}

// After dimensioning ended with two points, the next one counts from 0, so
// its single point is dropped rather than ending it.
TEST_F(InitCmdTest, TheNextDimensioningCountsItsPointsFromZero) {
  Run(L"AppCmd_DISTANCE");
  Click(View::LBUTTONDOWN);
  Click(View::LBUTTONDOWN);
  KeyUp(VK_ESCAPE);
  ASSERT_FALSE(dims[0]->IsClickButton());
  Run(L"AppCmd_DISTANCE");
  Click(View::LBUTTONDOWN);
  KVOUTSIDE::CJournal::Instance().Clear();
  Click(View::RBUTTONUP);
  EXPECT_EQ(Lines(L"CancelDimPoint").size(), 1u);
  EXPECT_TRUE(dims[0]->IsClickButton());
}

// A button released by a second click or by choosing a sister forgets its
// points: pressed again, one new point is dropped by Escape as the only one.
TEST_F(InitCmdTest, AReleasedButtonCountsItsPointsFromZeroWhenPressedAgain) {
  struct Case {
    const char *what;
    std::vector<const wchar_t *> steps;  // commands run; null: a point placed
  } const cases[] = {
      {"second click", {L"AppCmd_DISTANCE", nullptr, L"AppCmd_DISTANCE", L"AppCmd_DISTANCE", nullptr}},
      {"sister chosen", {L"AppCmd_DISTANCE", nullptr, L"AppCmd_DUIQI", L"AppCmd_DISTANCE", nullptr}},
      {"sister with points", {L"AppCmd_DUIQI", nullptr, L"AppCmd_DISTANCE", nullptr, L"AppCmd_DUIQI", nullptr}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Rebuild(true);
    for (const wchar_t *step : c.steps) {
      if (step)
        Run(step);
      else
        Click(View::LBUTTONDOWN);
    }
    CKvDimMarkCmd *last = dynamic_cast<CKvDimMarkCmd *>(cmds->GetCommand(c.steps[c.steps.size() - 2]));
    ASSERT_NE(last, nullptr);
    for (CKvDimMarkCmd *dim : dims) EXPECT_EQ(dim->GetCurDimCount(), dim == last ? 1 : 0);
    KVOUTSIDE::CJournal::Instance().Clear();
    KeyUp(VK_ESCAPE);
    EXPECT_EQ(Lines(L"MoxDimMarkMgr|CancelDimPoint").size(), 1u);
    EXPECT_TRUE(Lines(L"MoxDimMarkMgr|ResetDimMark").empty());
    EXPECT_TRUE(last->IsClickButton());
    EXPECT_TRUE(IsCurrent(L"AppCmd_DimMark"));
  }
}

TEST_F(InitCmdTest, RightButtonAndEscapeWithoutDimensioningStopNothing) {
  Click(View::RBUTTONUP);
  KeyUp(VK_ESCAPE);
  EXPECT_TRUE(Lines(L"MoxDimMarkMgr|").empty());
  EXPECT_TRUE(Lines(L"StopCommand").empty());
}

// Delete: the selected dimension marks go, unless the component filter or
// hiding is the current command.
TEST_F(InitCmdTest, DeleteRemovesTheSelectedMarksUnlessFilterOrHideRuns) {
  struct Case {
    const char *what;
    const wchar_t *keys, *marks;
    const wchar_t *running;  // current command, or none
    const wchar_t *deleted;  // DeleteDimMarks line, or none
  } const cases[] = {
      {"two marks and a component", L"1 2 3", L"1,3", nullptr, L"DeleteDimMarks|1|3"},
      {"nothing selected", L"", L"1,3", nullptr, nullptr},
      {"no mark selected", L"2", L"1,3", nullptr, nullptr},
      {"hiding runs", L"1 2 3", L"1,3", L"AppCmd_CompHide", nullptr},
      {"filter runs", L"1 2 3", L"1,3", L"AppCmd_CompFilter", nullptr},
      {"another command runs", L"1 2 3", L"1,3", L"AppCmd_DimMark", L"DeleteDimMarks|1|3"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Rebuild(true);
    Select(c.keys, c.marks);
    if (c.running) Run(c.running);
    KeyUp(VK_DELETE);
    EXPECT_EQ(Lines(L"DeleteDimMarks").size(), c.deleted ? 1u : 0u);
    if (c.deleted) EXPECT_EQ(Lines(L"MoxDimMarkMgr|" + std::wstring(c.deleted)).size(), 1u);
    // The key still reaches the operator and the walk module.
    EXPECT_EQ(Lines(L"OnKeyEvent|1|46|1|0").size(), 1u);
    EXPECT_EQ(WalkInput(), Only(L"EventMgr::CWalkModuleMgr|APP_WALK_MODULE_MGR|ExKeyUp|46|1|0"));
  }
}

// The right button on selected marks offers "删除标注(S)"; choosing it
// deletes them. Dimensioning then ends as with Escape.
TEST_F(InitCmdTest, RightButtonOnSelectedMarksOffersTheirDeletion) {
  for (UINT choice : {2028u, 0u}) {
    SCOPED_TRACE(choice);
    Rebuild(true);
    Select(L"5 6", L"6");
    Run(L"AppCmd_DUIQI");
    responder.ExpectMenu(choice);
    CPoint screen(15, 25);
    view->ClientToScreen(&screen);
    Click(View::RBUTTONUP, 15, 25);
    const auto boxes = KVUI::GetShownBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, KVUI::BoxKind::Menu);
    EXPECT_EQ(boxes[0].items, std::vector<std::wstring>{L"2028 删除标注(S)"});
    EXPECT_EQ(boxes[0].flags, UINT(TPM_RIGHTBUTTON));
    EXPECT_EQ(boxes[0].point, screen);
    EXPECT_FALSE(dims[1]->IsClickButton());
    EXPECT_FALSE(IsCurrent(L"AppCmd_DimMark"));
    EXPECT_TRUE(Lines(L"DeleteDimMarks").empty());  // the choice arrives later, as a command
    KVUI::PumpPending();
    EXPECT_EQ(Lines(L"DeleteDimMarks|6").size(), choice ? 1u : 0u);
  }
}

// The menu commands as the view's messages: 32772 shows the component's
// information, 2028 deletes the selected marks; the walk module sees each.
TEST_F(InitCmdTest, MenuCommandsOfTheViewAreHandledAndPassedOn) {
  struct Case {
    const char *what;
    WPARAM id;
    const wchar_t *line;
  } const cases[] = {
      {"component information", 32772, L"CCompInfoCmd|AppCmd_CompInfo|ShowInfo|0|0|右键查看信息"},
      {"delete marks", 2028, L"MoxDimMarkMgr|DeleteDimMarks|7"},
      {"another command", 2029, nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Rebuild(true);
    Select(L"7 8", L"7");
    Post(WM_COMMAND, c.id);
    EXPECT_EQ(Lines(L"ShowInfo").size() + Lines(L"DeleteDimMarks").size(), c.line ? 1u : 0u);
    if (c.line) EXPECT_EQ(Lines(c.line).size(), 1u);
    EXPECT_EQ(Lines(L"ExPreTranslateMessage|273|" + std::to_wstring(c.id) + L"|0").size(), 1u);
  }
}

// Ctrl+F turns the clash results' full screen on and off: the ribbon is
// minimised and restored, the task pane hidden and shown.
TEST_F(InitCmdTest, CtrlFTwiceTurnsFullScreenOnAndOff) {
  auto *ribbons = GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(g_pKvCoreData, L"AppRibbonMenuMgr");
  CBCGPRibbonBar *bar = ribbons->GetRibbonMenu()->GetRibbonWnd();
  auto *panes = GetManagerAs<MOXMANAGERS::PANE::ITaskPaneMgr>(g_pKvCoreData, L"MoxTaskPaneMgr");
  ASSERT_TRUE(bar && panes && panes->IsTaskPaneVisible());
  KVUI::SetKeyDown(VK_CONTROL, true);
  Post(WM_KEYDOWN, 'F');
  EXPECT_EQ(Lines(L"SetFullScreen"), Only(L"CollisionCommand::CClashResultCmd|APP_CLASH_RESULT_CMD|SetFullScreen|true"));
  EXPECT_TRUE(bar->IsRibbonMinimized());
  EXPECT_FALSE(panes->IsTaskPaneVisible());
  KVOUTSIDE::CJournal::Instance().Clear();
  Post(WM_KEYDOWN, 'F');
  EXPECT_EQ(Lines(L"SetFullScreen"), Only(L"CollisionCommand::CClashResultCmd|APP_CLASH_RESULT_CMD|SetFullScreen|false"));
  EXPECT_FALSE(bar->IsRibbonMinimized());
  EXPECT_TRUE(panes->IsTaskPaneVisible());
  // The key also reaches the operator and the walk module.
  EXPECT_EQ(Lines(L"ExPreTranslateMessage|256|70").size(), 1u);
  EXPECT_EQ(Lines(L"ExKeyDown|70").size(), 1u);
}

// A task pane the user hid stays hidden in full screen and is shown after.
TEST_F(InitCmdTest, FullScreenLeavesAHiddenTaskPaneAloneAndShowsItAfter) {
  auto *panes = GetManagerAs<MOXMANAGERS::PANE::ITaskPaneMgr>(g_pKvCoreData, L"MoxTaskPaneMgr");
  panes->ToggleTaskPane();
  KVOUTSIDE::CJournal::Instance().Clear();
  KVUI::SetKeyDown(VK_CONTROL, true);
  Post(WM_KEYDOWN, 'F');
  EXPECT_TRUE(Lines(L"ToggleTaskPane").empty());
  Post(WM_KEYDOWN, 'F');
  EXPECT_EQ(Lines(L"ToggleTaskPane").size(), 1u);
  EXPECT_TRUE(panes->IsTaskPaneVisible());
}

TEST_F(InitCmdTest, CtrlAloneOrFAloneChangesNothingButReachesTheWalkModule) {
  struct Case {
    const char *what;
    bool ctrl;
    UINT message;
    WPARAM key;
  } const cases[] = {
      {"ctrl alone", true, WM_KEYDOWN, VK_CONTROL},
      {"f alone", false, WM_KEYDOWN, 'F'},
      {"ctrl with another key", true, WM_KEYDOWN, 'G'},
      {"ctrl with f released", true, WM_KEYUP, 'F'},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Rebuild(true);
    KVUI::SetKeyDown(VK_CONTROL, c.ctrl);
    Post(c.message, c.key);
    EXPECT_TRUE(Lines(L"SetFullScreen").empty());
    EXPECT_TRUE(Lines(L"ToggleTaskPane").empty());
    EXPECT_EQ(Lines(L"ExPreTranslateMessage|" + std::to_wstring(c.message) + L"|" + std::to_wstring(c.key)).size(),
              1u);
  }
}

// A resting command that eats every message before the view handles it.
class EatingRestCmd : public KEEL::CMD::CPushPullMsgCmdObj {
 public:
  std::wstring GetName() override { return L"APP_KV_IDLE_CMD"; }
  int PreTranslateMessage(MSG *) override { return 1; }
};

// The view's own input is handled even when pre-translation ate it, so the
// view navigates while the resting command takes the input.
TEST_F(InitCmdTest, TheViewHandlesItsInputThoughTheRestingCommandEatsIt) {
  ASSERT_TRUE(cmds->AddCommand(new EatingRestCmd));
  cmds->SetViewMgr(viewMgr);
  Post(WM_MBUTTONDOWN, 0, MAKELPARAM(3, 4));
  Post(WM_KEYUP, VK_ESCAPE, MAKELPARAM(1, 0));
  EXPECT_EQ(OperatorInput(), (std::vector<std::wstring>{
                                 L"KEEL::HOOPS::CHoopsOperator|AppHoopsOperator|OnMouseEvent|4|0|3|4",
                                 L"KEEL::HOOPS::CHoopsOperator|AppHoopsOperator|OnKeyEvent|1|27|1|0"}));
  cmds->SetViewMgr(nullptr);
}

// The view hands its input to the latest view manager made for it, and to
// the earlier one again when that goes.
TEST_F(InitCmdTest, TheViewFeedsItsLatestViewManager) {
  auto later = std::make_unique<KEEL::MFC::CMFCViewMgr>(nullptr, view, L"HoopsViewMgr");
  int moves = 0;
  later->ConnectMouseMsg(View::MOUSEMOVE, [&](UINT, CPoint) { ++moves; });
  Post(WM_MOUSEMOVE);
  EXPECT_EQ(moves, 1);
  EXPECT_TRUE(Lines(L"ExMouseMove").empty());
  later.reset();
  Post(WM_MOUSEMOVE);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(Lines(L"ExMouseMove"), Only(L"EventMgr::CWalkModuleMgr|APP_WALK_MODULE_MGR|ExMouseMove|0|0|0"));
}

// With the walk user state on, the right button offers menu 315 when one
// component is selected.
TEST_F(InitCmdTest, RightButtonOffersTheComponentMenuForOneComponentInWalkState) {
  struct Case {
    const char *what;
    const wchar_t *walkState, *comps;
    bool menu;
  } const cases[] = {
      {"one component", L"1", L"a:1", true},
      {"walk state off", L"0", L"a:1", false},
      {"two components", L"1", L"a:1,b:1", false},
      {"one key, two records", L"1", L"a:2", false},
      {"nothing selected", L"1", L"", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Rebuild(true);
    Answer(L"APP_WALK_MODULE_MGR", L"GetCurWalkUserState", c.walkState);
    Answer(L"AppHoopsOperator", L"GetSelectedComps", c.comps);
    if (c.menu) responder.ExpectMenu(32772);
    Click(View::RBUTTONUP, 3, 4);
    const auto boxes = KVUI::GetShownBoxes();
    ASSERT_EQ(boxes.size(), c.menu ? 1u : 0u);
    if (!c.menu) continue;
    CPoint screen(3, 4);
    view->ClientToScreen(&screen);
    EXPECT_EQ(boxes[0].id, 315u);
    EXPECT_EQ(boxes[0].point, screen);
    KVUI::PumpPending();
    EXPECT_EQ(Lines(L"ShowInfo|0|0|右键查看信息").size(), 1u);
  }
}

// The view's input reaches this command and, through the command manager,
// the resting command; each click is answered once, whichever command takes
// the input.
TEST_F(InitCmdTest, EachClickIsAnsweredOnceWhetherTheRestingCommandTakesTheInputOrNot) {
  struct Case {
    const char *what;
    const wchar_t *walkState;
    const wchar_t *running;  // current command, or none (the resting one)
    size_t menus;
  } const cases[] = {
      {"resting, walk state on", L"1", nullptr, 1},
      {"resting, walk state off", L"0", nullptr, 1},
      {"another command, walk state on", L"1", L"AppCmd_CompFilter", 1},
      {"another command, walk state off", L"0", L"AppCmd_CompFilter", 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Rebuild(true);
    ASSERT_TRUE(cmds->AddCommand(new CKvIdleCmd));
    cmds->SetViewMgr(viewMgr);
    if (c.running) Run(c.running);
    Answer(L"APP_WALK_MODULE_MGR", L"GetCurWalkUserState", c.walkState);
    Answer(L"AppHoopsOperator", L"GetSelectedComps", L"a:1");
    for (size_t i = 0; i < c.menus; ++i) responder.ExpectMenu(32772);
    Click(View::RBUTTONUP, 3, 4);
    EXPECT_EQ(KVUI::GetShownBoxes().size(), c.menus);
    KVUI::PumpPending();
    EXPECT_EQ(Lines(L"ShowInfo|0|0|右键查看信息").size(), c.menus);
    Click(View::LBUTTONDBLCLK, 30, 40);
    EXPECT_EQ(Lines(L"ShowInfo|30|40|双击构件").size(), 1u);
    KVOUTSIDE::CJournal::Instance().Clear();
    Post(WM_COMMAND, 32772);
    EXPECT_EQ(Lines(L"ShowInfo|0|0|右键查看信息").size(), 1u);
    cmds->SetViewMgr(nullptr);
  }
}

}  // namespace
}  // namespace kv::test
