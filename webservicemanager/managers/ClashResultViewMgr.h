// The ClashResultView manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_ClashResultView_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::CLASHRESULTVIEW {

KV_DECLARE_MANAGER(KV_CLASHRESULTVIEW_MGR_OPERATIONS, IClashResultViewQuery, IClashResultViewMgr, CClashResultViewMgr)

}  // namespace KVWEBSERVICEMANAGER::CLASHRESULTVIEW
