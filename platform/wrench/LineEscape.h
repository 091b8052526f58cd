// The escapes that keep a text on one line, shared by the log and the
// program's transcript: CR, LF and TAB as \r, \n and \t, other C0 controls
// and DEL as \xNN, C1 controls and U+2028/U+2029 as \uNNNN; where a field
// is quoted, '\' and '"' as \\ and \" too.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace WRENCH {

/// C0, DEL, C1 and the Unicode line and paragraph separators.
inline bool BreaksLine(char32_t c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029; }

/// Appends the escape of `c` to `out` (a std::string or std::wstring) and
/// returns true, or returns false when `c` is written as it is.
template <class Out>
bool AppendLineEscape(char32_t c, bool quoting, Out &out) {
  char escape[8] = "";
  switch (c) {
    case '\r': std::snprintf(escape, sizeof escape, "\\r"); break;
    case '\n': std::snprintf(escape, sizeof escape, "\\n"); break;
    case '\t': std::snprintf(escape, sizeof escape, "\\t"); break;
    case '\\':
    case '"':
      if (quoting) std::snprintf(escape, sizeof escape, "\\%c", static_cast<char>(c));
      break;
    default:
      if (BreaksLine(c)) std::snprintf(escape, sizeof escape, c < 0x80 ? "\\x%02x" : "\\u%04x", unsigned(c));
      break;
  }
  if (!escape[0]) return false;
  for (const char *p = escape; *p; ++p) out += typename Out::value_type(*p);
  return true;
}

/// Appends what follows a text cut after its first characters:
/// "... (cut: TOTAL characters)".
template <class Out>
void AppendCutNote(std::size_t total, Out &out) {
  for (char c : "... (cut: " + std::to_string(total) + " characters)") out += typename Out::value_type(c);
}

}  // namespace WRENCH
