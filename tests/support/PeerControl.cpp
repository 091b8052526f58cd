#include "PeerControl.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace kv::test {

PeerControl::PeerControl(const std::string &stateDir) {
  std::ifstream in(stateDir + "/peer.port");
  if (!(in >> port_)) throw std::runtime_error("no peer.port in " + stateDir);
}

std::string PeerControl::Address() const { return "127.0.0.1:" + std::to_string(port_); }

std::string PeerControl::Url(const std::string &path) const { return "http://" + Address() + path; }

Json::Value PeerControl::Post(const std::string &path, const Json::Value &body) {
  Json::StreamWriterBuilder writer;
  writer["indentation"] = "";
  return Request("POST", path, body.isNull() ? "{}" : Json::writeString(writer, body));
}

Json::Value PeerControl::Get(const std::string &path) { return Request("GET", path, ""); }

std::vector<std::string> PeerControl::CookieHeaders(int n) {
  Json::Value list = Get("/control/cookies?last=" + std::to_string(n));
  std::vector<std::string> headers;
  for (const Json::Value &entry : list) headers.push_back(entry["header"].isString() ? entry["header"].asString() : "");
  return headers;
}

Json::Value PeerControl::Request(const std::string &method, const std::string &path, const std::string &body) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) throw std::runtime_error("socket");
  std::unique_ptr<int, void (*)(int *)> closer(&fd, [](int *f) { close(*f); });
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(port_));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0)
    throw std::runtime_error("cannot reach the test server");
  std::ostringstream req;
  req << method << ' ' << path << " HTTP/1.0\r\nHost: " << Address()
      << "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " << body.size()
      << "\r\n\r\n"
      << body;
  std::string raw = req.str();
  for (size_t sent = 0; sent < raw.size();) {
    ssize_t n = send(fd, raw.data() + sent, raw.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) throw std::runtime_error("send to the test server failed");
    sent += static_cast<size_t>(n);
  }
  std::string reply;
  char buf[8192];
  for (ssize_t n; (n = recv(fd, buf, sizeof buf, 0)) > 0;) reply.append(buf, static_cast<size_t>(n));
  size_t split = reply.find("\r\n\r\n");
  // HTTP/1.0 keeps the reply unchunked.
  if (reply.compare(0, 5, "HTTP/") != 0 || reply.compare(8, 5, " 200 ") != 0 || split == std::string::npos)
    throw std::runtime_error("control request " + path + " failed: " + reply.substr(0, 200));
  Json::Value value;
  std::string errors;
  std::istringstream json(reply.substr(split + 4));
  Json::CharReaderBuilder reader;
  if (!Json::parseFromStream(reader, json, &value, &errors) && json.str().size() > 0)
    throw std::runtime_error("bad JSON from " + path + ": " + errors);
  return value;
}

}  // namespace kv::test
