// AttachmentParts: counts the parts of a MIME or DIME reply as the engine
// reads its body, and refuses a reply with more than kMaxParts of them. The
// runtime reads the parts after the XML, past the text check, so they are
// counted on the decoded bytes instead. (The runtime would look every part
// up in its whole list of attachment references; AttachmentReferences binds
// them through an index instead.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kv::wire {

class AttachmentParts {
 public:
  static constexpr int kMaxParts = 10000;

  /// Counts nothing until Start.
  void Stop() { kind_ = Kind::kNone; }
  /// Starts counting on the body bytes the engine reads from now on: those
  /// after the first MIME boundary (`mimeBoundary`), or the data of the
  /// first DIME record (`dimeData` bytes) and the records after it.
  void StartMime(const char *mimeBoundary);
  void StartDime(size_t dimeData);
  /// Counts the parts that begin in the next `size` bytes of the body;
  /// false once there are more than kMaxParts.
  bool Count(const char *data, size_t size);
  /// Why the reply was refused; null while it was not.
  const char *Refusal() const { return parts_ > kMaxParts ? "The reply holds more than 10000 attachment parts" : nullptr; }

 private:
  enum class Kind { kNone, kMime, kDime };
  void CountMime(const char *data, size_t size);
  void CountDime(const char *data, size_t size);

  Kind kind_ = Kind::kNone;
  int parts_ = 0;
  std::string delimiter_;  // "--" and the boundary
  std::string carry_;      // the last bytes before this piece, for a delimiter across pieces
  uint64_t skip_ = 0;      // DIME: bytes of the current record still to come
  unsigned char head_[12] = {};
  size_t headHave_ = 0;
  bool last_ = false;      // DIME: the record with the message-end flag was seen
};

}  // namespace kv::wire
