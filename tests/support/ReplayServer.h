// A fast stand-in for the test server under load, on 127.0.0.1. It passes
// the first request of each operation (service path and request element)
// on to the test server and keeps that reply; later requests get the kept
// reply, except every n-th, which again goes to the test server, so that a
// share of the load is still checked there. Several threads accept; one
// request per connection. All calls are thread-safe.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kv::test {

struct RecordedRequest;

class ReplayServer {
 public:
  /// Serves on a free port; forwards to 127.0.0.1:upstreamPort as above.
  ReplayServer(int upstreamPort, int forwardEvery, int threads = 4);
  ~ReplayServer();
  ReplayServer(const ReplayServer &) = delete;
  ReplayServer &operator=(const ReplayServer &) = delete;

  int Port() const { return port_; }
  /// Requests answered with a kept reply.
  long Replayed() const { return replayed_; }
  /// Requests answered by the test server.
  long Forwarded() const { return forwarded_; }

 private:
  void Serve();
  std::string Answer(const RecordedRequest &request);
  std::string Forward(const RecordedRequest &request);

  int upstreamPort_;
  int forwardEvery_;
  int listenFd_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<long> requests_{0}, replayed_{0}, forwarded_{0};
  std::mutex mutex_;
  std::map<std::string, std::string> kept_;  // "path operation" -> raw reply
  std::vector<std::thread> threads_;
};

}  // namespace kv::test
