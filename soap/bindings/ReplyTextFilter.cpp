#include "ReplyTextFilter.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "TextScan.h"
#include "stdsoap2.h"

namespace kv::wire {
namespace {

bool IsXmlChar(uint32_t cp) {
  return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) || (cp >= 0xE000 && cp <= 0xFFFD) ||
         (cp >= 0x10000 && cp <= 0x10FFFF);
}

bool IsSpace(uint32_t cp) { return cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r'; }

bool IsQuote(uint32_t cp) { return cp == '"' || cp == '\''; }

bool StartsWith(const std::string &text, const char *prefix) { return text.rfind(prefix, 0) == 0; }

std::string Lower(std::string text) {
  for (char &c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

constexpr char kReplacement[] = "\xEF\xBF\xBD";
constexpr size_t kMaxMarkup = 200;
// The runtime keeps this much of an attribute's name; names alike up to
// there are one name to it.
constexpr size_t kMaxNameBytes = sizeof(soap::tmpbuf) - 1;

const char kForbiddenChar[] = "The reply holds a character that XML does not allow";
const char kMalformedTag[] = "The reply holds a malformed tag";
static_assert(ReplyTextFilter::kMaxAttributes == 64 && ReplyTextFilter::kMaxAttributeNames == 256,
              "the refusals below name the limits");
const char kTooManyAttributes[] = "The reply holds an element with more than 64 attributes";
const char kTooManyNames[] = "The reply holds more than 256 different attribute names";

// What a byte is to the states that skip in bulk.
enum Role : uint8_t {
  kTextStop = 1,   // ends a run of text: '<', '&', a control byte, a UTF-8 byte
  kNameStop = 2,   // ends a name: blanks, "<>=/\"'", control and UTF-8 bytes
  kValueStop = 4,  // ends a run of an attribute's value: quotes, '&', '<', control and UTF-8 bytes
  kNameByte = 8,   // may follow '<' and begin a name, as Char takes it
  kBlank = 16,     // space, tab, line feed, return
};

constexpr uint8_t RoleOf(unsigned b) {
  const bool control = b < 0x20 && b != '\t' && b != '\n' && b != '\r';
  const bool high = b >= 0x80;
  const bool quote = b == '"' || b == '\'';
  uint8_t role = 0;
  if (b == '<' || b == '&' || control || high) role |= kTextStop;
  if (b <= 0x20 || high || quote || b == '>' || b == '/' || b == '=' || b == '<') role |= kNameStop;
  if (quote || b == '&' || b == '<' || control || high) role |= kValueStop;
  if (b > 0x20 && !high && !quote && b != '!' && b != '?' && b != '/' && b != '>' && b != '<' && b != '=')
    role |= kNameByte;
  if (b == ' ' || b == '\t' || b == '\n' || b == '\r') role |= kBlank;
  return role;
}

struct Roles {
  uint8_t of[256];
  constexpr Roles() : of() {
    for (unsigned b = 0; b < 256; ++b) of[b] = RoleOf(b);
  }
};
constexpr Roles kRoles;

inline bool IsNameByte(char c) { return kRoles.of[static_cast<unsigned char>(c)] & kNameByte; }

// The length of the valid UTF-8 sequence of an allowed character at p, or 0.
inline __attribute__((always_inline)) size_t ValidSequence(const char *p, const char *end) {
  const auto *s = reinterpret_cast<const unsigned char *>(p);
  const size_t left = static_cast<size_t>(end - p);
  const auto tail = [](unsigned char c) { return (c & 0xC0) == 0x80; };
  if (s[0] >= 0xC2 && s[0] <= 0xDF) return left >= 2 && tail(s[1]) ? 2 : 0;
  if (s[0] >= 0xE0 && s[0] <= 0xEF) {
    if (left < 3 || !tail(s[1]) || !tail(s[2])) return 0;
    if ((s[0] == 0xE0 && s[1] < 0xA0) || (s[0] == 0xED && s[1] > 0x9F)) return 0;
    if (s[0] == 0xEF && s[1] == 0xBF && s[2] >= 0xBE) return 0;  // U+FFFE, U+FFFF
    return 3;
  }
  if (s[0] >= 0xF0 && s[0] <= 0xF4) {
    if (left < 4 || !tail(s[1]) || !tail(s[2]) || !tail(s[3])) return 0;
    if ((s[0] == 0xF0 && s[1] < 0x90) || (s[0] == 0xF4 && s[1] > 0x8F)) return 0;
    return 4;
  }
  return 0;
}

uint32_t Decode(const unsigned char *s, size_t size) {
  return size == 2   ? ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu)
         : size == 3 ? ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu)
                     : ((s[0] & 0x07u) << 18) | ((s[1] & 0x3Fu) << 12) | ((s[2] & 0x3Fu) << 6) | (s[3] & 0x3Fu);
}

}  // namespace

void ReplyTextFilter::Start(bool latin) {
  *this = ReplyTextFilter();
  latin_ = latin;
}

int ReplyTextFilter::Filter(char *buf, size_t *len, size_t maxlen) {
  if (refusal_) return SOAP_SYNTAX_ERROR;
  const size_t n = *len;
  if (state_ == State::kDone && pending_.empty()) return SOAP_OK;
  base_ = keep_ = buf;
  inPlace_ = 0;
  diverged_ = !pending_.empty();
  side_.clear();
  side_.swap(pending_);  // output still owed comes first
  Scan(buf, buf + n);
  if (refusal_) return SOAP_SYNTAX_ERROR;
  return Give(buf, len, maxlen);
}

// The next byte from p on that may matter to any of the states that skip
// in bulk; the candidates of 64 bytes are found at once and kept.
inline const char *ReplyTextFilter::Candidate(const char *p, const char *end) {
  for (;;) {
    if (!block_ || p < block_ || p - block_ >= 64) {
      if (p >= end) return end;
      block_ = p;
      mask_ = end - p >= 64 ? scan::Candidates64(p) : scan::Candidates(p, static_cast<size_t>(end - p));
    }
    if (const uint64_t bits = mask_ & (~uint64_t{0} << (p - block_))) return block_ + __builtin_ctzll(bits);
    p = block_ + 64;
    if (p >= end) return end;
  }
}

// The next byte from p on that has `role` (in ISO-8859-1 text no byte from
// 0x80 on has one).
inline const char *ReplyTextFilter::Next(const char *p, const char *end, uint8_t role) {
  for (;; ++p) {
    p = Candidate(p, end);
    if (p == end) return end;
    const auto b = static_cast<unsigned char>(*p);
    if ((kRoles.of[b] & role) && !(latin_ && b >= 0x80)) return p;
  }
}

// Text of UTF-8 replies as far as it takes its common forms: runs of text
// and valid multi-byte characters, plain tags with plain attributes. It
// walks the candidates (scan::Candidates64) of 64 bytes at a time and stops
// where Char (or Sequence) must take a byte, with the state where they
// would have left it; an attribute it cannot take whole is left to them
// from its first byte. Each label below is a state, entered with the next
// candidate to take.
const char *ReplyTextFilter::Fast(const char *p, const char *end) {
  const char *block = p;
  uint64_t bits = 0;
  bool endTag = false;
  int attributes = 0, depth = depth_;
  char quote = 0;
  const char *name = nullptr, *equals = nullptr, *c = nullptr;
  auto load = [&](const char *at) __attribute__((always_inline)) {
    block = at;
    bits = Classify(at, end);
  };
  // The next candidate in c; false at the end of the piece.
  auto pop = [&]() __attribute__((always_inline)) {
    while (!bits) {
      if (end - block <= 64) return false;
      load(block + 64);
    }
    c = block + static_cast<size_t>(__builtin_ctzll(bits));
    bits &= bits - 1;
    return true;
  };
  // Drops the candidates before `at`.
  auto skip = [&](const char *at) __attribute__((always_inline)) {
    if (at - block < 64) {
      bits &= ~uint64_t{0} << (at - block);
    } else {
      block = at;
      bits = at < end ? Classify(at, end) : 0;
    }
  };
  auto stop = [&](const char *at, State state) {
    endTag_ = endTag;
    attributes_ = attributes;
    depth_ = depth;
    state_ = state;
    return at;
  };
  auto role = [](const char *at) __attribute__((always_inline)) { return kRoles.of[static_cast<unsigned char>(*at)]; };
  load(p);

text:
  if (!pop()) return stop(end, State::kText);
  if (*c == '<') {
    if (end - c < 2) return stop(c, State::kText);
    attributes = 0;
    endTag = c[1] == '/';
    if (endTag)
      skip(c + 2);
    else if (!(role(c + 1) & kNameByte))
      return stop(c, State::kText);
    goto name;
  }
  if (static_cast<unsigned char>(*c) >= 0x80) {
    const char *r = c;
    for (size_t size; r < end && static_cast<unsigned char>(*r) >= 0x80 && (size = ValidSequence(r, end));) r += size;
    if (r == c) return stop(c, State::kText);
    skip(r);
  } else if (role(c) & kTextStop) {
    return stop(c, State::kText);
  }
  goto text;

name:
  if (!pop()) return stop(end, State::kTagName);
  if (*c == '>') goto tagEnd;
  if (!(role(c) & kBlank)) return stop(c, State::kTagName);

space:  // c is a blank, or the quote that ended a value
  if (end - c >= 2 && (role(c + 1) & kNameByte) && !scan::IsCandidate(static_cast<unsigned char>(c[1]))) {
    name = c + 1;
    goto attributeName;
  }
  if (!pop()) return stop(end, State::kTagSpace);
  if (*c == '>') goto tagEnd;
  if (role(c) & kBlank) goto space;
  return stop(c, State::kTagSpace);

attributeName:
  if (!pop() || *c != '=' || end - c < 2 || !IsQuote(static_cast<unsigned char>(c[1])))
    return stop(name, State::kTagSpace);
  equals = c;
  quote = c[1];
  skip(c + 2);

value:
  if (!pop()) return stop(name, State::kTagSpace);
  if (*c != quote) {
    if ((role(c) & kValueStop) && !IsQuote(static_cast<unsigned char>(*c))) return stop(name, State::kTagSpace);
    goto value;
  }
  if (++attributes > kMaxAttributes) {
    Refuse(kTooManyAttributes);
    return end;
  }
  if (!SameName(name, static_cast<size_t>(equals - name))) {
    EndAttributeName(name, static_cast<size_t>(equals - name));
    if (refusal_) return end;
  }
  goto space;

tagEnd:
  if (!endTag) {
    ++depth;
    rootSeen_ = true;
  } else if (--depth <= 0 && rootSeen_) {
    depth_ = depth;
    state_ = State::kDone;
    return c + 1;
  }
  goto text;
}

// The candidates of the 64 bytes from `at` (fewer before `end`).
__attribute__((noinline)) uint64_t ReplyTextFilter::Classify(const char *at, const char *end) {
  return end - at >= 64 ? scan::Candidates64(at) : scan::Candidates(at, static_cast<size_t>(end - at));
}

// Whether `name` is the last attribute name looked up.
inline bool ReplyTextFilter::SameName(const char *name, size_t size) const {
  if (size != lastName_.size()) return false;
  if (size >= 8 && size <= 16) {
    uint64_t a, b, c, d;
    std::memcpy(&a, name, 8);
    std::memcpy(&b, name + size - 8, 8);
    std::memcpy(&c, lastName_.data(), 8);
    std::memcpy(&d, lastName_.data() + size - 8, 8);
    return a == c && b == d;
  }
  return std::memcmp(name, lastName_.data(), size) == 0;
}

void ReplyTextFilter::Scan(const char *p, const char *end) {
  block_ = nullptr;
  if (have_) p = Continue(p, end);
  // Each state skips its ordinary bytes in bulk and takes the common forms
  // (a plain tag with plain attributes, valid multi-byte text) whole;
  // anything else goes one character at a time through Char.
  while (p < end && !refusal_) {
    if (!latin_ && static_cast<unsigned char>(*p) >= 0x80 && Plain(state_)) {
      const char *run = p;
      p = Run(p, end);
      if (state_ == State::kAttrName) AppendName(run, p);
      continue;
    }
    switch (state_) {
      case State::kDone:
        p = end;
        continue;
      case State::kText:
        if (!latin_) {
          p = Fast(p, end);
          if (p == end || state_ == State::kDone) continue;
          break;
        }
        p = Next(p, end, kTextStop);
        if (end - p >= 2 && *p == '<' && (p[1] == '/' || IsNameByte(p[1]))) {
          p = Tag(p, end);
          continue;
        }
        break;
      case State::kTagName:
      case State::kTagSpace:
        p = Tag(p, end);
        if (p == end || (static_cast<unsigned char>(*p) >= 0x80 && state_ == State::kTagName)) continue;
        break;
      case State::kAttrName: {
        const char *run = p;
        p = Next(p, end, kNameStop);
        AppendName(run, p);
        break;
      }
      case State::kQuoted:
        p = Next(p, end, kValueStop);
        if (p < end && *p == quote_) {
          state_ = State::kTagSpace;
          ++p;
          continue;
        }
        break;
      case State::kComment:
        if (closers_ == 0) p = latin_ ? scan::Find<false, '-'>(p, end) : scan::Find<true, '-'>(p, end);
        break;
      case State::kCdata:
        if (closers_ == 0) p = latin_ ? scan::Find<false, ']'>(p, end) : scan::Find<true, ']'>(p, end);
        break;
      default:
        break;
    }
    if (p == end) break;
    const auto byte = static_cast<unsigned char>(*p);
    if (byte >= 0x80 && !latin_) {
      p = Sequence(p, end);
    } else if (byte < 0x20 && !IsSpace(byte)) {
      Refuse(kForbiddenChar);
    } else {
      Char(byte, p, 1);
      ++p;
    }
  }
  if (!refusal_) Commit(end);
}

// Whether a valid multi-byte character leaves the state as it is (then
// Run takes a whole run of them).
bool ReplyTextFilter::Plain(State state) const {
  switch (state) {
    case State::kText:
    case State::kTagName:
    case State::kAttrName:
    case State::kQuoted:
      return true;
    case State::kComment:
    case State::kCdata:
      return closers_ == 0;
    default:
      return false;
  }
}

// Valid UTF-8 sequences from p on; the first that is not (invalid, cut
// off, or U+FFFE and U+FFFF) goes through Sequence.
const char *ReplyTextFilter::Run(const char *p, const char *end) {
  const char *start = p;
  while (p < end && static_cast<unsigned char>(*p) >= 0x80) {
    const size_t size = ValidSequence(p, end);
    if (!size) return p == start ? Sequence(p, end) : p;
    p += size;
  }
  return p;
}

// A tag from its '<' (or from within its name or between its attributes)
// as far as it is plain: its name, blanks, plain attributes, its '>'. The
// state is left where Char would leave it, byte by byte.
const char *ReplyTextFilter::Tag(const char *p, const char *end) {
  if (state_ == State::kText) {
    endTag_ = p[1] == '/';
    attributes_ = 0;
    state_ = State::kTagName;
    p += endTag_ ? 2 : 1;
  }
  if (state_ == State::kTagName) p = Next(p, end, kNameStop);
  while (p < end) {
    const auto c = static_cast<unsigned char>(*p);
    if (c == '>') {
      EndTag(false);
      return p + 1;
    }
    if (IsSpace(c)) {
      state_ = State::kTagSpace;
      ++p;
    } else if (state_ == State::kTagSpace && IsNameByte(*p)) {
      const char *next = Attribute(p, end);
      if (!next) return p;
      p = next;
    } else {
      return p;
    }
  }
  return p;
}

// A plain attribute (name="value" with ASCII bytes and no reference) whole,
// as Char would take it byte by byte; null when it is not one.
const char *ReplyTextFilter::Attribute(const char *p, const char *end) {
  const char *equals = Next(p, end, kNameStop);
  if (end - equals < 2 || *equals != '=' || !IsQuote(static_cast<unsigned char>(equals[1]))) return nullptr;
  const char quote = equals[1];
  const char *value = equals + 2;
  const char *close = Next(value, end, kValueStop);
  if (close == end || *close != quote) return nullptr;
  if (++attributes_ > kMaxAttributes) {
    Refuse(kTooManyAttributes);
    return end;
  }
  EndAttributeName(p, static_cast<size_t>(equals - p));
  return refusal_ ? end : close + 1;
}

void ReplyTextFilter::AppendName(const char *from, const char *to) {
  if (name_.size() < kMaxNameBytes) name_.append(from, std::min<size_t>(to - from, kMaxNameBytes - name_.size()));
}

const char *ReplyTextFilter::Continue(const char *p, const char *end) {
  while (have_ && p < end) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte < low_ || byte > high_) {
      // The sequence so far is one invalid subsequence; the byte starts anew.
      need_ = have_ = 0;
      keep_ = p;
      Emit(kReplacement, 3);
      Char(0xFFFD, kReplacement, 3);
      return p;
    }
    sequence_[have_++] = static_cast<char>(byte);
    ++p;
    low_ = 0x80;
    high_ = 0xBF;
    if (--need_ == 0) {
      const size_t size = have_;
      have_ = 0;
      const uint32_t cp = Decode(reinterpret_cast<const unsigned char *>(sequence_), size);
      keep_ = p;
      if (!IsXmlChar(cp)) {
        Refuse(kForbiddenChar);
      } else {
        Emit(sequence_, size);
        Char(cp, sequence_, size);
      }
      return p;
    }
  }
  keep_ = p;  // taken into the sequence, which is still not whole
  return p;
}

const char *ReplyTextFilter::Sequence(const char *p, const char *end) {
  const auto *s = reinterpret_cast<const unsigned char *>(p);
  size_t need = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (s[0] >= 0xC2 && s[0] <= 0xDF) {
    need = 1;
  } else if (s[0] >= 0xE0 && s[0] <= 0xEF) {
    need = 2;
    if (s[0] == 0xE0) low = 0xA0;
    if (s[0] == 0xED) high = 0x9F;  // no surrogates
  } else if (s[0] >= 0xF0 && s[0] <= 0xF4) {
    need = 3;
    if (s[0] == 0xF0) low = 0x90;
    if (s[0] == 0xF4) high = 0x8F;
  }
  size_t have = 1;
  for (; need && have <= need; ++have) {
    if (p + have == end) {
      // The piece ends inside the sequence: it waits for the next piece.
      Commit(p);
      keep_ = end;
      std::memcpy(sequence_, p, have);
      have_ = have;
      need_ = need + 1 - have;
      low_ = have == 1 ? low : 0x80;
      high_ = have == 1 ? high : 0xBF;
      return end;
    }
    if (s[have] < (have == 1 ? low : 0x80) || s[have] > (have == 1 ? high : 0xBF)) break;
  }
  if (!need || have <= need) {
    // One invalid subsequence: one U+FFFD; the byte that broke it starts anew.
    Commit(p);
    keep_ = p + have;
    Emit(kReplacement, 3);
    Char(0xFFFD, kReplacement, 3);
    return p + have;
  }
  const uint32_t cp = Decode(s, need + 1);
  if (!IsXmlChar(cp)) {
    Refuse(kForbiddenChar);
    return end;
  }
  Char(cp, p, need + 1);
  return p + need + 1;
}

void ReplyTextFilter::Char(uint32_t cp, const char *bytes, size_t size) {
  switch (state_) {
    case State::kText:
      if (cp == '<') {
        state_ = State::kLt;
      } else if (cp == '&') {
        markup_.clear();
        afterReference_ = State::kText;
        state_ = State::kReference;
      }
      return;
    case State::kLt:
      endTag_ = false;
      attributes_ = 0;
      if (cp == '!') {
        markup_.clear();
        state_ = State::kBang;
      } else if (cp == '?') {
        markup_.clear();
        question_ = false;
        state_ = State::kPi;
      } else if (cp == '/') {
        endTag_ = true;
        state_ = State::kTagName;
      } else if (cp == '>') {
        EndTag(false);
      } else if (cp == '<' || cp == '=' || IsQuote(cp)) {
        Refuse(kMalformedTag);
      } else {
        state_ = IsSpace(cp) ? State::kTagSpace : State::kTagName;
      }
      return;
    case State::kBang:
      markup_.push_back(static_cast<char>(cp < 0x80 ? cp : '?'));
      if (markup_ == "--") {
        closers_ = 0;
        state_ = State::kComment;
      } else if (markup_ == "[CDATA[") {
        closers_ = 0;
        state_ = State::kCdata;
      } else if (!StartsWith("--", markup_.c_str()) && !StartsWith("[CDATA[", markup_.c_str())) {
        Refuse("The reply holds a DOCTYPE or another declaration");
      }
      return;
    case State::kComment:
      // The runtime ends a comment at its first "--", so nothing but "-"
      // may follow there before the ">".
      if (closers_ == 2) {
        if (cp == '>') {
          closers_ = 0;
          state_ = State::kText;
        } else if (cp != '-') {
          Refuse("The reply holds a malformed comment");
        }
      } else {
        closers_ = cp == '-' ? closers_ + 1 : 0;
      }
      return;
    case State::kCdata:
      if (cp == '>' && closers_ == 2) {
        closers_ = 0;
        state_ = State::kText;
      } else {
        closers_ = cp == ']' ? std::min(closers_ + 1, 2) : 0;
      }
      return;
    case State::kPi:
      // The runtime ends a processing instruction at its first '?'.
      if (question_ && cp != '>') return Refuse("The reply holds a malformed processing instruction");
      question_ = cp == '?';
      if (cp == '>' && !markup_.empty() && markup_.back() == '?') {
        // The XML declaration may switch the text to ISO-8859-1, as the
        // runtime's parser does.
        const std::string pi = Lower(markup_);
        const size_t at = pi.find("encoding=");
        if (StartsWith(pi, "xml ") && at != std::string::npos && at + 10 < pi.size()) {
          const std::string name = pi.substr(at + 10);
          if (StartsWith(name, "iso-8859-") || StartsWith(name, "latin")) latin_ = true;
          if (StartsWith(name, "utf-8")) latin_ = false;
        }
        markup_.clear();
        state_ = State::kText;
      } else if (markup_.size() < kMaxMarkup) {
        markup_.push_back(static_cast<char>(cp < 0x80 ? cp : '?'));
      } else {
        markup_.back() = static_cast<char>(cp < 0x80 ? cp : '?');
      }
      return;
    case State::kTagName:
      if (IsSpace(cp)) {
        state_ = State::kTagSpace;
      } else if (cp == '>') {
        EndTag(false);
      } else if (cp == '/') {
        if (!endTag_) state_ = State::kSlash;  // the runtime reads it as part of an end tag's name
      } else if (cp == '=' || cp == '<' || IsQuote(cp)) {
        Refuse(kMalformedTag);
      }
      return;
    case State::kTagSpace:
      if (IsSpace(cp)) return;
      if (cp == '>') return EndTag(false);
      if (cp == '/') {
        state_ = State::kSlash;
      } else if (cp == '=' || cp == '<' || IsQuote(cp)) {
        Refuse(kMalformedTag);
      } else if (++attributes_ > kMaxAttributes) {
        Refuse(kTooManyAttributes);
      } else {
        name_.assign(bytes, size);
        state_ = State::kAttrName;
      }
      return;
    case State::kAttrName:
      if (IsSpace(cp) || cp == '=') {
        EndAttributeName(name_.data(), name_.size());
        state_ = cp == '=' ? State::kAfterEquals : State::kAfterName;
      } else if (cp == '>' || cp == '/' || cp == '<' || IsQuote(cp)) {
        Refuse(kMalformedTag);
      } else {
        AppendName(bytes, bytes + size);
      }
      return;
    case State::kAfterName:
      if (cp == '=')
        state_ = State::kAfterEquals;
      else if (!IsSpace(cp))
        Refuse(kMalformedTag);
      return;
    case State::kAfterEquals:
      if (IsQuote(cp)) {
        quote_ = static_cast<char>(cp);
        state_ = State::kQuoted;
      } else if (!IsSpace(cp)) {
        Refuse(kMalformedTag);
      }
      return;
    case State::kQuoted:
      if (cp == static_cast<uint32_t>(quote_)) {
        state_ = State::kTagSpace;
      } else if (cp == '&') {
        markup_.clear();
        afterReference_ = State::kQuoted;
        state_ = State::kReference;
      } else if (cp == '<') {
        Refuse(kMalformedTag);
      }
      return;
    case State::kSlash:
      if (cp == '>')
        EndTag(true);
      else if (!IsSpace(cp))
        Refuse(kMalformedTag);
      return;
    case State::kReference:
      Reference(cp);
      return;
    case State::kDone:
      return;
  }
}

void ReplyTextFilter::EndTag(bool empty) {
  state_ = State::kText;
  if (endTag_) {
    if (--depth_ <= 0 && rootSeen_) state_ = State::kDone;
  } else if (!empty) {
    ++depth_;
    rootSeen_ = true;
  }
}

void ReplyTextFilter::EndAttributeName(const char *name, size_t size) {
  size = std::min(size, kMaxNameBytes);
  if (!SameName(name, size)) {
    lastName_.assign(name, size);
    if (names_.insert(lastName_).second && names_.size() > kMaxAttributeNames) Refuse(kTooManyNames);
  }
}

void ReplyTextFilter::Reference(uint32_t cp) {
  if (cp != ';') {
    if (markup_.size() >= 12 || cp >= 0x80 || !(std::isalnum(static_cast<int>(cp)) || cp == '#'))
      return Refuse("The reply holds a malformed character or entity reference");
    markup_.push_back(static_cast<char>(cp));
    return;
  }
  state_ = afterReference_;
  if (markup_ == "lt" || markup_ == "gt" || markup_ == "amp" || markup_ == "quot" || markup_ == "apos") return;
  if (markup_.size() < 2 || markup_[0] != '#')
    return Refuse("The reply refers to an entity that is not declared");
  const bool hex = markup_[1] == 'x';
  const std::string digits = markup_.substr(hex ? 2 : 1);
  if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
    return Refuse("The reply holds a malformed character reference");
  const unsigned long value = std::stoul(digits, nullptr, hex ? 16 : 10);  // at most 10 digits
  if (!IsXmlChar(static_cast<uint32_t>(std::min<unsigned long>(value, 0x110000)))) return Refuse(kForbiddenChar);
}

void ReplyTextFilter::Refuse(const char *why) {
  if (!refusal_) refusal_ = why;
}

void ReplyTextFilter::Commit(const char *upto) {
  if (upto <= keep_) return;
  if (!diverged_ && keep_ == base_ + inPlace_) {
    inPlace_ = static_cast<size_t>(upto - base_);
  } else {
    diverged_ = true;
    side_.append(keep_, static_cast<size_t>(upto - keep_));
  }
  keep_ = upto;
}

void ReplyTextFilter::Emit(const char *bytes, size_t size) {
  diverged_ = true;
  side_.append(bytes, size);
}

int ReplyTextFilter::Give(char *buf, size_t *len, size_t maxlen) {
  pending_.clear();
  if (inPlace_ > maxlen) {
    pending_.assign(buf + maxlen, inPlace_ - maxlen);
    pending_ += side_;
    *len = maxlen;
    return SOAP_OK;
  }
  const size_t give = std::min(maxlen - inPlace_, side_.size());
  std::memcpy(buf + inPlace_, side_.data(), give);
  pending_.append(side_, give, std::string::npos);
  *len = inPlace_ + give;
  return SOAP_OK;
}

}  // namespace kv::wire
