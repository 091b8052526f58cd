// A trace of the platform set-up calls the program makes (common controls,
// OLE, toolkit managers, resource library, ...). The model does nothing for
// them but report them here, so a transcript can show them in order.
#pragma once

#include <functional>
#include <string>

namespace KVUI {
/// Sets where platform calls are reported (none by default).
void SetPlatformTrace(std::function<void(const std::wstring &call)> trace);
/// Reports one platform call.
void TracePlatformCall(const std::wstring &call);
}  // namespace KVUI
