// Windows of the model: handles, the tree of children, geometry, classes.
#include <gtest/gtest.h>

#include <memory>

#include "ui/WinConst.h"
#include "ui/Wnd.h"

namespace {

TEST(Wnd, HandleLivesFromCreateToDestroyAndIsNeverReused) {
  CWnd w;
  EXPECT_EQ(w.GetSafeHwnd(), nullptr);
  ASSERT_TRUE(w.Create(nullptr, L"main", WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 7));
  HWND h = w.m_hWnd;
  EXPECT_EQ(CWnd::FromHandle(h), &w);
  EXPECT_TRUE(w.IsWindowVisible());
  EXPECT_EQ(w.GetDlgCtrlID(), 7);
  EXPECT_TRUE(w.DestroyWindow());
  EXPECT_EQ(CWnd::FromHandle(h), nullptr);
  ASSERT_TRUE(w.Create(nullptr, L"again", 0, CRect(), nullptr, 7));
  EXPECT_NE(w.m_hWnd, h);
  EXPECT_EQ(CWnd::FromHandle(h), nullptr);
}

TEST(Wnd, ChildrenFollowTheirParentAndFindByIdAndScreenPoint) {
  CWnd parent, child, other;
  parent.Create(nullptr, L"", 0, CRect(100, 50, 400, 300), nullptr, 1);
  child.Create(nullptr, L"", WS_CHILD, CRect(10, 20, 60, 70), &parent, 1000);
  other.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 5, 5), &parent, 1001);
  EXPECT_EQ(parent.GetDlgItem(1000), &child);
  EXPECT_EQ(parent.GetDlgItem(1002), nullptr);
  CPoint p(3, 4);
  child.ClientToScreen(&p);
  EXPECT_EQ(p, CPoint(113, 74));
  child.ScreenToClient(&p);
  EXPECT_EQ(p, CPoint(3, 4));
  CRect client;
  child.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 50, 50));
  // A child destroyed first leaves the parent's list; the rest go with it.
  HWND ho = other.m_hWnd;
  child.DestroyWindow();
  EXPECT_EQ(parent.GetDlgItem(1000), nullptr);
  parent.DestroyWindow();
  EXPECT_EQ(CWnd::FromHandle(ho), nullptr);
  EXPECT_EQ(other.GetParent(), nullptr);
}

TEST(Wnd, TextVisibilityAndColour) {
  CWnd w;
  w.Create(nullptr, L"a", 0, CRect(), nullptr, 0);
  w.SetWindowText(L"显示筛选");
  CString t;
  w.GetWindowText(t);
  EXPECT_EQ(t, L"显示筛选");
  EXPECT_FALSE(w.ShowWindow(SW_SHOW));
  EXPECT_TRUE(w.ShowWindow(SW_HIDE));
  EXPECT_FALSE(w.IsWindowVisible());
  EXPECT_TRUE(w.SetForegroundWindow());
  w.SetActiveWindow();
  EXPECT_EQ(CWnd::GetForegroundWindow(), &w);
  EXPECT_EQ(CWnd::GetActiveWindow(), &w);
  EXPECT_EQ(w.GetTextColor(), RGB(0, 0, 0));
  w.SetTextColor(RGB(255, 0, 0));
  EXPECT_EQ(w.GetTextColor(), 0x0000FFu);
  w.DestroyWindow();
  EXPECT_EQ(CWnd::GetForegroundWindow(), nullptr);
}

TEST(Wnd, FramesAreKindsOfWindowsAndCastDynamically) {
  CBCGPMDIFrameWnd frame;
  CWnd *w = &frame;
  EXPECT_TRUE(w->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
  EXPECT_FALSE(w->IsKindOf(RUNTIME_CLASS(CView)));
  EXPECT_STREQ(w->GetRuntimeClass()->m_lpszClassName, "CBCGPMDIFrameWnd");
  EXPECT_EQ(dynamic_cast<CBCGPMDIFrameWnd *>(w), &frame);
  CView view;
  CWnd *v = &view;
  EXPECT_EQ(dynamic_cast<CBCGPMDIFrameWnd *>(v), nullptr);
}

class CCreatable : public CBCGPMDIFrameWnd {
  DECLARE_DYNCREATE(CCreatable)
};
IMPLEMENT_DYNCREATE(CCreatable, CBCGPMDIFrameWnd)

TEST(Wnd, DynamicallyCreatableClassesMakeThemselvesByClass) {
  const CRuntimeClass *cls = RUNTIME_CLASS(CCreatable);
  EXPECT_STREQ(cls->m_lpszClassName, "CCreatable");
  std::unique_ptr<CObject> made(cls->CreateObject());
  ASSERT_NE(dynamic_cast<CCreatable *>(made.get()), nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)));
  EXPECT_EQ(RUNTIME_CLASS(CWnd)->CreateObject(), nullptr);
}

TEST(CString, FormatTakesWideTextForPercentS) {
  struct Case {
    const wchar_t *want;
    CString got;
  };
  CString v, pane, num, lit, narrow, ch, explicitWide;
  v.Format(L"V%s", L"1.0");
  pane.Format(L"[%s,%s]", L"用户", L"企业");
  num.Format(L"%s.%d|%5.2f|%x", L"V1.0", 5, 2.5, 255u);
  lit.Format(L"100%% %%s");
  narrow.Format(L"%S-%C", "abc", 'z');
  ch.Format(L"%c%-3s|", L'名', L"a");
  explicitWide.Format(L"%ls%hs", L"w", "n");
  Case cases[] = {{L"V1.0", v},           {L"[用户,企业]", pane}, {L"V1.0.5| 2.50|ff", num},
                  {L"100% %s", lit},      {L"abc-z", narrow},     {L"名a  |", ch},
                  {L"wn", explicitWide}};
  for (const Case &c : cases) EXPECT_EQ(c.got, c.want);
  CString longText;
  longText.Format(L"%s", std::wstring(1000, L'x').c_str());
  EXPECT_EQ(longText.size(), 1000u);
}

}  // namespace
