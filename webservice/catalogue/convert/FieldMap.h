// How a record's fields pair with its wire class's members.
//
// For each record St there is one
//   template <class V, class W, class S>
//   void MapFields(V &visit, W &wire, S &record, FieldsOf<St>);
// that calls visit(wire.member, record.field) for every field, in the
// record's order. The same list serves both directions: WireWriter fills a
// request from a const record, WireReader fills a record from a const
// response. One list may serve records of several services, since the wire
// class is a template argument. Found by argument-dependent lookup through
// FieldsOf, so the order of the field headers does not matter.
#pragma once

namespace KEEL::KVWEBSERVICE::detail {

template <class St>
struct FieldsOf {};

}  // namespace KEEL::KVWEBSERVICE::detail
