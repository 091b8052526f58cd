// The nine web-service managers, their observer interfaces and the result
// holders they hand out. How the calls work: managers/ManagerCalls.h.
#pragma once

#include "managers/ClashResultRelatedMgr.h"
#include "managers/ClashResultViewMgr.h"
#include "managers/ClashRuleMgr.h"
#include "managers/DeviceMgr.h"
#include "managers/HoleCheckSituationMgr.h"
#include "managers/HoleResultFloorMgr.h"
#include "managers/HoleResultMgr.h"
#include "managers/HoleRuleMgr.h"
#include "managers/WalkPathMgr.h"
