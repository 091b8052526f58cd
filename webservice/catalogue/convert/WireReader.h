// Reads response members into new records: absent texts read as empty,
// absent numbers as 0, absent flags as false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "catalogue/convert/BinaryConvert.h"
#include "catalogue/convert/FieldMap.h"
#include "catalogue/convert/ListReserve.h"
#include "catalogue/convert/WideText.h"
#include "records/HoleResultRecords.h"
#include "runner/ReplyRelease.h"
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
    for (const Wire *entry : list) records.push_back(Read<St>(entry));
  }

  /// The same for a reply whose engine lets it go as it is read: the
  /// entries are converted last to first, each freed with what follows it
  /// once converted (KEEL::WEB::detail::ReplyRelease), and the list is left
  /// empty.
  template <class Wire, class St>
  void Take(struct soap *engine, std::vector<Wire *> &list, std::vector<boost::shared_ptr<St>> &records) const {
    KEEL::WEB::detail::ReplyRelease release(engine, list);
    if (!release.Active()) return (*this)(list, records);
    ReserveMore(records, list.size());
    const std::size_t base = records.size();
    records.resize(base + list.size());
    try {
      for (std::size_t i = list.size(); i-- > 0;) {
        records[base + i] = Read<St>(list[i]);
        release.FreeSince(list[i]);
      }
    } catch (...) {
      records.resize(base);
      list.clear();
      throw;
    }
    list.clear();
  }

  void operator()(const std::vector<std::string> &list, std::vector<std::wstring> &texts) const {
    ReserveMore(texts, list.size());
    for (const std::string &text : list) texts.push_back(ToWide(&text));
  }

  /// A hole result with its eleven nested records in three allocations
  /// instead of twelve (HoleResultReader below).
  template <class Wire>
  void operator()(const Wire *part, boost::shared_ptr<StHoleResult> &record) const;

  template <class Wire, class St>
  void Fill(const Wire &wire, St &record) const {
    MapFields(*this, wire, record, FieldsOf<St>());
  }

  /// One list entry as a new record; a nil entry gives a record at its
  /// defaults.
  template <class St, class Wire>
  boost::shared_ptr<St> Read(const Wire *entry) const;
};

// The nested records of one hole result. The leaf records share one
// block and the two directions another; each nested pointer shares
// ownership of its block, so a nested record kept alone keeps its block.
// No block points to itself: the record points to both, the directions
// to the leaves.
struct HoleResultLeaves {
  StPoint points[7];  // clash, hole and normal points, two per direction
  StElevation elevation;
  StMoxFileAttribute picFile;
};
struct HoleResultDirections {
  StDirection directions[2];
};

/// Reads one hole result; every nested record comes from the blocks.
class HoleResultReader : public WireReader {
 public:
  using WireReader::operator();

  HoleResultReader()
      : leaves_(boost::make_shared<HoleResultLeaves>()), directions_(boost::make_shared<HoleResultDirections>()) {}

  template <class Wire>
  void operator()(const Wire *part, boost::shared_ptr<StPoint> &record) const {
    record = Take(leaves_, leaves_->points, points_);
    if (part) MapFields(*this, *part, *record, FieldsOf<StPoint>());
  }
  template <class Wire>
  void operator()(const Wire *part, boost::shared_ptr<StDirection> &record) const {
    record = Take(directions_, directions_->directions, directionsUsed_);
    if (part) MapFields(*this, *part, *record, FieldsOf<StDirection>());
  }
  template <class Wire>
  void operator()(const Wire *part, boost::shared_ptr<StElevation> &record) const {
    record = boost::shared_ptr<StElevation>(leaves_, &leaves_->elevation);
    if (part) MapFields(*this, *part, *record, FieldsOf<StElevation>());
  }
  template <class Wire>
  void operator()(const Wire *part, boost::shared_ptr<StMoxFileAttribute> &record) const {
    record = boost::shared_ptr<StMoxFileAttribute>(leaves_, &leaves_->picFile);
    if (part) MapFields(*this, *part, *record, FieldsOf<StMoxFileAttribute>());
  }

  template <class Wire>
  boost::shared_ptr<StHoleResult> Read(const Wire *part) const {
    auto record = boost::make_shared<StHoleResult>();
    if (part) MapFields(*this, *part, *record, FieldsOf<StHoleResult>());
    return record;
  }

 private:
  // The next record of a block's array; a new record of its own should
  // the array be used up.
  template <class Block, class St, std::size_t N>
  static boost::shared_ptr<St> Take(const boost::shared_ptr<Block> &block, St (&slots)[N], std::size_t &used) {
    if (used < N) return boost::shared_ptr<St>(block, &slots[used++]);
    return boost::make_shared<St>();
  }

  boost::shared_ptr<HoleResultLeaves> leaves_;
  boost::shared_ptr<HoleResultDirections> directions_;
  mutable std::size_t points_ = 0;
  mutable std::size_t directionsUsed_ = 0;
};

template <class Wire>
void WireReader::operator()(const Wire *part, boost::shared_ptr<StHoleResult> &record) const {
  record = HoleResultReader().Read(part);
}

template <class St, class Wire>
boost::shared_ptr<St> WireReader::Read(const Wire *entry) const {
  if constexpr (std::is_same_v<St, StHoleResult>) {
    return HoleResultReader().Read(entry);
  } else {
    boost::shared_ptr<St> record = boost::make_shared<St>();
    if (entry) Fill(*entry, *record);
    return record;
  }
}

}  // namespace KEEL::KVWEBSERVICE::detail
