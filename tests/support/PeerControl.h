// Drives the independent test server: its address and its JSON control
// requests (/control/...). Failures throw, which fails the calling test.
#pragma once

#include <json/json.h>

#include <string>

namespace kv::test {

class PeerControl {
 public:
  /// Reads the port from <stateDir>/peer.port.
  explicit PeerControl(const std::string &stateDir);

  int Port() const { return port_; }
  /// "127.0.0.1:<port>"
  std::string Address() const;
  /// "http://127.0.0.1:<port><path>"
  std::string Url(const std::string &path) const;

  Json::Value Post(const std::string &path, const Json::Value &body = Json::Value());
  Json::Value Get(const std::string &path);

  /// The raw Cookie header of each of the last `n` requests, oldest first
  /// ("" for a request without one).
  std::vector<std::string> CookieHeaders(int n);

 private:
  Json::Value Request(const std::string &method, const std::string &path, const std::string &body);

  int port_ = 0;
};

}  // namespace kv::test
