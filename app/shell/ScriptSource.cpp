#include "ScriptSource.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace KVSHELL {
namespace {

std::string Reason(int error) { return std::error_code(error, std::generic_category()).message(); }

bool IsClosed(int fd) { return fcntl(fd, F_GETFD) == -1 && errno == EBADF; }

// Reads `fd` to its end; false with errno's reason.
bool ReadAll(int fd, std::string &text, std::string &reason) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, size_t(n));
    } else if (n == 0) {
      return true;
    } else if (errno != EINTR) {
      reason = Reason(errno);
      return false;
    }
  }
}

}  // namespace

ClosedStreams GuardStandardStreams() {
  ClosedStreams closed;
  bool *flags[] = {&closed.in, &closed.out, &closed.err};
  for (int fd = 0; fd < 3; ++fd) {
    if (!IsClosed(fd)) continue;
    *flags[fd] = true;
    // The lowest free descriptor: this one.
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0 && null != fd) close(null);
  }
  return closed;
}

bool ReadScript(const std::string &path, const std::string &shownName, bool stdinClosed, std::string &text,
                std::string &error) {
  std::string reason;
  if (path.empty()) {
    if (stdinClosed) reason = Reason(EBADF);
    if (reason.empty() && ReadAll(STDIN_FILENO, text, reason)) return true;
    error = "<stdin>: cannot be read: " + reason;
    return false;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = "kestrova: cannot read " + shownName + ": " + Reason(errno);
    return false;
  }
  const bool read = ReadAll(fd, text, reason);
  close(fd);
  if (!read) error = shownName + ": cannot be read: " + reason;
  return read;
}

}  // namespace KVSHELL
