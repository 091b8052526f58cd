// Where the program's event script comes from: a file or standard input,
// read whole before it is checked, with the system's reason when that
// fails. The read is bounded: a script of more than kMaxScriptBytes, or
// with a line of more than kMaxLineBytes, is refused as soon as the read
// has passed the bound (so /dev/zero ends it at once), and memory stays
// within a small multiple of the bound. Also keeps the three standard
// streams from being taken over.
#pragma once

#include <cstddef>
#include <string>

namespace KVSHELL {

/// The most a script may hold: 16 MiB.
constexpr size_t kMaxScriptBytes = size_t(16) << 20;
/// The most one line of a script may hold, without its line break: 64 KiB.
constexpr size_t kMaxLineBytes = size_t(64) << 10;

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
/// ready for standard error, NAME being `shownName` ("<stdin>" for standard
/// input): "NAME: cannot be read: REASON" when the file cannot be opened or
/// read, "NAME: longer than 16 MiB ..." past kMaxScriptBytes,
/// "NAME:LINE: longer than 64 KiB ..." for a line past kMaxLineBytes.
bool ReadScript(const std::string &path, const std::string &shownName, bool stdinClosed, std::string &text,
                std::string &error);

}  // namespace KVSHELL
