#include "ShellParts.h"

#include "KvOpenTipCmd.h"

namespace KVSHELL {

bool SetOpenTipFlag(KEEL::CMD::ICmdObject *command, bool show) {
  auto *tip = dynamic_cast<CKvOpenTipCmd *>(command);
  if (!tip) return false;
  tip->SetOpenTipMenu(show);
  return true;
}

bool RunOpenTipDialog(std::vector<std::wstring> &names) {
  (void)names;
  return true;
}

void RegisterObservers(KEEL::FRAME::IKeelData *data) { (void)data; }

}  // namespace KVSHELL
