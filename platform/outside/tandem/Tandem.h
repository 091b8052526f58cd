// Stand-ins of the managers of the maker's companion products that the
// program lists (Tandem): recording fakes (see journal/StandIn.h).
// "TandemLinkMgr" is the link to the companion desktop program.
#pragma once

#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_TANDEM_CLASSES(X)      \
  X(TANDEM, CTandemLinkMgr)       \
  X(TANDEM, CTandemModelMgr)      \
  X(TANDEM, CTandemAttrMgr)       \
  X(TANDEM, CTandemImageMgr)

KV_TANDEM_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
