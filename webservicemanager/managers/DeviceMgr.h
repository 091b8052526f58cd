// The Device manager: the service's operations by name, synchronous and
// asynchronous (see ManagerDecl.h). Registry name "MOX_Device_MGR".
#pragma once

#include "managers/ManagerDecl.h"

namespace KVWEBSERVICEMANAGER::DEVICE {

KV_DECLARE_MANAGER(KV_DEVICE_MGR_OPERATIONS, IDeviceQuery, IDeviceMgr, CDeviceMgr)

}  // namespace KVWEBSERVICEMANAGER::DEVICE
