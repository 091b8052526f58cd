// A server address given on a command line (host[:port]), checked with the
// rules the web-service host applies before any call.
#pragma once

#include <string>

namespace KVSHELL {

/// "" when the UTF-8 `arg` is a server address; else what a message says
/// of it: "is no server address (host[:port]): 'ARG'" (ARG escaped, cut).
std::string ServerArgProblem(const std::string &arg);

}  // namespace KVSHELL
