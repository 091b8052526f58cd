// The proxy connects a plain socket itself (blocking, bounded by the
// connect time-out) and receives on it blocking, bounded by the receive
// time-out. A refused or timed-out connect and a timed-out receive must end
// exactly as the runtime's own connect and receive end them, neither may
// outlast its bound, and a call resolves its host once and tries each
// address once.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "NetCalls.h"
#include "Proxies.h"
#include "ScriptedServer.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

struct Outcome {
  int code = 0;
  std::string faultText;
  std::string detail;
  std::string printed;  // the whole report, with the runtime's reason
  double seconds = 0;
  int resolutions = 0;  // of the call's host
  int attempts = 0;     // to the call's port
};

std::string UrlOf(const std::string &host, int port) { return "http://" + host + ":" + std::to_string(port) + "/"; }

Outcome Call(const std::string &host, int port, int connectTimeout, bool runtimeConnect, int recvTimeout = 5) {
  const std::string url = UrlOf(host, port);
  const int resolutionsBefore = netcalls::Resolutions(host);
  const int attemptsBefore = netcalls::Attempts(port);
  VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
  UseUtf8(proxy);
  proxy.connect_timeout = connectTimeout;
  proxy.send_timeout = 5;
  proxy.recv_timeout = recvTimeout;
  if (runtimeConnect) {
    struct soap plain;
    proxy.fopen = plain.fopen;
  }
  proxy.soap_endpoint = url.c_str();
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  auto start = std::chrono::steady_clock::now();
  Outcome r;
  r.code = proxy.listClashRules(&request, &response);
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  r.faultText = proxy.soap_fault_string() ? proxy.soap_fault_string() : "";
  r.detail = proxy.soap_fault_detail() ? proxy.soap_fault_detail() : "";
  char printed[1024] = "";
  proxy.soap_sprint_fault(printed, sizeof printed);
  r.printed = printed;
  r.resolutions = netcalls::Resolutions(host) - resolutionsBefore;
  r.attempts = netcalls::Attempts(port) - attemptsBefore;
  return r;
}

int ListeningSocket(int backlog, int &port) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  if (bind(fd, reinterpret_cast<sockaddr *>(&addr), len) != 0 || listen(fd, backlog) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) != 0)
    return -1;
  port = ntohs(addr.sin_port);
  return fd;
}

// A socket listening on `port` of 127.0.0.1, or -1.
int ListenOn(int port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
  const int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || listen(fd, 4) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// A connection that cannot be made ends as the runtime's connect ends it,
// after one resolution of the host and one attempt: a server that listens
// from the moment the first attempt was refused is never reached.
TEST(Connect, AFailedConnectResolvesOnceTriesOnceAndEndsAsTheRuntimeEndsIt) {
  int port = 0;
  int fd = ListeningSocket(1, port);
  ASSERT_GE(fd, 0);
  close(fd);  // nobody listens there any more
  struct Case {
    const char *name;
    std::string host;
    int connectTimeout;  // 0: the runtime's own connect
    int resolutions;
    int attempts;
  } cases[] = {
      {"address, refused", "127.0.0.1", 10, 0, 1},
      {"address, refused, without a connect time-out", "127.0.0.1", 0, 1, 1},
      {"name, refused", netcalls::kLoopbackName, 10, 1, 1},
      {"name, refused, without a connect time-out", netcalls::kLoopbackName, 0, 1, 1},
      {"name that does not resolve", netcalls::kUnresolvable, 10, 1, 0},
      {"name that does not resolve, without a connect time-out", netcalls::kUnresolvable, 0, 1, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Outcome runtime = Call(c.host, port, c.connectTimeout, true);
    int late = -1;
    netcalls::AfterFailedAttempt(port, [&late, port] { late = ListenOn(port); });
    Outcome ours = Call(c.host, port, c.connectTimeout, false);
    netcalls::AfterFailedAttempt(port, nullptr);
    EXPECT_EQ(ours.code, SOAP_TCP_ERROR);
    EXPECT_EQ(ours.resolutions, c.resolutions);
    EXPECT_EQ(ours.attempts, c.attempts);
    EXPECT_EQ(ours.code, runtime.code);
    EXPECT_EQ(ours.faultText, runtime.faultText);
    EXPECT_EQ(ours.detail, runtime.detail);
    EXPECT_EQ(ours.printed, runtime.printed);
    if (c.attempts > 0) {
      ASSERT_GE(late, 0);
      const int accepted = accept(late, nullptr, nullptr);
      const int err = errno;
      EXPECT_LT(accepted, 0);  // nothing came after the refusal
      EXPECT_EQ(err, EAGAIN);
      if (accepted >= 0) close(accepted);
    }
    if (late >= 0) close(late);
  }
}

// A listener whose accept queue is full drops further connection requests,
// so a connect to it waits until its time-out.
TEST(Connect, TimeOutEndsAsTheRuntimeEndsItWithinItsBound) {
  int port = 0;
  int fd = ListeningSocket(0, port);
  ASSERT_GE(fd, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  std::vector<int> fillers;
  for (int i = 0; i < 3; ++i) {
    int c = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    connect(c, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    fillers.push_back(c);
  }
  const int kBound = -300000;  // 0.3 s
  Outcome ours = Call("127.0.0.1", port, kBound, false);
  Outcome runtime = Call("127.0.0.1", port, kBound, true);
  for (int c : fillers) close(c);
  close(fd);
  EXPECT_EQ(ours.code, SOAP_TCP_ERROR);
  EXPECT_EQ(ours.faultText, "Timeout");
  EXPECT_EQ(ours.attempts, 1);
  EXPECT_EQ(ours.code, runtime.code);
  EXPECT_EQ(ours.faultText, runtime.faultText);
  EXPECT_EQ(ours.detail, runtime.detail);
  EXPECT_EQ(ours.printed, runtime.printed);
  // Without the bound the system would retry for minutes.
  EXPECT_LT(ours.seconds, 20.0);
}

// A listener that never accepts: the connect succeeds, the request goes
// into the socket's buffer and no reply ever comes.
TEST(Connect, ReceiveTimeOutEndsAsTheRuntimeEndsItWithinItsBound) {
  int port = 0;
  int fd = ListeningSocket(4, port);
  ASSERT_GE(fd, 0);
  const int kBound = -300000;  // 0.3 s
  Outcome ours = Call("127.0.0.1", port, 10, false, kBound);
  Outcome runtime = Call("127.0.0.1", port, 10, true, kBound);
  close(fd);
  EXPECT_EQ(ours.code, SOAP_EOF);
  EXPECT_EQ(ours.code, runtime.code);
  EXPECT_EQ(ours.faultText, runtime.faultText);
  EXPECT_EQ(ours.detail, runtime.detail);
  EXPECT_EQ(ours.printed, runtime.printed);
  EXPECT_GE(ours.seconds, 0.25);
  EXPECT_LT(ours.seconds, 20.0);
}

// The runtime's own connect may reuse the descriptor of a socket this proxy
// connected and closed; the new socket is received on as the runtime does.
TEST(Connect, ASocketTheRuntimeConnectsLaterIsReceivedOnAsTheRuntimeDoes) {
  const std::string reply = LoopbackServer::Http(
      200, LoopbackServer::Envelope("<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\"/>"));
  ScriptedServer server({{std::chrono::milliseconds(100), reply}}, false);
  const std::string url = server.Url("/");
  VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
  UseUtf8(proxy);
  proxy.connect_timeout = 10;
  proxy.send_timeout = proxy.recv_timeout = 5;
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  proxy.soap_endpoint = url.c_str();
  ASSERT_EQ(proxy.listClashRules(&request, &response), SOAP_OK);
  struct soap plain;
  proxy.fopen = plain.fopen;
  proxy.soap_endpoint = url.c_str();
  EXPECT_EQ(proxy.listClashRules(&request, &response), SOAP_OK)
      << (proxy.soap_fault_string() ? proxy.soap_fault_string() : "");
}

// Each address of a name is tried: "localhost" may name ::1 first, where
// nothing listens.
TEST(Connect, TriesEveryAddressOfTheName) {
  LoopbackServer server;
  server.ReplySoap("<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\"/>");
  Outcome ours = Call("localhost", server.Port(), 10, false);
  EXPECT_EQ(ours.code, SOAP_OK) << ours.faultText << " " << ours.detail;
}

}  // namespace
}  // namespace kv::test
