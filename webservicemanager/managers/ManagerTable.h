// The operations of the nine managers, one table per manager, in the order
// of the manager's interface slots, of its observer's callbacks and of the
// name comparisons in its ServResponse. The table makes the definitions
// (ManagerDef.h) and the tests' cases; the declarations are in the
// managers' headers, and the compiler holds the two together.
//
// One row per operation:
//   X(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St)
// D is passed through from the caller of the table; SERVICE the namespace
// word of the manager and of KEEL::<SERVICE>::IWSIn_<op>/IWSOut_<op>; NAME
// the operation name; Method/Callback the manager's call and the
// observer's callback; IN_KIND/InType the input, HOLDER/St the result
// (kinds of ManagerKinds.h; void where the kind has no record).
//
// KV_WEB_MANAGERS(X) lists the managers:
//   X(SERVICE, CMgr, IMgr, IQuery, OPERATIONS)
#pragma once

#include "managers/ManagerKinds.h"

// clang-format off
#define KV_CLASHRULE_MGR_OPERATIONS(X, D) \
  X(D, CLASHRULE, listClashRules, "ClashRule_listClashRules", ServiceListClashRules, OnServiceListClashRules, IN_NONE, void, RECORD_LIST, StClashRule) \
  X(D, CLASHRULE, removeClashRule, "ClashRule_removeClashRule", ServiceRemoveClashRule, OnServiceRemoveClashRule, IN_TEXT, void, FLAG, void) \
  X(D, CLASHRULE, addClashRule, "ClashRule_addClashRule", ServiceAddClashRule, OnServiceAddClashRule, IN_RECORD, StClashRule4Add, TEXT, void) \
  X(D, CLASHRULE, editClashRule, "ClashRule_editClashRule", ServiceEditClashRule, OnServiceEditClashRule, IN_RECORD, StClashRule4Edit, FLAG, void) \
  X(D, CLASHRULE, renameClashRule, "ClashRule_renameClashRule", ServiceRenameClashRule, OnServiceRenameClashRule, IN_VALUE, StRenameClashRule, FLAG, void) \
  X(D, CLASHRULE, cloneClashRule, "ClashRule_cloneClashRule", ServiceCloneClashRule, OnServiceCloneClashRule, IN_VALUE, StCloneClashRule, RECORD, StClashRule)

#define KV_HOLECHECKSITUATION_MGR_OPERATIONS(X, D) \
  X(D, HOLECHECKSITUATION, getHoleCheckSitaution, "HoleCheckSituation_getHoleCheckSitaution", ServiceGetHoleCheckSitaution, OnServiceGetHoleCheckSitaution, IN_RECORD, StAffiliateQueryParam, RECORD, StHoleCheckSituation) \
  X(D, HOLECHECKSITUATION, setHoleCheckSituation, "HoleCheckSituation_setHoleCheckSituation", ServiceSetHoleCheckSituation, OnServiceSetHoleCheckSituation, IN_RECORD, StHoleCheckSituation, FLAG, void)

#define KV_DEVICE_MGR_OPERATIONS(X, D) \
  X(D, DEVICE, cloneDevice, "Device_cloneDevice", ServiceCloneDevice, OnServiceCloneDevice, IN_VALUE, StCloneDevice, RECORD, StDevice) \
  X(D, DEVICE, listDevice, "Device_listDevice", ServiceListDevice, OnServiceListDevice, IN_NONE, void, RECORD_LIST, StDevice) \
  X(D, DEVICE, renameDevice, "Device_renameDevice", ServiceRenameDevice, OnServiceRenameDevice, IN_VALUE, StRenameDevice, FLAG, void) \
  X(D, DEVICE, addDevice, "Device_addDevice", ServiceAddDevice, OnServiceAddDevice, IN_RECORD_LIST, StDevice4Add, RECORD_LIST, StDevice) \
  X(D, DEVICE, editDevice, "Device_editDevice", ServiceEditDevice, OnServiceEditDevice, IN_RECORD_LIST, StDevice4Edit, TEXT_LIST, void) \
  X(D, DEVICE, editRemarks, "Device_editRemarks", ServiceEditRemarks, OnServiceEditRemarks, IN_VALUE, StEditRemarks, FLAG, void) \
  X(D, DEVICE, removeDevice, "Device_removeDevice", ServiceRemoveDevice, OnServiceRemoveDevice, IN_TEXT_LIST, void, TEXT_LIST, void) \
  X(D, DEVICE, getListDevicePicFile, "Device_getListDevicePicFile", ServiceGetListDevicePicFile, OnServiceGetListDevicePicFile, IN_TEXT_LIST, void, RECORD_LIST, StDevicePicFile)

#define KV_WALKPATH_MGR_OPERATIONS(X, D) \
  X(D, WALKPATH, listPath, "WalkPath_listPath", ServiceListPath, OnServiceListPath, IN_VALUE, StListPath, RECORD_LIST, StPath) \
  X(D, WALKPATH, renamePath, "WalkPath_renamePath", ServiceRenamePath, OnServiceRenamePath, IN_VALUE, StRenamePath, FLAG, void) \
  X(D, WALKPATH, removePath, "WalkPath_removePath", ServiceRemovePath, OnServiceRemovePath, IN_TEXT_LIST, void, TEXT_LIST, void) \
  X(D, WALKPATH, addPath, "WalkPath_addPath", ServiceAddPath, OnServiceAddPath, IN_RECORD_LIST, StPath4Add, RECORD_LIST, StPath) \
  X(D, WALKPATH, editPath, "WalkPath_editPath", ServiceEditPath, OnServiceEditPath, IN_RECORD_LIST, StPath4Edit, RECORD_LIST, StPath)

#define KV_CLASHRESULTRELATED_MGR_OPERATIONS(X, D) \
  X(D, CLASHRESULTRELATED, setResultRemarks, "ClashResultRelated_setResultRemarks", ServiceSetResultRemarks, OnServiceSetResultRemarks, IN_RECORD_LIST, StClashResultRemarks, FLAG, void) \
  X(D, CLASHRESULTRELATED, setResultDisposeState, "ClashResultRelated_setResultDisposeState", ServiceSetResultDisposeState, OnServiceSetResultDisposeState, IN_RECORD_LIST, StClashResultDisposeState, FLAG, void) \
  X(D, CLASHRESULTRELATED, saveAllClashResult, "ClashResultRelated_saveAllClashResult", ServiceSaveAllClashResult, OnServiceSaveAllClashResult, IN_VALUE, StSaveAllClashResult, FLAG, void) \
  X(D, CLASHRESULTRELATED, clearRemovedClashResult, "ClashResultRelated_clearRemovedClashResult", ServiceClearRemovedClashResult, OnServiceClearRemovedClashResult, IN_RECORD, StClashResultUnique, FLAG, void) \
  X(D, CLASHRESULTRELATED, setResultPicViewport, "ClashResultRelated_setResultPicViewport", ServiceSetResultPicViewport, OnServiceSetResultPicViewport, IN_RECORD_LIST, StClashResultPicViewport, FLAG, void) \
  X(D, CLASHRESULTRELATED, removeSignAllClashResult, "ClashResultRelated_removeSignAllClashResult", ServiceRemoveSignAllClashResult, OnServiceRemoveSignAllClashResult, IN_RECORD, StClashResultUnique, FLAG, void) \
  X(D, CLASHRESULTRELATED, removeFloorClashResult, "ClashResultRelated_removeFloorClashResult", ServiceRemoveFloorClashResult, OnServiceRemoveFloorClashResult, IN_RECORD_LIST, StClashResultFloor, FLAG, void) \
  X(D, CLASHRESULTRELATED, getListClashResult, "ClashResultRelated_getListClashResult", ServiceGetListClashResult, OnServiceGetListClashResult, IN_VALUE, StGetListClashResult, RECORD_LIST, StClashResult) \
  X(D, CLASHRESULTRELATED, removeSignClashResultId, "ClashResultRelated_removeSignClashResultId", ServiceRemoveSignClashResultId, OnServiceRemoveSignClashResultId, IN_VALUE, StRemoveSignClashResultId, FLAG, void)

#define KV_CLASHRESULTVIEW_MGR_OPERATIONS(X, D) \
  X(D, CLASHRESULTVIEW, getListClashResultFoor, "ClashResultView_getListClashResultFoor", ServiceGetListClashResultFoor, OnServiceGetListClashResultFoor, IN_RECORD, StClashResultUnique, RECORD_LIST, StClashResultFloorInfo) \
  X(D, CLASHRESULTVIEW, removeClashResultFoor, "ClashResultView_removeClashResultFoor", ServiceRemoveClashResultFoor, OnServiceRemoveClashResultFoor, IN_RECORD, StClashResultUnique, FLAG, void) \
  X(D, CLASHRESULTVIEW, addClashResultFoor, "ClashResultView_addClashResultFoor", ServiceAddClashResultFoor, OnServiceAddClashResultFoor, IN_RECORD_LIST, StClashResultFloorInfo, FLAG, void) \
  X(D, CLASHRESULTVIEW, getClashResultOverview, "ClashResultView_getClashResultOverview", ServiceGetClashResultOverview, OnServiceGetClashResultOverview, IN_RECORD, StClashResultUnique, RECORD, StClashResultOverview) \
  X(D, CLASHRESULTVIEW, setClashResultOverview, "ClashResultView_setClashResultOverview", ServiceSetClashResultOverview, OnServiceSetClashResultOverview, IN_RECORD, StClashResultOverview, FLAG, void)

#define KV_HOLERESULT_MGR_OPERATIONS(X, D) \
  X(D, HOLERESULT, changeHoleResultHoleSize, "HoleResult_changeHoleResultHoleSize", ServiceChangeHoleResultHoleSize, OnServiceChangeHoleResultHoleSize, IN_RECORD, StHoleResultHoleSize, FLAG, void) \
  X(D, HOLERESULT, changeHoleResultPicViewports, "HoleResult_changeHoleResultPicViewports", ServiceChangeHoleResultPicViewports, OnServiceChangeHoleResultPicViewports, IN_RECORD_LIST, StHoleResultPicViewport, FLAG, void) \
  X(D, HOLERESULT, removeHoleResultsByWorkset, "HoleResult_removeHoleResultsByWorkset", ServiceRemoveHoleResultsByWorkset, OnServiceRemoveHoleResultsByWorkset, IN_RECORD, StAffiliateQueryParam, FLAG, void) \
  X(D, HOLERESULT, changeHoleResultStates, "HoleResult_changeHoleResultStates", ServiceChangeHoleResultStates, OnServiceChangeHoleResultStates, IN_RECORD_LIST, StHoleResultState, FLAG, void) \
  X(D, HOLERESULT, changeHoleResultRemarks, "HoleResult_changeHoleResultRemarks", ServiceChangeHoleResultRemarks, OnServiceChangeHoleResultRemarks, IN_RECORD_LIST, StHoleResultRemarks, FLAG, void) \
  X(D, HOLERESULT, clearRemovedHoleResults, "HoleResult_clearRemovedHoleResults", ServiceClearRemovedHoleResults, OnServiceClearRemovedHoleResults, IN_RECORD, StAffiliateQueryParam, FLAG, void) \
  X(D, HOLERESULT, findHoleResults, "HoleResult_findHoleResults", ServiceFindHoleResults, OnServiceFindHoleResults, IN_VALUE, StFindHoleResults, RECORD_LIST, StHoleResult) \
  X(D, HOLERESULT, removeHoleResultsByIds, "HoleResult_removeHoleResultsByIds", ServiceRemoveHoleResultsByIds, OnServiceRemoveHoleResultsByIds, IN_VALUE, StRemoveHoleResultsByIds, FLAG, void) \
  X(D, HOLERESULT, changeHoleResultDigStats, "HoleResult_changeHoleResultDigStats", ServiceChangeHoleResultDigStats, OnServiceChangeHoleResultDigStats, IN_RECORD_LIST, StHoleResultDigState, FLAG, void) \
  X(D, HOLERESULT, saveAllHoleResults, "HoleResult_saveAllHoleResults", ServiceSaveAllHoleResults, OnServiceSaveAllHoleResults, IN_VALUE, StSaveAllHoleResults, FLAG, void) \
  X(D, HOLERESULT, removeHoleResultsByFloor, "HoleResult_removeHoleResultsByFloor", ServiceRemoveHoleResultsByFloor, OnServiceRemoveHoleResultsByFloor, IN_RECORD_LIST, StHoleResultFloor, FLAG, void)

#define KV_HOLERESULTFLOOR_MGR_OPERATIONS(X, D) \
  X(D, HOLERESULTFLOOR, findHoleResultFloors, "HoleResultFloor_findHoleResultFloors", ServiceFindHoleResultFloors, OnServiceFindHoleResultFloors, IN_RECORD, StAffiliateQueryParam, RECORD_LIST, StHoleResultFloorInfo) \
  X(D, HOLERESULTFLOOR, removeHoleResultFloors, "HoleResultFloor_removeHoleResultFloors", ServiceRemoveHoleResultFloors, OnServiceRemoveHoleResultFloors, IN_RECORD, StAffiliateQueryParam, FLAG, void) \
  X(D, HOLERESULTFLOOR, addHoleResultFloors, "HoleResultFloor_addHoleResultFloors", ServiceAddHoleResultFloors, OnServiceAddHoleResultFloors, IN_RECORD_LIST, StHoleResultFloorInfo, FLAG, void)

#define KV_HOLERULE_MGR_OPERATIONS(X, D) \
  X(D, HOLERULE, addHoleRule, "HoleRule_addHoleRule", ServiceAddHoleRule, OnServiceAddHoleRule, IN_RECORD, StHoleRuleAdd, TEXT, void) \
  X(D, HOLERULE, cloneHoleRule, "HoleRule_cloneHoleRule", ServiceCloneHoleRule, OnServiceCloneHoleRule, IN_VALUE, StCloneHoleRule, RECORD, StHoleRule) \
  X(D, HOLERULE, listHoleRules, "HoleRule_listHoleRules", ServiceListHoleRules, OnServiceListHoleRules, IN_NONE, void, RECORD_LIST, StHoleRule) \
  X(D, HOLERULE, editHoleRule, "HoleRule_editHoleRule", ServiceEditHoleRule, OnServiceEditHoleRule, IN_RECORD, StHoleRuleEdit, FLAG, void) \
  X(D, HOLERULE, renameHoleRule, "HoleRule_renameHoleRule", ServiceRenameHoleRule, OnServiceRenameHoleRule, IN_VALUE, StRenameHoleRule, FLAG, void) \
  X(D, HOLERULE, removeHoleRule, "HoleRule_removeHoleRule", ServiceRemoveHoleRule, OnServiceRemoveHoleRule, IN_TEXT, void, FLAG, void)

#define KV_WEB_MANAGERS(X) \
  X(CLASHRULE, CClashRuleMgr, IClashRuleMgr, IClashRuleQuery, KV_CLASHRULE_MGR_OPERATIONS) \
  X(HOLECHECKSITUATION, CHoleCheckSituationMgr, IHoleCheckSituationMgr, IHoleCheckSituationQuery, KV_HOLECHECKSITUATION_MGR_OPERATIONS) \
  X(DEVICE, CDeviceMgr, IDeviceMgr, IDeviceQuery, KV_DEVICE_MGR_OPERATIONS) \
  X(WALKPATH, CWalkPathMgr, IWalkPathMgr, IWalkPathQuery, KV_WALKPATH_MGR_OPERATIONS) \
  X(CLASHRESULTRELATED, CClashResultRelatedMgr, IClashResultRelatedMgr, IClashResultRelatedQuery, KV_CLASHRESULTRELATED_MGR_OPERATIONS) \
  X(CLASHRESULTVIEW, CClashResultViewMgr, IClashResultViewMgr, IClashResultViewQuery, KV_CLASHRESULTVIEW_MGR_OPERATIONS) \
  X(HOLERESULT, CHoleResultMgr, IHoleResultMgr, IHoleResultQuery, KV_HOLERESULT_MGR_OPERATIONS) \
  X(HOLERESULTFLOOR, CHoleResultFloorMgr, IHoleResultFloorMgr, IHoleResultFloorQuery, KV_HOLERESULTFLOOR_MGR_OPERATIONS) \
  X(HOLERULE, CHoleRuleMgr, IHoleRuleMgr, IHoleRuleQuery, KV_HOLERULE_MGR_OPERATIONS)
// clang-format on
