// Text conversions between wide text (UCS-4 on Linux) and narrow text.
// Invalid input never throws: each bad unit becomes U+FFFD (or '?' where
// the target cannot hold it) and the text around it is kept.
#pragma once

#include <string>

namespace WRENCH {

/// The narrow "ANSI" code page: "UTF-8" (default) or any iconv name,
/// such as "GBK". Applies to UnicodeToAnsi and AnsiToUnicode.
void SetAnsiCodePage(const std::string &codePage);
std::string GetAnsiCodePage();

std::string UnicodeToAnsi(const std::wstring &text);
std::wstring AnsiToUnicode(const std::string &text);

/// UTF-8 to wide text.
std::wstring ConvertUtf8ToGBK(const std::string &utf8);
/// Wide text to UTF-8.
std::string ConvertGBKToUtf8(const std::wstring &text);
/// UTF-8 to wide text.
std::wstring UTF8ToUnicode(const std::string &utf8);

}  // namespace WRENCH
