// Menus: loaded from the program's menu resources or built in code, shown
// as pop-up menus that the responder answers. A chosen item reaches the
// owner window as a posted WM_COMMAND (or is returned with TPM_RETURNCMD).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Wnd.h"

struct HMENU__;
using HMENU = HMENU__ *;

/// A menu or pop-up menu.
class CMenu {
 public:
  CMenu();
  virtual ~CMenu();
  CMenu(const CMenu &) = delete;
  CMenu &operator=(const CMenu &) = delete;

  /// The menu's handle; null until loaded or created.
  HMENU m_hMenu = nullptr;
  /// Loads menu `id` of the program's resources; FALSE when there is none.
  BOOL LoadMenu(UINT id);
  /// Creates an empty pop-up menu.
  BOOL CreatePopupMenu();
  /// Creates an empty menu bar.
  BOOL CreateMenu();
  /// Destroys the menu and its sub-menus.
  BOOL DestroyMenu();
  /// Appends a command (`id`, `text`), a separator (MF_SEPARATOR) or, with
  /// MF_POPUP, a copy of the menu whose handle is `id`.
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
  /// The pop-up at position `pos`, or null.
  CMenu *GetSubMenu(int pos) const;
  /// Number of items; -1 for a menu not created.
  int GetMenuItemCount() const;
  /// The command id at `pos`; -1 for a pop-up, 0 for a separator.
  UINT GetMenuItemID(int pos) const;
  /// Copies the text of an item (by command id, or MF_BYPOSITION) into
  /// `text`; its length, 0 when there is no such item.
  int GetMenuString(UINT item, CString &text, UINT flags) const;
  /// Greys or enables an item by command id; the former state, or -1.
  UINT EnableMenuItem(UINT id, UINT enable);
  /// Checks or clears an item by command id; the former state, or -1.
  UINT CheckMenuItem(UINT id, UINT check);
  /// Shows the menu at (`x`, `y`) in screen co-ordinates for `owner`; the
  /// responder chooses. With TPM_RETURNCMD returns the chosen id (0 when
  /// dismissed); otherwise posts WM_COMMAND of the chosen id to `owner` and
  /// returns TRUE. FALSE without owner or menu.
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd *owner, LPCRECT rect = nullptr);
  /// The live menu of `handle`, or null.
  static CMenu *FromHandle(HMENU handle);

  /// The resource id the menu was loaded from (its pop-ups keep it).
  UINT GetResourceId() const { return resourceId_; }

 private:
  struct Item {
    UINT id = 0;
    std::wstring text;
    UINT flags = 0;
    std::unique_ptr<CMenu> sub;
  };
  void Attach();
  void CopyFrom(const CMenu &other);
  const Item *FindById(UINT id) const;
  Item *FindById(UINT id);
  void Describe(std::vector<std::wstring> &lines, const std::wstring &indent) const;

  std::vector<Item> items_;
  UINT resourceId_ = 0;
};
