// The command-update object: a handler says through it whether a command's
// element is enabled and checked. Besides passing the state on, it records
// what was called, so that "Enable was not called" differs from
// "Enable(FALSE) was called".
#pragma once

#include <optional>

#include "ui/Object.h"

class CWnd;
class CMenu;

/// The state asked for one command id during a command-update pass.
class CCmdUI {
 public:
  CCmdUI() = default;
  virtual ~CCmdUI() = default;

  /// The command id being updated.
  UINT m_nID = 0;
  /// Index of the item in its menu (menus only).
  UINT m_nIndex = 0;
  UINT m_nIndexMax = 0;
  CMenu *m_pMenu = nullptr;
  CMenu *m_pSubMenu = nullptr;
  /// The control being updated, when it is a window.
  CWnd *m_pOther = nullptr;
  /// Set by Enable; a pass that ends without it may disable the element.
  BOOL m_bEnableChanged = FALSE;
  /// Set by ContinueRouting: the next handler is asked too.
  BOOL m_bContinueRouting = FALSE;

  /// Enables or disables the element.
  virtual void Enable(BOOL on = TRUE);
  /// Sets the check state (0 clear, 1 checked, 2 indeterminate).
  virtual void SetCheck(int check = 1);
  /// Sets a radio mark (recorded as check 1 or 0).
  virtual void SetRadio(BOOL on = TRUE);
  /// Sets the element's text.
  virtual void SetText(LPCTSTR text);
  /// Lets the next handler in the route update the element too.
  void ContinueRouting() { m_bContinueRouting = TRUE; }
  /// Asks `target` for the state; when no update handler ran, Enable was not
  /// called and `disableIfNoHandler` is set, the element is enabled exactly
  /// when `target` has a command handler for the id. TRUE when a handler ran.
  BOOL DoUpdate(CCmdTarget *target, BOOL disableIfNoHandler);

  /// The value of the last Enable call; empty when Enable was not called.
  std::optional<bool> GetEnableCall() const { return enabled_; }
  /// The value of the last SetCheck or SetRadio call; empty when neither was.
  std::optional<int> GetCheckCall() const { return check_; }
  /// The text of the last SetText call; empty when it was not called.
  std::optional<std::wstring> GetTextCall() const { return text_; }
  /// Number of Enable and SetCheck calls (SetRadio counts as SetCheck).
  int GetEnableCount() const { return enableCount_; }
  int GetCheckCount() const { return checkCount_; }

 private:
  std::optional<bool> enabled_;
  std::optional<int> check_;
  std::optional<std::wstring> text_;
  int enableCount_ = 0;
  int checkCount_ = 0;
};
