// PerByteTextCheck: the reply text check as it was before it scanned in bulk,
// kept as the reference that the differential test and fuzz target compare
// the check with: every byte decoded and appended to a string. Not used by
// the library.
//
// - A DOCTYPE (or any other declaration) is refused: replies carry no DTD,
//   and the runtime would silently turn entity references into U+007F.
// - A character XML forbids is refused, raw (a NUL byte, other control
//   characters, U+FFFE, U+FFFF) or as a reference (&#0;), as is a reference
//   to an entity that is not predefined; the runtime would cut a text at a
//   NUL and report success.
// - Invalid UTF-8 becomes U+FFFD, one per maximal invalid subsequence, and
//   the text around it is kept (the runtime would read C3 28 as U+00C3 and
//   the overlong C0 AF as "/").
// Once the root element has ended, the rest (MIME attachments) passes
// unchanged. One filter serves one reply at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kv::test {

class PerByteTextCheck {
 public:
  /// Starts a reply; `latin` when the reply declared ISO-8859-1 text.
  void Start(bool latin);
  /// Filters the `*len` bytes at `buf` in place; up to `maxlen` bytes may
  /// be written back and `*len` says how many were. Output that does not fit
  /// is kept and given out by the next call (also one with `*len` == 0).
  /// Returns 0, or SOAP_SYNTAX_ERROR once the text was refused.
  int Filter(char *buf, size_t *len, size_t maxlen);
  /// Why the reply was refused; null while it was not.
  const char *Refusal() const { return refusal_; }
  /// Whether it has stopped checking (the root element has ended). Added to
  /// the copy for the comparison only.
  bool Done() const { return state_ == State::kDone; }

 private:
  enum class State { kText, kLt, kBang, kComment, kCdata, kPi, kTag, kQuoted, kReference, kDone };

  void Byte(unsigned char byte);
  void CodePoint(uint32_t cp, const char *bytes, size_t size);
  void Markup(uint32_t cp);
  void Reference(uint32_t cp);
  void Refuse(const char *why);

  State state_ = State::kText;
  State afterReference_ = State::kText;
  bool latin_ = false;
  bool rootSeen_ = false;
  bool endTag_ = false;
  char quote_ = 0;
  uint32_t lastInTag_ = 0;
  int depth_ = 0;
  std::string markup_;     // "<!" keyword, entity name, or the last characters of a comment
  // UTF-8 decoding: bytes of the sequence so far and what the next may be.
  char sequence_[4] = {};
  size_t have_ = 0, need_ = 0;
  unsigned char low_ = 0x80, high_ = 0xBF;
  std::string out_;        // filtered output not yet given out
  size_t outStart_ = 0;
  const char *refusal_ = nullptr;
};

}  // namespace kv::test
