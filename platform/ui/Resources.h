// The program's resources as tables: strings, dialog templates and menus.
// The program registers its tables once at start; dialogs, menus and
// LoadString find them by id.
#pragma once

#include <string>
#include <vector>

#include "ui/WinTypes.h"

namespace KVUI {

/// One control of a dialog template. The class names the control kind:
/// L"BUTTON", L"LISTBOX", L"STATIC", L"EDIT", L"SysTreeView32", or any other
/// (a plain window). Position and size are in dialog units.
struct DialogItem {
  UINT id = 0;
  std::wstring className;
  std::wstring text;
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
};

/// A dialog template.
struct DialogTemplate {
  UINT id = 0;
  std::wstring caption;
  DWORD style = 0;
  int cx = 0, cy = 0;
  std::wstring font;
  int fontSize = 0;
  std::vector<DialogItem> items;
};

/// One item of a menu: a command (id, text), a separator (flag
/// MF_SEPARATOR) or a pop-up (flag MF_POPUP, with its items).
struct MenuItem {
  UINT id = 0;
  std::wstring text;
  UINT flags = 0;
  std::vector<MenuItem> items;
};

/// A menu resource: its top-level items.
struct MenuTemplate {
  UINT id = 0;
  std::vector<MenuItem> items;
};

/// Adds or replaces string `id`.
void RegisterString(UINT id, const std::wstring &text);
/// Adds or replaces a dialog template (by its id).
void RegisterDialog(const DialogTemplate &dialog);
/// Adds or replaces a menu (by its id).
void RegisterMenu(const MenuTemplate &menu);
/// String `id`, or empty when there is none.
std::wstring LoadResourceString(UINT id);
/// Whether string `id` exists.
bool HasResourceString(UINT id);
/// The dialog template `id`, or null.
const DialogTemplate *FindDialogTemplate(UINT id);
/// The menu `id`, or null.
const MenuTemplate *FindMenuTemplate(UINT id);
/// Drops every registered resource.
void ClearResources();

}  // namespace KVUI
