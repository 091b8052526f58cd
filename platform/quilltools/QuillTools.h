// Text utilities of the client.
#pragma once

#include <string>
#include <vector>

namespace QuillTools {

/// The UTF-8 bytes of wide text (a CString converts to its std::wstring).
std::string CString2String(const std::wstring &text);

/// Every field of `text` between occurrences of `sep`, in order, empty ones
/// included: n separators give n + 1 fields, so "" gives one empty field.
/// An empty `sep` gives the whole text as one field.
std::vector<std::string> Tokenize(const std::string &text, const std::string &sep);

}  // namespace QuillTools
