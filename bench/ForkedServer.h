// A loopback HTTP server in a child process that answers every request
// with one fixed reply, so that its memory and time are not the caller's.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "LoopbackServer.h"

namespace kv::bench {

class ForkedServer {
 public:
  explicit ForkedServer(const std::string &reply) {
    int fds[2];
    if (pipe(fds) != 0) std::exit(1);
    child_ = fork();
    if (child_ == 0) {
      close(fds[0]);
      kv::test::LoopbackServer server;
      server.SetRecording(false);
      server.SetDefaultReply(reply);
      int port = server.Port();
      if (write(fds[1], &port, sizeof port) != sizeof port) _exit(1);
      for (;;) pause();
    }
    close(fds[1]);
    if (read(fds[0], &port_, sizeof port_) != sizeof port_) std::exit(1);
    close(fds[0]);
  }
  ~ForkedServer() {
    kill(child_, SIGTERM);
    waitpid(child_, nullptr, 0);
  }
  ForkedServer(const ForkedServer &) = delete;
  ForkedServer &operator=(const ForkedServer &) = delete;

  int Port() const { return port_; }

 private:
  pid_t child_ = -1;
  int port_ = 0;
};

}  // namespace kv::bench
