// The HoleResultFloor manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_HoleResultFloor_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::HOLERESULTFLOOR {

KV_DECLARE_MANAGER(KV_HOLERESULTFLOOR_MGR_OPERATIONS, IHoleResultFloorQuery, IHoleResultFloorMgr, CHoleResultFloorMgr)

}  // namespace KVWEBSERVICEMANAGER::HOLERESULTFLOOR
