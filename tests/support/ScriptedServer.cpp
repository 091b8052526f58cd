#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "LoopbackServer.h"

namespace kv::test {

ScriptedServer::ScriptedServer(std::vector<ScriptStep> steps, bool keepOpen)
    : steps_(std::move(steps)), keepOpen_(keepOpen) {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(listenFd_, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(listenFd_, 8) != 0)
    throw std::runtime_error("scripted server: cannot listen");
  socklen_t len = sizeof addr;
  ::getsockname(listenFd_, reinterpret_cast<sockaddr *>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  stopped_.notify_all();
  ::shutdown(listenFd_, SHUT_RDWR);
  thread_.join();
  ::close(listenFd_);
}

std::string ScriptedServer::Url(const std::string &path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

size_t ScriptedServer::BytesSent() {
  std::lock_guard<std::mutex> lock(mutex_);
  return sent_;
}

std::vector<ScriptStep> ScriptedServer::AtOnce(const std::string &raw) { return {{std::chrono::milliseconds(0), raw}}; }

std::vector<ScriptStep> ScriptedServer::Trickle(const std::string &head, const std::string &body, size_t perStep,
                                                std::chrono::milliseconds pause) {
  std::vector<ScriptStep> steps{{std::chrono::milliseconds(0), head}};
  for (size_t at = 0; at < body.size(); at += perStep) steps.push_back({pause, body.substr(at, perStep)});
  return steps;
}

bool ScriptedServer::Pause(std::chrono::milliseconds pause) {
  std::unique_lock<std::mutex> lock(mutex_);
  return !stopped_.wait_for(lock, pause, [this] { return stopping_; });
}

void ScriptedServer::Serve() {
  for (;;) {
    int fd = ::accept(listenFd_, nullptr, nullptr);
    if (fd < 0) return;
    Answer(fd);
    ::close(fd);
  }
}

void ScriptedServer::Answer(int fd) {
  RecordedRequest request;
  if (!ReadHttpMessage(fd, request)) return;
  for (const ScriptStep &step : steps_) {
    if (step.pauseBefore.count() > 0 && !Pause(step.pauseBefore)) return;
    if (::send(fd, step.bytes.data(), step.bytes.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(step.bytes.size()))
      return;  // the client has gone
    std::lock_guard<std::mutex> lock(mutex_);
    sent_ += step.bytes.size();
  }
  if (!keepOpen_) return;
  // Open until the client closes its end or the server stops.
  char drain[4096];
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    int ready = ::poll(&p, 1, 100);
    if (ready > 0 && ::recv(fd, drain, sizeof drain, 0) <= 0) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return;
  }
}

}  // namespace kv::test
