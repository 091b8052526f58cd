// The program's reactions: the fault text of a failed operation, the
// web-error reaction (message, login end with restart and process end,
// ignored errors), the record log's names.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "AppState.h"
#include "ColorModeReaction.h"
#include "KvCoreData.h"
#include "LoginReactions.h"
#include "RecordLogNames.h"
#include "ShellTestSupport.h"
#include "WebErrorReaction.h"
#include "keel/web/SoapException.h"
#include "keel/cmd/CmdMgr.h"
#include "modula/Modula.h"
#include "moxcommands/Login.h"
#include "moxcommands/MoxCommands.h"

namespace kv::test {
namespace {

using KEEL::WEB::CSoapException;

TEST(SoapExceptionTest, ParsesTheInfoCodeAndMessageOfAFaultText) {
  struct Case {
    const wchar_t *text;
    bool parses;
    int code;
    const wchar_t *message;
  } const cases[] = {
      {L"[1000] 项目不存在", true, 1000, L"项目不存在"},
      {L"[1007]登录已失效", true, 1007, L"登录已失效"},
      {L"[1002]  two blanks", true, 1002, L" two blanks"},
      {L"[0]", true, 0, L""},
      {L"[999999999] max", true, 999999999, L"max"},
      {L"[1234567890] too long", false, 0, L""},
      {L"", false, 0, L""},
      {L"1000 no brackets", false, 0, L""},
      {L" [1000] leading blank", false, 0, L""},
      {L"[] no code", false, 0, L""},
      {L"[-5] sign", false, 0, L""},
      {L"[10a0] letter", false, 0, L""},
      {L"[1000", false, 0, L""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(KVUI::Utf8(c.text));
    CSoapException fault;
    // A failed parse also forgets an earlier one.
    ASSERT_TRUE(fault.Parse(L"[77] before"));
    EXPECT_EQ(fault.Parse(c.text), c.parses);
    EXPECT_EQ(fault.GetInfoCode(), c.code);
    EXPECT_EQ(fault.GetMessageW(), c.message);
  }
}

// A finished operation object with a given fault text.
class FailedServ : public KEEL::WEB::IWebServ {
 public:
  explicit FailedServ(std::wstring fault) { error_.code = 500, error_.faultMessage = std::move(fault); }
  void SetObserver(KEEL::WEB::IWSObserver *, int) override {}
  KEEL::WEB::WebServError &GetServError(KEEL::WEB::WebServError &out) override { return out = error_; }
  bool IsFinished() override { return true; }
  std::wstring GetServName() override { return L"ClashRule_listClashRules"; }
  KEEL::WEB::IInput *GetInput() override { return nullptr; }
  KEEL::WEB::IOutput *GetOutput() override { return nullptr; }
  void Start() override {}
  void Wait() override {}

 private:
  KEEL::WEB::WebServError error_;
};

class WebErrorReactionTest : public ShellTest {
 protected:
  void React(const std::wstring &fault) {
    FailedServ failed(fault);
    KVREACT::ReactToWebError(nullptr, &failed);
  }
  int Restarts() const { return int(Lines(L"CReStartUp||StartUp").size()); }
};

TEST_F(WebErrorReactionTest, InfoCode1000ShowsTheMessageAndTheProgramGoesOn) {
  responder.ExpectMessageBox(IDOK, L"项目已被删除");
  React(L"[1000] 项目已被删除");
  ASSERT_EQ(KVUI::GetShownBoxes().size(), 1u);
  EXPECT_EQ(KVUI::GetShownBoxes()[0].flags, 0u);
  // A second one is shown too.
  responder.ExpectMessageBox(IDOK, L"again");
  React(L"[1000] again");
  EXPECT_EQ(Restarts(), 0);
  EXPECT_TRUE(hooks.processEnds.empty());
  EXPECT_EQ(g_nLoginEnded, 0);
  EXPECT_FALSE(g_bLoginEndHandled);
}

TEST_F(WebErrorReactionTest, TheFirstLoginEndShowsItsMessageRestartsAndEndsTheProcessOnce) {
  for (const wchar_t *first : {L"[1007] 账号已在别处登录", L"[1002] 登录已过期"}) {
    SCOPED_TRACE(KVUI::Utf8(first));
    Reset();
    const std::wstring text = first;
    responder.ExpectMessageBox(IDOK, text.substr(7));
    React(text);
    // Later login ends, of either code, are ignored.
    React(L"[1007] second");
    React(L"[1002] third");
    EXPECT_EQ(KVUI::GetShownBoxes().size(), 1u);
    EXPECT_EQ(Restarts(), 1);
    const int made = Find(L"CReStartUp||create");
    ASSERT_GE(made, 0);
    EXPECT_LT(made, Find(L"CReStartUp||StartUp"));
    EXPECT_EQ(hooks.processEnds, std::vector<UINT>{0});
    EXPECT_EQ(g_nLoginEnded, 1);
    EXPECT_TRUE(g_bLoginEndHandled);
    hooks.processEnds.clear();
  }
}

TEST_F(WebErrorReactionTest, OtherCodesUnparsableTextsAndErrorsDuringClosingAreIgnored) {
  for (const wchar_t *text : {L"[1001] other", L"[0]", L"[10070] near", L"1007 no brackets", L"", L"[1007 open"}) {
    SCOPED_TRACE(KVUI::Utf8(text));
    React(text);
  }
  g_bAppRunning = false;
  React(L"[1000] closing");
  React(L"[1007] closing");
  KVREACT::ReactToWebError(nullptr, nullptr);
  g_bAppRunning = true;
  EXPECT_TRUE(KVUI::GetShownBoxes().empty());
  EXPECT_EQ(Restarts(), 0);
  EXPECT_TRUE(hooks.processEnds.empty());
  EXPECT_EQ(g_nLoginEnded, 0);
  EXPECT_FALSE(g_bLoginEndHandled);
}

TEST(RecordLogNamesTest, SetsTheFourNamesAndKeepsEveryOtherEntry) {
  std::map<std::wstring, std::wstring> names = {
      {L"APP_OTHER", L"录制"}, {L"AppCmd_SaveViewPort", L"旧名"}, {L"APP_EXIT_CMD", L"退出"}};
  KVREACT::SetRecordLogNames(names);
  const std::map<std::wstring, std::wstring> expected = {
      {L"APP_OTHER", L"录制"},          {L"APP_EXIT_CMD", L"退出"},
      {L"APP_WORKSET_FLOORINFO", L"楼层信息"}, {L"APP_WORKSET_BASEPOINT", L"指定基点"},
      {L"AppCmd_SaveViewPort", L"保存视口"},   {L"APP_RECORD_PATH_CMD", L"录制"}};
  EXPECT_EQ(names, expected);
}

// The started program with a colour-mode split button "APP_DEFAULT2" of five
// sub-items (sub-item 3 of a plain kind), an "APP_DEFAULT0" without
// sub-items before it, and the colour-mode command.
class ColorModeTest : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Start());
    auto *menus = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(g_pKvCoreData, L"AppRibbonMenuMgr");
    ASSERT_TRUE(menus && menus->GetRibbonMenu());
    bar = menus->GetRibbonMenu()->GetRibbonWnd();
    ASSERT_NE(bar, nullptr);
    auto *empty = new MODKIT::MFC::CMOXRibbonButton(7000, L"none");
    empty->SetName(L"APP_DEFAULT0");
    bar->AddElement(empty);
    button = new MODKIT::MFC::CMOXRibbonButton(7001, L"颜色模式", 1, 2);
    button->SetName(L"APP_DEFAULT2");
    for (int i = 0; i < 5; ++i) {
      CBCGPRibbonButton *item = i == 3 ? new CBCGPRibbonButton(7100 + i, L"plain")
                                       : new MODKIT::MFC::CMOXRibbonButton(7100 + i, L"mode", 10 + i, 20 + i);
      item->SetData(DWORD_PTR(100 + i));
      item->SetToolTipText((L"tip" + std::to_wstring(i)).c_str());
      item->SetDescription((L"desc" + std::to_wstring(i)).c_str());
      button->AddSubItem(item);
    }
    bar->AddElement(button);
    auto *commands = KEEL::FRAME::GetManagerAs<KEEL::CMD::CCmdMgr>(g_pKvCoreData, L"AppCommandMgr");
    ASSERT_NE(commands, nullptr);
    ASSERT_TRUE(commands->AddCommand(new MOXCOMMANDS::HOOPSCOLORCMD::CHoopsColorCmd()));
  }
  CBCGPRibbonBar *bar = nullptr;
  MODKIT::MFC::CMOXRibbonButton *button = nullptr;
  const std::vector<std::wstring> names = {L"APP_DEFAULT0", L"APP_DEFAULT1", L"APP_DEFAULT2", L"APP_DEFAULT3",
                                           L"APP_DEFAULT4"};
};

TEST_F(ColorModeTest, TheButtonTakesOverTheChosenSubItemAndTheModeRuns) {
  struct Case {
    int mode;
    bool flag;
    int shown;  // the sub-item the button shows; -1: nothing happens
  } const cases[] = {
      {0, true, 4}, {2, false, 2}, {0, false, 0}, {3, false, -1}, {5, false, -1}, {-1, false, -1}, {-1, true, 4},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + (c.flag ? " flag" : ""));
    button->SetID(7001);
    const int repaints = bar->GetInvalidateCount();
    KVOUTSIDE::CJournal::Instance().Clear();
    KVREACT::ShowColorMode(g_pKvCoreData, names, KVREACT::ColorModeOf(c.mode, c.flag));
    const std::vector<std::wstring> runs = Lines(L"CHoopsColorCmd|AppCmd_ColorMode|Execute");
    if (c.shown < 0) {
      EXPECT_EQ(button->GetID(), 7001u);
      EXPECT_EQ(bar->GetInvalidateCount(), repaints);
      EXPECT_TRUE(runs.empty());
      continue;
    }
    EXPECT_EQ(button->GetID(), UINT(7100 + c.shown));
    EXPECT_EQ(button->GetData(), DWORD_PTR(100 + c.shown));
    EXPECT_EQ(button->GetToolTipText(), L"tip" + std::to_wstring(c.shown));
    EXPECT_EQ(button->GetDescription(), L"desc" + std::to_wstring(c.shown));
    EXPECT_EQ(button->GetImageIndex(FALSE), 10 + c.shown);
    EXPECT_EQ(button->GetImageIndex(TRUE), 20 + c.shown);
    EXPECT_EQ(bar->GetInvalidateCount(), repaints + 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NE(runs[0].find(L"TmplMode " + std::to_wstring(c.shown)), std::wstring::npos) << KVUI::Utf8(runs[0]);
  }
}

using LoginReactionTest = ShellTest;

TEST_F(LoginReactionTest, ResetTheViewOrHideTheLeftPaneAndCloseTheTabs) {
  using MODKIT::MFC::CMsgView;
  ASSERT_TRUE(Start());
  auto *tabs = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(g_pKvCoreData, L"AppMDITabPageMgr");
  ASSERT_NE(tabs, nullptr);
  ASSERT_GT(tabs->AddTabPage(RUNTIME_CLASS(CMsgView), L"BIM 视图"), 0);
  KVOUTSIDE::CJournal::Instance().Clear();
  KVREACT::ResetViewOnLogin(g_pKvCoreData);
  EXPECT_EQ(Lines(), std::vector<std::wstring>{L"KEEL::HOOPS::CHoopsBaseMgr|AppHoopsBaseMgr|ResetView"});
  EXPECT_EQ(tabs->GetTabNum(), 1);
  KVOUTSIDE::CJournal::Instance().Clear();
  KVREACT::ClosePanesOnLogin(g_pKvCoreData);
  EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"MOXMANAGERS::PANE::TaskPaneMgr|MoxTaskPaneMgr|ShowLeftPane|false",
                                                L"MODKIT::MFC::CMDITabPage|AppMDITabPageMgr|CloseAllTabs"}));
  EXPECT_EQ(tabs->GetTabNum(), 0);
  // Without the managers nothing happens.
  KVREACT::ResetViewOnLogin(nullptr);
  KVREACT::ClosePanesOnLogin(nullptr);
}

}  // namespace
}  // namespace kv::test
