#include "ShellParts.h"

#include "KvOpenTipCmd.h"
#include "KvOpenTipDlg.h"

namespace KVSHELL {

bool SetOpenTipFlag(KEEL::CMD::ICmdObject *command, bool show) {
  auto *tip = dynamic_cast<CKvOpenTipCmd *>(command);
  if (!tip) return false;
  tip->SetOpenTipMenu(show);
  return true;
}

bool RunOpenTipDialog(std::vector<std::wstring> &names) { return KVDIALOGS::RunOpenTip(names, true); }

void RegisterObservers(KEEL::FRAME::IKeelData *data) { (void)data; }

}  // namespace KVSHELL
