// Fields of the walk-path records. path4Edit extends path4Add; path adds
// nothing to path4Edit.
#pragma once

#include "catalogue/convert/FieldMap.h"
#include "records/WalkPathRecords.h"

namespace KEEL::KVWEBSERVICE::detail {

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StListPath>) {
  v(w.id, s.id);
  v(w.belongTo, s.belongTo);
}

template <class V, class W, class S>
void MapPath4AddFields(V &v, W &w, S &s) {
  v(w.belongTo, s.belongTo);
  v(w.deviceId, s.deviceId);
  v(w.pathName, s.pathName);
  v(w.pathdata, s.pathdata);
  v(w.wsid, s.wsid);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StPath4Add>) { MapPath4AddFields(v, w, s); }

template <class V, class W, class S>
void MapPath4EditFields(V &v, W &w, S &s) {
  MapPath4AddFields(v, w, s);
  v(w.pathId, s.pathId);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StPath4Edit>) { MapPath4EditFields(v, w, s); }
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StPath>) { MapPath4EditFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StRenamePath>) {
  v(w.pathId, s.pathId);
  v(w.pathName, s.pathName);
}

}  // namespace KEEL::KVWEBSERVICE::detail
