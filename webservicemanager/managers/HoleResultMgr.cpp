#include "managers/HoleResultMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::HOLERESULT {

KV_DEFINE_MANAGER(KV_HOLERESULT_MGR_OPERATIONS, IHoleResultMgr, CHoleResultMgr, "MOX_HoleResult_MGR")

}  // namespace KVWEBSERVICEMANAGER::HOLERESULT
