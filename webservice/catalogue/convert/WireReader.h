// Reads response members into new records: absent texts read as empty,
// absent numbers as 0, absent flags as false.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "catalogue/convert/BinaryConvert.h"
#include "catalogue/convert/FieldMap.h"
#include "catalogue/convert/ListReserve.h"
#include "catalogue/convert/WideText.h"
#include "soapH.h"

namespace KEEL::KVWEBSERVICE::detail {

class WireReader {
 public:
  void operator()(const std::string *member, std::wstring &text) const { text = ToWide(member); }
  void operator()(const int *member, int &value) const { value = member ? *member : 0; }
  void operator()(const LONG64 *member, std::int64_t &value) const { value = member ? *member : 0; }
  void operator()(const bool *member, bool &value) const { value = member && *member; }
  void operator()(const double *member, double &value) const { value = member ? *member : 0.0; }
  void operator()(int member, int &value) const { value = member; }
  void operator()(double member, double &value) const { value = member; }

  void operator()(const xsd__base64Binary *member, StBinaryData &data) const { data = ToBinaryData(member); }

  /// Always a new record, replacing the old target; filled when the wire
  /// part is present.
  template <class Wire, class St>
  void operator()(const Wire *part, boost::shared_ptr<St> &record) const {
    record = boost::make_shared<St>();
    if (part) Fill(*part, *record);
  }

  /// Appends one new record per entry, in order, after the caller's; a nil
  /// entry gives a record at its defaults.
  template <class Wire, class St>
  void operator()(const std::vector<Wire *> &list, std::vector<boost::shared_ptr<St>> &records) const {
    ReserveMore(records, list.size());
    for (const Wire *entry : list) {
      boost::shared_ptr<St> record = boost::make_shared<St>();
      if (entry) Fill(*entry, *record);
      records.push_back(std::move(record));
    }
  }

  void operator()(const std::vector<std::string> &list, std::vector<std::wstring> &texts) const {
    ReserveMore(texts, list.size());
    for (const std::string &text : list) texts.push_back(ToWide(&text));
  }

  template <class Wire, class St>
  void Fill(const Wire &wire, St &record) const {
    MapFields(*this, wire, record, FieldsOf<St>());
  }
};

}  // namespace KEEL::KVWEBSERVICE::detail
