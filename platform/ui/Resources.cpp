#include "ui/Resources.h"

#include <map>
#include <mutex>

namespace KVUI {
namespace {
struct Tables {
  std::mutex lock;
  std::map<UINT, std::wstring> strings;
  std::map<UINT, DialogTemplate> dialogs;
  std::map<UINT, MenuTemplate> menus;
};
Tables &tables() {
  static Tables *t = new Tables;
  return *t;
}
}  // namespace

void RegisterString(UINT id, const std::wstring &text) {
  std::lock_guard<std::mutex> g(tables().lock);
  tables().strings[id] = text;
}

void RegisterDialog(const DialogTemplate &dialog) {
  std::lock_guard<std::mutex> g(tables().lock);
  tables().dialogs[dialog.id] = dialog;
}

void RegisterMenu(const MenuTemplate &menu) {
  std::lock_guard<std::mutex> g(tables().lock);
  tables().menus[menu.id] = menu;
}

std::wstring LoadResourceString(UINT id) {
  std::lock_guard<std::mutex> g(tables().lock);
  auto it = tables().strings.find(id);
  return it == tables().strings.end() ? std::wstring() : it->second;
}

bool HasResourceString(UINT id) {
  std::lock_guard<std::mutex> g(tables().lock);
  return tables().strings.count(id) != 0;
}

// Templates are never removed while the program runs, except by
// ClearResources in tests, so the pointers stay valid.
const DialogTemplate *FindDialogTemplate(UINT id) {
  std::lock_guard<std::mutex> g(tables().lock);
  auto it = tables().dialogs.find(id);
  return it == tables().dialogs.end() ? nullptr : &it->second;
}

const MenuTemplate *FindMenuTemplate(UINT id) {
  std::lock_guard<std::mutex> g(tables().lock);
  auto it = tables().menus.find(id);
  return it == tables().menus.end() ? nullptr : &it->second;
}

void ClearResources() {
  std::lock_guard<std::mutex> g(tables().lock);
  tables().strings.clear();
  tables().dialogs.clear();
  tables().menus.clear();
}

}  // namespace KVUI
