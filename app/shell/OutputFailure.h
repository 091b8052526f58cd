// Output that could not be written, said with the system's reason.
#pragma once

#include <string>

namespace KVSHELL {

/// Why a write failed, from the errno it left ("the stream failed" for 0).
std::string WriteFailure(int error);

/// Flushes standard output (the C++ stream and C's stdio); "" when all
/// that was written to it went out, else why not.
std::string StandardOutputFailure();

}  // namespace KVSHELL
