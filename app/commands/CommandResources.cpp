// The program's menus used by its commands.
#include "ui/Menu.h"
#include "ui/Resources.h"
#include "ui/WinConst.h"

namespace {

// Menu 315: the view's right-click menu of one selected component.
struct Menus {
  Menus() {
    KVUI::MenuTemplate view;
    view.id = 315;
    view.items.push_back({0, L"视图", MF_POPUP, {{32772, L"查看信息", 0, {}}}});
    KVUI::RegisterMenu(view);
  }
} const g_menus;

}  // namespace
