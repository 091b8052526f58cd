// The program's command table as far as the start and the close need it:
// the login command and the exit command. Exported for the command
// manager, which finds GetCommands with dlsym.
#include <vector>

#include "keel/cmd/CmdObject.h"
#include "moxcommands/Login.h"
#include "ui/Afx.h"

namespace {

// "APP_EXIT_CMD": closes the main window through its close checks.
class CExitCmd : public KEEL::CMD::CPushMsgCmdObj {
 public:
  std::wstring GetName() override { return L"APP_EXIT_CMD"; }
  bool Executing() override {
    if (CWnd *frame = AfxGetMainWnd()) frame->PostMessage(WM_CLOSE);
    return true;
  }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void GetCommands(std::vector<KEEL::CMD::ICmdObject *> &commands) {
  commands.push_back(new MOXCOMMANDS::LOGIN::CLoginMoxCmd());
  commands.push_back(new CExitCmd());
}
