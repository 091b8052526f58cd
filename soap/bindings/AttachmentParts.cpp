#include "AttachmentParts.h"

#include <algorithm>
#include <cstring>

namespace kv::wire {
namespace {

static_assert(AttachmentParts::kMaxParts == 10000, "the refusal names the limit");

uint64_t Padded(uint64_t size) { return (size + 3) & ~uint64_t{3}; }

}  // namespace

void AttachmentParts::StartMime(const char *mimeBoundary) {
  *this = AttachmentParts();
  if (!mimeBoundary || !*mimeBoundary) return;
  kind_ = Kind::kMime;
  delimiter_ = std::string("--") + mimeBoundary;
}

void AttachmentParts::StartDime(size_t dimeData, uint64_t maxData, bool chunked) {
  *this = AttachmentParts();
  kind_ = Kind::kDime;
  maxData_ = maxData;
  parts_ = 1;
  chained_ = chunked;
  envelope_ = true;
  skip_ = Padded(dimeData);
}

bool AttachmentParts::Count(const char *data, size_t size) {
  if (kind_ == Kind::kMime) CountMime(data, size);
  if (kind_ == Kind::kDime) CountDime(data, size);
  return parts_ <= kMaxParts && !valueTooLong_;
}

void AttachmentParts::CountMime(const char *data, size_t size) {
  const size_t d = delimiter_.size();
  if (size == 0) return;
  if (!carry_.empty()) {
    // Delimiters that begin in the bytes before this piece and end in it.
    const std::string joint = carry_ + std::string(data, std::min(size, d - 1));
    for (size_t at = joint.find(delimiter_); at != std::string::npos && at < carry_.size();
         at = joint.find(delimiter_, at + 1))
      ++parts_;
  }
  for (const char *at = data, *end = data + size; at < end;) {
    const void *found = memmem(at, static_cast<size_t>(end - at), delimiter_.data(), d);
    if (!found) break;
    ++parts_;
    at = static_cast<const char *>(found) + d;
  }
  carry_.append(data + (size > d - 1 ? size - (d - 1) : 0), std::min(size, d - 1));
  if (carry_.size() > d - 1) carry_.erase(0, carry_.size() - (d - 1));
}

// Each record: a 12-byte head with the lengths of its options, id, type and
// data, each field padded to four bytes. A record after one with the chunk
// flag carries more data of the same value.
void AttachmentParts::CountDime(const char *data, size_t size) {
  const auto *p = reinterpret_cast<const unsigned char *>(data);
  const auto *end = p + size;
  while (p < end && !last_) {
    if (skip_) {
      const uint64_t step = std::min<uint64_t>(skip_, static_cast<uint64_t>(end - p));
      skip_ -= step;
      p += step;
      continue;
    }
    const size_t take = std::min(sizeof head_ - headHave_, static_cast<size_t>(end - p));
    std::memcpy(head_ + headHave_, p, take);
    headHave_ += take;
    p += take;
    if (headHave_ < sizeof head_) return;
    headHave_ = 0;
    if (!chained_) {
      ++parts_;
      envelope_ = false;
      value_ = 0;
    }
    last_ = (head_[0] & 0x02) != 0;
    chained_ = (head_[0] & 0x01) != 0;
    const auto field = [&](int at) { return static_cast<uint64_t>((head_[at] << 8) | head_[at + 1]); };
    const uint64_t dataLength = (static_cast<uint64_t>(head_[8]) << 24) | (head_[9] << 16) | (head_[10] << 8) | head_[11];
    skip_ = Padded(field(2)) + Padded(field(4)) + Padded(field(6)) + Padded(dataLength);
    if (envelope_) continue;
    value_ += dataLength;
    if (maxData_ && value_ > maxData_) {
      valueTooLong_ = true;
      return;
    }
  }
}

}  // namespace kv::wire
