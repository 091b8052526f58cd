#include "managers/HoleCheckSituationMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::HOLECHECKSITUATION {

KV_DEFINE_MANAGER(KV_HOLECHECKSITUATION_MGR_OPERATIONS, IHoleCheckSituationMgr, CHoleCheckSituationMgr,
                  "MOX_HoleCheckSituation_MGR")

}  // namespace KVWEBSERVICEMANAGER::HOLECHECKSITUATION
