#include "ui/Controls.h"

#include <algorithm>
#include <cwctype>

#include "ui/MsgMap.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CBCGPButton, CButton)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)

void CButton::Click() {
  if (!m_hWnd || !IsWindowEnabled()) return;
  DWORD kind = GetStyle() & 0xF;
  if (kind == BS_AUTOCHECKBOX) check_ = check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  HWND self = m_hWnd;
  if (CWnd *parent = GetParent())
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID()), WORD(BN_CLICKED)),
                        reinterpret_cast<LPARAM>(self));
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case BM_GETCHECK:
      return check_;
    case BM_SETCHECK:
      check_ = int(wParam);
      return 0;
    case BM_CLICK:
      Click();
      return 0;
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

namespace {
bool LessNoCase(const std::wstring &a, const std::wstring &b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    return std::towlower(wint_t(x)) < std::towlower(wint_t(y));
  });
}
}  // namespace

int CListBox::AddString(LPCTSTR text) {
  std::wstring t = text ? text : L"";
  if (!(GetStyle() & LBS_SORT)) {
    items_.push_back(t);
    return int(items_.size()) - 1;
  }
  auto at = std::upper_bound(items_.begin(), items_.end(), t, LessNoCase);
  return int(items_.insert(at, t) - items_.begin());
}

int CListBox::InsertString(int index, LPCTSTR text) {
  if (index == -1) index = GetCount();
  if (index < 0 || index > GetCount()) return LB_ERR;
  items_.insert(items_.begin() + index, text ? text : L"");
  if (cursel_ >= index) ++cursel_;
  return index;
}

int CListBox::DeleteString(UINT index) {
  if (index >= items_.size()) return LB_ERR;
  items_.erase(items_.begin() + index);
  if (cursel_ == int(index))
    cursel_ = LB_ERR;
  else if (cursel_ > int(index))
    --cursel_;
  return GetCount();
}

void CListBox::ResetContent() {
  items_.clear();
  cursel_ = LB_ERR;
}

int CListBox::GetText(int index, CString &text) const {
  if (index < 0 || index >= GetCount()) return LB_ERR;
  text = items_[size_t(index)];
  return int(text.size());
}

int CListBox::GetTextLen(int index) const {
  if (index < 0 || index >= GetCount()) return LB_ERR;
  return int(items_[size_t(index)].size());
}

int CListBox::SetCurSel(int index) {
  if (index < -1 || index >= GetCount()) return LB_ERR;
  cursel_ = index < 0 ? LB_ERR : index;
  return index < 0 ? LB_ERR : index;
}

LRESULT CListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const wchar_t *text = reinterpret_cast<const wchar_t *>(lParam);
  switch (message) {
    case LB_ADDSTRING:
      return AddString(text);
    case LB_INSERTSTRING:
      return InsertString(int(wParam), text);
    case LB_DELETESTRING:
      return DeleteString(UINT(wParam));
    case LB_RESETCONTENT:
      ResetContent();
      return 0;
    case LB_SETCURSEL:
      return SetCurSel(int(wParam));
    case LB_GETCURSEL:
      return GetCurSel();
    case LB_GETCOUNT:
      return GetCount();
    case LB_GETTEXTLEN:
      return GetTextLen(int(wParam));
    case LB_GETTEXT: {  // the caller's buffer must hold the text and its end
      int i = int(wParam);
      if (i < 0 || i >= GetCount() || !lParam) return LB_ERR;
      const std::wstring &item = items_[size_t(i)];
      std::copy(item.begin(), item.end(), reinterpret_cast<wchar_t *>(lParam));
      reinterpret_cast<wchar_t *>(lParam)[item.size()] = L'\0';
      return LRESULT(item.size());
    }
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

void CButton::CopyControlState(const CWnd &from) {
  if (auto *b = dynamic_cast<const CButton *>(&from)) check_ = b->check_;
}

void CListBox::CopyControlState(const CWnd &from) {
  if (auto *l = dynamic_cast<const CListBox *>(&from)) items_ = l->items_, cursel_ = l->cursel_;
}
