// The operations of the nine services, in each proxy's slot order.
// X(PREFIX, operation) for one service; KV_SERVICES(S) lists the services as
// S(PREFIX, ProxyClass, OPERATION_LIST).
#pragma once

#define KV_DEVICE_OPERATIONS(X) \
  X(DEVICE, cloneDevice) \
  X(DEVICE, editRemarks) \
  X(DEVICE, addDevice) \
  X(DEVICE, listDevice) \
  X(DEVICE, removeDevice) \
  X(DEVICE, editDevice) \
  X(DEVICE, getListDevicePicFile) \
  X(DEVICE, renameDevice)

#define KV_WALKPATH_OPERATIONS(X) \
  X(WALKPATH, removePath) \
  X(WALKPATH, listPath) \
  X(WALKPATH, addPath) \
  X(WALKPATH, editPath) \
  X(WALKPATH, renamePath)

#define KV_CLASHRULE_OPERATIONS(X) \
  X(CLASHRULE, listClashRules) \
  X(CLASHRULE, editClashRule) \
  X(CLASHRULE, cloneClashRule) \
  X(CLASHRULE, renameClashRule) \
  X(CLASHRULE, removeClashRule) \
  X(CLASHRULE, addClashRule)

#define KV_CLASHRESULTVIEW_OPERATIONS(X) \
  X(CLASHRESULTVIEW, getListClashResultFoor) \
  X(CLASHRESULTVIEW, getClashResultOverview) \
  X(CLASHRESULTVIEW, setClashResultOverview) \
  X(CLASHRESULTVIEW, removeClashResultFoor) \
  X(CLASHRESULTVIEW, addClashResultFoor)

#define KV_CLASHRESULTRELATED_OPERATIONS(X) \
  X(CLASHRESULTRELATED, removeFloorClashResult) \
  X(CLASHRESULTRELATED, setResultRemarks) \
  X(CLASHRESULTRELATED, removeSignAllClashResult) \
  X(CLASHRESULTRELATED, clearRemovedClashResult) \
  X(CLASHRESULTRELATED, removeSignClashResultId) \
  X(CLASHRESULTRELATED, setResultDisposeState) \
  X(CLASHRESULTRELATED, getListClashResult) \
  X(CLASHRESULTRELATED, setResultPicViewport) \
  X(CLASHRESULTRELATED, saveAllClashResult)

#define KV_HOLECHECKSITUATION_OPERATIONS(X) \
  X(HOLECHECKSITUATION, getHoleCheckSitaution) \
  X(HOLECHECKSITUATION, setHoleCheckSituation)

#define KV_HOLERESULTFLOOR_OPERATIONS(X) \
  X(HOLERESULTFLOOR, removeHoleResultFloors) \
  X(HOLERESULTFLOOR, addHoleResultFloors) \
  X(HOLERESULTFLOOR, findHoleResultFloors)

#define KV_HOLERESULT_OPERATIONS(X) \
  X(HOLERESULT, changeHoleResultRemarks) \
  X(HOLERESULT, changeHoleResultPicViewports) \
  X(HOLERESULT, findHoleResults) \
  X(HOLERESULT, changeHoleResultDigStats) \
  X(HOLERESULT, removeHoleResultsByWorkset) \
  X(HOLERESULT, saveAllHoleResults) \
  X(HOLERESULT, changeHoleResultHoleSize) \
  X(HOLERESULT, clearRemovedHoleResults) \
  X(HOLERESULT, changeHoleResultStates) \
  X(HOLERESULT, removeHoleResultsByIds) \
  X(HOLERESULT, removeHoleResultsByFloor)

#define KV_HOLERULE_OPERATIONS(X) \
  X(HOLERULE, editHoleRule) \
  X(HOLERULE, removeHoleRule) \
  X(HOLERULE, cloneHoleRule) \
  X(HOLERULE, listHoleRules) \
  X(HOLERULE, renameHoleRule) \
  X(HOLERULE, addHoleRule)

#define KV_SERVICES(S) \
  S(DEVICE, VXBeingExtractedDeviceWebServiceSoapBindingProxy, KV_DEVICE_OPERATIONS) \
  S(WALKPATH, VXPathWebServiceSoapBindingProxy, KV_WALKPATH_OPERATIONS) \
  S(CLASHRULE, VXClashRuleWebServiceSoapBindingProxy, KV_CLASHRULE_OPERATIONS) \
  S(CLASHRESULTVIEW, VXClashResultOverviewWebServiceSoapBindingProxy, KV_CLASHRESULTVIEW_OPERATIONS) \
  S(CLASHRESULTRELATED, VXClashResultRelatedWebServiceSoapBindingProxy, KV_CLASHRESULTRELATED_OPERATIONS) \
  S(HOLECHECKSITUATION, VXHoleCheckSituationWebServiceSoapBindingProxy, KV_HOLECHECKSITUATION_OPERATIONS) \
  S(HOLERESULTFLOOR, VXHoleResultFloorWebServiceSoapBindingProxy, KV_HOLERESULTFLOOR_OPERATIONS) \
  S(HOLERESULT, VXHoleResultWebServiceSoapBindingProxy, KV_HOLERESULT_OPERATIONS) \
  S(HOLERULE, VXHoleRuleWebServiceSoapBindingProxy, KV_HOLERULE_OPERATIONS)
