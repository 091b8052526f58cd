// The request member that receives the input of the operations whose input
// is one text, one record, a record list or a text list. Text pairs and
// composite inputs fill the request's members field by field instead.
#pragma once

#include "soapH.h"

#define KV_REQUEST_MEMBERS(X) \
  X(DEVICE, addDevice, devices) \
  X(DEVICE, editDevice, devices) \
  X(DEVICE, removeDevice, deviceIds) \
  X(DEVICE, getListDevicePicFile, deviceIds) \
  X(CLASHRESULTVIEW, getListClashResultFoor, unique) \
  X(CLASHRESULTVIEW, removeClashResultFoor, unique) \
  X(CLASHRESULTVIEW, addClashResultFoor, resultFoors) \
  X(CLASHRESULTVIEW, getClashResultOverview, unique) \
  X(CLASHRESULTVIEW, setClashResultOverview, overview) \
  X(CLASHRESULTRELATED, setResultRemarks, remarks) \
  X(CLASHRESULTRELATED, setResultDisposeState, disposeStates) \
  X(CLASHRESULTRELATED, clearRemovedClashResult, clashResultUnique) \
  X(CLASHRESULTRELATED, setResultPicViewport, picViewport) \
  X(CLASHRESULTRELATED, removeSignAllClashResult, clashResultUnique) \
  X(CLASHRESULTRELATED, removeFloorClashResult, clashResultFloors) \
  X(CLASHRULE, removeClashRule, ruleId) \
  X(CLASHRULE, addClashRule, clashRule) \
  X(CLASHRULE, editClashRule, clashRule) \
  X(WALKPATH, removePath, pathId) \
  X(WALKPATH, addPath, paths) \
  X(WALKPATH, editPath, path) \
  X(HOLECHECKSITUATION, getHoleCheckSitaution, uniqueparam) \
  X(HOLECHECKSITUATION, setHoleCheckSituation, hcsituation) \
  X(HOLERESULTFLOOR, findHoleResultFloors, queryParam) \
  X(HOLERESULTFLOOR, removeHoleResultFloors, queryParam) \
  X(HOLERESULTFLOOR, addHoleResultFloors, resultFloors) \
  X(HOLERESULT, changeHoleResultHoleSize, holeSize) \
  X(HOLERESULT, changeHoleResultPicViewports, picViewports) \
  X(HOLERESULT, removeHoleResultsByWorkset, workset) \
  X(HOLERESULT, changeHoleResultStates, handleStates) \
  X(HOLERESULT, changeHoleResultRemarks, remarks) \
  X(HOLERESULT, clearRemovedHoleResults, queryParam) \
  X(HOLERESULT, changeHoleResultDigStats, digStates) \
  X(HOLERESULT, removeHoleResultsByFloor, holeResultFloors) \
  X(HOLERULE, addHoleRule, holeRule) \
  X(HOLERULE, editHoleRule, holeRule) \
  X(HOLERULE, removeHoleRule, ruleId)

namespace KEEL::KVWEBSERVICE::detail {

template <class Request>
struct RequestMember;

#define KV_DEFINE_REQUEST_MEMBER(PREFIX, op, member) \
  template <> \
  struct RequestMember<PREFIX##__##op> { \
    static auto &Of(PREFIX##__##op &request) { return request.member; } \
  };
KV_REQUEST_MEMBERS(KV_DEFINE_REQUEST_MEMBER)
#undef KV_DEFINE_REQUEST_MEMBER

}  // namespace KEEL::KVWEBSERVICE::detail
