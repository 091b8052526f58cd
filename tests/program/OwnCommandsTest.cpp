// The program's own commands, run through the real command manager of the
// started application with the program's command table.
#include <boost/any.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ColorCmd.h"
#include "CommandTestSupport.h"
#include "KvDimMarkCmd.h"
#include "KvOpenTipCmd.h"
#include "ShellParts.h"
#include "keel/KeelOutside.h"
#include "keel/config/VarConfigMgr.h"
#include "keel/mfc/MFCViewMgr.h"
#include "kvwalkproc/KVWalkProc.h"
#include "modula/Modula.h"
#include "ui/Afx.h"

namespace kv::test {
namespace {

using Texts = std::vector<std::wstring>;

std::string ReadFile(const std::string &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// ---------------------------------------------------------------- toggles

const wchar_t *const kSisters[] = {L"AppCmd_DISTANCE", L"AppCmd_DUIQI", L"AppCmd_XIANXING"};

class DimMarkTest : public CommandTest {
 protected:
  CKvDimMarkCmd *Sister(const wchar_t *name) { return Command<CKvDimMarkCmd>(name); }
  // The pressed sisters, in table order.
  std::vector<std::wstring> Pressed() {
    std::vector<std::wstring> pressed;
    for (const wchar_t *name : kSisters)
      if (Sister(name)->IsClickButton()) pressed.push_back(name);
    return pressed;
  }
};

TEST_F(DimMarkTest, ClicksSwitchBetweenSistersAndASecondClickEndsDimensioning) {
  struct Step {
    const wchar_t *click;
    std::vector<std::wstring> pressed;  // afterwards
    Texts dimMark;                       // what "AppCmd_DimMark" saw
  };
  const Step steps[] = {
      {L"AppCmd_DISTANCE", {L"AppCmd_DISTANCE"}, {L"Stop", L"Execute|EDimension 0"}},
      {L"AppCmd_DUIQI", {L"AppCmd_DUIQI"}, {L"Stop", L"Execute|EDimension 1"}},
      {L"AppCmd_DUIQI", {}, {L"Stop"}},
      {L"AppCmd_XIANXING", {L"AppCmd_XIANXING"}, {L"Stop", L"Execute|EDimension 2"}},
      {L"AppCmd_DISTANCE", {L"AppCmd_DISTANCE"}, {L"Stop", L"Execute|EDimension 0"}},
      {L"AppCmd_DISTANCE", {}, {L"Stop"}},
  };
  for (const Step &step : steps) {
    SCOPED_TRACE(KVUI::Utf8(step.click));
    ClearJournal();
    EXPECT_TRUE(Run(step.click));
    EXPECT_EQ(Pressed(), step.pressed);
    EXPECT_EQ(Calls(L"AppCmd_DimMark"), step.dimMark);
    EXPECT_EQ(Calls(L"MoxDimMarkMgr"), Texts{L"ResetDimMark"});
    // The dimension command stays on while a button is pressed.
    KEEL::CMD::ICmdObject *current = CmdMgr()->GetCurrentCommand();
    EXPECT_EQ(current ? current->GetName() : L"", step.pressed.empty() ? L"" : L"AppCmd_DimMark");
  }
}

TEST_F(DimMarkTest, RightButtonAfterOnePointDropsItOtherwiseEndsDimensioning) {
  struct Case {
    int points;
    bool goesOn;
  };
  for (const Case &c : {Case{0, false}, Case{1, true}, Case{2, false}, Case{3, false}}) {
    SCOPED_TRACE(c.points);
    ASSERT_TRUE(Run(L"AppCmd_DUIQI"));
    CKvDimMarkCmd *duiqi = Sister(L"AppCmd_DUIQI");
    ASSERT_TRUE(duiqi->IsClickButton());
    for (int i = 0; i < c.points; ++i) duiqi->OnLButtonUp(0, CPoint(i, i));
    EXPECT_EQ(duiqi->GetCurDimCount(), c.points);
    SetCursor(nullptr);
    ClearJournal();

    duiqi->OnRButtonUp(0, CPoint(5, 5));

    EXPECT_EQ(duiqi->GetCurDimCount(), 0);
    EXPECT_EQ(duiqi->IsClickButton(), c.goesOn);
    if (c.goesOn) {
      EXPECT_EQ(Calls(L"MoxDimMarkMgr"), Texts{L"CancelDimPoint"});
      EXPECT_EQ(Calls(L"AppCmd_DimMark"), Texts{});
      EXPECT_EQ(KVUI::GetCursorId(), 0u);
      EXPECT_EQ(CmdMgr()->GetCurrentCommand(), CmdMgr()->GetCommand(L"AppCmd_DimMark"));
      // End this case's dimensioning with a second click.
      ASSERT_TRUE(Run(L"AppCmd_DUIQI"));
    } else {
      EXPECT_EQ(Calls(L"MoxDimMarkMgr"), Texts{L"ResetDimMark"});
      EXPECT_EQ(Calls(L"AppCmd_DimMark"), Texts{L"Stop"});
      EXPECT_EQ(KVUI::GetCursorId(), 32512u);
      EXPECT_EQ(CmdMgr()->GetCurrentCommand(), nullptr);
    }
    EXPECT_TRUE(Pressed().empty());
  }
}

TEST_F(DimMarkTest, StoppingClearsTheCountAndCopiesKeepEverything) {
  CKvDimMarkCmd *xianxing = Sister(L"AppCmd_XIANXING");
  ASSERT_TRUE(Run(L"AppCmd_XIANXING"));
  xianxing->SetCurDimCount();
  xianxing->SetCurDimCount();

  CKvDimMarkCmd copy(*xianxing);
  EXPECT_EQ(copy.GetName(), L"AppCmd_XIANXING");
  EXPECT_TRUE(copy.IsClickButton());
  EXPECT_EQ(copy.GetCurDimCount(), 2);
  CKvDimMarkCmd assigned(L"AppCmd_DISTANCE");
  assigned = copy;
  EXPECT_EQ(assigned.GetName(), L"AppCmd_XIANXING");
  EXPECT_EQ(assigned.GetCurDimCount(), 2);
  EXPECT_EQ(assigned.GetGroup(), KEEL::CMD::CMD_GROUP_PUSH);

  EXPECT_TRUE(CmdMgr()->StopCommand(L"AppCmd_XIANXING"));
  EXPECT_EQ(xianxing->GetCurDimCount(), 0);
  // The base's toggle does nothing.
  CCommandBase base;
  base.SetClickButton(true);
  EXPECT_FALSE(base.IsClickButton());
}

// ------------------------------------------------------ dimension colour

class DimMarkColorTest : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    auto *hoops = KEEL::FRAME::GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(Data(), L"AppHoopsBaseMgr");
    ASSERT_TRUE(hoops && hoops->CreateOperator(L"AppHoopsOperator", Frame()->GetSafeHwnd()));
    auto *ribbonMgr = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(Data(), L"AppRibbonMenuMgr");
    ASSERT_NE(ribbonMgr, nullptr);
    button = dynamic_cast<CBCGPRibbonColorButton *>(
        ribbonMgr->GetRibbonMenu()->FindElementByName(CString(L"AppCmd_DimMarkColor"), FALSE));
    ASSERT_NE(button, nullptr);
    file = root + "/config/system/DimMarkColor.xml";
  }
  CBCGPRibbonColorButton *button = nullptr;
  std::string file;
};

TEST_F(DimMarkColorTest, OnlyANewColourIsStoredAndTheMarksAreAlwaysRefreshed) {
  const std::string stored = ReadFile(file);
  ASSERT_NE(stored.find("255"), std::string::npos);
  struct Case {
    COLORREF chosen;
    bool written;
  };
  for (const Case &c : {Case{255, false}, Case{RGB(0, 128, 0), true}, Case{RGB(0, 128, 0), false}}) {
    SCOPED_TRACE(c.chosen);
    const std::string before = ReadFile(file);
    button->SetColor(c.chosen);
    ClearJournal();
    EXPECT_TRUE(Run(L"AppCmd_DimMarkColor"));
    if (c.written)
      EXPECT_NE(ReadFile(file).find("<DimClr>" + std::to_string(c.chosen) + "</DimClr>"), std::string::npos);
    else
      EXPECT_EQ(ReadFile(file), before) << "the same colour is not written again";
    EXPECT_EQ(Calls(L"MoxDimMarkMgr"), Texts{L"UpdateDimMarkColor"});
    EXPECT_EQ(Calls(L"AppHoopsOperator"), Texts{L"RefreshView"});
  }
}

TEST_F(DimMarkColorTest, AnEmptyPathReadsNothingAndWritesNothing) {
  auto *vars = KEEL::FRAME::GetManagerAs<KEEL::CONFIG::CVarConfigMgr>(Data(), L"AppVarConfigMgr");
  ASSERT_NE(vars, nullptr);
  vars->SetVar(L"AppDimMarkColor", L"");
  // A write to an empty path goes through the working directory's ".tmp"
  // and would overwrite and then remove a file of that name.
  const std::filesystem::path cwd = std::filesystem::current_path();
  const std::filesystem::path scratch = root + "/cwd";
  std::filesystem::create_directories(scratch);
  std::ofstream(scratch / ".tmp") << "keep";
  std::filesystem::current_path(scratch);
  const std::string before = ReadFile(file);
  for (COLORREF chosen : {COLORREF(0), COLORREF(RGB(1, 2, 3))}) {
    SCOPED_TRACE(chosen);
    button->SetColor(chosen);
    ClearJournal();
    EXPECT_TRUE(Run(L"AppCmd_DimMarkColor"));
    EXPECT_EQ(Calls(L"MoxDimMarkMgr"), Texts{L"UpdateDimMarkColor"});
    EXPECT_EQ(Calls(L"AppHoopsOperator"), Texts{L"RefreshView"});
  }
  std::filesystem::current_path(cwd);
  EXPECT_EQ(ReadFile((scratch / ".tmp").string()), "keep");
  EXPECT_EQ(ReadFile(file), before);
}

// ------------------------------------------------------------ placeholders

TEST_F(CommandTest, ComponentPlaceholdersRunAndTouchNothing) {
  for (const wchar_t *name : {L"AppCmd_CompAttr", L"AppCmd_CompEdit", L"AppCmd_CompCount"}) {
    SCOPED_TRACE(KVUI::Utf8(name));
    ClearJournal();
    EXPECT_TRUE(Run(name));
    EXPECT_EQ(CmdMgr()->GetLastFault().nCode, 0);
    EXPECT_TRUE(Lines().empty());
    EXPECT_TRUE(CmdMgr()->StopCommand(name));
  }
}

// ------------------------------------------------------------- colour modes

TEST_F(CommandTest, EachColourModeRunsTheColourModeCommandWithItsDigit) {
  for (int mode = 0; mode < 5; ++mode) {
    const std::wstring name = L"APP_DEFAULT" + std::to_wstring(mode);
    SCOPED_TRACE(KVUI::Utf8(name));
    ClearJournal();
    EXPECT_TRUE(Run(name));
    EXPECT_EQ(Lines(L"LogInfo"), std::vector<std::wstring>{L"KVLOG::CKvLog||LogInfo|模型颜色选择"});
    EXPECT_EQ(Calls(L"AppCmd_ColorMode"), Texts{L"Execute|TmplMode " + std::to_wstring(mode)});
  }
  // A colour command of another name logs but runs nothing.
  CColorCmd other(L"APP_DEFAULT5");
  other.SetKeelData(Data());
  ClearJournal();
  EXPECT_TRUE(other.Execute());
  EXPECT_EQ(Calls(L"AppCmd_ColorMode"), Texts{});
  EXPECT_EQ(Lines(L"LogInfo").size(), 1u);
}

// ----------------------------------------------------------- start-up tip

TEST_F(CommandTest, TheTipOptionTurnsOverAndIsStoredUnlessThePathIsEmpty) {
  auto *tip = Command<CKvOpenTipCmd>(L"APP_STARTUP_TIP_CMD");
  ASSERT_NE(tip, nullptr);
  const std::string file = root + "/config/system/OpenTip.xml";
  EXPECT_TRUE(KVSHELL::SetOpenTipFlag(tip, false));
  EXPECT_FALSE(tip->GetOpenTipMenu());

  EXPECT_TRUE(Run(L"APP_STARTUP_TIP_CMD"));
  EXPECT_TRUE(tip->GetOpenTipMenu());
  EXPECT_NE(ReadFile(file).find("<OpenTip>1</OpenTip>"), std::string::npos);
  EXPECT_TRUE(Run(L"APP_STARTUP_TIP_CMD"));
  EXPECT_FALSE(tip->GetOpenTipMenu());
  EXPECT_NE(ReadFile(file).find("<OpenTip>0</OpenTip>"), std::string::npos);

  auto *vars = KEEL::FRAME::GetManagerAs<KEEL::CONFIG::CVarConfigMgr>(Data(), L"AppVarConfigMgr");
  ASSERT_NE(vars, nullptr);
  vars->SetVar(L"OpenTip", L"");
  const std::string before = ReadFile(file);
  EXPECT_TRUE(Run(L"APP_STARTUP_TIP_CMD"));
  EXPECT_TRUE(tip->GetOpenTipMenu()) << "the flag turns over even when nothing can be stored";
  EXPECT_EQ(ReadFile(file), before);
}

TEST_F(CommandTest, TheTipFlagIsSetOnlyOnTheTipCommand) {
  auto *tip = Command<CKvOpenTipCmd>(L"APP_STARTUP_TIP_CMD");
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(KVSHELL::SetOpenTipFlag(tip, true));
  EXPECT_TRUE(tip->GetOpenTipMenu());
  EXPECT_FALSE(KVSHELL::SetOpenTipFlag(CmdMgr()->GetCommand(L"APP_EXIT_CMD"), false));
  EXPECT_FALSE(KVSHELL::SetOpenTipFlag(nullptr, false));
  EXPECT_TRUE(tip->GetOpenTipMenu());
}

// ---------------------------------------------------------------- download

TEST_F(CommandTest, TheDownloadTellsTheProjectAndWhetherAWorkSetIsOpen) {
  struct Case {
    const wchar_t *state;
    const wchar_t *id;
    const wchar_t *expected;
  };
  const Case cases[] = {
      {L"3", L"42", L"Execute|DownloadParm 0 3 42 true"},
      {L"2", L"42", L"Execute|DownloadParm 0 3 42 false"},
      {L"0", L"7", L"Execute|DownloadParm 0 3 7 false"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(KVUI::Utf8(c.state));
    KVOUTSIDE::CAnswers::Instance().Set(L"MoxCurProjectMgr", L"GetCurProjState", c.state);
    KVOUTSIDE::CAnswers::Instance().Set(L"MoxCurProjectMgr", L"GetCurProjId", c.id);
    ClearJournal();
    EXPECT_TRUE(Run(L"APP_DOWNLOAD_PROJ"));
    EXPECT_EQ(Calls(L"App_DownloadCurProject_CMD"), Texts{c.expected});
  }
}

// ---------------------------------------------------------- resting command

class IdleCommandTest : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    auto *tabs = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(Data(), L"AppMDITabPageMgr");
    ASSERT_NE(tabs, nullptr);
    using MODKIT::MFC::CMsgView;
    nViewId = tabs->AddTabPage(RUNTIME_CLASS(CMsgView), CString(L"BIM 视图"));
    view = dynamic_cast<CView *>(tabs->FindTab(nViewId));
    ASSERT_NE(view, nullptr);
    auto *hoops = KEEL::FRAME::GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(Data(), L"AppHoopsBaseMgr");
    ASSERT_TRUE(hoops && hoops->CreateOperator(L"AppHoopsOperator", view->GetSafeHwnd()));
    input = std::make_unique<KEEL::MFC::CMFCViewMgr>(nullptr, view, L"HoopsViewMgr");
    CmdMgr()->SetViewMgr(input.get());
    ClearJournal();
  }
  void TearDown() override {
    if (CmdMgr()) CmdMgr()->SetViewMgr(nullptr);
    nViewId = 0;
  }
  void Select(const wchar_t *comps) {
    KVOUTSIDE::CAnswers::Instance().Set(L"AppHoopsOperator", L"GetSelectedComps", comps);
  }
  CView *view = nullptr;
  std::unique_ptr<KEEL::MFC::CMFCViewMgr> input;
};

TEST_F(IdleCommandTest, TheComponentMenuComesOnlyForExactlyOneSelectedComponent) {
  using View = KEEL::MFC::IMFCViewMgr;
  for (const wchar_t *comps : {L"", L"a:2", L"a:1,b:1", L"a:1,b:2"}) {
    SCOPED_TRACE(KVUI::Utf8(comps));
    Select(comps);
    input->FireMouseMsg(View::RBUTTONUP, 0, CPoint(10, 20));
    EXPECT_TRUE(KVUI::GetShownBoxes().empty()) << "no menu";
  }
  Select(L"a:1");
  responder.ExpectMenu(32772);
  input->FireMouseMsg(View::RBUTTONUP, 0, CPoint(10, 20));
  const std::vector<KVUI::BoxRecord> boxes = KVUI::GetShownBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, KVUI::BoxKind::Menu);
  EXPECT_EQ(boxes[0].id, 315u);
  EXPECT_EQ(boxes[0].flags, 0u);
  CPoint screen(10, 20);
  view->ClientToScreen(&screen);
  EXPECT_EQ(boxes[0].point.x, screen.x);
  EXPECT_EQ(boxes[0].point.y, screen.y);
  EXPECT_EQ(boxes[0].items, std::vector<std::wstring>{L"32772 查看信息"});
  // Other buttons and a command of its own run do nothing.
  input->FireMouseMsg(View::RBUTTONDOWN, 0, CPoint(1, 1));
  input->FireMouseMsg(View::LBUTTONUP, 0, CPoint(1, 1));
  EXPECT_FALSE(Run(L"APP_KV_IDLE_CMD"));
  EXPECT_TRUE(Calls(L"AppCmd_CompInfo").empty());
}

TEST_F(IdleCommandTest, TheMenuItemAndADoubleClickShowTheComponentInformation) {
  using View = KEEL::MFC::IMFCViewMgr;
  input->FireMouseMsg(View::LBUTTONDBLCLK, 0, CPoint(30, 40));
  EXPECT_EQ(Calls(L"AppCmd_CompInfo"), Texts{L"ShowInfo|30|40|双击构件"});

  struct Case {
    UINT message;
    WPARAM wParam;
    bool shows;
  };
  for (const Case &c : {Case{WM_COMMAND, 32772, true}, Case{WM_COMMAND, 2028, false}, Case{WM_KEYDOWN, 32772, false}}) {
    SCOPED_TRACE(c.wParam);
    ClearJournal();
    MSG msg;
    msg.hwnd = view->GetSafeHwnd();
    msg.message = c.message;
    msg.wParam = c.wParam;
    EXPECT_EQ(input->FirePreTranslateMessage(&msg), 1) << "every message is eaten";
    EXPECT_EQ(Calls(L"AppCmd_CompInfo"), c.shows ? Texts{L"ShowInfo|0|0|右键查看信息"} : Texts{});
  }
}

// --------------------------------------------------------------------- exit

TEST_F(CommandTest, TheCloseArrivesAfterTheExitCommandReturned) {
  std::vector<size_t> boxesDuringRun;
  KVUI::SetBoxObserver([&](const KVUI::BoxRecord &) { boxesDuringRun.push_back(1); });
  EXPECT_TRUE(Run(L"APP_EXIT_CMD"));
  EXPECT_TRUE(boxesDuringRun.empty()) << "WM_CLOSE was handled inside the command";
  EXPECT_TRUE(Frame()->IsWindow());

  responder.ExpectMessageBox(IDNO, std::wstring(L"确定要退出软件？"));
  KVUI::PumpPending();
  KVUI::SetBoxObserver(nullptr);
  EXPECT_EQ(boxesDuringRun.size(), 1u);
  EXPECT_TRUE(Frame()->IsWindow()) << "No keeps the program open";
}

}  // namespace
}  // namespace kv::test
