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
static_assert(ReplyTextFilter::kMaxAttributes == 64 && ReplyTextFilter::kMaxAttributeNames == 256 &&
                  ReplyTextFilter::kMaxAttachmentReferences == 1000,
              "the refusals below name the limits");
const char kTooManyAttributes[] = "The reply holds an element with more than 64 attributes";
const char kTooManyNames[] = "The reply holds more than 256 different attribute names";
const char kTooManyReferences[] = "The reply refers to more than 1000 attachments";

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

void ReplyTextFilter::Scan(const char *p, const char *end) {
  if (have_) p = Continue(p, end);
  while (p < end && !refusal_) {
    const unsigned high = latin_ ? 0 : scan::kHigh;
    const char *run = p;
    switch (state_) {
      case State::kDone:
        p = end;
        continue;
      case State::kText:
        p = scan::Find<'<', '&'>(p, end, scan::kControl | high);
        break;
      case State::kTagName:
        p = scan::Find<'>', '/', '=', '<', '"', '\''>(p, end, scan::kBlank | high);
        break;
      case State::kAttrName:
        p = scan::Find<'>', '/', '=', '<', '"', '\''>(p, end, scan::kBlank | high);
        if (name_.size() < kMaxNameBytes) name_.append(run, std::min<size_t>(p - run, kMaxNameBytes - name_.size()));
        break;
      case State::kQuoted:
        if (!valueStart_) p = scan::Find<'"', '\'', '&', '<'>(p, end, scan::kControl | high);
        break;
      case State::kComment:
        if (closers_ == 0) p = scan::Find<'-'>(p, end, scan::kControl | high);
        break;
      case State::kCdata:
        if (closers_ == 0) p = scan::Find<']'>(p, end, scan::kControl | high);
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
      } else if (!IsSpace(cp)) {  // the runtime skips blanks after '<'
        state_ = State::kTagName;
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
        EndAttributeName();
        state_ = cp == '=' ? State::kAfterEquals : State::kAfterName;
      } else if (cp == '>' || cp == '/' || cp == '<' || IsQuote(cp)) {
        Refuse(kMalformedTag);
      } else if (name_.size() < kMaxNameBytes) {
        name_.append(bytes, std::min(size, kMaxNameBytes - name_.size()));
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
        valueStart_ = true;
        state_ = State::kQuoted;
      } else if (!IsSpace(cp)) {
        Refuse(kMalformedTag);
      }
      return;
    case State::kQuoted:
      if (valueStart_) {
        valueStart_ = false;
        // The runtime takes an href that names no "#" id for an attachment.
        if (hrefName_ && cp != '#' && ++references_ > kMaxAttachmentReferences) return Refuse(kTooManyReferences);
      }
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

void ReplyTextFilter::EndAttributeName() {
  if (names_.insert(name_).second && names_.size() > kMaxAttributeNames) Refuse(kTooManyNames);
  hrefName_ = name_ == "href";
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
