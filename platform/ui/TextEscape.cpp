#include "ui/TextEscape.h"

#include <boost/locale/utf.hpp>

#include <cstdio>
#include <iterator>

namespace KVUI {
namespace {

using Utf8Traits = boost::locale::utf::utf_traits<char>;
using boost::locale::utf::code_point;

void Put(code_point c, std::string &out) { Utf8Traits::encode(c, std::back_inserter(out)); }
void Put(code_point c, std::wstring &out) { out += wchar_t(c); }

template <class Out>
void PutAscii(const char *text, Out &out) {
  for (; *text; ++text) out += typename Out::value_type(*text);
}

bool IsControl(code_point c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029; }

// Appends one character; `quoting` escapes '\' and '"' too.
template <class Out>
void Append(code_point c, bool quoting, Out &out) {
  const char *named = nullptr;
  switch (c) {
    case '\\': named = quoting ? "\\\\" : nullptr; break;
    case '"': named = quoting ? "\\\"" : nullptr; break;
    case '\r': named = "\\r"; break;
    case '\n': named = "\\n"; break;
    case '\t': named = "\\t"; break;
    default: break;
  }
  if (named) return PutAscii(named, out);
  if (!IsControl(c)) return Put(c, out);
  char escape[8];
  std::snprintf(escape, sizeof escape, c < 0x80 ? "\\x%02x" : "\\u%04x", unsigned(c));
  PutAscii(escape, out);
}

// A byte that is no part of a UTF-8 character.
void AppendByte(unsigned char b, std::string &out) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\x%02x", unsigned(b));
  out += escape;
}

template <class Out>
void AppendCut(size_t total, Out &out) {
  PutAscii("... (cut: ", out);
  PutAscii(std::to_string(total).c_str(), out);
  PutAscii(" characters)", out);
}

std::string EscapeUtf8(const std::string &utf8, bool quoting, size_t maxChars) {
  std::string out;
  out.reserve(utf8.size());
  size_t chars = 0;
  for (auto p = utf8.begin(); p != utf8.end(); ++chars) {
    const auto start = p;
    const code_point c = Utf8Traits::decode(p, utf8.end());
    const bool stray = c == boost::locale::utf::illegal || c == boost::locale::utf::incomplete;
    if (stray) p = start + 1;
    if (chars >= maxChars) continue;
    if (stray)
      AppendByte(static_cast<unsigned char>(*start), out);
    else
      Append(c, quoting, out);
  }
  if (chars > maxChars) AppendCut(chars, out);
  return out;
}

}  // namespace

std::string EscapeText(const std::string &utf8, size_t maxChars) { return EscapeUtf8(utf8, true, maxChars); }

std::wstring EscapeText(const std::wstring &text, size_t maxChars) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size() && i < maxChars; ++i) {
    const auto c = code_point(text[i]);
    Append(boost::locale::utf::is_valid_codepoint(c) ? c : 0xFFFD, true, out);
  }
  if (text.size() > maxChars) AppendCut(text.size(), out);
  return out;
}

std::string EscapeControls(const std::string &utf8) { return EscapeUtf8(utf8, false, kWholeText); }

}  // namespace KVUI
