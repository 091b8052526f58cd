// The command manager "AppCommandMgr": commands from the program's export,
// the current command, stopping, faults, ribbon ids and view input.
#include <gtest/gtest.h>

#include <boost/any.hpp>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TestCommands.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelData.h"
#include "keel/mfc/MFCViewMgr.h"
#include "ui/UiThread.h"

using kv::test::TestCmd;
using namespace KEEL::CMD;

// The test program's command table, found by the manager with dlsym.
namespace {
std::vector<std::wstring> g_exportLog;
}
extern "C" __attribute__((visibility("default"))) void GetCommands(std::vector<ICmdObject *> &commands) {
  commands.push_back(new TestCmd(L"APP_ONE", CMD_GROUP_PUSH, &g_exportLog));
  commands.push_back(nullptr);
  commands.push_back(new TestCmd(L"APP_TWO", CMD_GROUP_PUSHPULL, &g_exportLog));
  commands.push_back(new TestCmd(L"APP_ONE", CMD_GROUP_PUSHPULL, &g_exportLog));
}

namespace {

class CmdMgrTest : public ::testing::Test {
 protected:
  TestCmd *Add(const std::wstring &name, int group) {
    auto *command = new TestCmd(name, group, &log);
    EXPECT_TRUE(mgr.AddCommand(command));
    return command;
  }
  bool Run(const std::wstring &name, boost::any param = boost::any()) { return mgr.RunCommand(name, param); }

  std::vector<std::wstring> log;
  KEEL::FRAME::CKeelData data;
  CCmdMgr mgr{&data};
};

TEST_F(CmdMgrTest, CommandsComeFromTheProgramsExport) {
  std::string error;
  ASSERT_TRUE(mgr.LoadCommands(error)) << error;
  // The null entry is skipped and the second "APP_ONE" dropped.
  EXPECT_EQ(mgr.GetCommandNames(), (std::vector<std::wstring>{L"APP_ONE", L"APP_TWO"}));
  EXPECT_EQ(g_exportLog, (std::vector<std::wstring>{L"APP_ONE Initialize", L"APP_TWO Initialize", L"APP_ONE delete"}));
  auto *one = dynamic_cast<CCmdObject *>(mgr.GetCommand(L"APP_ONE"));
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->GetKeelData(), &data);
  EXPECT_EQ(mgr.GetCommand(L"app_one"), nullptr);
}

TEST_F(CmdMgrTest, OnePushPullCommandIsCurrentAndRunningAnotherStopsIt) {
  TestCmd *walk = Add(L"WALK", CMD_GROUP_PUSHPULL);
  TestCmd *dim = Add(L"DIM", CMD_GROUP_PUSHPULL);
  TestCmd *colour = Add(L"COLOUR", CMD_GROUP_PUSH);
  log.clear();

  ASSERT_TRUE(Run(L"WALK", 7));
  EXPECT_EQ(mgr.GetCurrentCommand(), walk);
  EXPECT_EQ(walk->GetStatus(), CMD_STATUS_RUNNING);
  EXPECT_EQ(boost::any_cast<int>(walk->GetParam()), 7);

  // A push command runs once and leaves the current one running.
  ASSERT_TRUE(Run(L"COLOUR", std::wstring(L"red")));
  EXPECT_EQ(mgr.GetCurrentCommand(), walk);
  EXPECT_EQ(colour->GetStatus(), CMD_STATUS_IDLE);
  EXPECT_EQ(boost::any_cast<std::wstring>(colour->GetParam()), L"red");

  ASSERT_TRUE(Run(L"DIM"));
  EXPECT_EQ(mgr.GetCurrentCommand(), dim);
  EXPECT_EQ(walk->GetStatus(), CMD_STATUS_STOPPED);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"WALK Executing", L"COLOUR Executing", L"WALK PreStop", L"WALK Stop",
                                            L"DIM Executing"}));

  // Running the current command again stops it first.
  log.clear();
  ASSERT_TRUE(Run(L"DIM"));
  EXPECT_EQ(log, (std::vector<std::wstring>{L"DIM PreStop", L"DIM Stop", L"DIM Executing"}));
  EXPECT_EQ(mgr.GetCurrentCommand(), dim);
}

TEST_F(CmdMgrTest, StopWithAnEmptyNameStopsTheCurrentCommand) {
  TestCmd *walk = Add(L"WALK", CMD_GROUP_PUSHPULL);
  TestCmd *exit = Add(L"EXIT", CMD_GROUP_PUSHPULL);
  exit->agreeToStop = false;
  log.clear();
  EXPECT_FALSE(mgr.StopCommand(L""));  // none is current

  ASSERT_TRUE(Run(L"WALK"));
  EXPECT_TRUE(mgr.StopCommand(L""));
  EXPECT_EQ(mgr.GetCurrentCommand(), nullptr);
  EXPECT_EQ(walk->GetStatus(), CMD_STATUS_STOPPED);

  // A command whose PreStop declines gets no Stop, but is no longer current:
  // it cannot keep the place of the current command for good.
  ASSERT_TRUE(Run(L"EXIT"));
  EXPECT_TRUE(mgr.StopCommand(L""));
  EXPECT_EQ(mgr.GetCurrentCommand(), nullptr);

  // By name: the named command, current or not.
  ASSERT_TRUE(Run(L"WALK"));
  EXPECT_TRUE(mgr.StopCommand(L"EXIT"));
  EXPECT_EQ(mgr.GetCurrentCommand(), walk);
  EXPECT_FALSE(mgr.StopCommand(L"NONE"));
  EXPECT_EQ(log, (std::vector<std::wstring>{L"WALK Executing", L"WALK PreStop", L"WALK Stop", L"EXIT Executing",
                                            L"EXIT PreStop", L"WALK Executing", L"EXIT PreStop"}));
}

TEST_F(CmdMgrTest, FaultsOfARun) {
  TestCmd *login = Add(L"APP_LOGINMOX_CMD", CMD_GROUP_PUSHPULL);
  TestCmd *failing = Add(L"FAILS", CMD_GROUP_PUSHPULL);
  TestCmd *throwing = Add(L"THROWS", CMD_GROUP_PUSH);
  failing->result = false;
  throwing->during = [] { throw std::runtime_error("boom"); };

  struct Case {
    const char *what;
    std::wstring name;
    int code;
  } cases[] = {
      {"success", L"APP_LOGINMOX_CMD", CMD_FAULT_NONE},
      {"unknown", L"NO_SUCH_CMD", CMD_FAULT_NOT_FOUND},
      {"Executing false", L"FAILS", CMD_FAULT_FAILED},
      {"exception", L"THROWS", CMD_FAULT_EXCEPTION},
      {"success clears the fault", L"APP_LOGINMOX_CMD", CMD_FAULT_NONE},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Run(c.name), c.code == 0);
    EXPECT_EQ(mgr.GetLastFault().nCode, c.code);
    EXPECT_EQ(mgr.GetLastFault().strText.empty(), c.code == 0);
  }
  // A failed push-pull command is not current.
  EXPECT_EQ(failing->GetStatus(), CMD_STATUS_STOPPED);

  // The command's own fault, and the next run starts clean.
  login->fault = 17;
  EXPECT_FALSE(Run(L"APP_LOGINMOX_CMD", std::string("{\"UserName\":\"u\"}")));
  EXPECT_EQ(mgr.GetLastFault().nCode, 17);
  EXPECT_EQ(mgr.GetLastFault().strText, L"refused");
  EXPECT_EQ(mgr.GetCurrentCommand(), nullptr);
  login->fault = 0;
  EXPECT_TRUE(Run(L"APP_LOGINMOX_CMD"));
  EXPECT_EQ(mgr.GetLastFault().nCode, 0);
}

TEST_F(CmdMgrTest, CommandsRunFromInsideACommand) {
  TestCmd *toggle = Add(L"AppCmd_DISTANCE", CMD_GROUP_PUSH);
  TestCmd *dimMark = Add(L"AppCmd_DimMark", CMD_GROUP_PUSHPULL);
  TestCmd *download = Add(L"APP_DOWNLOAD_PROJ", CMD_GROUP_PUSHPULL);
  Add(L"App_DownloadCurProject_CMD", CMD_GROUP_PUSHPULL);
  toggle->during = [&] {
    EXPECT_TRUE(mgr.StopCommand(L"AppCmd_DimMark"));
    EXPECT_TRUE(Run(L"AppCmd_DimMark", 1));
    EXPECT_FALSE(Run(L"AppCmd_DISTANCE"));  // itself: refused
    EXPECT_EQ(mgr.GetLastFault().nCode, CMD_FAULT_BUSY);
  };
  ASSERT_TRUE(Run(L"AppCmd_DISTANCE"));
  EXPECT_EQ(mgr.GetLastFault().nCode, 0);  // the outer run's word is the last
  EXPECT_EQ(mgr.GetCurrentCommand(), dimMark);
  EXPECT_EQ(boost::any_cast<int>(dimMark->GetParam()), 1);

  // A push-pull command that runs another one is replaced by it.
  download->during = [&] { Run(L"App_DownloadCurProject_CMD"); };
  ASSERT_TRUE(Run(L"APP_DOWNLOAD_PROJ"));
  EXPECT_EQ(mgr.GetCurrentCommand()->GetName(), L"App_DownloadCurProject_CMD");
  EXPECT_EQ(download->GetStatus(), CMD_STATUS_STOPPED);
  EXPECT_EQ(dimMark->GetStatus(), CMD_STATUS_STOPPED);
}

TEST_F(CmdMgrTest, RibbonIdsNameCommands) {
  Add(L"APP_EXIT_CMD", CMD_GROUP_PUSHPULL);
  mgr.BindCmdId(5899, L"APP_EXIT_CMD");
  mgr.BindCmdId(8899, L"APP_NOT_LOADED");
  EXPECT_EQ(mgr.GetCmdName(5899), L"APP_EXIT_CMD");
  EXPECT_EQ(mgr.GetCmdName(5898), L"");
  EXPECT_TRUE(mgr.QueryCmdId(5899));
  EXPECT_FALSE(mgr.QueryCmdId(8899));
  boost::any none;
  EXPECT_TRUE(mgr.RunCommandById(5899, none));
  EXPECT_EQ(mgr.GetCurrentCommand()->GetName(), L"APP_EXIT_CMD");
  EXPECT_FALSE(mgr.RunCommandById(8900, none));
  EXPECT_EQ(mgr.GetLastFault().nCode, CMD_FAULT_NOT_FOUND);
  EXPECT_FALSE(mgr.RunCommandById(8899, none));
  EXPECT_EQ(mgr.GetLastFault().nCode, CMD_FAULT_NOT_FOUND);
}

TEST_F(CmdMgrTest, ViewInputGoesToTheCurrentCommandElseToTheRestingOne) {
  Add(L"APP_KV_IDLE_CMD", CMD_GROUP_PUSHPULL);
  Add(L"WALK", CMD_GROUP_PUSHPULL);
  auto view = std::make_unique<KEEL::MFC::CMFCViewMgr>(nullptr, nullptr, L"HoopsViewMgr");
  mgr.SetViewMgr(view.get());
  log.clear();

  view->FireMouseMsg(KEEL::MFC::IMFCViewMgr::LBUTTONDOWN, 1, CPoint(3, 4));
  EXPECT_EQ(mgr.GetInputCommand(view.get()), mgr.GetCommand(L"APP_KV_IDLE_CMD"));
  ASSERT_TRUE(Run(L"WALK"));
  EXPECT_EQ(mgr.GetInputCommand(view.get()), mgr.GetCommand(L"WALK"));
  view->FireMouseMsg(KEEL::MFC::IMFCViewMgr::LBUTTONDOWN, 2, CPoint(5, 6));
  view->FireKeyMsg(KEEL::MFC::IMFCViewMgr::KEYUP, 0x1B, 1, 0);
  EXPECT_EQ(view->FireMouseWheel(0, 120, CPoint()), 1);
  MSG msg;
  msg.message = 0x0111;
  EXPECT_EQ(view->FirePreTranslateMessage(&msg), 1);
  mgr.StopCommand(L"");
  view->FireKeyMsg(KEEL::MFC::IMFCViewMgr::KEYUP, 0x2E, 1, 0);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"APP_KV_IDLE_CMD OnLButtonDown 1 3,4", L"WALK Executing",
                                            L"WALK OnLButtonDown 2 5,6", L"WALK OnKeyUp 27", L"WALK OnMouseWheel 120",
                                            L"WALK PreTranslateMessage 273", L"WALK PreStop", L"WALK Stop",
                                            L"APP_KV_IDLE_CMD OnKeyUp 46"}));

  // A new view replaces the old one, which may already be gone.
  auto next = std::make_unique<KEEL::MFC::CMFCViewMgr>(nullptr, nullptr, L"HoopsViewMgr");
  log.clear();
  view.reset();
  mgr.SetViewMgr(next.get());
  next->FireMouseMsg(KEEL::MFC::IMFCViewMgr::LBUTTONDOWN, 0, CPoint(1, 1));
  EXPECT_EQ(log, std::vector<std::wstring>{L"APP_KV_IDLE_CMD OnLButtonDown 0 1,1"});
  // Only the manager's view has an input command.
  KEEL::MFC::CMFCViewMgr other(nullptr, nullptr, L"HoopsViewMgr");
  EXPECT_EQ(mgr.GetInputCommand(&other), nullptr);
  EXPECT_EQ(mgr.GetInputCommand(nullptr), nullptr);
  mgr.SetViewMgr(nullptr);
  EXPECT_EQ(mgr.GetInputCommand(next.get()), nullptr);
  next->FireMouseMsg(KEEL::MFC::IMFCViewMgr::LBUTTONDOWN, 0, CPoint(1, 1));
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(CmdMgrTest, WithoutTheRestingCommandTheIdleGroupTakesTheInput) {
  Add(L"KEEL_IDLE", CMD_GROUP_IDLE);
  KEEL::MFC::CMFCViewMgr view(nullptr, nullptr, L"HoopsViewMgr");
  mgr.SetViewMgr(&view);
  log.clear();
  view.FireMouseMsg(KEEL::MFC::IMFCViewMgr::LBUTTONDOWN, 0, CPoint(0, 0));
  EXPECT_EQ(log, std::vector<std::wstring>{L"KEEL_IDLE OnLButtonDown 0 0,0"});
}

TEST_F(CmdMgrTest, CommandsAreReleasedAndDeletedLastFirst) {
  {
    KEEL::FRAME::CKeelData data2;
    CCmdMgr own(&data2);
    own.AddCommand(new TestCmd(L"A", CMD_GROUP_PUSH, &log));
    own.AddCommand(new TestCmd(L"B", CMD_GROUP_PUSH, &log));
    log.clear();
  }
  EXPECT_EQ(log, (std::vector<std::wstring>{L"B Release", L"B delete", L"A Release", L"A delete"}));
}

TEST_F(CmdMgrTest, CallsOffTheUserInterfaceThreadAreReported) {
  KVUI::BindUiThread();
  std::vector<std::string> reported;
  KVUI::SetAssertHandler([&](const char *what) { reported.push_back(what); });
  std::thread([&] {
    boost::any none;
    mgr.RunCommand(L"NONE", none);
  }).join();
  KVUI::SetAssertHandler(nullptr);
  EXPECT_EQ(reported, std::vector<std::string>{"CCmdMgr::RunCommand"});
}

TEST(ViewMgr, SlotsRunInConnectionOrderAndAnyMayEatAMessage) {
  KEEL::MFC::CMFCViewMgr view(nullptr, nullptr, L"HoopsViewMgr");
  std::vector<int> order;
  view.ConnectPreTranslateMessage([&](MSG *) {
    order.push_back(1);
    return 1;
  });
  view.ConnectPreTranslateMessage([&](MSG *) {
    order.push_back(2);
    return 0;
  });
  MSG msg;
  EXPECT_EQ(view.FirePreTranslateMessage(&msg), 1);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  // Kinds outside a signal's range connect nothing.
  EXPECT_FALSE(view.ConnectMouseMsg(KEEL::MFC::IMFCViewMgr::KEYDOWN, [](UINT, CPoint) {}).connected());
  EXPECT_FALSE(view.ConnectKeyMsg(KEEL::MFC::IMFCViewMgr::MOUSEMOVE, [](UINT, UINT, UINT) {}).connected());
  int sized = 0;
  view.ConnectSizeMsg([&](CWnd *, UINT, int cx, int cy) { sized = cx * cy; });
  view.FireSize(nullptr, 0, 3, 4);
  EXPECT_EQ(sized, 12);
}

}  // namespace
