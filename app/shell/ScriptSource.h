// Where the program's event script comes from: a file or standard input,
// read whole before it is checked, with the system's reason when that
// fails. Also keeps the three standard streams from being taken over.
#pragma once

#include <string>

namespace KVSHELL {

/// Which standard streams were closed when the program started.
struct ClosedStreams {
  bool in = false;
  bool out = false;
  bool err = false;
};

/// Puts /dev/null in place of each closed standard stream, so that no file
/// the program opens later becomes one of them; says which were closed.
ClosedStreams GuardStandardStreams();

/// The whole script: the file `path`, or standard input when `path` is
/// empty (`stdinClosed`: it was closed at the start). False with `error`
/// ready for standard error: "kestrova: cannot read FILE: REASON" when the
/// file cannot be opened, "NAME: cannot be read: REASON" when reading
/// fails (NAME is `shownName`, "<stdin>" for standard input).
bool ReadScript(const std::string &path, const std::string &shownName, bool stdinClosed, std::string &text,
                std::string &error);

}  // namespace KVSHELL
