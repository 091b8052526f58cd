// The command line of the program kestrova:
//   kestrova [--script FILE] [--] [HAND-OVER]
//   kestrova --help
// "--" ends the options, so a hand-over that starts with '-' can follow.
// Every argument that holds "$$" is cut in the process's argument memory
// while the command line is read (a five-field hand-over loses its password
// field, any other such argument everything after its first field), so the
// process list never shows a password; the application gets a copy of
// every argument. No message repeats such an argument: it shows its first
// field and masks the others.
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
  /// What standard error is told about an argument that is taken all the
  /// same: a plain argument that is no five-field hand-over, a hand-over
  /// whose server is no server address. Never a password.
  std::vector<std::string> notes;
};

/// Reads argv[1..argc-1] into `args`; false with `error` for an unknown
/// option, a repeated, incomplete or empty --script, or a second
/// hand-over. Cuts every argument holding "$$" in argv's storage (see
/// above), whatever the result.
bool ParseProgramArgs(int argc, char **argv, ProgramArgs &args, std::string &error);

/// The usage text, several lines.
std::string ProgramUsage();

/// Cuts `arg` in place when it holds "$$": the second of five fields, else
/// everything from the first "$$"; the freed bytes are filled with NUL.
void RemovePassword(char *arg);

/// `arg` as a message may show it: with "$$", its first field followed by
/// "$$***" for each further field; otherwise escaped (KVUI::EscapeText).
std::string ShownArg(const std::string &arg);

}  // namespace KVSHELL
