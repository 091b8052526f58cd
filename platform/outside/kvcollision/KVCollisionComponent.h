// Stand-ins of the clash-checking managers of KVCollisionComponent:
// recording fakes (see journal/StandIn.h); nothing is checked.
#pragma once

#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_KVCOLLISION_CLASSES(X)                  \
  X(KVCOLLISION::LOGIC, KvCollisionCheckMgr)        \
  X(KVCOLLISION::RESULT, KvCollisionResultMgr)

KV_KVCOLLISION_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
