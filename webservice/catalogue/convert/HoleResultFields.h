// Fields of the hole-result, hole-result floor and hole check-situation
// records.
#pragma once

#include "catalogue/convert/ClashResultFields.h"
#include "catalogue/convert/FieldMap.h"
#include "records/HoleResultRecords.h"

namespace KEEL::KVWEBSERVICE::detail {

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StAffiliateQueryParam>) { MapKeyFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResultHoleSize>) {
  MapKeyFields(v, w, s);
  v(w.holeId, s.holeId);
  v(w.size, s.size);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResultPicViewport>) {
  MapKeyFields(v, w, s);
  v(w.holeId, s.holeId);
  v(w.picFile, s.picFile);
  v(w.viewport, s.viewport);
}

template <class V, class W, class S>
void MapHoleStateFields(V &v, W &w, S &s) {
  MapKeyFields(v, w, s);
  v(w.holeId, s.holeId);
  v(w.state, s.state);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResultState>) { MapHoleStateFields(v, w, s); }
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResultDigState>) { MapHoleStateFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResultRemarks>) {
  MapKeyFields(v, w, s);
  v(w.holeId, s.holeId);
  v(w.remarks, s.remarks);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResultFloor>) { MapResultFloorFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StPoint>) {
  v(w.x, s.x);
  v(w.y, s.y);
  v(w.z, s.z);
}

// A present direction always reads with both points made.
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StDirection>) {
  v(w.end, s.end);
  v(w.start, s.start);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StElevation>) {
  v(w.bottom, s.bottom);
  v(w.top, s.top);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResult>) {
  v(w.clashPoint, s.clashPoint);
  v(w.directionVector, s.directionVector);
  v(w.disposeState, s.disposeState);
  v(w.elevation, s.elevation);
  v(w.holeId, s.holeId);
  v(w.holePoint, s.holePoint);
  v(w.holeShape, s.holeShape);
  v(w.holeType, s.holeType);
  v(w.majorComp, s.majorComp);
  v(w.majorFloor, s.majorFloor);
  v(w.majorProject, s.majorProject);
  v(w.minorComp, s.minorComp);
  v(w.minorFloor, s.minorFloor);
  v(w.minorProject, s.minorProject);
  v(w.normalVector, s.normalVector);
  v(w.picFile, s.picFile);
  v(w.pipelineVector, s.pipelineVector);
  v(w.remarks, s.remarks);
  v(w.size, s.size);
  v(w.viewport, s.viewport);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StFindHoleResults>) {
  v(w.queryParam, s.queryParam);
  v(w.all, s.all);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StRemoveHoleResultsByIds>) {
  v(w.holeIds, s.holeIds);
  v(w.queryParam, s.queryParam);
  v(w.all, s.all);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StSaveAllHoleResults>) {
  v(w.holeResults, s.holeResults);
  v(w.queryParam, s.queryParam);
  v(w.all, s.all);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleResultFloorInfo>) { MapFloorInfoFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleCheckSituation>) { MapOverviewFields(v, w, s); }

}  // namespace KEEL::KVWEBSERVICE::detail
