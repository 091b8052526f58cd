// CKvExitCmd: "APP_EXIT_CMD", closes the program through the main frame's
// close checks. The close message is posted: it arrives after the command
// has returned.
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

class CKvExitCmd : public KEEL::CMD::CPushPullMsgCmdObj {
 public:
  CKvExitCmd();
  CKvExitCmd(const CKvExitCmd &other);
  CKvExitCmd &operator=(const CKvExitCmd &other);
  ~CKvExitCmd() override;

  /// "APP_EXIT_CMD".
  std::wstring GetName() override;
  /// Posts WM_CLOSE to the main window (nothing without one); true.
  bool Executing() override;
  /// False.
  bool PreStop() override;
};
