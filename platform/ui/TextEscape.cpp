#include "ui/TextEscape.h"

#include <boost/locale/utf.hpp>

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "wrench/LineEscape.h"

namespace KVUI {
namespace {

using Utf8Traits = boost::locale::utf::utf_traits<char>;
using boost::locale::utf::code_point;

void Put(code_point c, std::string &out) { Utf8Traits::encode(c, std::back_inserter(out)); }
void Put(code_point c, std::wstring &out) { out += wchar_t(c); }

// Appends one character; `quoting` escapes '\' and '"' too.
template <class Out>
void Append(code_point c, bool quoting, Out &out) {
  if (!WRENCH::AppendLineEscape(c, quoting, out)) Put(c, out);
}

// A byte that is no part of a UTF-8 character.
void AppendByte(unsigned char b, std::string &out) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\x%02x", unsigned(b));
  out += escape;
}

// A wide value that is no code point: a surrogate as its \uNNNN, anything
// else as the escape of U+FFFD, so that neither reads as a real U+FFFD.
void AppendNoCodePoint(std::uint32_t c, std::wstring &out) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(c >= 0xD800 && c <= 0xDFFF ? c : 0xFFFD));
  for (const char *p = escape; *p; ++p) out += wchar_t(*p);
}

// Follows a text cut after its first characters: a backslash that no
// escape follows, so no escaped text can end the same way.
template <class Out>
void AppendCut(size_t total, Out &out) {
  out += typename Out::value_type('\\');
  WRENCH::AppendCutNote(total, out);
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
    const auto c = code_point(std::uint32_t(text[i]));
    if (boost::locale::utf::is_valid_codepoint(c))
      Append(c, true, out);
    else
      AppendNoCodePoint(c, out);
  }
  if (text.size() > maxChars) AppendCut(text.size(), out);
  return out;
}

std::string EscapeControls(const std::string &utf8) { return EscapeUtf8(utf8, false, kWholeText); }

}  // namespace KVUI
