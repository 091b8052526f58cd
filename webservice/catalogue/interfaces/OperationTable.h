// The 55 operations in registration order. One row per operation:
//   X(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType)
// SERVICE is the namespace word and wire prefix, Service the service name,
// op the operation as spelled on the wire, NAME the operation name
// (Service "_" op) under which the host hands the operation out. The kinds name the KV_PARAM_<kind> macros of OperationKinds.h;
// the type columns are record names in KEEL::KVWEBSERVICE, or std::wstring
// and void where the kind fixes the type.
#pragma once

#define KV_WEB_OPERATIONS(X) \
  X(DEVICE, Device, cloneDevice, "Device_cloneDevice", IN_TEXT_PAIR, StCloneDevice, OUT_RECORD, StDevice) \
  X(DEVICE, Device, listDevice, "Device_listDevice", IN_NONE, void, OUT_RECORD_LIST, StDevice) \
  X(DEVICE, Device, renameDevice, "Device_renameDevice", IN_TEXT_PAIR, StRenameDevice, OUT_FLAG, void) \
  X(DEVICE, Device, addDevice, "Device_addDevice", IN_RECORD_LIST, StDevice4Add, OUT_RECORD_LIST, StDevice) \
  X(DEVICE, Device, editDevice, "Device_editDevice", IN_RECORD_LIST, StDevice4Edit, OUT_TEXT_LIST, std::wstring) \
  X(DEVICE, Device, editRemarks, "Device_editRemarks", IN_TEXT_PAIR, StEditRemarks, OUT_FLAG, void) \
  X(DEVICE, Device, removeDevice, "Device_removeDevice", IN_TEXT_LIST, std::wstring, OUT_TEXT_LIST, std::wstring) \
  X(DEVICE, Device, getListDevicePicFile, "Device_getListDevicePicFile", IN_TEXT_LIST, std::wstring, OUT_RECORD_LIST, StDevicePicFile) \
  X(CLASHRESULTVIEW, ClashResultView, getListClashResultFoor, "ClashResultView_getListClashResultFoor", IN_RECORD, StClashResultUnique, OUT_RECORD_LIST, StClashResultFloorInfo) \
  X(CLASHRESULTVIEW, ClashResultView, removeClashResultFoor, "ClashResultView_removeClashResultFoor", IN_RECORD, StClashResultUnique, OUT_FLAG, void) \
  X(CLASHRESULTVIEW, ClashResultView, addClashResultFoor, "ClashResultView_addClashResultFoor", IN_RECORD_LIST, StClashResultFloorInfo, OUT_FLAG, void) \
  X(CLASHRESULTVIEW, ClashResultView, getClashResultOverview, "ClashResultView_getClashResultOverview", IN_RECORD, StClashResultUnique, OUT_RECORD, StClashResultOverview) \
  X(CLASHRESULTVIEW, ClashResultView, setClashResultOverview, "ClashResultView_setClashResultOverview", IN_RECORD, StClashResultOverview, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, setResultRemarks, "ClashResultRelated_setResultRemarks", IN_RECORD_LIST, StClashResultRemarks, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, setResultDisposeState, "ClashResultRelated_setResultDisposeState", IN_RECORD_LIST, StClashResultDisposeState, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, saveAllClashResult, "ClashResultRelated_saveAllClashResult", IN_COMPOSITE, StSaveAllClashResult, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, clearRemovedClashResult, "ClashResultRelated_clearRemovedClashResult", IN_RECORD, StClashResultUnique, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, setResultPicViewport, "ClashResultRelated_setResultPicViewport", IN_RECORD_LIST, StClashResultPicViewport, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, removeSignAllClashResult, "ClashResultRelated_removeSignAllClashResult", IN_RECORD, StClashResultUnique, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, removeFloorClashResult, "ClashResultRelated_removeFloorClashResult", IN_RECORD_LIST, StClashResultFloor, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, getListClashResult, "ClashResultRelated_getListClashResult", IN_COMPOSITE, StGetListClashResult, OUT_RECORD_LIST, StClashResult) \
  X(CLASHRESULTRELATED, ClashResultRelated, removeSignClashResultId, "ClashResultRelated_removeSignClashResultId", IN_COMPOSITE, StRemoveSignClashResultId, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, listClashRules, "ClashRule_listClashRules", IN_NONE, void, OUT_RECORD_LIST, StClashRule) \
  X(CLASHRULE, ClashRule, removeClashRule, "ClashRule_removeClashRule", IN_TEXT, std::wstring, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, addClashRule, "ClashRule_addClashRule", IN_RECORD, StClashRule4Add, OUT_TEXT, std::wstring) \
  X(CLASHRULE, ClashRule, editClashRule, "ClashRule_editClashRule", IN_RECORD, StClashRule4Edit, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, renameClashRule, "ClashRule_renameClashRule", IN_TEXT_PAIR, StRenameClashRule, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, cloneClashRule, "ClashRule_cloneClashRule", IN_TEXT_PAIR, StCloneClashRule, OUT_RECORD, StClashRule) \
  X(WALKPATH, WalkPath, listPath, "WalkPath_listPath", IN_COMPOSITE, StListPath, OUT_RECORD_LIST, StPath) \
  X(WALKPATH, WalkPath, renamePath, "WalkPath_renamePath", IN_TEXT_PAIR, StRenamePath, OUT_FLAG, void) \
  X(WALKPATH, WalkPath, removePath, "WalkPath_removePath", IN_TEXT_LIST, std::wstring, OUT_TEXT_LIST, std::wstring) \
  X(WALKPATH, WalkPath, addPath, "WalkPath_addPath", IN_RECORD_LIST, StPath4Add, OUT_RECORD_LIST, StPath) \
  X(WALKPATH, WalkPath, editPath, "WalkPath_editPath", IN_RECORD_LIST, StPath4Edit, OUT_RECORD_LIST, StPath) \
  X(HOLECHECKSITUATION, HoleCheckSituation, getHoleCheckSitaution, "HoleCheckSituation_getHoleCheckSitaution", IN_RECORD, StAffiliateQueryParam, OUT_RECORD, StHoleCheckSituation) \
  X(HOLECHECKSITUATION, HoleCheckSituation, setHoleCheckSituation, "HoleCheckSituation_setHoleCheckSituation", IN_RECORD, StHoleCheckSituation, OUT_FLAG, void) \
  X(HOLERESULTFLOOR, HoleResultFloor, findHoleResultFloors, "HoleResultFloor_findHoleResultFloors", IN_RECORD, StAffiliateQueryParam, OUT_RECORD_LIST, StHoleResultFloorInfo) \
  X(HOLERESULTFLOOR, HoleResultFloor, removeHoleResultFloors, "HoleResultFloor_removeHoleResultFloors", IN_RECORD, StAffiliateQueryParam, OUT_FLAG, void) \
  X(HOLERESULTFLOOR, HoleResultFloor, addHoleResultFloors, "HoleResultFloor_addHoleResultFloors", IN_RECORD_LIST, StHoleResultFloorInfo, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultHoleSize, "HoleResult_changeHoleResultHoleSize", IN_RECORD, StHoleResultHoleSize, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultPicViewports, "HoleResult_changeHoleResultPicViewports", IN_RECORD_LIST, StHoleResultPicViewport, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, removeHoleResultsByWorkset, "HoleResult_removeHoleResultsByWorkset", IN_RECORD, StAffiliateQueryParam, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultStates, "HoleResult_changeHoleResultStates", IN_RECORD_LIST, StHoleResultState, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultRemarks, "HoleResult_changeHoleResultRemarks", IN_RECORD_LIST, StHoleResultRemarks, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, clearRemovedHoleResults, "HoleResult_clearRemovedHoleResults", IN_RECORD, StAffiliateQueryParam, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, findHoleResults, "HoleResult_findHoleResults", IN_COMPOSITE, StFindHoleResults, OUT_RECORD_LIST, StHoleResult) \
  X(HOLERESULT, HoleResult, removeHoleResultsByIds, "HoleResult_removeHoleResultsByIds", IN_COMPOSITE, StRemoveHoleResultsByIds, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultDigStats, "HoleResult_changeHoleResultDigStats", IN_RECORD_LIST, StHoleResultDigState, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, saveAllHoleResults, "HoleResult_saveAllHoleResults", IN_COMPOSITE, StSaveAllHoleResults, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, removeHoleResultsByFloor, "HoleResult_removeHoleResultsByFloor", IN_RECORD_LIST, StHoleResultFloor, OUT_FLAG, void) \
  X(HOLERULE, HoleRule, addHoleRule, "HoleRule_addHoleRule", IN_RECORD, StHoleRuleAdd, OUT_TEXT, std::wstring) \
  X(HOLERULE, HoleRule, cloneHoleRule, "HoleRule_cloneHoleRule", IN_TEXT_PAIR, StCloneHoleRule, OUT_RECORD, StHoleRule) \
  X(HOLERULE, HoleRule, listHoleRules, "HoleRule_listHoleRules", IN_NONE, void, OUT_RECORD_LIST, StHoleRule) \
  X(HOLERULE, HoleRule, editHoleRule, "HoleRule_editHoleRule", IN_RECORD, StHoleRuleEdit, OUT_FLAG, void) \
  X(HOLERULE, HoleRule, renameHoleRule, "HoleRule_renameHoleRule", IN_TEXT_PAIR, StRenameHoleRule, OUT_FLAG, void) \
  X(HOLERULE, HoleRule, removeHoleRule, "HoleRule_removeHoleRule", IN_TEXT, std::wstring, OUT_FLAG, void)
