// Fields of the file attribute and of the clash-rule and hole-rule records.
// Clash and hole rules share their shapes.
#pragma once

#include "catalogue/convert/FieldMap.h"
#include "records/FileRuleRecords.h"

namespace KEEL::KVWEBSERVICE::detail {

// md5, size, uuid of the file attribute of every service.
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StMoxFileAttribute>) {
  v(w.md5, s.md5);
  v(w.size, s.size);
  v(w.uuid, s.uuid);
}

template <class V, class W, class S>
void MapRuleFields(V &v, W &w, S &s) {
  v(w.isDefaultRule, s.isDefaultRule);
  v(w.ruleFile, s.ruleFile);
  v(w.ruleId, s.ruleId);
  v(w.ruleName, s.ruleName);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashRule>) { MapRuleFields(v, w, s); }
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleRule>) { MapRuleFields(v, w, s); }

template <class V, class W, class S>
void MapRuleAddFields(V &v, W &w, S &s) {
  v(w.ruleFile, s.ruleFile);
  v(w.ruleName, s.ruleName);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashRule4Add>) { MapRuleAddFields(v, w, s); }
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleRuleAdd>) { MapRuleAddFields(v, w, s); }

template <class V, class W, class S>
void MapRuleEditFields(V &v, W &w, S &s) {
  v(w.ruleFile, s.ruleFile);
  v(w.ruleId, s.ruleId);
  v(w.ruleName, s.ruleName);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StClashRule4Edit>) { MapRuleEditFields(v, w, s); }
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StHoleRuleEdit>) { MapRuleEditFields(v, w, s); }

template <class V, class W, class S>
void MapRenameRuleFields(V &v, W &w, S &s) {
  v(w.ruleId, s.ruleId);
  v(w.newName, s.newName);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StRenameClashRule>) { MapRenameRuleFields(v, w, s); }
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StRenameHoleRule>) { MapRenameRuleFields(v, w, s); }

template <class V, class W, class S>
void MapCloneRuleFields(V &v, W &w, S &s) {
  v(w.beClonedRuleId, s.beClonedRuleId);
  v(w.ruleName, s.ruleName);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StCloneClashRule>) { MapCloneRuleFields(v, w, s); }
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StCloneHoleRule>) { MapCloneRuleFields(v, w, s); }

}  // namespace KEEL::KVWEBSERVICE::detail
