// The templates of the display-control page and the start-up tip.
#include "DialogResource.h"
#include "ui/Resources.h"
#include "ui/WinConst.h"

namespace {

KVUI::DialogTemplate DisplayControlTemplate() {
  KVUI::DialogTemplate t;
  t.id = IDD_DISPLAY_CONTROL;
  t.style = WS_CHILD;
  t.cx = 188, t.cy = 240;
  t.font = L"MS Shell Dlg", t.fontSize = 8;
  t.items = {{IDC_BTN_DISPLAY_FILTER, L"BUTTON", L"显示筛选", BS_PUSHBUTTON, 7, 18, 50, 14},
             {IDC_BTN_COLLAPSE, L"BUTTON", L"-", BS_PUSHBUTTON, 160, 19, 15, 14},
             {IDC_BTN_EXPAND, L"BUTTON", L"+", BS_PUSHBUTTON, 140, 19, 15, 14}};
  return t;
}

KVUI::DialogTemplate OpenTipTemplate() {
  KVUI::DialogTemplate t;
  t.id = IDD_OPEN_TIP;
  t.caption = L"Dialog";
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  t.cx = 309, t.cy = 169;
  t.font = L"MS Shell Dlg", t.fontSize = 8;
  t.items = {{IDC_LIST_PROJECTS, L"LISTBOX", L"", LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 7, 7,
              295, 141},
             {IDC_CHECK_SHOW_TIP, L"BUTTON", L"启动时显示提示", BS_AUTOCHECKBOX, 10, 153, 72, 10},
             {IDOK, L"BUTTON", L"确定", BS_DEFPUSHBUTTON, 248, 151, 50, 14}};
  return t;
}

struct Dialogs {
  Dialogs() {
    KVUI::RegisterDialog(DisplayControlTemplate());
    KVUI::RegisterDialog(OpenTipTemplate());
  }
} const g_dialogs;

}  // namespace
