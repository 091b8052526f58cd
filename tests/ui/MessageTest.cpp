// Message maps, the posted-message queue and the command-update object.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "ui/App.h"
#include "ui/CmdUI.h"
#include "ui/Hooks.h"
#include "ui/UiThread.h"
#include "ui/Wnd.h"

namespace {

std::vector<std::string> g_log;

// A frame with the kinds of entries a main frame uses.
class CTestFrame : public CBCGPMDIFrameWnd {
 public:
  UINT lastCommand = 0;
  int updates = 0;
  bool postCloseFromCommand = false;
  bool keepOpen = false;
  ULONG_PTR copyData = 0;
  LPARAM userParam = 0;
  UINT hotKey = 0;
  CSize lastSize;

 protected:
  void OnCommandRange(UINT id) {
    g_log.push_back("command " + std::to_string(id));
    lastCommand = id;
    if (postCloseFromCommand) PostMessage(WM_CLOSE);
    // The queue is not pumped from inside a handler.
    EXPECT_FALSE(KVUI::PumpOne());
    g_log.push_back("command returned");
  }
  void OnUpdateCommandRange(CCmdUI *ui) {
    ++updates;
    ui->m_bEnableChanged = TRUE;
  }
  void OnSize(UINT type, int cx, int cy) {
    CBCGPMDIFrameWnd::OnSize(type, cx, cy);
    lastSize = CSize(cx, cy);
  }
  void OnClose() {
    g_log.push_back("close");
    if (!keepOpen) CBCGPMDIFrameWnd::OnClose();
  }
  BOOL OnCopyData(CWnd *, COPYDATASTRUCT *data) {
    copyData = data->dwData;
    return TRUE;
  }
  void OnGetMinMaxInfo(MINMAXINFO *info) {
    CBCGPMDIFrameWnd::OnGetMinMaxInfo(info);
    info->ptMinTrackSize.x = 1024;
    info->ptMinTrackSize.y = 768;
  }
  void OnHotKey(UINT id, UINT, UINT) { hotKey = id; }
  LRESULT OnCommunicate(WPARAM, LPARAM lParam) {
    userParam = lParam;
    return 7;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CBCGPMDIFrameWnd)
  ON_COMMAND_RANGE(5899, 8899, &CTestFrame::OnCommandRange)
  ON_UPDATE_COMMAND_UI_RANGE(5899, 8899, &CTestFrame::OnUpdateCommandRange)
  ON_WM_SIZE()
  ON_WM_CLOSE()
  ON_WM_COPYDATA()
  ON_WM_GETMINMAXINFO()
  ON_WM_HOTKEY()
  ON_MESSAGE(WM_USER + 500, &CTestFrame::OnCommunicate)
END_MESSAGE_MAP()

// A derived class's entry wins over its base's; unlisted ones reach the base.
class CDerivedFrame : public CTestFrame {
 public:
  UINT own = 0;

 protected:
  void OnOwnCommand() { own = 6000; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedFrame, CTestFrame)
  ON_COMMAND(6000, &CDerivedFrame::OnOwnCommand)
END_MESSAGE_MAP()

class Messages : public ::testing::Test {
 protected:
  void SetUp() override {
    KVUI::BindUiThread();
    KVUI::ResetQueue();
    g_log.clear();
    ASSERT_TRUE(frame.LoadFrame(128));
  }
  void TearDown() override { KVUI::ResetQueue(); }
  CTestFrame frame;
};

TEST_F(Messages, CommandAndUpdateRangesHoldTheirBoundsOnly) {
  struct Case {
    UINT id;
    bool handled;
  } cases[] = {{5898, false}, {5899, true}, {7000, true}, {8899, true}, {8900, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.id);
    frame.lastCommand = 0;
    frame.SendMessage(WM_COMMAND, c.id, 0);
    EXPECT_EQ(frame.lastCommand, c.handled ? c.id : 0u);
    CCmdUI ui;
    ui.m_nID = c.id;
    int before = frame.updates;
    EXPECT_EQ(ui.DoUpdate(&frame, TRUE) != FALSE, c.handled);
    EXPECT_EQ(frame.updates - before, c.handled ? 1 : 0);
    // Outside the range nobody handles the command: the element is disabled.
    if (!c.handled) EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(false));
  }
}

TEST_F(Messages, DerivedEntriesComeFirstAndBaseEntriesStillApply) {
  CDerivedFrame derived;
  ASSERT_TRUE(derived.LoadFrame(128));
  derived.SendMessage(WM_COMMAND, 6000, 0);
  EXPECT_EQ(derived.own, 6000u);
  EXPECT_EQ(derived.lastCommand, 0u);
  derived.SendMessage(WM_COMMAND, 6001, 0);
  EXPECT_EQ(derived.lastCommand, 6001u);
}

TEST_F(Messages, WindowMessagesReachTheirHandlersWithTheirArguments) {
  COPYDATASTRUCT cds;
  cds.dwData = 7008;
  EXPECT_EQ(frame.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), TRUE);
  EXPECT_EQ(frame.copyData, 7008u);
  EXPECT_EQ(frame.SendMessage(WM_USER + 500, 0, 42), 7);
  EXPECT_EQ(frame.userParam, 42);
  EXPECT_EQ(frame.SendMessage(WM_USER + 501, 0, 43), 0);  // not in the map
  EXPECT_EQ(frame.userParam, 42);
  frame.SendMessage(WM_HOTKEY, 3, MAKELPARAM(MOD_CONTROL, 'F'));
  EXPECT_EQ(frame.hotKey, 3u);
  // Resizing asks the minimum size and reports the new size.
  frame.MoveWindow(CRect(0, 0, 800, 600));
  CRect r;
  frame.GetWindowRect(&r);
  EXPECT_EQ(r, CRect(0, 0, 1024, 768));
  EXPECT_EQ(frame.lastSize, CSize(1024, 768));
  // The MDI client fills the frame's client area.
  CRect client;
  CWnd::FromHandle(frame.m_hWndMDIClient)->GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 1024, 768));
  frame.ShowWindow(SW_SHOWMAXIMIZED);
  EXPECT_EQ(frame.lastSize, CSize(1920, 1080));
}

TEST_F(Messages, CloseFromAHandlerArrivesAfterTheHandlerReturned) {
  frame.postCloseFromCommand = true;
  frame.SendMessage(WM_COMMAND, 6100, 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"command 6100", "command returned"}));
  EXPECT_TRUE(frame.IsWindow());
  EXPECT_EQ(KVUI::PumpPending(), 1);
  EXPECT_EQ(g_log.back(), "close");
  EXPECT_FALSE(frame.IsWindow());
}

TEST_F(Messages, QueueKeepsPostingOrderAcrossThreadsAndDropsDeadWindows) {
  frame.keepOpen = true;
  frame.PostMessage(WM_COMMAND, 6001, 0);
  std::thread other([] { KVUI::PostTask([] { g_log.push_back("task"); }); });
  other.join();
  frame.PostMessage(WM_CLOSE);
  CWnd child;
  child.Create(nullptr, L"", WS_CHILD, CRect(), &frame, 5);
  child.PostMessage(WM_CLOSE);
  child.DestroyWindow();
  EXPECT_EQ(KVUI::PumpPending(), 4);
  EXPECT_EQ(g_log, (std::vector<std::string>{"command 6001", "command returned", "task", "close"}));
  EXPECT_FALSE(child.PostMessage(WM_CLOSE)) << "nothing is queued for a dead window";
}

TEST_F(Messages, MessageLoopEndsWhenTheMainFrameIsDestroyed) {
  CWinApp app;
  ASSERT_EQ(AfxGetApp(), &app);
  app.m_pMainWnd = &frame;
  frame.postCloseFromCommand = true;
  frame.PostMessage(WM_COMMAND, 5899, 0);
  std::thread other([] { KVUI::PostTask([] { g_log.push_back("task"); }); });
  other.join();
  EXPECT_EQ(app.Run(), 0);
  EXPECT_FALSE(frame.IsWindow());
  EXPECT_EQ(AfxGetMainWnd(), nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"command 5899", "command returned", "task", "close"}));
}

TEST(CmdUI, TellsNotCalledApartFromFalse) {
  struct Case {
    const char *name;
    void (*act)(CCmdUI &);
    std::optional<bool> enabled;
    std::optional<int> check;
  } cases[] = {
      {"nothing", [](CCmdUI &) {}, std::nullopt, std::nullopt},
      {"disabled", [](CCmdUI &u) { u.Enable(FALSE); }, false, std::nullopt},
      {"unchecked", [](CCmdUI &u) { u.SetCheck(0); }, std::nullopt, 0},
      {"both", [](CCmdUI &u) { u.Enable(); u.SetCheck(1); }, true, 1},
      {"last wins", [](CCmdUI &u) { u.Enable(TRUE); u.Enable(FALSE); }, false, std::nullopt},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    CCmdUI ui;
    c.act(ui);
    EXPECT_EQ(ui.GetEnableCall(), c.enabled);
    EXPECT_EQ(ui.GetCheckCall(), c.check);
    EXPECT_EQ(ui.m_bEnableChanged != FALSE, c.enabled.has_value());
  }
}

TEST(Hooks, SleepAndProcessEndAreSeenWithoutSleepingOrDying) {
  std::vector<DWORD> sleeps;
  std::vector<UINT> ends;
  KVUI::SetSleepHook([&](DWORD ms) { sleeps.push_back(ms); });
  KVUI::SetProcessEndHook([&](UINT code) { ends.push_back(code); });
  Sleep(600);
  EXPECT_TRUE(TerminateProcess(GetCurrentProcess(), 0));
  EXPECT_FALSE(TerminateProcess(reinterpret_cast<HANDLE>(std::uintptr_t(4)), 1));
  KVUI::SetSleepHook(nullptr);
  KVUI::SetProcessEndHook(nullptr);
  EXPECT_EQ(sleeps, std::vector<DWORD>{600});
  EXPECT_EQ(ends, std::vector<UINT>{0});
}

TEST(Hooks, ProcessEndsWithItsCodeWithoutHook) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // sanitizers run threads of their own
  EXPECT_EXIT(TerminateProcess(GetCurrentProcess(), 3), ::testing::ExitedWithCode(3), "");
}

TEST(Hooks, KeyStateFollowsTheModel) {
  KVUI::SetKeyDown(VK_CONTROL, true);
  EXPECT_NE(GetAsyncKeyState(VK_CONTROL), 0);
  EXPECT_EQ(GetAsyncKeyState('F'), 0);
  KVUI::ReleaseAllKeys();
  EXPECT_EQ(GetAsyncKeyState(VK_CONTROL), 0);
  EXPECT_EQ(GetAsyncKeyState(-1), 0);
}

TEST(UiThread, WorkOffTheUserInterfaceThreadIsReported) {
  KVUI::BindUiThread();
  std::vector<std::string> reports;
  KVUI::SetAssertHandler([&](const char *what) { reports.push_back(what); });
  std::thread other([] {
    CWnd w;
    w.Create(nullptr, L"", 0, CRect(), nullptr, 0);
    w.DestroyWindow();
  });
  other.join();
  KVUI::SetAssertHandler(nullptr);
  ASSERT_GE(reports.size(), 1u);
  EXPECT_EQ(reports[0], "CWnd::Create");
  EXPECT_TRUE(KVUI::IsUiThread());
}

}  // namespace
