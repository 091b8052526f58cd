// The program's reactions to two notifications of the login manager.
#pragma once

#include "keel/frame/KeelData.h"

namespace KVREACT {

/// The 3D view goes back to its start ("AppHoopsBaseMgr": ResetView).
void ResetViewOnLogin(KEEL::FRAME::IKeelData *data);
/// Hides the left pane, then closes every view tab; a missing manager
/// skips its step.
void ClosePanesOnLogin(KEEL::FRAME::IKeelData *data);

}  // namespace KVREACT
