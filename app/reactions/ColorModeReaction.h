// The program's reaction to a change of the colour mode: the ribbon's
// colour-mode button shows the chosen mode and "AppCmd_ColorMode" runs
// with it.
#pragma once

#include <string>
#include <vector>

#include "keel/frame/KeelData.h"

namespace KVREACT {

/// The colour mode of a record: `mode`, or 4 when `flag` is set.
int ColorModeOf(int mode, bool flag);
/// The first button named in `colorModeCmds` that has sub-items takes over
/// sub-item `mode` (its command id, data, tooltip, description and
/// images); the ribbon is repainted and "AppCmd_ColorMode" runs with the
/// mode. Nothing runs when the ribbon, its manager, such a button, the
/// sub-item (a negative mode or one past the sub-items) or the ribbon
/// window is missing.
void ShowColorMode(KEEL::FRAME::IKeelData *data, const std::vector<std::wstring> &colorModeCmds, int mode);

}  // namespace KVREACT
