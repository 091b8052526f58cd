#include "managers/WalkPathMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::WALKPATH {

KV_DEFINE_MANAGER(KV_WALKPATH_MGR_OPERATIONS, IWalkPathMgr, CWalkPathMgr, "MOX_WalkPath_MGR")

}  // namespace KVWEBSERVICEMANAGER::WALKPATH
