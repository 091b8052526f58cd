#include "NetCalls.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>

namespace kv::test::netcalls {

const char kLoopbackName[] = "loopback.kv-test";
const char kUnresolvable[] = "unresolvable.kv-test";

namespace {

struct Counts {
  std::mutex mutex;
  std::map<std::string, int> resolutions;
  std::map<int, int> attempts;
  int allResolutions = 0;
  int allAttempts = 0;
  std::map<int, std::function<void()>> afterFailure;
};

Counts &TheCounts() {
  static Counts *counts = new Counts();  // used until exit
  return *counts;
}

// The loopback port `addr` names, or -1.
int LoopbackPort(const sockaddr *addr) {
  if (!addr) return -1;
  if (addr->sa_family == AF_INET) {
    const auto *in = reinterpret_cast<const sockaddr_in *>(addr);
    return in->sin_addr.s_addr == htonl(INADDR_LOOPBACK) ? ntohs(in->sin_port) : -1;
  }
  if (addr->sa_family == AF_INET6) {
    const auto *in6 = reinterpret_cast<const sockaddr_in6 *>(addr);
    return IN6_IS_ADDR_LOOPBACK(&in6->sin6_addr) ? ntohs(in6->sin6_port) : -1;
  }
  return -1;
}

template <class Fn>
Fn Next(const char *name) {
  return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

}  // namespace

int Resolutions(const std::string &host) {
  Counts &c = TheCounts();
  std::lock_guard<std::mutex> lock(c.mutex);
  return c.resolutions[host];
}

int Attempts(int port) {
  Counts &c = TheCounts();
  std::lock_guard<std::mutex> lock(c.mutex);
  return c.attempts[port];
}

int AllResolutions() {
  Counts &c = TheCounts();
  std::lock_guard<std::mutex> lock(c.mutex);
  return c.allResolutions;
}

int AllAttempts() {
  Counts &c = TheCounts();
  std::lock_guard<std::mutex> lock(c.mutex);
  return c.allAttempts;
}

void AfterFailedAttempt(int port, std::function<void()> hook) {
  Counts &c = TheCounts();
  std::lock_guard<std::mutex> lock(c.mutex);
  c.afterFailure[port] = std::move(hook);
}

}  // namespace kv::test::netcalls

using namespace kv::test::netcalls;

extern "C" int getaddrinfo(const char *node, const char *service, const addrinfo *hints, addrinfo **res) {
  using Fn = int (*)(const char *, const char *, const addrinfo *, addrinfo **);
  static const Fn real = Next<Fn>("getaddrinfo");
  {
    Counts &c = TheCounts();
    std::lock_guard<std::mutex> lock(c.mutex);
    ++c.allResolutions;
    if (node) ++c.resolutions[node];
  }
  if (node && std::strcmp(node, kUnresolvable) == 0) return EAI_NONAME;
  // The name, or its absolute form with a trailing dot.
  const size_t loopback = sizeof kLoopbackName - 1;
  if (node && std::strncmp(node, kLoopbackName, loopback) == 0 &&
      (node[loopback] == '\0' || std::strcmp(node + loopback, ".") == 0)) {
    addrinfo v4 = hints ? *hints : addrinfo{};
    v4.ai_family = AF_INET;
    return real("127.0.0.1", service, &v4, res);
  }
  return real(node, service, hints, res);
}

extern "C" int connect(int fd, const sockaddr *addr, socklen_t len) {
  using Fn = int (*)(int, const sockaddr *, socklen_t);
  static const Fn real = Next<Fn>("connect");
  const int port = LoopbackPort(addr);
  {
    Counts &c = TheCounts();
    std::lock_guard<std::mutex> lock(c.mutex);
    ++c.allAttempts;
    if (port >= 0) ++c.attempts[port];
  }
  const int rc = real(fd, addr, len);
  if (rc != 0 && port >= 0) {
    const int err = errno;
    std::function<void()> hook;
    {
      Counts &c = TheCounts();
      std::lock_guard<std::mutex> lock(c.mutex);
      auto it = c.afterFailure.find(port);
      if (it != c.afterFailure.end()) {
        hook = std::move(it->second);
        c.afterFailure.erase(it);
      }
    }
    if (hook) hook();
    errno = err;
  }
  return rc;
}
