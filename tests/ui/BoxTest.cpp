// Message boxes, dialogs and pop-up menus answered by the responder.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "UiTesting.h"
#include "ui/Dialog.h"
#include "ui/Menu.h"
#include "ui/MessageBox.h"
#include "ui/Resources.h"

namespace {

using KVUI::BoxKind;
using KVUI::BoxRecord;

TEST(MessageBoxes, ScriptedAnswersInOrderAndEveryBoxRecorded) {
  KVUI::UiTestResponder responder;
  responder.ExpectMessageBox(IDNO, std::wstring(L"确定要退出软件？"));
  responder.ExpectMessageBox(IDOK);
  EXPECT_EQ(FACET::ShowMessageBox(L"确定要退出软件？", MB_ICONQUESTION | MB_YESNO), IDNO);
  EXPECT_EQ(FACET::ShowMessageBox(L"碰撞检查正在进行中，请稍后再试", 0), IDOK);
  auto shown = KVUI::GetShownBoxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].flags, 0x24u);
  EXPECT_EQ(shown[0].answer, IDNO);
  EXPECT_EQ(shown[1].text, L"碰撞检查正在进行中，请稍后再试");
  EXPECT_TRUE(shown[1].expected);
}

int g_answer = 0;
void ShowUnscripted(UINT flags) {
  KVUI::UiTestResponder responder;
  g_answer = FACET::ShowMessageBox(L"unscripted", flags);
}
void ShowOtherText() {
  KVUI::UiTestResponder responder;
  responder.ExpectMessageBox(IDYES, std::wstring(L"expected text"));
  g_answer = FACET::ShowMessageBox(L"other text", MB_YESNO);
  responder.ClearScript();
}
void LeaveAnswerUnused() {
  KVUI::UiTestResponder responder;
  responder.ExpectMessageBox(IDOK);
}

TEST(MessageBoxes, AnUnexpectedBoxFailsTheTestAndGetsTheClosingAnswer) {
  struct Case {
    UINT flags;
    int closing;
  } cases[] = {{MB_OK, IDOK}, {MB_YESNO, IDNO}, {MB_OKCANCEL, IDCANCEL}, {MB_YESNOCANCEL, IDCANCEL}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.flags);
    EXPECT_NONFATAL_FAILURE(ShowUnscripted(c.flags), "unexpected message box 0 flags");
    EXPECT_EQ(g_answer, c.closing);
  }
  EXPECT_NONFATAL_FAILURE(ShowOtherText(), "\"other text\" -> 7 (unexpected)");
  EXPECT_EQ(g_answer, IDNO);
  EXPECT_NONFATAL_FAILURE(LeaveAnswerUnused(), "scripted answers left unused");
}

// A start-up-tip-like dialog: names inserted at the end of a sorted list.
constexpr UINT kTip = 9316;
class CTipDlg : public CBCGPDialog {
 public:
  CTipDlg() : CBCGPDialog(kTip) {}
  bool showTip = true;
  const std::vector<std::wstring> *names = nullptr;

 protected:
  BOOL OnInitDialog() override {
    CBCGPDialog::OnInitDialog();
    CheckDlgButton(1005, showTip ? BST_CHECKED : BST_UNCHECKED);
    CWnd *list = GetDlgItem(1004);
    for (const std::wstring &n : *names) {
      LRESULT count = list->SendMessage(LB_GETCOUNT);
      list->SendMessage(LB_INSERTSTRING, WPARAM(count), reinterpret_cast<LPARAM>(n.c_str()));
    }
    SetWindowText(L"启动提示");
    return TRUE;
  }
  void OnCheckShowTip() { showTip = IsDlgButtonChecked(1005) != 0; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTipDlg, CBCGPDialog)
  ON_BN_CLICKED(1005, &CTipDlg::OnCheckShowTip)
END_MESSAGE_MAP()

KVUI::DialogTemplate TipTemplate() {
  KVUI::DialogTemplate t;
  t.id = kTip;
  t.caption = L"Dialog";
  t.cx = 309, t.cy = 169;
  t.items = {{1004, L"LISTBOX", L"", LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 7, 7, 295, 141},
             {1005, L"BUTTON", L"启动时显示提示", BS_AUTOCHECKBOX, 10, 153, 72, 10},
             {IDOK, L"BUTTON", L"确定", BS_DEFPUSHBUTTON, 248, 151, 50, 14}};
  return t;
}

TEST(Dialogs, ModalDialogIsWorkedByTheResponderAndKeepsInsertionOrder) {
  KVUI::UiTestResponder responder;
  KVUI::RegisterDialog(TipTemplate());
  std::vector<std::wstring> names = {L"zeta", L"Alpha", L"mid"};
  std::vector<std::wstring> shownItems;
  responder.ExpectDialog(kTip, [&](CDialog &dlg) {
    auto *list = dynamic_cast<CListBox *>(dlg.GetDlgItem(1004));
    EXPECT_NE(list, nullptr);
    if (list) shownItems = list->GetItems();
    static_cast<CButton *>(dlg.GetDlgItem(1005))->Click();
    return IDOK;
  });
  CTipDlg dlg;
  dlg.names = &names;
  dlg.EnableVisualManagerStyle(TRUE, TRUE);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(shownItems, names);
  EXPECT_FALSE(dlg.showTip);
  EXPECT_FALSE(dlg.IsWindow());
  auto shown = KVUI::GetShownBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, BoxKind::Dialog);
  EXPECT_EQ(shown[0].text, L"启动提示");
  EXPECT_EQ(shown[0].items,
            (std::vector<std::wstring>{L"1004 LISTBOX: zeta | Alpha | mid", L"1005 BUTTON [x] 启动时显示提示",
                                       L"1 BUTTON 确定"}));
  // The same list box sorts what is added without an index.
  CListBox sorted;
  sorted.Create(L"LISTBOX", L"", LBS_SORT, CRect(), nullptr, 1);
  for (const std::wstring &n : names) sorted.AddString(n.c_str());
  EXPECT_EQ(sorted.GetItems(), (std::vector<std::wstring>{L"Alpha", L"mid", L"zeta"}));
  EXPECT_EQ(sorted.InsertString(4, L"x"), LB_ERR);
}

TEST(Dialogs, ClosingWithoutOkKeepsTheMembersAndAMissingTemplateFails) {
  KVUI::UiTestResponder responder;
  KVUI::RegisterDialog(TipTemplate());
  std::vector<std::wstring> names;
  responder.ExpectDialog(kTip, IDCANCEL);
  CTipDlg dlg;
  dlg.names = &names;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(dlg.showTip);
  CDialog missing(4242);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_EQ(KVUI::GetShownBoxes().size(), 1u);
}

// A child page that binds a button and swallows Escape and Enter.
constexpr UINT kPage = 9311;
class CPage : public CBCGPDialog {
 public:
  CPage() : CBCGPDialog(kPage) {}
  CBCGPButton filter;
  bool swallowKeys = true;
  int collapsed = 0;
  BOOL PreTranslateMessage(MSG *msg) override {
    if (swallowKeys && msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN))
      return TRUE;
    return CBCGPDialog::PreTranslateMessage(msg);
  }

 protected:
  void DoDataExchange(CDataExchange *dx) override { DDX_Control(dx, 1000, filter); }
  void OnCollapse() { ++collapsed; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPage, CBCGPDialog)
  ON_BN_CLICKED(1001, &CPage::OnCollapse)
END_MESSAGE_MAP()

TEST(Dialogs, ModelessPageBindsItsControlsAndKeysReachItThroughTheQueue) {
  KVUI::UiTestResponder responder;
  KVUI::DialogTemplate t;
  t.id = kPage;
  t.style = WS_CHILD | WS_VISIBLE;
  t.cx = 188, t.cy = 240;
  t.items = {{1000, L"BUTTON", L"显示筛选", 0, 7, 18, 50, 14},
             {1001, L"BUTTON", L"-", 0, 160, 19, 15, 14},
             {1002, L"BUTTON", L"+", 0, 140, 19, 15, 14}};
  KVUI::RegisterDialog(t);
  CWnd pane;
  pane.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 300, 400), nullptr, 0);
  for (bool swallow : {true, false}) {
    SCOPED_TRACE(swallow);
    CPage page;
    page.swallowKeys = swallow;
    ASSERT_TRUE(page.Create(kPage, &pane));
    EXPECT_EQ(page.GetDlgItem(1000), &page.filter);
    EXPECT_EQ(page.GetChildren().front(), &page.filter) << "the bound control keeps its place";
    EXPECT_EQ(page.filter.GetText(), L"显示筛选");
    page.filter.SetTextColor(RGB(255, 0, 0));
    static_cast<CButton *>(page.GetDlgItem(1001))->Click();
    EXPECT_EQ(page.collapsed, 1);
    PostMessage(page.GetDlgItem(1002)->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    KVUI::PumpPending();
    EXPECT_EQ(page.IsWindowVisible() != FALSE, swallow);
    EXPECT_EQ(page.IsEnded(), !swallow);
  }
}

TEST(Menus, ChosenItemArrivesAsPostedCommandAfterTheCallerReturns) {
  KVUI::UiTestResponder responder;
  KVUI::MenuTemplate m;
  m.id = 9315;
  m.items = {{0, L"视图", MF_POPUP, {{32772, L"查看信息", 0, {}}}}};
  KVUI::RegisterMenu(m);
  class CView2 : public CView {
   public:
    std::vector<UINT> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
      commands.push_back(LOWORD(wParam));
      return TRUE;
    }
  } view;
  view.Create(nullptr, L"", WS_VISIBLE, CRect(10, 20, 110, 120), nullptr, 1);
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(9315));
  CMenu *popup = menu.GetSubMenu(0);
  ASSERT_NE(popup, nullptr);
  CPoint at(5, 6);
  view.ClientToScreen(&at);
  responder.ExpectMenu(32772);
  responder.ExpectMenu(0);
  EXPECT_TRUE(popup->TrackPopupMenu(0, at.x, at.y, &view));
  EXPECT_TRUE(view.commands.empty());
  EXPECT_TRUE(popup->TrackPopupMenu(0, at.x, at.y, &view));
  KVUI::PumpPending();
  EXPECT_EQ(view.commands, std::vector<UINT>{32772});
  auto shown = KVUI::GetShownBoxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].items, std::vector<std::wstring>{L"32772 查看信息"});
  EXPECT_EQ(shown[0].point, CPoint(15, 26));
  EXPECT_EQ(shown[0].id, 9315u);
  EXPECT_EQ(shown[1].answer, 0);
  // A menu built in code; with TPM_RETURNCMD the choice is returned.
  CMenu own;
  own.CreatePopupMenu();
  own.AppendMenu(MF_STRING, 2028, L"删除标注(S)");
  responder.ExpectMenu(2028);
  EXPECT_EQ(own.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RETURNCMD, 0, 0, &view), 2028);
  KVUI::PumpPending();
  EXPECT_EQ(view.commands.size(), 1u);
}

void ChooseMissingItem() {
  KVUI::UiTestResponder responder;
  CWnd owner;
  owner.Create(nullptr, L"", 0, CRect(), nullptr, 0);
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, 2028, L"删除标注(S)");
  responder.ExpectMenu(2029);
  g_answer = menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner);
}

TEST(Menus, ChoosingAnItemTheMenuLacksFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(ChooseMissingItem(), "unexpected menu");
  EXPECT_EQ(g_answer, 0);
}

}  // namespace
