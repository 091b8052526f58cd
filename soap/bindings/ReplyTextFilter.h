// ReplyTextFilter: checks and repairs the XML text of a reply as it arrives,
// before the runtime parses it.
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
// - The work the runtime spends on a reply stays linear in its size: an
//   element with more than kMaxAttributes attributes or a reply with more
//   than kMaxAttributeNames different attribute names is refused (the
//   runtime looks each attribute name up in the list of every name the reply
//   used so far). Attachment references are bound through an index of
//   their own (AttachmentReferences), so any number of them is read.
// - Markup that the runtime would read otherwise than this check is refused,
//   so that no element escapes the count: a tag with '<', a quote that does
//   not open an attribute's value, an attribute without a quoted value, "--"
//   inside a comment, '?' inside a processing instruction, and '/' in a
//   start tag other than before its '>'. An empty root element ends nothing
//   (the runtime reads on after it).
// Ordinary text is scanned in bulk and left where it lies; only a repair
// writes. Once the root element has ended, the rest (MIME attachments)
// passes unchanged. One filter serves one reply at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

namespace kv::wire {

class ReplyTextFilter {
 public:
  /// Attributes (namespace declarations included) of one element.
  static constexpr int kMaxAttributes = 64;
  /// Different attribute names in one reply.
  static constexpr size_t kMaxAttributeNames = 256;

  /// Starts a reply; `latin` when the reply declared ISO-8859-1 text.
  void Start(bool latin);
  /// Filters the `*len` bytes at `buf` in place; up to `maxlen` bytes may
  /// be written back and `*len` says how many were. Output that does not fit
  /// is kept and given out by the next call (also one with `*len` == 0).
  /// Returns 0, or SOAP_SYNTAX_ERROR once the text was refused.
  int Filter(char *buf, size_t *len, size_t maxlen);
  /// Why the reply was refused; null while it was not.
  const char *Refusal() const { return refusal_; }

 private:
  enum class State {
    kText,
    kLt,          // after '<'
    kBang,        // after "<!"
    kComment,
    kCdata,
    kPi,          // after "<?"
    kTagName,     // the element's name
    kTagSpace,    // between attributes
    kAttrName,
    kAfterName,   // blanks after an attribute's name
    kAfterEquals,
    kQuoted,      // an attribute's value
    kSlash,       // after '/' in a start tag
    kReference,
    kDone,
  };

  void Scan(const char *p, const char *end);
  const char *Candidate(const char *p, const char *end);
  const char *Next(const char *p, const char *end, uint8_t role);
  const char *Fast(const char *p, const char *end);
  static uint64_t Classify(const char *at, const char *end);
  bool Plain(State state) const;
  const char *Run(const char *p, const char *end);
  const char *Tag(const char *p, const char *end);
  const char *Attribute(const char *p, const char *end);
  void AppendName(const char *from, const char *to);
  // The rest of a UTF-8 sequence that the previous piece ended in.
  const char *Continue(const char *p, const char *end);
  // One UTF-8 sequence at p; returns where scanning goes on.
  const char *Sequence(const char *p, const char *end);
  // One character of interest, with the bytes it is written as.
  void Char(uint32_t cp, const char *bytes, size_t size);
  void Reference(uint32_t cp);
  void EndTag(bool empty);
  void EndAttributeName(const char *name, size_t size);
  bool SameName(const char *name, size_t size) const;
  void Refuse(const char *why);

  // The output of a piece is its input, kept in place, up to the first
  // repair; from there it is built in side_.
  void Commit(const char *upto);
  void Emit(const char *bytes, size_t size);
  int Give(char *buf, size_t *len, size_t maxlen);

  State state_ = State::kText;
  State afterReference_ = State::kText;
  bool latin_ = false;
  bool rootSeen_ = false;
  bool endTag_ = false;
  bool question_ = false;  // the last character of a processing instruction was '?'
  char quote_ = 0;
  int closers_ = 0;        // '-' or ']' just before a possible end of a comment or CDATA
  int depth_ = 0;
  int attributes_ = 0;
  std::string markup_;     // "<!" keyword, entity name, or processing instruction
  std::string name_;       // the attribute name being read
  std::unordered_set<std::string> names_;
  std::string lastName_;   // the last attribute name, looked up no further when repeated
  // UTF-8 decoding across pieces: bytes of the sequence so far and what the
  // next may be.
  char sequence_[4] = {};
  size_t have_ = 0, need_ = 0;
  unsigned char low_ = 0x80, high_ = 0xBF;
  // The piece being filtered.
  const char *block_ = nullptr;  // 64 bytes whose candidates (scan::Candidates64) are in mask_
  uint64_t mask_ = 0;
  const char *base_ = nullptr;
  const char *keep_ = nullptr;  // input not yet committed to the output
  size_t inPlace_ = 0;          // output bytes that stand where they arrived
  bool diverged_ = false;
  std::string side_;
  std::string pending_;         // output not yet given out
  size_t pendingStart_ = 0;
  const char *refusal_ = nullptr;
};

}  // namespace kv::wire
