// The 55 operations in the order GetWebServices lists them:
// X(SERVICE, operation, "Service_operation").
#pragma once

#define KV_OPERATION_TABLE(X) \
  X(DEVICE, cloneDevice, "Device_cloneDevice") \
  X(DEVICE, listDevice, "Device_listDevice") \
  X(DEVICE, renameDevice, "Device_renameDevice") \
  X(DEVICE, addDevice, "Device_addDevice") \
  X(DEVICE, editDevice, "Device_editDevice") \
  X(DEVICE, editRemarks, "Device_editRemarks") \
  X(DEVICE, removeDevice, "Device_removeDevice") \
  X(DEVICE, getListDevicePicFile, "Device_getListDevicePicFile") \
  X(CLASHRESULTVIEW, getListClashResultFoor, "ClashResultView_getListClashResultFoor") \
  X(CLASHRESULTVIEW, removeClashResultFoor, "ClashResultView_removeClashResultFoor") \
  X(CLASHRESULTVIEW, addClashResultFoor, "ClashResultView_addClashResultFoor") \
  X(CLASHRESULTVIEW, getClashResultOverview, "ClashResultView_getClashResultOverview") \
  X(CLASHRESULTVIEW, setClashResultOverview, "ClashResultView_setClashResultOverview") \
  X(CLASHRESULTRELATED, setResultRemarks, "ClashResultRelated_setResultRemarks") \
  X(CLASHRESULTRELATED, setResultDisposeState, "ClashResultRelated_setResultDisposeState") \
  X(CLASHRESULTRELATED, saveAllClashResult, "ClashResultRelated_saveAllClashResult") \
  X(CLASHRESULTRELATED, clearRemovedClashResult, "ClashResultRelated_clearRemovedClashResult") \
  X(CLASHRESULTRELATED, setResultPicViewport, "ClashResultRelated_setResultPicViewport") \
  X(CLASHRESULTRELATED, removeSignAllClashResult, "ClashResultRelated_removeSignAllClashResult") \
  X(CLASHRESULTRELATED, removeFloorClashResult, "ClashResultRelated_removeFloorClashResult") \
  X(CLASHRESULTRELATED, getListClashResult, "ClashResultRelated_getListClashResult") \
  X(CLASHRESULTRELATED, removeSignClashResultId, "ClashResultRelated_removeSignClashResultId") \
  X(CLASHRULE, listClashRules, "ClashRule_listClashRules") \
  X(CLASHRULE, removeClashRule, "ClashRule_removeClashRule") \
  X(CLASHRULE, addClashRule, "ClashRule_addClashRule") \
  X(CLASHRULE, editClashRule, "ClashRule_editClashRule") \
  X(CLASHRULE, renameClashRule, "ClashRule_renameClashRule") \
  X(CLASHRULE, cloneClashRule, "ClashRule_cloneClashRule") \
  X(WALKPATH, listPath, "WalkPath_listPath") \
  X(WALKPATH, renamePath, "WalkPath_renamePath") \
  X(WALKPATH, removePath, "WalkPath_removePath") \
  X(WALKPATH, addPath, "WalkPath_addPath") \
  X(WALKPATH, editPath, "WalkPath_editPath") \
  X(HOLECHECKSITUATION, getHoleCheckSitaution, "HoleCheckSituation_getHoleCheckSitaution") \
  X(HOLECHECKSITUATION, setHoleCheckSituation, "HoleCheckSituation_setHoleCheckSituation") \
  X(HOLERESULTFLOOR, findHoleResultFloors, "HoleResultFloor_findHoleResultFloors") \
  X(HOLERESULTFLOOR, removeHoleResultFloors, "HoleResultFloor_removeHoleResultFloors") \
  X(HOLERESULTFLOOR, addHoleResultFloors, "HoleResultFloor_addHoleResultFloors") \
  X(HOLERESULT, changeHoleResultHoleSize, "HoleResult_changeHoleResultHoleSize") \
  X(HOLERESULT, changeHoleResultPicViewports, "HoleResult_changeHoleResultPicViewports") \
  X(HOLERESULT, removeHoleResultsByWorkset, "HoleResult_removeHoleResultsByWorkset") \
  X(HOLERESULT, changeHoleResultStates, "HoleResult_changeHoleResultStates") \
  X(HOLERESULT, changeHoleResultRemarks, "HoleResult_changeHoleResultRemarks") \
  X(HOLERESULT, clearRemovedHoleResults, "HoleResult_clearRemovedHoleResults") \
  X(HOLERESULT, findHoleResults, "HoleResult_findHoleResults") \
  X(HOLERESULT, removeHoleResultsByIds, "HoleResult_removeHoleResultsByIds") \
  X(HOLERESULT, changeHoleResultDigStats, "HoleResult_changeHoleResultDigStats") \
  X(HOLERESULT, saveAllHoleResults, "HoleResult_saveAllHoleResults") \
  X(HOLERESULT, removeHoleResultsByFloor, "HoleResult_removeHoleResultsByFloor") \
  X(HOLERULE, addHoleRule, "HoleRule_addHoleRule") \
  X(HOLERULE, cloneHoleRule, "HoleRule_cloneHoleRule") \
  X(HOLERULE, listHoleRules, "HoleRule_listHoleRules") \
  X(HOLERULE, editHoleRule, "HoleRule_editHoleRule") \
  X(HOLERULE, renameHoleRule, "HoleRule_renameHoleRule") \
  X(HOLERULE, removeHoleRule, "HoleRule_removeHoleRule")

// The proxy class of each service.
#define KV_PROXY_OF_DEVICE VXBeingExtractedDeviceWebServiceSoapBindingProxy
#define KV_PROXY_OF_CLASHRESULTVIEW VXClashResultOverviewWebServiceSoapBindingProxy
#define KV_PROXY_OF_CLASHRESULTRELATED VXClashResultRelatedWebServiceSoapBindingProxy
#define KV_PROXY_OF_CLASHRULE VXClashRuleWebServiceSoapBindingProxy
#define KV_PROXY_OF_WALKPATH VXPathWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLECHECKSITUATION VXHoleCheckSituationWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLERESULTFLOOR VXHoleResultFloorWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLERESULT VXHoleResultWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLERULE VXHoleRuleWebServiceSoapBindingProxy
