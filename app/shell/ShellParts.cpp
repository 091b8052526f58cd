#include "ShellParts.h"

#include "KvOpenTipDlg.h"

namespace KVSHELL {

bool SetOpenTipFlag(KEEL::CMD::ICmdObject *command, bool show) {
  (void)command, (void)show;
  return false;
}

bool RunOpenTipDialog(std::vector<std::wstring> &names) { return KVDIALOGS::RunOpenTip(names, true); }

void RegisterObservers(KEEL::FRAME::IKeelData *data) { (void)data; }

}  // namespace KVSHELL
