// The ribbon, the status bar, text extents, the platform trace and the
// application's entry.
#include <gtest/gtest.h>

#include "UiTesting.h"
#include "ui/Afx.h"

namespace {

class CRibbonFrame : public CBCGPMDIFrameWnd {
 public:
  std::vector<UINT> commands;

 protected:
  void OnCommandRange(UINT id) { commands.push_back(id); }
  // 6000 enabled, 6001 disabled and checked, 6002 untouched (as a frame
  // that never disables for lack of a handler).
  void OnUpdateCommandRange(CCmdUI *ui) {
    if (dynamic_cast<CBCGPRibbonCmdUI *>(ui) == nullptr) return;
    if (ui->m_nID == 6000) ui->Enable(TRUE);
    if (ui->m_nID == 6001) {
      ui->Enable(FALSE);
      ui->SetCheck(1);
    }
    ui->m_bEnableChanged = TRUE;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRibbonFrame, CBCGPMDIFrameWnd)
  ON_COMMAND_RANGE(5899, 8899, &CRibbonFrame::OnCommandRange)
  ON_UPDATE_COMMAND_UI_RANGE(5899, 8899, &CRibbonFrame::OnUpdateCommandRange)
END_MESSAGE_MAP()

CBCGPRibbonButton *Button(UINT id, const wchar_t *name) {
  auto *b = new CBCGPRibbonButton(id, name);
  b->SetName(name);
  return b;
}

class Ribbon : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(frame.LoadFrame(128));
    ASSERT_TRUE(bar.Create(&frame));
    for (auto [id, name] : {std::pair<UINT, const wchar_t *>{5898, L"Outside"},
                            {6000, L"On"}, {6001, L"OffChecked"}, {6002, L"Untouched"}})
      bar.AddElement(Button(id, name));
  }
  KVUI::UiTestResponder responder;
  CRibbonFrame frame;
  CBCGPRibbonBar bar;
};

TEST_F(Ribbon, UpdatePassSetsStatesThroughTheFramesHandlers) {
  KVUI::UpdateRibbonBars(&frame);
  EXPECT_EQ(KVUI::DescribeRibbon(bar),
            (std::vector<std::wstring>{L"5898 Outside: disabled", L"6000 On: enabled",
                                       L"6001 OffChecked: disabled, checked", L"6002 Untouched: enabled"}));
  // The update object records what the handler called.
  CBCGPRibbonCmdUI ui;
  bar.FindByName(L"Untouched")->OnUpdateCmdUI(&ui, &frame, TRUE);
  EXPECT_FALSE(ui.GetEnableCall().has_value());
  EXPECT_FALSE(ui.GetCheckCall().has_value());
}

TEST_F(Ribbon, ClicksArriveAsPostedCommandsUnlessDisabled) {
  KVUI::UpdateRibbonBars(&frame);
  EXPECT_TRUE(bar.FindByID(6000)->Click());
  EXPECT_FALSE(bar.FindByID(6001)->Click());
  EXPECT_TRUE(frame.commands.empty());
  KVUI::PumpPending();
  EXPECT_EQ(frame.commands, std::vector<UINT>{6000});
  bar.ToggleMimimizeState();
  EXPECT_TRUE(bar.IsRibbonMinimized());
  bar.ToggleMimimizeState();
  EXPECT_FALSE(bar.IsRibbonMinimized());
}

TEST_F(Ribbon, SplitButtonTakesOverItsChosenSubItem) {
  auto *split = Button(7000, L"APP_DEFAULT0");
  for (UINT i = 0; i < 5; ++i) {
    auto *sub = new CBCGPRibbonButton(7000 + i, L"mode", int(10 + i), int(20 + i));
    sub->SetName(L"APP_DEFAULT" + std::to_wstring(i));
    sub->SetData(100 + i);
    sub->SetToolTipText((L"tip" + std::to_wstring(i)).c_str());
    sub->SetDescription((L"desc" + std::to_wstring(i)).c_str());
    split->AddSubItem(sub);
  }
  bar.AddElement(split);
  ASSERT_EQ(split->GetSubItems().size(), 5u);
  EXPECT_EQ(bar.FindByName(L"APP_DEFAULT3"), split->GetSubItems()[3]);
  EXPECT_EQ(bar.FindByID(7000), split) << "top-level elements are found first";
  auto *chosen = dynamic_cast<CBCGPRibbonButton *>(split->GetSubItems()[2]);
  split->SetID(chosen->GetID());
  split->SetData(chosen->GetData());
  split->SetToolTipText(chosen->GetToolTipText());
  split->SetDescription(chosen->GetDescription());
  split->SetImageIndex(chosen->GetImageIndex(FALSE), FALSE);
  split->SetImageIndex(chosen->GetImageIndex(TRUE), TRUE);
  EXPECT_EQ(split->GetID(), 7002u);
  EXPECT_EQ(split->GetData(), 102u);
  EXPECT_EQ(split->GetToolTipText(), L"tip2");
  EXPECT_EQ(split->GetDescription(), L"desc2");
  EXPECT_EQ(split->GetImageIndex(FALSE), 12);
  EXPECT_EQ(split->GetImageIndex(TRUE), 22);
  EXPECT_TRUE(InvalidateRect(bar.m_hWnd, nullptr, TRUE));
  EXPECT_EQ(bar.GetInvalidateCount(), 1);
}

TEST_F(Ribbon, ColourButtonKeepsGroupsColumnsOtherButtonAndTheChoice) {
  auto *colour = new CBCGPRibbonColorButton(6003, L"标注颜色");
  colour->SetName(L"AppCmd_DimMarkColor");
  bar.AddElement(colour);
  auto *found = dynamic_cast<CBCGPRibbonColorButton *>(bar.FindByName(L"AppCmd_DimMarkColor"));
  ASSERT_EQ(found, colour);
  found->SetColor(RGB(79, 129, 189));
  found->SetColumns(10);
  CList<COLORREF, COLORREF> theme;
  theme.AddTail(RGB(255, 255, 255));
  theme.AddTail(RGB(10, 10, 10));
  for (COLORREF c : theme) CBCGPRibbonColorButton::SetColorName(c, L"");
  found->AddColorsGroup(L"主题颜色", theme, FALSE);
  found->AddColorsGroup(L"", theme, TRUE);
  found->EnableOtherButton(L"&更多颜色...", L"更多颜色");
  ASSERT_EQ(found->GetColorGroups().size(), 2u);
  EXPECT_EQ(found->GetColorGroups()[0].name, L"主题颜色");
  EXPECT_EQ(found->GetColorGroups()[0].colors, (std::vector<COLORREF>{0xFFFFFF, 0x0A0A0A}));
  EXPECT_FALSE(found->GetColorGroups()[0].contiguousColumns);
  EXPECT_TRUE(found->GetColorGroups()[1].contiguousColumns);
  EXPECT_EQ(found->GetColumns(), 10);
  EXPECT_TRUE(found->HasOtherButton());
  EXPECT_EQ(found->GetOtherLabel(), L"&更多颜色...");
  bool named = false;
  EXPECT_EQ(CBCGPRibbonColorButton::GetColorName(RGB(10, 10, 10), &named), L"");
  EXPECT_TRUE(named);
  EXPECT_TRUE(found->ChooseColor(RGB(192, 80, 77)));
  KVUI::PumpPending();
  EXPECT_EQ(found->GetColor(), RGB(192, 80, 77));
  EXPECT_EQ(frame.commands, std::vector<UINT>{6003});
}

TEST(StatusBar, PanesAndTextExtentInTheFramesFont) {
  KVUI::UiTestResponder responder;
  CBCGPMDIFrameWnd frame;
  frame.LoadFrame(128);
  CBCGPStatusBar status;
  ASSERT_TRUE(status.Create(&frame));
  const UINT ids[] = {0, 1, 2};
  ASSERT_TRUE(status.SetIndicators(ids, 3));
  CDC *dc = frame.GetDC();
  dc->SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(frame.SendMessage(WM_GETFONT))));
  SIZE size;
  ASSERT_TRUE(GetTextExtentPoint32W(*dc, L"[u,e]", 5, &size));
  EXPECT_EQ(size.cx, 35);
  ASSERT_TRUE(GetTextExtentPoint32W(*dc, L"用户", 2, &size));
  EXPECT_EQ(size.cx, 26);
  HDC gone = *dc;
  frame.ReleaseDC(dc);
  EXPECT_FALSE(GetTextExtentPoint32W(gone, L"x", 1, &size));
  EXPECT_TRUE(status.SetPaneText(1, L"[u,e]"));
  status.SetPaneWidth(1, 45);
  EXPECT_FALSE(status.SetPaneText(3, L"x"));
  EXPECT_EQ(status.GetPaneText(1), L"[u,e]");
  EXPECT_EQ(status.GetPaneWidth(1), 45);
  EXPECT_EQ(status.GetItemID(2), 2u);
}

class CFailingApp : public CBCGPWinApp {
 public:
  CBCGPMDIFrameWnd *frame = nullptr;
  CCommandLineInfo info;
  bool exited = false;
  BOOL InitInstance() override {
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = 8;
    icc.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);
    ParseCommandLine(info);
    frame = new CBCGPMDIFrameWnd;
    frame->LoadFrame(128);
    m_pMainWnd = frame;
    if (!AfxOleInit()) {
      AfxMessageBox(100, MB_OK);
      return FALSE;
    }
    return TRUE;
  }
  int ExitInstance() override {
    exited = true;
    return CBCGPWinApp::ExitInstance();
  }
};

TEST(Application, FailedStartDestroysTheMainWindowAndRunsExitInstance) {
  KVUI::UiTestResponder responder;
  std::vector<std::wstring> trace;
  KVUI::SetPlatformTrace([&](const std::wstring &call) { trace.push_back(call); });
  KVUI::SetOleAvailable(false);
  KVUI::RegisterString(100, L"OLE 初始化失败。请确保 OLE 库是正确的版本。");
  responder.ExpectMessageBox(IDOK, std::wstring(L"OLE 初始化失败。请确保 OLE 库是正确的版本。"));
  CFailingApp app;
  char prog[] = "kestrova", arg[] = "u$$p$$h$$e$$f", flag[] = "/x";
  char *argv[] = {prog, flag, arg, nullptr};
  EXPECT_EQ(KVUI::AfxWinMain(3, argv), 0);
  KVUI::SetOleAvailable(true);
  KVUI::SetPlatformTrace(nullptr);
  EXPECT_TRUE(app.exited);
  EXPECT_EQ(app.info.m_strFileName, L"u$$p$$h$$e$$f");
  ASSERT_NE(app.frame, nullptr);
  EXPECT_FALSE(app.frame->IsWindow());
  EXPECT_EQ(AfxGetMainWnd(), nullptr);
  delete app.frame;
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"InitCommonControlsEx 8 0xFF", L"AfxOleInit FALSE"}));
}

}  // namespace
