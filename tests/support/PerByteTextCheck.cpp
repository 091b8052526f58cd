#include "PerByteTextCheck.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "stdsoap2.h"

namespace kv::test {
namespace {

bool IsXmlChar(uint32_t cp) {
  return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) || (cp >= 0xE000 && cp <= 0xFFFD) ||
         (cp >= 0x10000 && cp <= 0x10FFFF);
}

bool IsSpace(uint32_t cp) { return cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r'; }

bool StartsWith(const std::string &text, const char *prefix) { return text.rfind(prefix, 0) == 0; }

std::string Lower(std::string text) {
  for (char &c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

constexpr char kReplacement[] = "\xEF\xBF\xBD";
constexpr size_t kMaxMarkup = 200;

}  // namespace

void PerByteTextCheck::Start(bool latin) { *this = PerByteTextCheck(); latin_ = latin; }

int PerByteTextCheck::Filter(char *buf, size_t *len, size_t maxlen) {
  if (refusal_) return SOAP_SYNTAX_ERROR;
  const size_t n = *len;
  if (state_ == State::kDone && outStart_ == out_.size()) return SOAP_OK;
  for (size_t i = 0; i < n; ++i) {
    if (state_ == State::kDone) {
      out_.append(buf + i, n - i);
      break;
    }
    Byte(static_cast<unsigned char>(buf[i]));
    if (refusal_) return SOAP_SYNTAX_ERROR;
  }
  const size_t give = std::min(out_.size() - outStart_, maxlen);
  std::memcpy(buf, out_.data() + outStart_, give);
  outStart_ += give;
  *len = give;
  if (outStart_ == out_.size()) {
    out_.clear();
    outStart_ = 0;
  }
  return SOAP_OK;
}

void PerByteTextCheck::Byte(unsigned char byte) {
  const char raw = static_cast<char>(byte);
  if (latin_ || (need_ == 0 && byte < 0x80)) {
    CodePoint(byte, &raw, 1);
    return;
  }
  if (need_ == 0) {
    unsigned char low = 0x80, high = 0xBF;
    if (byte >= 0xC2 && byte <= 0xDF) {
      need_ = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
      need_ = 2;
      if (byte == 0xE0) low = 0xA0;
      if (byte == 0xED) high = 0x9F;  // no surrogates
    } else if (byte >= 0xF0 && byte <= 0xF4) {
      need_ = 3;
      if (byte == 0xF0) low = 0x90;
      if (byte == 0xF4) high = 0x8F;
    } else {
      CodePoint(0xFFFD, kReplacement, 3);
      return;
    }
    sequence_[0] = raw;
    have_ = 1;
    low_ = low;
    high_ = high;
    return;
  }
  if (byte < low_ || byte > high_) {
    // The sequence so far is one invalid subsequence; the byte starts anew.
    need_ = have_ = 0;
    CodePoint(0xFFFD, kReplacement, 3);
    if (!refusal_) Byte(byte);
    return;
  }
  sequence_[have_++] = raw;
  low_ = 0x80;
  high_ = 0xBF;
  if (--need_ > 0) return;
  const auto *s = reinterpret_cast<const unsigned char *>(sequence_);
  uint32_t cp = have_ == 2   ? ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu)
                : have_ == 3 ? ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu)
                             : ((s[0] & 0x07u) << 18) | ((s[1] & 0x3Fu) << 12) | ((s[2] & 0x3Fu) << 6) | (s[3] & 0x3Fu);
  const size_t size = have_;
  have_ = 0;
  CodePoint(cp, sequence_, size);
}

void PerByteTextCheck::CodePoint(uint32_t cp, const char *bytes, size_t size) {
  if (!IsXmlChar(cp)) return Refuse("The reply holds a character that XML does not allow");
  out_.append(bytes, size);
  Markup(cp);
}

void PerByteTextCheck::Markup(uint32_t cp) {
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
      markup_.clear();
      if (cp == '!') {
        state_ = State::kBang;
      } else if (cp == '?') {
        state_ = State::kPi;
      } else {
        endTag_ = cp == '/';
        lastInTag_ = cp;
        state_ = State::kTag;
        if (cp == '>') Markup(cp);
      }
      return;
    case State::kBang:
      markup_.push_back(static_cast<char>(cp < 0x80 ? cp : '?'));
      if (markup_ == "--") {
        markup_.clear();
        state_ = State::kComment;
      } else if (markup_ == "[CDATA[") {
        markup_.clear();
        state_ = State::kCdata;
      } else if (!StartsWith("--", markup_.c_str()) && !StartsWith("[CDATA[", markup_.c_str())) {
        Refuse("The reply holds a DOCTYPE or another declaration");
      }
      return;
    case State::kComment:
    case State::kCdata: {
      // The last two characters decide: "--" before ">" ends a comment,
      // "]]" before ">" a CDATA section.
      const char closer = state_ == State::kComment ? '-' : ']';
      if (cp == '>' && markup_.size() == 2) {
        state_ = State::kText;
        markup_.clear();
      } else if (cp == static_cast<uint32_t>(closer)) {
        if (markup_.size() < 2) markup_.push_back(closer);
      } else {
        markup_.clear();
      }
      return;
    }
    case State::kPi:
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
    case State::kTag:
      if (cp == '"' || cp == '\'') {
        quote_ = static_cast<char>(cp);
        state_ = State::kQuoted;
      } else if (cp == '>') {
        state_ = State::kText;
        if (endTag_) {
          if (--depth_ <= 0 && rootSeen_) state_ = State::kDone;
        } else if (lastInTag_ == '/') {
          if (depth_ <= 0) state_ = State::kDone;
        } else {
          ++depth_;
          rootSeen_ = true;
        }
      } else if (!IsSpace(cp)) {
        lastInTag_ = cp;
      }
      return;
    case State::kQuoted:
      if (cp == static_cast<uint32_t>(quote_)) {
        lastInTag_ = cp;
        state_ = State::kTag;
      } else if (cp == '&') {
        markup_.clear();
        afterReference_ = State::kQuoted;
        state_ = State::kReference;
      }
      return;
    case State::kReference:
      Reference(cp);
      return;
    case State::kDone:
      return;
  }
}

void PerByteTextCheck::Reference(uint32_t cp) {
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
  if (!IsXmlChar(static_cast<uint32_t>(std::min<unsigned long>(value, 0x110000))))
    return Refuse("The reply holds a character that XML does not allow");
}

void PerByteTextCheck::Refuse(const char *why) {
  if (!refusal_) refusal_ = why;
}

}  // namespace kv::test
