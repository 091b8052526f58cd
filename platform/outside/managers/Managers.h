// Stand-ins of the elevation and attribute managers of Managers:
// recording fakes (see journal/StandIn.h).
#pragma once

#include "journal/StandIn.h"

/// Factories without arguments: namespace, factory, interface, the name
/// the manager gets.
#define KV_MANAGERS_NAMED_FACTORIES(X)                                                  \
  X(MOXMANAGERS::ELEVATION, CreateElevGroupMgr, IElevGroupMgr, L"MoxElevGroupMgr")      \
  X(MANAGERS, CreateAttInfoMgr, IAttInfoMgr, L"AppAttInfoMgr")                          \
  X(MANAGERS, CreateElevationMgr, IElevationMgr, L"AppElevationMgr")

KV_MANAGERS_NAMED_FACTORIES(KV_OUTSIDE_DECLARE_NAMED_FACTORY)
