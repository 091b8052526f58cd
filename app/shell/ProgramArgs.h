// The command line of the program kestrova:
//   kestrova [--script FILE] [--] [HAND-OVER]
//   kestrova --help
// "--" ends the options, so a hand-over that starts with '-' can follow.
// Every argument that holds "$$" is cut in the process's argument memory
// (what /proc/PID/cmdline and the process list show) before any
// constructor of the program or its libraries runs: the program's
// .preinit_array calls HidePasswords (main.cpp). A five-field hand-over
// loses its password field, any other such argument everything after its
// first field; the freed bytes become NUL, so the argument memory keeps its
// length (and shows how many bytes were cut). argv then points to whole
// copies, which the application gets. No message repeats such an argument:
// it shows its first field and masks the others.
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
/// hand-over.
bool ParseProgramArgs(int argc, char **argv, ProgramArgs &args, std::string &error);

/// For each of argv[1..argc-1] that holds "$$": a copy on the heap (kept
/// for the process's life), the argument cut in its own storage
/// (RemovePassword), and argv[i] pointed at the copy. Plain C, so that it
/// can run before any constructor: glibc hands the .preinit_array's
/// functions argc, argv and envp.
void HidePasswords(int argc, char **argv);

/// The usage text, several lines.
std::string ProgramUsage();

/// Cuts `arg` in place when it holds "$$": the second of five fields (the
/// later ones move up to it), else everything from the first "$$"; the
/// freed bytes at the end are filled with NUL. Fields are split as
/// QuillTools::Tokenize splits them. Plain C, as HidePasswords.
void RemovePassword(char *arg);

/// `arg` as a message may show it: with "$$", its first field followed by
/// "$$***" for each further field; otherwise escaped (KVUI::EscapeText).
std::string ShownArg(const std::string &arg);

}  // namespace KVSHELL
