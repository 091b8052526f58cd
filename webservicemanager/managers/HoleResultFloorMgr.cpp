#include "managers/HoleResultFloorMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::HOLERESULTFLOOR {

KV_DEFINE_MANAGER(KV_HOLERESULTFLOOR_MGR_OPERATIONS, IHoleResultFloorMgr, CHoleResultFloorMgr, "MOX_HoleResultFloor_MGR")

}  // namespace KVWEBSERVICEMANAGER::HOLERESULTFLOOR
