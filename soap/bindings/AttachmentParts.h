// AttachmentParts: counts the parts of a MIME or DIME reply as the engine
// reads its body, and refuses a reply with more than kMaxParts of them, or
// with a DIME record that declares more data than one value may hold (the
// runtime allocates a record's declared length before it reads the data).
// A DIME record sent in chunks is one part and one value: the runtime joins
// its chunks, so their sum is held to the bound as each head arrives. The
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

  /// Counts nothing, and has refused nothing, until Start.
  void Stop() { *this = AttachmentParts(); }
  /// Starts counting on the body bytes the engine reads from now on: those
  /// after the first MIME boundary (`mimeBoundary`), or the data of the
  /// first DIME record (`dimeData` bytes) and the records after it.
  /// A DIME record whose data, its chunks' data summed, is declared longer
  /// than `maxData` (0: no bound) is refused before the runtime allocates
  /// room for it; `chunked` tells whether the first record (the envelope)
  /// goes on in the records after it.
  void StartMime(const char *mimeBoundary);
  void StartDime(size_t dimeData, uint64_t maxData, bool chunked);
  /// Counts the parts that begin in the next `size` bytes of the body;
  /// false once there are more than kMaxParts.
  bool Count(const char *data, size_t size);
  /// Why the reply was refused for its parts; null while it was not.
  const char *Refusal() const { return parts_ > kMaxParts ? "The reply holds more than 10000 attachment parts" : nullptr; }
  /// Whether a DIME record was refused for the length of its data.
  bool ValueTooLong() const { return valueTooLong_; }

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
  bool chained_ = false;   // DIME: the record before had the chunk flag; the next one goes on with its value
  bool envelope_ = false;  // DIME: the chunks are the envelope's (XML, read as it streams)
  uint64_t value_ = 0;     // DIME: the data of the current record's chunks so far
  uint64_t maxData_ = 0;
  bool valueTooLong_ = false;
};

}  // namespace kv::wire
