// The ClashResultRelated manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_ClashResultRelated_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::CLASHRESULTRELATED {

KV_DECLARE_MANAGER(KV_CLASHRESULTRELATED_MGR_OPERATIONS, IClashResultRelatedQuery, IClashResultRelatedMgr,
                   CClashResultRelatedMgr)

}  // namespace KVWEBSERVICEMANAGER::CLASHRESULTRELATED
