// Stand-ins of the hole-checking managers of Hole: recording fakes (see
// journal/StandIn.h); no hole is checked.
#pragma once

#include <string>

#include "journal/StandIn.h"
#include "ui/WinTypes.h"

/// Classes: namespace, class.
#define KV_HOLE_CLASSES(X) X(Hole, CHoleCheckRuleMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_HOLE_FACTORIES(X) X(Hole, CreateHoleResultMgr, IHoleResultMgr)

KV_HOLE_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
KV_HOLE_FACTORIES(KV_OUTSIDE_DECLARE_FACTORY)

namespace Hole {

/// The hole-check manager "APP_HOLE_CHECK_MGR".
class IHoleCheckMgr {
 public:
  virtual ~IHoleCheckMgr() {}
  /// Whether a hole check runs (answer "IsChecking", default false).
  virtual bool IsChecking() = 0;
};
/// Made under "APP_HOLE_CHECK_MGR".
IHoleCheckMgr *CreateHoleCheckMgr();

/// The transfer-hole manager "APP_TRANS_HOLE_MGR".
class ITransHoleMgr {
 public:
  virtual ~ITransHoleMgr() {}
  /// Takes the lParam of the frame's private message.
  virtual void OnTransHoleMsg(LPARAM lParam) = 0;
};
ITransHoleMgr *CreateTransHoleMgr(const std::wstring &name);

}  // namespace Hole
