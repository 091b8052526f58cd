// The HoleCheckSituation manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_HoleCheckSituation_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::HOLECHECKSITUATION {

KV_DECLARE_MANAGER(KV_HOLECHECKSITUATION_MGR_OPERATIONS, IHoleCheckSituationQuery, IHoleCheckSituationMgr,
                   CHoleCheckSituationMgr)

}  // namespace KVWEBSERVICEMANAGER::HOLECHECKSITUATION
