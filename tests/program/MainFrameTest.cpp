// The main frame: its close checks, copy data, the command range, the
// status bar, the colour button and the window limits.
#include "AppState.h"
#include "ShellTestSupport.h"
#include "modula/Modula.h"
#include "moxcommands/Login.h"

namespace kv::test {
namespace {

const wchar_t kQuit[] = L"确定要退出软件？";
const wchar_t kTask[] = L"本机处理任务中存在未处理完的\n工程继续退出 将放弃本次处理";

class MainFrameTest : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Start());
    KVOUTSIDE::CJournal::Instance().Clear();
  }
  void TearDown() override { app->ExitInstance(); }
  void Answer(const wchar_t *object, const wchar_t *op, const wchar_t *value) {
    KVOUTSIDE::CAnswers::Instance().Set(object, op, value);
  }
  void Close() {
    Frame()->PostMessage(WM_CLOSE);
    KVUI::PumpPending();
  }
};

// Each case: the answers of the busy checks and the boxes with the answers
// given; whether the window stays.
TEST_F(MainFrameTest, CloseChecksKeepTheWindowOrLetItGo) {
  struct Case {
    const char *what;
    bool clash, hole, task, changingUser, loginEnded;
    std::vector<std::pair<std::wstring, int>> boxes;
    bool stays;
  } const cases[] = {
      {"clash check runs", true, false, false, false, false, {{L"碰撞检查正在进行中，请稍后再试", IDOK}}, true},
      {"both checks run", true, true, false, false, false, {{L"碰撞检查正在进行中，请稍后再试", IDOK}}, true},
      {"hole check runs", false, true, false, false, false, {{L"孔洞检查正在进行中，请稍后再试", IDOK}}, true},
      {"task kept", false, false, true, false, false, {{kTask, IDNO}}, true},
      {"task given up", false, false, true, false, false, {{kTask, IDYES}, {kQuit, IDYES}}, false},
      {"task box closed", false, false, true, false, false, {{kTask, IDCANCEL}, {kQuit, IDYES}}, false},
      {"not confirmed", false, false, false, false, false, {{kQuit, IDNO}}, true},
      {"confirmed", false, false, false, false, false, {{kQuit, IDYES}}, false},
      {"changing user", false, false, false, true, false, {}, false},
      {"login ended", false, false, false, false, true, {}, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    Reset();
    SetUp();
    Answer(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking", c.clash ? L"1" : L"0");
    Answer(L"APP_HOLE_CHECK_MGR", L"IsChecking", c.hole ? L"1" : L"0");
    Answer(L"MoxProjDataProcMgr", L"IsHaveTask", c.task ? L"1" : L"0");
    Answer(L"MOXCOMMANDS::LOGIN::CStartUpEve", L"IsChangeingUser", c.changingUser ? L"1" : L"0");
    g_nLoginEnded = c.loginEnded ? 1 : 0;
    for (const auto &box : c.boxes) responder.ExpectMessageBox(box.second, box.first);
    Close();
    EXPECT_EQ(Frame()->IsWindow() != FALSE, c.stays);
    // A window that stays still takes web errors, and a login the server
    // ends still restarts the program; a close that went ahead allows the
    // restart too.
    EXPECT_EQ(g_bAppRunning, c.stays);
    EXPECT_TRUE(MOXCOMMANDS::LOGIN::CReStartUp::m_bEnableStart);
    const bool confirmed = !c.stays && !c.changingUser && !c.loginEnded;
    EXPECT_EQ(Find(L"AddLogInfo|退出软件|退出软件|false") >= 0, confirmed);
    EXPECT_EQ(Find(L"AddLogInfo|系统|退出|false") >= 0, !c.stays);
  }
}

TEST_F(MainFrameTest, ClosingRunsItsStepsInOrder) {
  responder.ExpectMessageBox(IDYES, std::wstring(kQuit));
  Close();
  const wchar_t *const steps[] = {
      L"AddLogInfo|退出软件|退出软件|false", L"APP_WALK_MODULE_MGR|RudeCloseCommand",
      L"MoxCurProjectMgr|CleanCurOpenInfo",  L"AddLogInfo|系统|退出|false",
      L"AddLogInfo|退出||0",                 L"MoxRecordLogMgr|ReleaseObject",
      L"CENTRALAUTHENTICATIONSERVICE_MGR |LogOut", L"KVLOG::CKvLog||Close",
  };
  int at = 0;
  for (const wchar_t *step : steps) {
    SCOPED_TRACE(KVUI::Utf8(step));
    const int found = Find(step, at);
    ASSERT_GE(found, 0);
    at = found + 1;
  }
  EXPECT_FALSE(Frame()->IsWindow());
  int code = -1;
  EXPECT_TRUE(KVUI::IsQuitPosted(&code));
  EXPECT_EQ(code, 0);
}

TEST_F(MainFrameTest, ExitCommandsCloseRunsTheChecks) {
  Answer(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking", L"1");
  responder.ExpectMessageBox(IDOK, std::wstring(L"碰撞检查正在进行中，请稍后再试"));
  Frame()->SendMessage(WM_COMMAND, 5899);
  EXPECT_TRUE(KVUI::GetShownBoxes().empty()) << "the close runs after the command";
  KVUI::PumpPending();
  EXPECT_TRUE(Frame()->IsWindow());
}

TEST_F(MainFrameTest, CommandRangeIsFrom5899To8899) {
  struct Case {
    UINT id;
    bool handled;
  } const cases[] = {{5898, false}, {5899, true}, {8899, true}, {8900, false}};
  Answer(L"APP_COLLISION_MODEL_MGR", L"GetIsChecking", L"1");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.id);
    KVOUTSIDE::CJournal::Instance().Clear();
    if (c.id == 5899) responder.ExpectMessageBox(IDOK);
    Frame()->SendMessage(WM_COMMAND, c.id);
    KVUI::PumpPending();
    EXPECT_EQ(Find(L"ConflictExitWalkModule") >= 0, c.handled);
    // The update range: inside it the frame never disables an element for
    // lack of a handler; outside it the element goes by its command handler.
    CCmdUI ui;
    ui.m_nID = c.id;
    EXPECT_EQ(ui.DoUpdate(Frame(), TRUE) != FALSE, c.handled);
    EXPECT_EQ(ui.GetEnableCall(), c.handled ? std::optional<bool>() : std::optional<bool>(false));
  }
  KVOUTSIDE::CJournal::Instance().Clear();
  Frame()->SendMessage(WM_COMMAND, 5900);
  EXPECT_GE(Find(L"ConflictExitWalkModule|APP_SWITCHENTERPRISE_CMD"), 0);
  EXPECT_GE(Find(L"RemoveLastEnterpriseFile"), 0);
}

TEST_F(MainFrameTest, CopyDataStartsPollingFor7008Only) {
  struct Case {
    ULONG_PTR code;
    bool taken, polls;
  } const cases[] = {{7008, false, true}, {7008, true, false}, {7009, false, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.code);
    KVOUTSIDE::CJournal::Instance().Clear();
    Answer(L"MoxProjDataProcMgr", L"OnCopyData", c.taken ? L"1" : L"0");
    COPYDATASTRUCT data;
    data.dwData = c.code;
    EXPECT_EQ(Frame()->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), TRUE);
    EXPECT_GE(Find(L"MoxProjDataProcMgr|OnCopyData"), 0);
    EXPECT_EQ(Find(L"MoxProcessPolling|StartPolling|7008") >= 0, c.polls);
  }
}

TEST_F(MainFrameTest, SizeAndPrivateMessagesNeedTheFramework) {
  for (const bool withFramework : {true, false}) {
    SCOPED_TRACE(withFramework ? "framework set" : "no framework");
    CKvCoreFramework *framework = Frame()->m_pFramework;
    if (!withFramework) Frame()->m_pFramework = nullptr;
    KVOUTSIDE::CJournal::Instance().Clear();
    Frame()->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    EXPECT_EQ(Frame()->SendMessage(WM_KV_TRANSHOLE, 0, 42), 0);
    EXPECT_EQ(Frame()->SendMessage(WM_KV_COMMUNICATE, 0, 42), 0);
    Frame()->m_pFramework = framework;
    EXPECT_EQ(Lines(L"Mox_StartView_Mgr|OnResize").size(), withFramework ? 1u : 0u);
    EXPECT_EQ(Lines(L"APP_TRANS_HOLE_MGR|OnTransHoleMsg|42").size(), withFramework ? 1u : 0u);
  }
}

TEST_F(MainFrameTest, StatusBarColourButtonAndLimits) {
  CBCGPStatusBar *bar = nullptr;
  for (CWnd *child : Frame()->GetChildren())
    if (auto *b = dynamic_cast<CBCGPStatusBar *>(child)) bar = b;
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetCount(), 3);
  EXPECT_EQ(std::wstring(bar->GetPaneText(1)), L"[u,e]");
  EXPECT_EQ(bar->GetPaneWidth(1), KVUI::MeasureText(L"[u,e]").cx + 10);
  EXPECT_EQ(std::wstring(bar->GetPaneText(2)), L"V1.0.5");
  EXPECT_EQ(bar->GetPaneWidth(2), KVUI::MeasureText(L"V1.0.5").cx + 4);

  auto *ribbon = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(app->m_pFramework->GetCoreData(),
                                                                        L"AppRibbonMenuMgr");
  auto *button = dynamic_cast<CBCGPRibbonColorButton *>(
      ribbon->GetRibbonMenu()->FindElementByName(CString(L"AppCmd_DimMarkColor"), FALSE));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->GetColor(), COLORREF(255));
  EXPECT_EQ(button->GetColumns(), 10);
  ASSERT_EQ(button->GetColorGroups().size(), 2u);
  EXPECT_EQ(button->GetColorGroups()[0].name, L"主题颜色");
  EXPECT_EQ(button->GetColorGroups()[0].colors.size(), 10u);
  EXPECT_EQ(button->GetColorGroups()[0].colors[3], RGB(31, 73, 125));
  EXPECT_EQ(button->GetColorGroups()[1].colors.size(), 50u);
  EXPECT_TRUE(button->GetColorGroups()[1].contiguousColumns);
  EXPECT_EQ(button->GetColorGroups()[1].colors[49], RGB(126, 77, 42));
  EXPECT_EQ(button->GetOtherLabel(), L"&更多颜色...");

  MINMAXINFO info;
  Frame()->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 1024);
  EXPECT_EQ(info.ptMinTrackSize.y, 768);
  EXPECT_EQ(Frame()->SendMessage(WM_HOTKEY, 1, 0), 0);
}

}  // namespace
}  // namespace kv::test
