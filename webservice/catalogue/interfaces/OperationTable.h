// The 55 operations in registration order. One row per operation:
//   X(SERVICE, Service, op, IN_KIND, InType, OUT_KIND, OutType)
// SERVICE is the namespace word and wire prefix, Service the service name
// (the operation name is Service "_" op), op the operation as spelled on
// the wire. The kinds name the KV_PARAM_<kind> macros of OperationKinds.h;
// the type columns are record names in KEEL::KVWEBSERVICE, or std::wstring
// and void where the kind fixes the type.
#pragma once

#define KV_WEB_OPERATIONS(X) \
  X(DEVICE, Device, cloneDevice, IN_TEXT_PAIR, StCloneDevice, OUT_RECORD, StDevice) \
  X(DEVICE, Device, listDevice, IN_NONE, void, OUT_RECORD_LIST, StDevice) \
  X(DEVICE, Device, renameDevice, IN_TEXT_PAIR, StRenameDevice, OUT_FLAG, void) \
  X(DEVICE, Device, addDevice, IN_RECORD_LIST, StDevice4Add, OUT_RECORD_LIST, StDevice) \
  X(DEVICE, Device, editDevice, IN_RECORD_LIST, StDevice4Edit, OUT_TEXT_LIST, std::wstring) \
  X(DEVICE, Device, editRemarks, IN_TEXT_PAIR, StEditRemarks, OUT_FLAG, void) \
  X(DEVICE, Device, removeDevice, IN_TEXT_LIST, std::wstring, OUT_TEXT_LIST, std::wstring) \
  X(DEVICE, Device, getListDevicePicFile, IN_TEXT_LIST, std::wstring, OUT_RECORD_LIST, StDevicePicFile) \
  X(CLASHRESULTVIEW, ClashResultView, getListClashResultFoor, IN_RECORD, StClashResultUnique, OUT_RECORD_LIST, StClashResultFloorInfo) \
  X(CLASHRESULTVIEW, ClashResultView, removeClashResultFoor, IN_RECORD, StClashResultUnique, OUT_FLAG, void) \
  X(CLASHRESULTVIEW, ClashResultView, addClashResultFoor, IN_RECORD_LIST, StClashResultFloorInfo, OUT_FLAG, void) \
  X(CLASHRESULTVIEW, ClashResultView, getClashResultOverview, IN_RECORD, StClashResultUnique, OUT_RECORD, StClashResultOverview) \
  X(CLASHRESULTVIEW, ClashResultView, setClashResultOverview, IN_RECORD, StClashResultOverview, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, setResultRemarks, IN_RECORD_LIST, StClashResultRemarks, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, setResultDisposeState, IN_RECORD_LIST, StClashResultDisposeState, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, saveAllClashResult, IN_COMPOSITE, StSaveAllClashResult, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, clearRemovedClashResult, IN_RECORD, StClashResultUnique, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, setResultPicViewport, IN_RECORD_LIST, StClashResultPicViewport, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, removeSignAllClashResult, IN_RECORD, StClashResultUnique, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, removeFloorClashResult, IN_RECORD_LIST, StClashResultFloor, OUT_FLAG, void) \
  X(CLASHRESULTRELATED, ClashResultRelated, getListClashResult, IN_COMPOSITE, StGetListClashResult, OUT_RECORD_LIST, StClashResult) \
  X(CLASHRESULTRELATED, ClashResultRelated, removeSignClashResultId, IN_COMPOSITE, StRemoveSignClashResultId, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, listClashRules, IN_NONE, void, OUT_RECORD_LIST, StClashRule) \
  X(CLASHRULE, ClashRule, removeClashRule, IN_TEXT, std::wstring, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, addClashRule, IN_RECORD, StClashRule4Add, OUT_TEXT, std::wstring) \
  X(CLASHRULE, ClashRule, editClashRule, IN_RECORD, StClashRule4Edit, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, renameClashRule, IN_TEXT_PAIR, StRenameClashRule, OUT_FLAG, void) \
  X(CLASHRULE, ClashRule, cloneClashRule, IN_TEXT_PAIR, StCloneClashRule, OUT_RECORD, StClashRule) \
  X(WALKPATH, WalkPath, listPath, IN_COMPOSITE, StListPath, OUT_RECORD_LIST, StPath) \
  X(WALKPATH, WalkPath, renamePath, IN_TEXT_PAIR, StRenamePath, OUT_FLAG, void) \
  X(WALKPATH, WalkPath, removePath, IN_TEXT_LIST, std::wstring, OUT_TEXT_LIST, std::wstring) \
  X(WALKPATH, WalkPath, addPath, IN_RECORD_LIST, StPath4Add, OUT_RECORD_LIST, StPath) \
  X(WALKPATH, WalkPath, editPath, IN_RECORD_LIST, StPath4Edit, OUT_RECORD_LIST, StPath) \
  X(HOLECHECKSITUATION, HoleCheckSituation, getHoleCheckSitaution, IN_RECORD, StAffiliateQueryParam, OUT_RECORD, StHoleCheckSituation) \
  X(HOLECHECKSITUATION, HoleCheckSituation, setHoleCheckSituation, IN_RECORD, StHoleCheckSituation, OUT_FLAG, void) \
  X(HOLERESULTFLOOR, HoleResultFloor, findHoleResultFloors, IN_RECORD, StAffiliateQueryParam, OUT_RECORD_LIST, StHoleResultFloorInfo) \
  X(HOLERESULTFLOOR, HoleResultFloor, removeHoleResultFloors, IN_RECORD, StAffiliateQueryParam, OUT_FLAG, void) \
  X(HOLERESULTFLOOR, HoleResultFloor, addHoleResultFloors, IN_RECORD_LIST, StHoleResultFloorInfo, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultHoleSize, IN_RECORD, StHoleResultHoleSize, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultPicViewports, IN_RECORD_LIST, StHoleResultPicViewport, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, removeHoleResultsByWorkset, IN_RECORD, StAffiliateQueryParam, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultStates, IN_RECORD_LIST, StHoleResultState, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultRemarks, IN_RECORD_LIST, StHoleResultRemarks, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, clearRemovedHoleResults, IN_RECORD, StAffiliateQueryParam, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, findHoleResults, IN_COMPOSITE, StFindHoleResults, OUT_RECORD_LIST, StHoleResult) \
  X(HOLERESULT, HoleResult, removeHoleResultsByIds, IN_COMPOSITE, StRemoveHoleResultsByIds, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, changeHoleResultDigStats, IN_RECORD_LIST, StHoleResultDigState, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, saveAllHoleResults, IN_COMPOSITE, StSaveAllHoleResults, OUT_FLAG, void) \
  X(HOLERESULT, HoleResult, removeHoleResultsByFloor, IN_RECORD_LIST, StHoleResultFloor, OUT_FLAG, void) \
  X(HOLERULE, HoleRule, addHoleRule, IN_RECORD, StHoleRuleAdd, OUT_TEXT, std::wstring) \
  X(HOLERULE, HoleRule, cloneHoleRule, IN_TEXT_PAIR, StCloneHoleRule, OUT_RECORD, StHoleRule) \
  X(HOLERULE, HoleRule, listHoleRules, IN_NONE, void, OUT_RECORD_LIST, StHoleRule) \
  X(HOLERULE, HoleRule, editHoleRule, IN_RECORD, StHoleRuleEdit, OUT_FLAG, void) \
  X(HOLERULE, HoleRule, renameHoleRule, IN_TEXT_PAIR, StRenameHoleRule, OUT_FLAG, void) \
  X(HOLERULE, HoleRule, removeHoleRule, IN_TEXT, std::wstring, OUT_FLAG, void)
