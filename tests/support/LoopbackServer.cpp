#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <stdexcept>

namespace kv::test {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

void SendAll(int fd, const std::string &data) {
  size_t sent = 0;
  while (sent < data.size()) {
    ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

// Reads one HTTP request: the head, then Content-Length bytes or, for a
// chunked body, until the terminating chunk.
bool ReadRequest(int fd, RecordedRequest &request) {
  std::string data;
  char buf[8192];
  size_t headEnd = std::string::npos;
  auto readMore = [&]() {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 5000) <= 0) return false;
    ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) return false;
    data.append(buf, static_cast<size_t>(n));
    return true;
  };
  while ((headEnd = data.find("\r\n\r\n")) == std::string::npos)
    if (!readMore()) return false;
  request.head = data.substr(0, headEnd);
  std::string rest = data.substr(headEnd + 4);
  std::string length = request.Header("Content-Length");
  if (!length.empty()) {
    size_t want = std::stoul(length);
    while (rest.size() < want) {
      data.clear();
      if (!readMore()) return false;
      rest += data;
    }
    request.body = rest.substr(0, want);
    return true;
  }
  if (Lower(request.Header("Transfer-Encoding")).find("chunked") != std::string::npos) {
    std::string body;
    for (;;) {
      size_t lineEnd;
      while ((lineEnd = rest.find("\r\n")) == std::string::npos) {
        data.clear();
        if (!readMore()) return false;
        rest += data;
      }
      size_t size = std::stoul(rest.substr(0, lineEnd), nullptr, 16);
      while (rest.size() < lineEnd + 2 + size + 2) {
        data.clear();
        if (!readMore()) return false;
        rest += data;
      }
      body += rest.substr(lineEnd + 2, size);
      rest.erase(0, lineEnd + 2 + size + 2);
      if (size == 0) break;
    }
    request.body = body;
  }
  return true;
}

}  // namespace

bool ReadHttpMessage(int fd, RecordedRequest &message) { return ReadRequest(fd, message); }

std::string RecordedRequest::Header(const std::string &name) const {
  std::string lowerHead = Lower(head);
  std::string key = "\r\n" + Lower(name) + ":";
  size_t at = lowerHead.find(key);
  if (at == std::string::npos) return "";
  size_t start = at + key.size();
  size_t end = head.find("\r\n", start);
  std::string value = head.substr(start, end == std::string::npos ? std::string::npos : end - start);
  value.erase(0, value.find_first_not_of(' '));
  return value;
}

LoopbackServer::LoopbackServer() {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (::bind(listenFd_, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 ||
      ::listen(listenFd_, 16) != 0)
    throw std::runtime_error("loopback server: cannot listen");
  socklen_t len = sizeof addr;
  ::getsockname(listenFd_, reinterpret_cast<sockaddr *>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  ::shutdown(listenFd_, SHUT_RDWR);
  thread_.join();
  ::close(listenFd_);
}

std::string LoopbackServer::Url(const std::string &path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LoopbackServer::Reply(std::string raw) {
  std::lock_guard<std::mutex> lock(mutex_);
  replies_.push_back(std::move(raw));
}

void LoopbackServer::ReplySoap(const std::string &body, const std::string &extraHeaders) {
  Reply(Http(200, Envelope(body), extraHeaders));
}

std::vector<RecordedRequest> LoopbackServer::Requests(size_t atLeast) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait_for(lock, std::chrono::seconds(5),
                    [&] { return inFlight_ == 0 && requests_.size() >= atLeast; });
  return requests_;
}

RecordedRequest LoopbackServer::LastRequest() {
  auto all = Requests();
  return all.empty() ? RecordedRequest{} : all.back();
}

std::string LoopbackServer::Http(int status, const std::string &body, const std::string &extraHeaders,
                                 const std::string &contentType) {
  std::string reason = status == 200 ? "OK" : status == 302 ? "Found" : status == 500 ? "Internal Server Error" : "Status";
  return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Type: " + contentType +
         "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n" + extraHeaders +
         "\r\n" + body;
}

std::string LoopbackServer::Envelope(const std::string &body, const std::string &prefix) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><" + prefix + ":Envelope xmlns:" + prefix +
         "=\"http://schemas.xmlsoap.org/soap/envelope/\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><" +
         prefix + ":Body>" + body + "</" + prefix + ":Body></" + prefix + ":Envelope>";
}

std::string LoopbackServer::Gzip(const std::string &data) {
  z_stream zs{};
  deflateInit2(&zs, Z_BEST_SPEED, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&zs, data.size()) + 32, '\0');
  zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
  zs.avail_in = static_cast<uInt>(data.size());
  zs.next_out = reinterpret_cast<Bytef *>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

void LoopbackServer::Serve() {
  for (;;) {
    int fd = ::accept(listenFd_, nullptr, nullptr);
    if (fd < 0) return;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopping_) {
        ::close(fd);
        return;
      }
      ++inFlight_;
    }
    RecordedRequest request;
    bool complete = ReadRequest(fd, request);
    std::string reply;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (complete && recording_) requests_.push_back(request);
      changed_.notify_all();
      if (!replies_.empty()) {
        reply = std::move(replies_.front());
        replies_.pop_front();
      } else if (!defaultReply_.empty()) {
        reply = defaultReply_;
      } else {
        reply = Http(500, "no reply queued", "", "text/plain");
      }
    }
    if (complete) SendAll(fd, reply);
    ::shutdown(fd, SHUT_WR);
    char drain[256];
    pollfd p{fd, POLLIN, 0};
    while (::poll(&p, 1, 200) > 0 && ::recv(fd, drain, sizeof drain, 0) > 0) {
    }
    ::close(fd);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      --inFlight_;
    }
    changed_.notify_all();
  }
}

}  // namespace kv::test
