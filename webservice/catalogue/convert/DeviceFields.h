// Fields of the device records. device4Edit extends device4Add and device
// extends device4Edit, on the wire as here.
#pragma once

#include "catalogue/convert/FieldMap.h"
#include "records/DeviceRecords.h"

namespace KEEL::KVWEBSERVICE::detail {

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StDeviceAttribute>) {
  v(w.height, s.height);
  v(w.length, s.length);
  v(w.rotation, s.rotation);
  v(w.width, s.width);
}

template <class V, class W, class S>
void MapDevice4AddFields(V &v, W &w, S &s) {
  v(w.attribute, s.attribute);
  v(w.deviceFile, s.deviceFile);
  v(w.deviceName, s.deviceName);
  v(w.picFile, s.picFile);
  v(w.picFileLength, s.picFileLength);
  v(w.remarks, s.remarks);
}
template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StDevice4Add>) { MapDevice4AddFields(v, w, s); }

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StDevice4Edit>) {
  MapDevice4AddFields(v, w, s);
  v(w.deviceId, s.deviceId);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StDevice>) {
  MapDevice4AddFields(v, w, s);
  v(w.deviceId, s.deviceId);
  v(w.isDefaultDevice, s.isDefaultDevice);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StDevicePicFile>) {
  v(w.deviceId, s.deviceId);
  v(w.picFile, s.picFile);
  v(w.picFileLength, s.picFileLength);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StCloneDevice>) {
  v(w.deviceId, s.deviceId);
  v(w.deviceName, s.deviceName);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StRenameDevice>) {
  v(w.deviceId, s.deviceId);
  v(w.newName, s.newName);
}

template <class V, class W, class S>
void MapFields(V &v, W &w, S &s, FieldsOf<StEditRemarks>) {
  v(w.deviceId, s.deviceId);
  v(w.remarks, s.remarks);
}

}  // namespace KEEL::KVWEBSERVICE::detail
