// The HoleResult manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_HoleResult_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::HOLERESULT {

KV_DECLARE_MANAGER(KV_HOLERESULT_MGR_OPERATIONS, IHoleResultQuery, IHoleResultMgr, CHoleResultMgr)

}  // namespace KVWEBSERVICEMANAGER::HOLERESULT
