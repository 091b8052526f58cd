// Stand-ins of the hole-checking managers of Hole: recording fakes (see
// journal/StandIn.h); no hole is checked.
#pragma once

#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_HOLE_CLASSES(X) X(Hole, CHoleCheckRuleMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_HOLE_FACTORIES(X)                          \
  X(Hole, CreateHoleResultMgr, IHoleResultMgr)        \
  X(Hole, CreateTransHoleMgr, ITransHoleMgr)

/// Factories without arguments: namespace, factory, interface, the name
/// the manager gets.
#define KV_HOLE_NAMED_FACTORIES(X) X(Hole, CreateHoleCheckMgr, IHoleCheckMgr, L"APP_HOLE_CHECK_MGR")

KV_HOLE_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
KV_HOLE_FACTORIES(KV_OUTSIDE_DECLARE_FACTORY)
KV_HOLE_NAMED_FACTORIES(KV_OUTSIDE_DECLARE_NAMED_FACTORY)
