// Fields of the clash-result records. The key shapes (belongTo, wsid and
// what the derived wire classes add) are shared with the hole results.
#pragma once

#include "catalogue/convert/FieldMap.h"
#include "records/ClashResultRecords.h"

namespace KEEL::KVWEBSERVICE::detail {

// belongTo, wsid: clashResultUnique, affiliateQueryParam and the classes
// derived from them.
template <class V, class W, class S>
void MapKeyFields(V &v, W &w, S &s) {
  v(w.belongTo, s.belongTo);
  v(w.wsid, s.wsid);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResultUnique>) { MapKeyFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StBasicPage>) {
  v(w.currentPage, s.currentPage);
  v(w.pageSize, s.pageSize);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResultRemarks>) {
  MapKeyFields(v, w, s);
  v(w.clashId, s.clashId);
  v(w.remarks, s.remarks);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResultDisposeState>) {
  MapKeyFields(v, w, s);
  v(w.clashId, s.clashId);
  v(w.disposeState, s.disposeState);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResultPicViewport>) {
  MapKeyFields(v, w, s);
  v(w.clashId, s.clashId);
  v(w.picFile, s.picFile);
  v(w.viewport, s.viewport);
}

// Also the hole results' floor.
template <class V, class W, class S>
void MapResultFloorFields(V &v, W &w, S &s) {
  MapKeyFields(v, w, s);
  v(w.majorFloor, s.majorFloor);
  v(w.majorProject, s.majorProject);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResultFloor>) { MapResultFloorFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResult>) {
  v(w.clashId, s.clashId);
  v(w.clashModel, s.clashModel);
  v(w.clashPoint, s.clashPoint);
  v(w.disposeState, s.disposeState);
  v(w.lesserComp, s.lesserComp);
  v(w.lesserFloor, s.lesserFloor);
  v(w.lesserProject, s.lesserProject);
  v(w.majorComp, s.majorComp);
  v(w.majorFloor, s.majorFloor);
  v(w.majorProject, s.majorProject);
  v(w.picFile, s.picFile);
  v(w.remarks, s.remarks);
  v(w.viewport, s.viewport);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StGetListClashResult>) {
  v(w.clashResultUnique, s.clashResultUnique);
  v(w.page, s.page);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StSaveAllClashResult>) {
  v(w.clashResultInfos, s.clashResultInfos);
  v(w.clashResultUnique, s.clashResultUnique);
  v(w.page, s.page);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StRemoveSignClashResultId>) {
  v(w.clashId, s.clashId);
  v(w.clashResultUnique, s.clashResultUnique);
  v(w.page, s.page);
}

// Also the hole results' floor info.
template <class V, class W, class S>
void MapFloorInfoFields(V &v, W &w, S &s) {
  MapKeyFields(v, w, s);
  v(w.floor, s.floor);
  v(w.resultName, s.resultName);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResultFloorInfo>) { MapFloorInfoFields(v, w, s); }

// Also the hole check situation.
template <class V, class W, class S>
void MapOverviewFields(V &v, W &w, S &s) {
  MapKeyFields(v, w, s);
  v(w.dateStamp, s.dateStamp);
  v(w.ruleId, s.ruleId);
  v(w.unReleaseLock, s.unReleaseLock);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashResultOverview>) { MapOverviewFields(v, w, s); }

}  // namespace KEEL::KVWEBSERVICE::detail
