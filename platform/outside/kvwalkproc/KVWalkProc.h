// Stand-in of the walk module of KVWalkProc: a recording fake (see
// journal/StandIn.h); nothing walks.
#pragma once

#include <string>

#include "journal/StandIn.h"

namespace EventMgr {

/// The walk module "APP_WALK_MODULE_MGR".
class CWalkModuleMgr : public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CWalkModuleMgr(std::wstring name);
};

}  // namespace EventMgr
