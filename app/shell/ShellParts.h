// The start sequence's calls into the program's command objects, observers
// and dialogs, kept in one place.
#pragma once

#include <string>
#include <vector>

#include "keel/cmd/CmdObject.h"
#include "keel/frame/KeelData.h"

namespace KVSHELL {
/// Sets the show flag of the start-up tip command `command`; false when it
/// is not that command.
bool SetOpenTipFlag(KEEL::CMD::ICmdObject *command, bool show);
/// Shows the start-up tip dialog with `names`, its check box ticked; the
/// check box's final state.
bool RunOpenTipDialog(std::vector<std::wstring> &names);
/// Makes the command-state observer and attaches it to its subjects.
void RegisterObservers(KEEL::FRAME::IKeelData *data);
}  // namespace KVSHELL
