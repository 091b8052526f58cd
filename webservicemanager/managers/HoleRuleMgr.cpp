#include "managers/HoleRuleMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::HOLERULE {

KV_DEFINE_MANAGER(KV_HOLERULE_MGR_OPERATIONS, IHoleRuleMgr, CHoleRuleMgr, "MOX_HoleRule_MGR")

}  // namespace KVWEBSERVICEMANAGER::HOLERULE
