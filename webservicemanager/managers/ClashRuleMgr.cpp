#include "managers/ClashRuleMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::CLASHRULE {

KV_DEFINE_MANAGER(KV_CLASHRULE_MGR_OPERATIONS, IClashRuleMgr, CClashRuleMgr, "MOX_ClashRule_MGR")

}  // namespace KVWEBSERVICEMANAGER::CLASHRULE
