#include "managers/DeviceMgr.h"

#include "managers/ManagerDef.h"

namespace KVWEBSERVICEMANAGER::DEVICE {

KV_DEFINE_MANAGER(KV_DEVICE_MGR_OPERATIONS, IDeviceMgr, CDeviceMgr, "MOX_Device_MGR")

}  // namespace KVWEBSERVICEMANAGER::DEVICE
