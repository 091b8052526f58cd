#include "ui/StatusBar.h"

IMPLEMENT_DYNAMIC(CBCGPStatusBar, CWnd)

BOOL CBCGPStatusBar::Create(CWnd *parent, DWORD style, UINT id) {
  return CWnd::Create(L"BCGPStatusBar", L"", style, CRect(0, 0, 1280, 24), parent, id);
}

BOOL CBCGPStatusBar::SetIndicators(const UINT *ids, int count) {
  if (count < 0 || (count > 0 && !ids)) return FALSE;
  panes_.assign(size_t(count), Pane());
  for (int i = 0; i < count; ++i) panes_[size_t(i)].id = ids[i];
  return TRUE;
}

UINT CBCGPStatusBar::GetItemID(int index) const {
  return index >= 0 && index < GetCount() ? panes_[size_t(index)].id : 0;
}

BOOL CBCGPStatusBar::SetPaneText(int index, LPCTSTR text, BOOL) {
  if (index < 0 || index >= GetCount()) return FALSE;
  panes_[size_t(index)].text = text ? text : L"";
  return TRUE;
}

CString CBCGPStatusBar::GetPaneText(int index) const {
  return index >= 0 && index < GetCount() ? CString(panes_[size_t(index)].text) : CString();
}

void CBCGPStatusBar::SetPaneWidth(int index, int cx) {
  if (index >= 0 && index < GetCount()) panes_[size_t(index)].width = cx;
}

int CBCGPStatusBar::GetPaneWidth(int index) const {
  return index >= 0 && index < GetCount() ? panes_[size_t(index)].width : 0;
}
