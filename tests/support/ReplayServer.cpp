#include "ReplayServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "LoopbackServer.h"

namespace kv::test {
namespace {

void SendAll(int fd, const std::string &data) {
  size_t sent = 0;
  while (sent < data.size()) {
    ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

bool StartsWithNoCase(const std::string &line, const std::string &prefix) {
  return line.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), line.begin(),
                    [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

// The message again, framed by Content-Length on a connection that closes
// (the body was read whole, also when it came in chunks).
std::string Reframed(const RecordedRequest &message) {
  std::string out;
  size_t start = 0;
  for (bool first = true; start < message.head.size(); first = false) {
    size_t end = std::min(message.head.find("\r\n", start), message.head.size());
    std::string line = message.head.substr(start, end - start);
    if (first || !(StartsWithNoCase(line, "content-length:") || StartsWithNoCase(line, "transfer-encoding:") ||
                   StartsWithNoCase(line, "connection:")))
      out += line + "\r\n";
    start = end + 2;
  }
  return out + "Content-Length: " + std::to_string(message.body.size()) + "\r\nConnection: close\r\n\r\n" +
         message.body;
}

// The request line and the local name of the Body's first element.
std::string OperationKey(const RecordedRequest &request) {
  std::string key = request.head.substr(0, request.head.find("\r\n"));
  size_t body = request.body.find(":Body");
  if (body == std::string::npos) body = request.body.find("<Body");
  size_t open = request.body.find('<', request.body.find('>', body));
  if (body == std::string::npos || open == std::string::npos) return key;
  size_t end = request.body.find_first_of(" \t\r\n/>", open);
  std::string name = request.body.substr(open + 1, end == std::string::npos ? std::string::npos : end - open - 1);
  return key + " " + name.substr(name.find(':') + 1);
}

}  // namespace

ReplayServer::ReplayServer(int upstreamPort, int forwardEvery, int threads)
    : upstreamPort_(upstreamPort), forwardEvery_(std::max(1, forwardEvery)) {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(listenFd_, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(listenFd_, 128) != 0)
    throw std::runtime_error("replay server: cannot listen");
  socklen_t len = sizeof addr;
  ::getsockname(listenFd_, reinterpret_cast<sockaddr *>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  for (int i = 0; i < std::max(1, threads); ++i) threads_.emplace_back([this] { Serve(); });
}

ReplayServer::~ReplayServer() {
  stopping_ = true;
  ::shutdown(listenFd_, SHUT_RDWR);  // wakes every accept()
  for (std::thread &t : threads_) t.join();
  ::close(listenFd_);
}

void ReplayServer::Serve() {
  while (!stopping_) {
    int fd = ::accept(listenFd_, nullptr, nullptr);
    if (fd < 0) continue;  // shut down (the loop ends) or a connection that went away
    RecordedRequest request;
    if (ReadHttpMessage(fd, request)) SendAll(fd, Answer(request));
    ::shutdown(fd, SHUT_WR);
    ::close(fd);
  }
}

std::string ReplayServer::Answer(const RecordedRequest &request) {
  std::string key = OperationKey(request);
  if (++requests_ % forwardEvery_ != 0) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto kept = kept_.find(key);
    if (kept != kept_.end()) {
      ++replayed_;
      return kept->second;
    }
  }
  ++forwarded_;
  std::string reply = Forward(request);
  if (!reply.empty()) {
    std::lock_guard<std::mutex> lock(mutex_);
    kept_.emplace(key, reply);
    return reply;
  }
  return LoopbackServer::Http(502, "the test server did not answer", "", "text/plain");
}

// The test server's reply, or "" when it gave none.
std::string ReplayServer::Forward(const RecordedRequest &request) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(upstreamPort_));
  RecordedRequest reply;
  bool answered = ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0 &&
                  (SendAll(fd, Reframed(request)), ReadHttpMessage(fd, reply));
  ::close(fd);
  return answered ? Reframed(reply) : std::string();
}

}  // namespace kv::test
