// The HoleRule manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_HoleRule_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::HOLERULE {

KV_DECLARE_MANAGER(KV_HOLERULE_MGR_OPERATIONS, IHoleRuleQuery, IHoleRuleMgr, CHoleRuleMgr)

}  // namespace KVWEBSERVICEMANAGER::HOLERULE
