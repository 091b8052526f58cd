// Stand-ins of the commands of the Commands library: recording commands
// (see journal/RecordingCmd.h) that do none of the library's own work.
#pragma once

#include "journal/RecordingCmd.h"

/// Commands: namespace, class, name, group.
#define KV_COMMANDS_COMMANDS(X) X(COMMANDS, CElevationSetCmd, L"APP_ELEVATION_SET", KEEL::CMD::CMD_GROUP_PUSH)

KV_COMMANDS_COMMANDS(KV_OUTSIDE_DECLARE_COMMAND)
