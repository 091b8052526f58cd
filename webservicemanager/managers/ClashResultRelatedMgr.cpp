#include "managers/ClashResultRelatedMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::CLASHRESULTRELATED {

KV_DEFINE_MANAGER(KV_CLASHRESULTRELATED_MGR_OPERATIONS, IClashResultRelatedMgr, CClashResultRelatedMgr,
                  "MOX_ClashResultRelated_MGR")

}  // namespace KVWEBSERVICEMANAGER::CLASHRESULTRELATED
