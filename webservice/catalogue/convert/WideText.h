// Wide text inside the client, UTF-8 on the wire.
#pragma once

#include <string>

namespace KEEL::KVWEBSERVICE {

std::string ToUtf8(const std::wstring &text);
/// Empty for a null (absent) text.
std::wstring ToWide(const std::string *utf8);

}  // namespace KEEL::KVWEBSERVICE
