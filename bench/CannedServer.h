// A fast HTTP server on 127.0.0.1 in a child process, so that its memory
// and time are not the caller's: several threads accept connections, read
// one request each, answer with the first canned reply whose key occurs in
// the request's body, and close the connection.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "CpuPlan.h"

namespace kv::bench {

class CannedServer {
 public:
  using Replies = std::vector<std::pair<std::string, std::string>>;

  /// `makeReplies` gives (key, raw HTTP reply) pairs, tried in order; the
  /// last one answers requests that match no key. It runs in the child, so
  /// that large replies never touch the caller's heap.
  explicit CannedServer(const std::function<Replies()> &makeReplies, int threads = 8) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || listen(fd, 512) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) != 0)
      std::exit(1);
    port_ = ntohs(addr.sin_port);
    child_ = fork();
    if (child_ < 0) std::exit(1);
    if (child_ == 0) {
      CpuPlan::Get().PinServer();
      replies_ = makeReplies();
      std::vector<std::thread> workers;
      for (int i = 0; i < threads; ++i) workers.emplace_back([this, fd] { Serve(fd); });
      for (std::thread &t : workers) t.join();
      _exit(0);
    }
    close(fd);
  }
  ~CannedServer() {
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }
  CannedServer(const CannedServer &) = delete;
  CannedServer &operator=(const CannedServer &) = delete;

  int Port() const { return port_; }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

  /// "HTTP/1.1 200" with a correct Content-Length around a SOAP 1.1
  /// envelope with `body` in its Body.
  static std::string Soap(const std::string &body, int status = 200) {
    std::string envelope =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>" +
        body + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Internal Server Error") +
           "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " + std::to_string(envelope.size()) +
           "\r\nConnection: close\r\n\r\n" + envelope;
  }

 private:
  void Serve(int listenFd) {
    std::string request;
    char buf[16384];
    for (;;) {
      int fd = accept(listenFd, nullptr, nullptr);
      if (fd < 0) continue;
      request.clear();
      size_t headEnd = std::string::npos, want = 0;
      for (;;) {
        ssize_t n = recv(fd, buf, sizeof buf, 0);
        if (n <= 0) break;
        request.append(buf, static_cast<size_t>(n));
        if (headEnd == std::string::npos && (headEnd = request.find("\r\n\r\n")) != std::string::npos) {
          size_t at = request.find("Content-Length:");
          want = headEnd + 4 + (at < headEnd ? std::strtoul(request.c_str() + at + 15, nullptr, 10) : 0);
        }
        if (headEnd != std::string::npos && request.size() >= want) break;
      }
      const std::string *reply = &replies_.back().second;
      for (const auto &r : replies_)
        if (request.find(r.first, headEnd == std::string::npos ? 0 : headEnd) != std::string::npos) {
          reply = &r.second;
          break;
        }
      for (size_t sent = 0; sent < reply->size();) {
        ssize_t n = send(fd, reply->data() + sent, reply->size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
      }
      close(fd);
    }
  }

  Replies replies_;
  pid_t child_ = -1;
  int port_ = 0;
};

}  // namespace kv::bench
