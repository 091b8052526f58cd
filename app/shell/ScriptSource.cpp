#include "ScriptSource.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace KVSHELL {
namespace {

// Bytes read at a time.
constexpr size_t kChunk = size_t(64) << 10;

std::string Reason(int error) { return std::error_code(error, std::generic_category()).message(); }

bool IsClosed(int fd) { return fcntl(fd, F_GETFD) == -1 && errno == EBADF; }

// Reads `fd` to its end, chunk by chunk, and stops as soon as the script
// or its current line has passed its bound; false with `error` (`name`
// names the script).
bool ReadAll(int fd, const std::string &name, std::string &text, std::string &error) {
  char buffer[kChunk];
  size_t line = 1;       // the line being read
  size_t lineBytes = 0;  // its bytes so far
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = name + ": cannot be read: " + Reason(errno);
      return false;
    }
    // The lines this chunk ends, then the start of the next one.
    const char *at = buffer, *const end = buffer + n;
    for (;;) {
      const char *lineEnd = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)));
      lineBytes += size_t((lineEnd ? lineEnd : end) - at);
      if (lineBytes > kMaxLineBytes) {
        error = name + ":" + std::to_string(line) + ": longer than 64 KiB (" + std::to_string(kMaxLineBytes) +
                " bytes), the most a script line may hold";
        return false;
      }
      if (!lineEnd) break;
      ++line;
      lineBytes = 0;
      at = lineEnd + 1;
    }
    if (text.size() + size_t(n) > kMaxScriptBytes) {
      error = name + ": longer than 16 MiB (" + std::to_string(kMaxScriptBytes) +
              " bytes), the most a script may hold";
      return false;
    }
    text.append(buffer, size_t(n));
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
  if (path.empty()) {
    if (!stdinClosed) return ReadAll(STDIN_FILENO, "<stdin>", text, error);
    error = "<stdin>: cannot be read: " + Reason(EBADF);
    return false;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = shownName + ": cannot be read: " + Reason(errno);
    return false;
  }
  const bool read = ReadAll(fd, shownName, text, error);
  close(fd);
  return read;
}

}  // namespace KVSHELL
