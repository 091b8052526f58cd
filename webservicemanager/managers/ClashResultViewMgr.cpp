#include "managers/ClashResultViewMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::CLASHRESULTVIEW {

KV_DEFINE_MANAGER(KV_CLASHRESULTVIEW_MGR_OPERATIONS, IClashResultViewMgr, CClashResultViewMgr, "MOX_ClashResultView_MGR")

}  // namespace KVWEBSERVICEMANAGER::CLASHRESULTVIEW
