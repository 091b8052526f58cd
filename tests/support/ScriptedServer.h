// A server on 127.0.0.1 that answers every request with a script of raw
// bytes and pauses: a trickle, a reply cut short on a connection that stays
// open, bytes after the reply. Connections are served one at a time.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kv::test {

struct ScriptStep {
  std::chrono::milliseconds pauseBefore{0};
  std::string bytes;
};

class ScriptedServer {
 public:
  /// After the last step the connection stays open until the client
  /// closes it (keepOpen), or is closed at once.
  ScriptedServer(std::vector<ScriptStep> steps, bool keepOpen);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer &) = delete;
  ScriptedServer &operator=(const ScriptedServer &) = delete;

  /// "http://127.0.0.1:<port><path>"
  std::string Url(const std::string &path = "/") const;
  /// Bytes of the script sent so far, over all connections.
  size_t BytesSent();

  /// The whole of `raw` at once.
  static std::vector<ScriptStep> AtOnce(const std::string &raw);
  /// `head` at once, then `body` `perStep` bytes at a time with `pause`
  /// before each.
  static std::vector<ScriptStep> Trickle(const std::string &head, const std::string &body, size_t perStep,
                                         std::chrono::milliseconds pause);

 private:
  void Serve();
  void Answer(int fd);
  // Waits `pause` or until the server stops; false when it stops.
  bool Pause(std::chrono::milliseconds pause);

  std::vector<ScriptStep> steps_;
  bool keepOpen_;
  int listenFd_ = -1;
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable stopped_;
  bool stopping_ = false;
  size_t sent_ = 0;
  std::thread thread_;
};

}  // namespace kv::test
