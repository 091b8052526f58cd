#include "KvProxy.h"

#include "HttpStatus.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>

#include "EngineArena.h"
#include "Timeouts.h"
#include "TypeNames.h"

namespace kv::wire {
namespace {

// Engines given back are kept mapped, up to a bound, and handed out again:
// a new engine then costs neither a mapping nor page faults, and munmap
// (which interrupts every thread of the process) happens only beyond the
// bound. Under AddressSanitizer engines live on the checked heap instead,
// so that a use after destruction is reported and what the engines kept
// for reuse hold is seen by the leak check.
class EnginePages {
 public:
  static EnginePages &Instance() {
    static EnginePages *pages = new EnginePages();  // never destroyed: used until exit
    return *pages;
  }

  void *Take(std::size_t size) {
#if defined(__SANITIZE_ADDRESS__)
    return ::operator new(size);
#endif
    {
      std::lock_guard<std::mutex> lock(mutex_);
      for (std::size_t i = count_; i-- > 0;)
        if (kept_[i].size == size) {
          void *p = kept_[i].pages;
          kept_[i] = kept_[--count_];
          return p;
        }
    }
    void *p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return p;
  }

  void Give(void *p, std::size_t size) noexcept {
#if defined(__SANITIZE_ADDRESS__)
    ::operator delete(p);
    return;
#else
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (count_ < kKept) {
        kept_[count_++] = {p, size};
        return;
      }
    }
#endif
    munmap(p, size);
  }

 private:
  static constexpr std::size_t kKept = 8;  // about 1.3 MB
  struct Block {
    void *pages;
    std::size_t size;
  };
  std::mutex mutex_;
  Block kept_[kKept] = {};
  std::size_t count_ = 0;
};

}  // namespace

KvProxyBase::KvProxyBase(soap_mode imode, soap_mode omode, const Namespace *table,
                         const char *defaultEndpoint)
    : soap(imode, omode), table_(table), defaultEndpoint_(defaultEndpoint), madeIMode_(imode), madeOMode_(omode) {
  InitEngine(imode, omode);
  SetReplyLimits(kDefaultMaxReplyBytes, kDefaultMaxValueBytes);
  KeepSettings();
}

void KvProxyBase::KeepSettings() {
#define KV_KEEP(field) settings_.field = this->field;
  KV_ENGINE_SETTINGS(KV_KEEP)
#undef KV_KEEP
}

bool KvProxyBase::Renew() {
  soap_destroy(this);
  soap_end(this);
  // An open connection or TLS state would carry over to the next call.
  if (soap_valid_socket(socket) || soap_valid_socket(master) || bio || ssl || ctx || session) return false;
  soap_free_cookies(this);
  // Drops the namespace bindings of the last reply (and the SOAP version it
  // switched to).
  soap_set_namespaces(this, table_);
#define KV_RESTORE(field) this->field = settings_.field;
  KV_ENGINE_SETTINGS(KV_RESTORE)
#undef KV_RESTORE
  std::memset(endpoint, 0, sizeof endpoint);
  std::memset(path, 0, sizeof path);
  std::memset(host, 0, sizeof host);
  std::memset(session_host, 0, sizeof session_host);
  std::memset(ip6, 0, sizeof ip6);
  std::memset(&peer, 0, sizeof peer);
  std::memset(limitText_, 0, sizeof limitText_);
  soap_endpoint = nullptr;
  ForgetConnection();
  return true;
}

void KvProxyBase::SetReplyLimits(ULONG64 maxReplyBytes, long maxValueBytes) {
  recv_maxlength = maxReplyBytes;
  maxlength = maxValueBytes;
}

void *KvProxyBase::operator new(std::size_t size) { return EnginePages::Instance().Take(size); }

void KvProxyBase::operator delete(void *p, std::size_t size) noexcept {
  if (p) EnginePages::Instance().Give(p, size);
}

KvProxyBase::~KvProxyBase() {
  soap_destroy(this);
  soap_end(this);
}

void KvProxyBase::InitEngine(soap_mode imode, soap_mode omode) {
  soap_imode(this, imode);
  soap_omode(this, omode);
  mode = omode;
  soap_endpoint = nullptr;
  soap_set_namespaces(this, table_);
  UseWireTypeNames(this);
  AttachEngineArena(this);  // without it, the engine's objects come from the heap
  recv_ = frecv;
  frecv = &RecvNow;
  close_ = fclosesocket;
  fclosesocket = &CloseNow;
  fpreparerecv = &CountParts;  // under the frame's hook
  fmimewriteopen = &TakeMimeReferences;
  fdimewriteopen = &TakeDimeReferences;
  fpreparefinalrecv = &ResolveReferences;
  frame_.Attach(this);
  send_ = fsend;
  fsend = &SendNow;
  open_ = fopen;
  fopen = &OpenNow;
}

namespace {

timeval TimeoutValue(int timeout) {
  const long long us = TimeoutMicros(timeout);
  return timeval{static_cast<time_t>(us / 1000000), static_cast<suseconds_t>(us % 1000000)};
}

// Sets what the runtime sets on a client socket before it connects; on a
// failure, the runtime's text for it.
const char *SetClientOptions(struct soap *engine, int sk) {
  const int on = 1;
  if (engine->sndbuf > 0 && setsockopt(sk, SOL_SOCKET, SO_SNDBUF, &engine->sndbuf, sizeof(int)))
    return "setsockopt SO_SNDBUF failed in tcp_connect()";
  if (engine->rcvbuf > 0 && setsockopt(sk, SOL_SOCKET, SO_RCVBUF, &engine->rcvbuf, sizeof(int)))
    return "setsockopt SO_RCVBUF failed in tcp_connect()";
  if (setsockopt(sk, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on)) return "setsockopt TCP_NODELAY failed in tcp_connect()";
  const timeval bound = TimeoutValue(engine->connect_timeout);
  if (setsockopt(sk, SOL_SOCKET, SO_SNDTIMEO, &bound, sizeof bound)) return "setsockopt failed in tcp_connect()";
  return nullptr;
}

// Ends a connect as the runtime's does: the error with the system's text
// for `err` (kept in the engine, as the runtime keeps it), or "Timeout".
SOAP_SOCKET ConnectFailed(struct soap *engine, int err, bool timedOut, const char *detail) {
  engine->errnum = timedOut ? 0 : err;
  const char *text = timedOut ? "Timeout" : strerror_r(err, engine->msgbuf, sizeof engine->msgbuf);
  soap_set_receiver_error(engine, text, detail, SOAP_TCP_ERROR);
  return SOAP_INVALID_SOCKET;
}

}  // namespace

SOAP_SOCKET KvProxyBase::OpenNow(struct soap *engine, const char *endpoint, const char *host, int port) {
  auto *proxy = static_cast<KvProxyBase *>(engine);
  proxy->blockingSocket_ = SOAP_INVALID_SOCKET;
  if (proxy->addedDontWait_) engine->socket_flags &= ~MSG_DONTWAIT;
  proxy->addedDontWait_ = false;
  const bool plain = engine->connect_timeout != 0 && !soap_valid_socket(engine->socket) && !engine->proxy_host &&
                     !(endpoint && soap_tag_cmp(endpoint, "https:*") == 0) &&
                     !((engine->imode | engine->omode) & (SOAP_IO_UDP | SOAP_IO_KEEPALIVE)) && !engine->connect_flags &&
                     !engine->client_addr && !engine->client_addr_ipv6 && engine->client_port < 0 &&
                     !engine->client_interface && !engine->tcp_keep_alive && host && *host;
  SOAP_SOCKET sk = plain ? proxy->ConnectPlain(host, port) : proxy->open_(engine, endpoint, host, port);
  proxy->connection_ = soap_valid_socket(sk) ? Connection::kMade : Connection::kFailed;
  return sk;
}

// One resolution and one attempt per address, as the runtime's connect
// makes them; a failure ends with the runtime's code and texts.
SOAP_SOCKET KvProxyBase::ConnectPlain(const char *host, int port) {
  struct soap *engine = this;
  engine->errmode = 0;
  engine->errnum = 0;
  // A numeric IPv4 address names itself; anything else is resolved.
  sockaddr_in numeric{};
  addrinfo single{};
  std::unique_ptr<addrinfo, void (*)(addrinfo *)> resolved(nullptr, freeaddrinfo);
  const addrinfo *found = &single;
  if (inet_pton(AF_INET, host, &numeric.sin_addr) == 1 && port > 0 && port <= 0xFFFF) {
    numeric.sin_family = AF_INET;
    numeric.sin_port = htons(static_cast<uint16_t>(port));
    single.ai_family = AF_INET;
    single.ai_socktype = SOCK_STREAM;
    single.ai_protocol = IPPROTO_TCP;
    single.ai_addr = reinterpret_cast<sockaddr *>(&numeric);
    single.ai_addrlen = sizeof numeric;
  } else {
    addrinfo hints{};
    hints.ai_family = PF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    char service[16];
    *std::to_chars(service, service + sizeof service - 1, port).ptr = '\0';
    addrinfo *list = nullptr;
    engine->errmode = 2;
    const int rc = getaddrinfo(host, service, &hints, &list);
    resolved.reset(list);
    if (rc != 0 || !list) {
      soap_set_receiver_error(engine, gai_strerror(rc != 0 ? rc : EAI_NONAME), "getaddrinfo failed in tcp_connect()",
                              SOAP_TCP_ERROR);
      return SOAP_INVALID_SOCKET;
    }
    found = list;
  }
  // As the runtime does, an address that fails gives way to the next; the
  // last one's failure is reported.
  for (const addrinfo *at = found;; at = at->ai_next) {
    const int sk = ::socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC, at->ai_protocol);
    engine->errmode = 0;
    if (sk < 0) {
      if (at->ai_next) continue;
      return ConnectFailed(engine, errno, false, "socket failed in tcp_connect()");
    }
    if (const char *why = SetClientOptions(engine, sk)) {
      const int err = errno;
      ::close(sk);
      return ConnectFailed(engine, err, false, why);
    }
    if (::connect(sk, at->ai_addr, at->ai_addrlen) == 0) {
      // With send or receive time-outs the runtime would make the socket
      // non-blocking and wait by select. It stays blocking for RecvNow; the
      // runtime's own sends and receives on it are non-blocking by flag.
      if (engine->recv_timeout || engine->send_timeout) {
        if (!(engine->socket_flags & MSG_DONTWAIT)) {
          engine->socket_flags |= MSG_DONTWAIT;
          addedDontWait_ = true;
        }
        blockingSocket_ = sk;
        socketRecvTimeout_ = 0;
      } else {
        const timeval none{};
        setsockopt(sk, SOL_SOCKET, SO_SNDTIMEO, &none, sizeof none);
      }
      engine->peerlen = 0;
      engine->imode &= ~SOAP_ENC_SSL;
      engine->omode &= ~SOAP_ENC_SSL;
      return sk;
    }
    const int err = errno;
    ::close(sk);
    // A blocking connect whose bound was spent ends as in progress.
    const bool timedOut = err == EINPROGRESS || err == EAGAIN;
    if (at->ai_next) continue;
    return ConnectFailed(engine, err, timedOut, "connect failed in tcp_connect()");
  }
}

int KvProxyBase::SendNow(struct soap *engine, const char *data, size_t size) {
  auto *proxy = static_cast<KvProxyBase *>(engine);
  if (soap_valid_socket(engine->socket) && !engine->ssl && !engine->os && !(engine->omode & SOAP_IO_UDP)) {
    while (size > 0) {
      ssize_t sent = ::send(engine->socket, data, size, engine->socket_flags | MSG_DONTWAIT | MSG_NOSIGNAL);
      if (sent <= 0) break;
      data += sent;
      size -= static_cast<size_t>(sent);
    }
    if (size == 0) return SOAP_OK;
  }
  return proxy->send_(engine, data, size);
}

size_t KvProxyBase::RecvNow(struct soap *engine, char *data, size_t size) {
  auto *proxy = static_cast<KvProxyBase *>(engine);
  const int timeout = engine->recv_timeout;
  if (timeout == 0 || !soap_valid_socket(engine->socket) || engine->socket != proxy->blockingSocket_ ||
      soap_valid_socket(engine->recvsk) || engine->ssl || engine->is || (engine->omode & SOAP_IO_UDP))
    return proxy->recv_(engine, data, size);
  if (timeout != proxy->socketRecvTimeout_) {
    const timeval bound = TimeoutValue(timeout);
    if (setsockopt(engine->socket, SOL_SOCKET, SO_RCVTIMEO, &bound, sizeof bound) != 0)
      return proxy->recv_(engine, data, size);
    proxy->socketRecvTimeout_ = timeout;
  }
  engine->errnum = 0;
  for (;;) {
    const ssize_t n = ::recv(engine->socket, data, size, engine->socket_flags & ~MSG_DONTWAIT);
    if (n >= 0) return static_cast<size_t>(n);
    const int err = errno;
    if (err == EINTR) continue;
    if (err == EAGAIN || err == EWOULDBLOCK) break;
    engine->errnum = err;
    return 0;
  }
  // The bound was spent: the runtime's receive reports it, with no wait of
  // its own.
  engine->recv_timeout = -1;
  const size_t n = proxy->recv_(engine, data, size);
  engine->recv_timeout = timeout;
  return n;
}

int KvProxyBase::CloseNow(struct soap *engine, SOAP_SOCKET socket) {
  auto *proxy = static_cast<KvProxyBase *>(engine);
  if (socket == proxy->blockingSocket_) proxy->blockingSocket_ = SOAP_INVALID_SOCKET;
  return proxy->close_(engine, socket);
}

HttpFrame &FrameOf(struct soap *engine) { return static_cast<KvProxyBase *>(engine)->frame_; }

void KvProxyBase::soap_noheader() { header = nullptr; }

const SOAP_ENV__Fault *KvProxyBase::soap_fault() { return fault; }

const char *KvProxyBase::soap_fault_string() { return ::soap_fault_string(this); }

const char *KvProxyBase::soap_fault_detail() { return ::soap_fault_detail(this); }

int KvProxyBase::soap_close_socket() { return soap_closesock(this); }

void KvProxyBase::soap_print_fault(FILE *fd) { ::soap_print_fault(this, fd); }

void KvProxyBase::soap_stream_fault(std::ostream &os) { ::soap_stream_fault(this, os); }

char *KvProxyBase::soap_sprint_fault(char *buf, size_t len) {
  return ::soap_sprint_fault(this, buf, len);
}

int KvProxyBase::BeginReply() {
  // Replies are plain trees: id and href attributes are not multi-reference
  // links, so an element nobody asked for is skipped, never read by its name.
  imode |= SOAP_XML_TREE;
  textFilter_.Start(false);
  parts_.Stop();
  if (soap_begin_recv(this)) return error;
  if (StartTextFilter()) return error;
  // The runtime would take another document for a body without envelope.
  if (soap_peek_element(this) || soap_match_tag(this, tag, "SOAP-ENV:Envelope"))
    return frame_.Short() ? error : NotAnEnvelope(this, frame_);
  return soap_envelope_begin_in(this) || soap_recv_header(this) || soap_body_begin_in(this);
}

// From here on every byte the runtime receives passes the filter; the part
// of the body already in the buffer is filtered now.
int KvProxyBase::StartTextFilter() {
  if ((mode & SOAP_IO) == SOAP_IO_CHUNK && bufferedBody_.Take(this)) return error;
  textFilter_.Start((mode & SOAP_ENC_LATIN) != 0);
  // A first DIME record cut in chunks leaves the bytes after the chunk in
  // the buffer, beyond buflen.
  size_t body = buflen - bufidx;
  if (mode & SOAP_ENC_DIME) {
    // One record's data is one value: its bound, else the reply's.
    parts_.StartDime(dime.size, maxlength > 0 ? static_cast<uint64_t>(maxlength) : recv_maxlength,
                     (dime.flags & SOAP_DIME_CF) != 0);
    if (dime.buflen > buflen) body = dime.buflen - bufidx;
  } else if (mode & SOAP_ENC_MIME) {
    parts_.StartMime(mime.boundary);
  }
  if (!parts_.Count(buf + bufidx, body)) return error = SOAP_SYNTAX_ERROR;
  ffilterrecv = FilterText;
  size_t len = buflen - bufidx;
  if (FilterText(this, buf + bufidx, &len, sizeof(buf) - bufidx) != SOAP_OK) len = 0;
  buflen = bufidx + len;
  return SOAP_OK;
}

BufferedBody &BufferedBodyOf(struct soap *engine) { return static_cast<KvProxyBase *>(engine)->bufferedBody_; }

int KvProxyBase::CountParts(struct soap *engine, const char *buf, size_t len) {
  return static_cast<KvProxyBase *>(engine)->parts_.Count(buf, len) ? SOAP_OK : SOAP_SYNTAX_ERROR;
}

void *KvProxyBase::TakeMimeReferences(struct soap *engine, void *, const char *, const char *, const char *,
                                      enum soap_mime_encoding) {
  static_cast<KvProxyBase *>(engine)->references_.Take(engine, engine->mime.last);
  return nullptr;
}

void *KvProxyBase::TakeDimeReferences(struct soap *engine, const char *, const char *, const char *) {
  static_cast<KvProxyBase *>(engine)->references_.Take(engine, nullptr);
  return nullptr;
}

int KvProxyBase::ResolveReferences(struct soap *engine) {
  return static_cast<KvProxyBase *>(engine)->references_.Resolve(engine);
}

int KvProxyBase::FilterText(struct soap *engine, char *buf, size_t *len, size_t maxlen) {
  return static_cast<KvProxyBase *>(engine)->textFilter_.Filter(buf, len, maxlen);
}

// A refused text is the reply's error, whatever the parser made of the
// input that stopped there.
int KvProxyBase::ReplyDone(int result) {
  ffilterrecv = nullptr;
  bufferedBody_.Release(this);
  references_.GiveBack(this);
  const char *why = textFilter_.Refusal();
  if (!why) why = parts_.Refusal();
  parts_.Stop();
  if (why) {
    soap_set_receiver_error(this, "Broken reply", why, SOAP_SYNTAX_ERROR);
    NameFaultSide(this);
    return error;
  }
  return result;
}

// Ends a reply that failed to read; a body cut short of its frame is a
// broken reply whatever the parser made of it.
int KvProxyBase::Abandon() {
  if (frame_.LengthRefused())
    frame_.ReportLengthRefused(this);
  else if (frame_.Short())
    frame_.ReportShort(this);
  else if (frame_.DeadlineReached())
    frame_.ReportDeadline(this);
  else if (!OverLimit())
    StatusFault(this, frame_);
  NameFaultSide(this);
  return soap_closesock(this);
}

// The runtime ends a reply over recv_maxlength as if the input had ended,
// and one over maxlength with SOAP_LENGTH; both say which limit it was.
bool KvProxyBase::OverLimit() {
  if ((recv_maxlength && count > recv_maxlength) || (parts_.ValueTooLong() && maxlength <= 0)) {
    std::snprintf(limitText_, sizeof limitText_, "The reply exceeds the limit of %llu bytes",
                  static_cast<unsigned long long>(recv_maxlength));
  } else if ((error == SOAP_LENGTH && maxlength > 0) || frame_.ValueTooLong() || parts_.ValueTooLong()) {
    std::snprintf(limitText_, sizeof limitText_, "A value of the reply exceeds the limit of %ld bytes", maxlength);
  } else {
    return false;
  }
  ServerFault(this, limitText_, SOAP_LENGTH);
  return true;
}

// Reads the rest of the reply once the response element was tried. Another
// element than the response in the body is a fault or a tag mismatch; an
// empty body is SOAP_NO_TAG.
int KvProxyBase::EndReply() {
  if (error) {
    if (error != SOAP_TAG_MISMATCH || level != 2) return Abandon();
    int result = ClassifyFault(soap_recv_fault(this, 0));
    if (frame_.Short()) return frame_.ReportShort(this);
    if (frame_.DeadlineReached()) return frame_.ReportDeadline(this);
    if (OverLimit()) return error;
    if (result == SOAP_CLI_FAULT || result == SOAP_SVR_FAULT || result == SOAP_MUSTUNDERSTAND ||
        result == SOAP_VERSIONMISMATCH || result == SOAP_FAULT)
      return result;
    soap_set_sender_error(this, "Unexpected element in the SOAP body", nullptr, SOAP_TAG_MISMATCH);
    soap_closesock(this);
    return error = SOAP_TAG_MISMATCH;
  }
  // Whether or not the ends read cleanly, closing returns the engine's error.
  if (soap_body_end_in(this) || soap_envelope_end_in(this) || soap_end_recv(this)) return Abandon();
  frame_.Finish(this);
  return soap_closesock(this);
}

// The runtime answers SOAP_FAULT for a standard fault code whose envelope
// prefix was not "SOAP-ENV" on the wire; the stored code is already mapped
// to our prefix, so classify it again.
int KvProxyBase::ClassifyFault(int result) {
  if (result != SOAP_FAULT || !fault) return result;
  const char **code = soap_faultcode(this);
  if (!code || !*code) return result;
  struct Mapping {
    const char *code;
    int result;
  };
  static const Mapping kStandardCodes[] = {
      {"SOAP-ENV:Client", SOAP_CLI_FAULT},          {"SOAP-ENV:Sender", SOAP_CLI_FAULT},
      {"SOAP-ENV:Server", SOAP_SVR_FAULT},          {"SOAP-ENV:Receiver", SOAP_SVR_FAULT},
      {"SOAP-ENV:MustUnderstand", SOAP_MUSTUNDERSTAND}, {"SOAP-ENV:VersionMismatch", SOAP_VERSIONMISMATCH},
  };
  for (const Mapping &m : kStandardCodes)
    if (std::strcmp(*code, m.code) == 0) return error = m.result;
  return result;
}

}  // namespace kv::wire
