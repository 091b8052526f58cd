// Calls into the closed libraries that may throw (a constructor, a
// factory, the login framework): the throw is caught here and becomes a
// result, never crossing into the program's own components.
#pragma once

#include <functional>
#include <string>

/// Runs `call`; true when it returned, false with `why` (the exception's
/// text, or "an unknown exception") when it threw.
bool CallOutside(const std::function<void()> &call, std::wstring &why);

/// Runs `call` as one step of the program; when it throws, logs "STEP was
/// skipped: WHY" and returns false.
bool TryOutsideStep(const std::wstring &step, const std::function<void()> &call);
