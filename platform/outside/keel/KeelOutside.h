// Stand-ins of the parts of Keel that are not modelled: the 3D managers,
// the download of programs and the colour data. Recording fakes (see
// journal/StandIn.h); nothing is rendered or downloaded.
#pragma once

#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_KEELOUTSIDE_CLASSES(X) \
  X(KEEL::HOOPS, CHoopsBaseMgr)   \
  X(KEEL::HOOPS, CHoopsCtrlMgr)   \
  X(KEEL::HOOPS, CHoopsPinMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_KEELOUTSIDE_FACTORIES(X)                                          \
  X(DOWNLOADEXE, CreateDownLoadExeMng, IDownLoadExeMng)                      \
  X(KEEL::HOOPSDATACOLOR, CreateHoopsColorDataMgr, IHoopsColorDataMgr)

KV_KEELOUTSIDE_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
KV_KEELOUTSIDE_FACTORIES(KV_OUTSIDE_DECLARE_FACTORY)
