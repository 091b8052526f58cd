// A test fixture with the real web-service host, registered as
// "AppWebServiceMgr", talking to the independent test server, and the
// helpers the manager tests against it share.
#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "PeerControl.h"
#include "keel/frame/MgrObject.h"
#include "keel/web/AppWebServiceMgr.h"
#include "wrench/TextConvert.h"

namespace kv::test {

/// Polls `done` until it holds or `limit` has passed; whether it held.
inline bool WaitUntil(const std::function<bool()> &done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

/// A local TCP port that refuses connections while this object lives: it
/// is bound but never listens.
class ClosedPort {
 public:
  ClosedPort() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof addr;
    if (fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr *>(&addr), size) == 0 &&
        getsockname(fd_, reinterpret_cast<sockaddr *>(&addr), &size) == 0)
      port_ = ntohs(addr.sin_port);
  }
  ~ClosedPort() {
    if (fd_ >= 0) close(fd_);
  }
  ClosedPort(const ClosedPort &) = delete;
  ClosedPort &operator=(const ClosedPort &) = delete;

  int Port() const { return port_; }
  std::wstring Address() const { return L"127.0.0.1:" + std::to_wstring(port_); }

 private:
  int fd_;
  int port_ = 0;
};

class PeerHostTest : public ::testing::Test {
 protected:
  PeerHostTest() : peer(KV_PEER_STATE) {}

  void SetUp() override {
    peer.Post("/control/reset");
    KEEL::WEB::WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    config.servAddr = WRENCH::AnsiToUnicode(peer.Address());
    config.recvTimeout = 2;
    std::string error;
    ASSERT_TRUE(host.Load(config, error)) << error;
    KEEL::FRAME::RegisterManager(&host);
  }

  void TearDown() override {
    KEEL::FRAME::UnregisterManager(&host);
    peer.Post("/control/reset");
  }

  PeerControl peer;
  KEEL::WEB::CAppWebServiceMgr host;
};

}  // namespace kv::test
