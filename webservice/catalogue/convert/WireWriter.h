// Writes record fields into request members; every value the request
// points to is a copy kept by the input object's keeper.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "catalogue/convert/BinaryConvert.h"
#include "catalogue/convert/FieldMap.h"
#include "catalogue/convert/ListReserve.h"
#include "catalogue/convert/ValueKeeper.h"
#include "catalogue/convert/WideText.h"
#include "soapH.h"

namespace KEEL::KVWEBSERVICE::detail {

class WireWriter {
 public:
  explicit WireWriter(CValueKeeper &keeper) : keeper_(keeper) {}

  // Texts and numbers are always set, empty texts and zeros included.
  void operator()(std::string *&member, const std::wstring &text) { member = keeper_.Add(ToUtf8(text)); }
  void operator()(int *&member, int value) { member = keeper_.Add(value); }
  void operator()(LONG64 *&member, std::int64_t value) { member = keeper_.Add(static_cast<LONG64>(value)); }
  void operator()(bool *&member, bool value) { member = keeper_.Add(value); }
  void operator()(double *&member, double value) { member = keeper_.Add(value); }
  // Required plain members (page numbers, coordinates).
  void operator()(int &member, int value) { member = value; }
  void operator()(double &member, double value) { member = value; }

  void operator()(xsd__base64Binary *&member, const StBinaryData &data) {
    member = keeper_.Add(ToWireBinary(data, keeper_));
  }

  /// An optional part: written only when present.
  template <class Wire, class St>
  void operator()(Wire *&member, const boost::shared_ptr<St> &part) {
    if (part) member = Keep<Wire>(*part);
  }

  /// Appends one wire record per present entry, in order; null entries are
  /// skipped.
  template <class Wire, class St>
  void operator()(std::vector<Wire *> &list, const std::vector<boost::shared_ptr<St>> &records) {
    for (const boost::shared_ptr<St> &record : records)
      if (record) list.push_back(Keep<Wire>(*record));
  }

  /// Texts of an identifier list live in the request's own list.
  void operator()(std::vector<std::string> &list, const std::vector<std::wstring> &texts) {
    ReserveMore(list, texts.size());
    for (const std::wstring &text : texts) list.push_back(ToUtf8(text));
  }

  template <class Wire, class St>
  void Fill(Wire &wire, const St &record) {
    MapFields(*this, wire, record, FieldsOf<St>());
  }

 private:
  template <class Wire, class St>
  Wire *Keep(const St &record) {
    Wire wire;
    Fill(wire, record);
    return keeper_.Add(wire);
  }

  CValueKeeper &keeper_;
};

}  // namespace KEEL::KVWEBSERVICE::detail
