// Text written into one line of a transcript or message so that it stays
// on that line and a reader gets it back whole: '\' and '"' are written as
// \\ and \", CR, LF and TAB as \r, \n and \t, other C0 controls, DEL and
// every byte that is not part of a UTF-8 character as \xNN (the byte), C1
// controls and U+2028/U+2029 as \uNNNN. Everything else is kept as it is.
// A text cut after its first characters ends in "\... (cut: N
// characters)", N the whole text's characters: a backslash that no escape
// follows, which no escaped text holds.
#pragma once

#include <cstddef>
#include <string>

namespace KVUI {

/// No limit on the characters written.
constexpr size_t kWholeText = static_cast<size_t>(-1);

/// `utf8` escaped (see above); bytes that are no UTF-8 are allowed. Only
/// the first `maxChars` characters are written; a longer text is followed
/// by "\... (cut: N characters)".
std::string EscapeText(const std::string &utf8, size_t maxChars = kWholeText);
/// The same for wide text; a value that is no code point is escaped: an
/// unpaired surrogate as its \uNNNN, anything else as \ufffd (a real
/// U+FFFD is kept as it is).
std::wstring EscapeText(const std::wstring &text, size_t maxChars = kWholeText);
/// `utf8` with only its control characters and stray bytes escaped, for a
/// line whose fields were escaped already ('\' and '"' stay as they are).
std::string EscapeControls(const std::string &utf8);

}  // namespace KVUI
