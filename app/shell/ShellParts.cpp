#include "ShellParts.h"

namespace KVSHELL {

bool SetOpenTipFlag(KEEL::CMD::ICmdObject *command, bool show) {
  (void)command, (void)show;
  return false;
}

bool RunOpenTipDialog(std::vector<std::wstring> &names) {
  (void)names;
  return true;
}

void RegisterObservers(KEEL::FRAME::IKeelData *data) { (void)data; }

}  // namespace KVSHELL
