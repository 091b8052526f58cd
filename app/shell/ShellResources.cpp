#include "KestrovaApp.h"
#include "ui/Resources.h"

namespace {

// The program's string table.
struct Strings {
  Strings() { KVUI::RegisterString(IDP_OLE_INIT_FAILED, L"OLE 初始化失败。请确保 OLE 库是正确的版本。"); }
} const g_strings;

}  // namespace
