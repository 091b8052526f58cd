// Controls of dialogs: buttons (push, check box), list boxes, static texts
// and edit fields. Each answers its messages (BM_*, LB_*) as well as its
// member operations; a click notifies the parent with WM_COMMAND.
#pragma once

#include <string>
#include <vector>

#include "ui/Wnd.h"

// Button messages.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
// List-box messages.
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;

/// A button: push button, check box or group box, by its BS_* style.
class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  /// The check state (BST_*).
  int GetCheck() const { return check_; }
  /// Sets the check state.
  void SetCheck(int check) { check_ = check; }
  /// What a user's click does: an automatic check box toggles, then the
  /// parent receives BN_CLICKED.
  void Click();
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void CopyControlState(const CWnd &from) override;

 private:
  int check_ = BST_UNCHECKED;
};

/// The extended toolkit's button.
class CBCGPButton : public CButton {
  DECLARE_DYNAMIC(CBCGPButton)

 public:
  /// Draws the button in the visual manager's style (recorded).
  BOOL m_bVisualManagerStyle = FALSE;
};

/// A list box. With LBS_SORT, AddString keeps the items sorted (case
/// ignored); InsertString always puts the item at the given index.
class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  /// Adds `text` (sorted with LBS_SORT, else at the end); its index.
  int AddString(LPCTSTR text);
  /// Inserts `text` at `index` (-1: at the end); its index, LB_ERR when
  /// `index` is beyond the end.
  int InsertString(int index, LPCTSTR text);
  /// Removes item `index`; the count left, or LB_ERR.
  int DeleteString(UINT index);
  /// Removes every item.
  void ResetContent();
  /// Number of items.
  int GetCount() const { return int(items_.size()); }
  /// Copies item `index` into `text`; its length, or LB_ERR.
  int GetText(int index, CString &text) const;
  /// The length of item `index`, or LB_ERR.
  int GetTextLen(int index) const;
  /// The selected item, or LB_ERR.
  int GetCurSel() const { return cursel_; }
  /// Selects item `index` (-1 clears); LB_ERR when out of range.
  int SetCurSel(int index);
  /// The items as shown, top to bottom.
  const std::vector<std::wstring> &GetItems() const { return items_; }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void CopyControlState(const CWnd &from) override;

 private:
  std::vector<std::wstring> items_;
  int cursel_ = LB_ERR;
};

/// A static text.
class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
};

/// An edit field.
class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
};
