// Resource ids of the program's two dialogs and their controls.
#pragma once

#include "ui/WinTypes.h"

/// The display-control page.
constexpr UINT IDD_DISPLAY_CONTROL = 311;
constexpr UINT IDC_BTN_DISPLAY_FILTER = 1000;
constexpr UINT IDC_BTN_COLLAPSE = 1001;
constexpr UINT IDC_BTN_EXPAND = 1002;

/// The start-up tip.
constexpr UINT IDD_OPEN_TIP = 316;
constexpr UINT IDC_LIST_PROJECTS = 1004;
constexpr UINT IDC_CHECK_SHOW_TIP = 1005;

