// The WalkPath manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_WalkPath_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::WALKPATH {

KV_DECLARE_MANAGER(KV_WALKPATH_MGR_OPERATIONS, IWalkPathQuery, IWalkPathMgr, CWalkPathMgr)

}  // namespace KVWEBSERVICEMANAGER::WALKPATH
