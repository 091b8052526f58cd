// Loaded into kestrova with LD_PRELOAD: its constructor, which runs before
// any constructor of the program and of its libraries, copies
// /proc/self/cmdline to the file $KV_CMDLINE_PROBE_OUT. What it finds is
// what the process list showed at that moment.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace {

__attribute__((constructor)) void CopyCmdline() {
  const char *to = std::getenv("KV_CMDLINE_PROBE_OUT");
  if (!to) return;
  const int in = open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
  const int out = open(to, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  char buffer[4096];
  ssize_t n;
  while (in >= 0 && out >= 0 && (n = read(in, buffer, sizeof buffer)) > 0)
    if (write(out, buffer, size_t(n)) != n) break;
  if (in >= 0) close(in);
  if (out >= 0) close(out);
}

}  // namespace
