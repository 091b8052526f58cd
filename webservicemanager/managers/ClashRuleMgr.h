// The ClashRule manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_ClashRule_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::CLASHRULE {

KV_DECLARE_MANAGER(KV_CLASHRULE_MGR_OPERATIONS, IClashRuleQuery, IClashRuleMgr, CClashRuleMgr)

}  // namespace KVWEBSERVICEMANAGER::CLASHRULE
