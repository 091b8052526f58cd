// The command line of the program kestrova:
//   kestrova [--script FILE] [HAND-OVER]
//   kestrova --help
// The hand-over's password is removed from the process's argument memory
// while the command line is read, so the process list never shows it; the
// application gets a copy of every argument.
#pragma once

#include <string>
#include <vector>

namespace KVSHELL {

struct ProgramArgs {
  bool help = false;
  /// The event script; empty for standard input.
  std::string script;
  /// The arguments for the application (the hand-over), copied before the
  /// password was removed from argv.
  std::vector<std::string> appArgs;
};

/// Reads argv[1..argc-1] into `args`; false with `error` for an unknown
/// option, a repeated or incomplete --script, or a second hand-over. The
/// password field of a five-field hand-over is cut out of argv's storage.
bool ParseProgramArgs(int argc, char **argv, ProgramArgs &args, std::string &error);

/// The usage text, several lines.
std::string ProgramUsage();

/// Cuts the second of five "$$"-separated fields out of `arg` in place and
/// fills the freed bytes with NUL; other texts stay as they are.
void RemovePassword(char *arg);

}  // namespace KVSHELL
