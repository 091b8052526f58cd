// KvProxyBase: the engine and shared operations of the nine service proxies.
// One proxy is one SOAP engine; use it from one thread at a time. Everything
// a call reads belongs to the engine and lives until the proxy is destroyed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <iosfwd>

#include "AttachmentParts.h"
#include "AttachmentReferences.h"
#include "BufferedBody.h"
#include "HttpFrame.h"
#include "ReplyTextFilter.h"
#include "soapH.h"

namespace kv::wire {

/// Limits of every reply unless the caller sets others: far above the
/// largest real reply (about 105 MB).
inline constexpr ULONG64 kDefaultMaxReplyBytes = 512ull << 20;
inline constexpr long kDefaultMaxValueBytes = 256L << 20;

class KvProxyBase : public soap {
 public:
  /// URL the next operation posts to; null means the proxy's default.
  /// Not owned.
  const char *soap_endpoint = nullptr;

  virtual ~KvProxyBase();
  // A proxy is one large engine; it gets pages of its own, so that many
  // made and dropped on several threads do not fragment the heap. A few
  // engines' pages stay mapped for the next proxies.
  static void *operator new(std::size_t size);
  static void operator delete(void *p, std::size_t size) noexcept;
  KvProxyBase(const KvProxyBase &) = delete;
  KvProxyBase &operator=(const KvProxyBase &) = delete;

  /// The next request carries no SOAP header.
  virtual void soap_noheader();
  /// The engine's current fault record, or null; creates nothing.
  virtual const SOAP_ENV__Fault *soap_fault();
  /// The fault text (the SOAP 1.2 reason or the SOAP 1.1 faultstring).
  virtual const char *soap_fault_string();
  /// The fault detail as literal XML, when one was kept.
  virtual const char *soap_fault_detail();
  virtual int soap_close_socket();
  virtual void soap_print_fault(FILE *fd);
  virtual void soap_stream_fault(std::ostream &os);
  virtual char *soap_sprint_fault(char *buf, size_t len);

  /// Makes the engine equal to a new one of its class for the next call:
  /// frees what earlier calls left and restores every setting a call or
  /// its caller can change. False when it cannot (a socket still open);
  /// the engine must then be destroyed.
  bool Renew();
  /// The modes the engine was made with.
  soap_mode MadeIMode() const { return madeIMode_; }
  soap_mode MadeOMode() const { return madeOMode_; }

  /// What the engine's connects since ForgetConnection came to: none
  /// tried, the last one made, or the last one failed.
  enum class Connection { kNotTried, kMade, kFailed };
  Connection LastConnection() const { return connection_; }
  void ForgetConnection() { connection_ = Connection::kNotTried; }

  const char *DefaultEndpoint() const { return defaultEndpoint_; }
  /// The largest reply, in bytes after decompression, and the longest one
  /// value (text or binary data) in bytes; 0 means no limit. A reply over
  /// either fails with SOAP_LENGTH.
  void SetReplyLimits(ULONG64 maxReplyBytes, long maxValueBytes);

 protected:
  KvProxyBase(soap_mode imode, soap_mode omode, const Namespace *table, const char *defaultEndpoint);
  void InitEngine(soap_mode imode, soap_mode omode);

  /// Runs one operation: writes the request, then reads the response
  /// element `responseTag` or the fault. A null response sends the request
  /// and reads nothing.
  template <class Request, class Response>
  int Call(int (*send)(struct soap *, const char *, const char *, Request *), Request *request,
           Response *response, const char *responseTag) {
    if (!soap_endpoint) soap_endpoint = defaultEndpoint_;
    frame_.StartCall(this);
    if (send(this, soap_endpoint, "", request)) return error;
    if (!response) return soap_closesock(this);
    response->soap_default(this);
    if (BeginReply()) return ReplyDone(Abandon());
    // Read as an element only: what follows the response in the body is
    // skipped unread (soap_get would read it by its name).
    response->soap_in(this, responseTag, nullptr);
    return ReplyDone(EndReply());
  }

 private:
  int BeginReply();
  int EndReply();
  int Abandon();
  bool OverLimit();
  int ClassifyFault(int result);
  // The reply's XML text passes through textFilter_ (see ReplyTextFilter.h).
  int StartTextFilter();
  // Sends without first waiting for the socket when it takes the bytes at
  // once; otherwise (or on TLS) the runtime's send with its time-out.
  static int SendNow(struct soap *engine, const char *data, size_t size);
  // Connects a plain TCP socket with ConnectPlain when there is a connect
  // time-out; anything else is left to the runtime's connect. Either way
  // the outcome is kept for LastConnection.
  static SOAP_SOCKET OpenNow(struct soap *engine, const char *endpoint, const char *host, int port);
  // Resolves the host once and connects blocking, bounded by the connect
  // time-out as a socket option, instead of the runtime's non-blocking
  // connect and wait; a failure is reported as the runtime reports it.
  SOAP_SOCKET ConnectPlain(const char *host, int port);
  // Receives on a socket OpenNow connected by a blocking receive bounded by
  // the receive time-out as a socket option, instead of the runtime's wait
  // in select before every receive; a time-out is reported by the runtime.
  static size_t RecvNow(struct soap *engine, char *data, size_t size);
  // Forgets the socket OpenNow connected once it is closed.
  static int CloseNow(struct soap *engine, SOAP_SOCKET socket);
  int ReplyDone(int result);
  static int FilterText(struct soap *engine, char *buf, size_t *len, size_t maxlen);
  // Counts the parts of a MIME or DIME reply on every decoded piece.
  static int CountParts(struct soap *engine, const char *buf, size_t len);
  // Take the reply's attachment references from the engine before it reads
  // the first part after the root, and bind them at the end of the reply
  // (see AttachmentReferences.h); the parts are read as without them.
  static void *TakeMimeReferences(struct soap *engine, void *, const char *, const char *, const char *,
                                  enum soap_mime_encoding);
  static void *TakeDimeReferences(struct soap *engine, const char *, const char *, const char *);
  static int ResolveReferences(struct soap *engine);
  void KeepSettings();

 private:
  const Namespace *table_;
  const char *defaultEndpoint_;
  soap_mode madeIMode_;
  soap_mode madeOMode_;
  // Every field of the engine that holds a setting, a call's result or a
  // call's counters, as opposed to its buffers and its own allocations.
#define KV_ENGINE_SETTINGS(X)                                                                              \
  X(state) X(version) X(mode) X(imode) X(omode) X(float_format) X(double_format) X(long_double_format)      \
  X(dime_id_format) X(recv_maxlength) X(recv_timeout) X(send_timeout) X(transfer_timeout)                  \
  X(connect_timeout) X(accept_timeout) X(socket_flags) X(connect_flags) X(connect_retry) X(bind_flags)      \
  X(bind_inet6) X(bind_v6only) X(accept_flags) X(sndbuf) X(rcvbuf) X(linger_time) X(maxlevel) X(maxlength) \
  X(maxoccurs) X(http_version) X(http_content) X(http_extra_header) X(encodingStyle) X(actor) X(lang)       \
  X(namespaces) X(header) X(fault) X(user) X(plugins) X(bearer) X(userid) X(passwd) X(authrealm)           \
  X(ntlm_challenge) X(ntlm_auth) X(fpost) X(fget) X(fput) X(fpatch) X(fdel) X(fopt) X(fhead) X(fform)       \
  X(fposthdr) X(fresponse) X(fparse) X(fparsehdr) X(fheader) X(fresolve) X(fconnect) X(fdisconnect)        \
  X(fclosesocket) X(fshutdownsocket) X(fopen) X(faccept) X(fclose) X(fsend) X(frecv) X(fpoll) X(fseterror)  \
  X(fencoding) X(fignore) X(fserveloop) X(fplugin) X(fsvalidate) X(fwvalidate) X(feltbegin) X(feltendin)    \
  X(feltbegout) X(feltendout) X(fprepareinitsend) X(fprepareinitrecv) X(fpreparesend) X(fpreparerecv)      \
  X(fpreparefinalsend) X(fpreparefinalrecv) X(recverror) X(ffiltersend) X(ffilterrecv) X(fdimereadopen)   \
  X(fdimewriteopen) X(fdimereadclose) X(fdimewriteclose) X(fdimeread) X(fdimewrite) X(fmimereadopen)      \
  X(fmimewriteopen) X(fmimereadclose) X(fmimewriteclose) X(fmimeread) X(fmimewrite) X(os) X(is) X(sendfd)  \
  X(recvfd) X(fsslauth) X(fsslverify) X(dhfile) X(randfile) X(ssl_flags) X(keyfile) X(keyid) X(password)   \
  X(cafile) X(capath) X(crlfile) X(session_port) X(action) X(prolog) X(ip) X(port) X(override_host)        \
  X(override_port) X(keep_alive) X(tcp_keep_alive) X(tcp_keep_idle) X(tcp_keep_intvl) X(tcp_keep_cnt)      \
  X(max_keep_alive) X(proxy_http_version) X(proxy_host) X(proxy_port) X(proxy_userid) X(proxy_passwd)      \
  X(proxy_from) X(origin) X(cors_origin) X(cors_allow) X(cors_method) X(cors_header) X(cors_methods)       \
  X(cors_headers) X(x_frame_options) X(status) X(error) X(errmode) X(errnum) X(wsuid) X(c14nexclude)       \
  X(c14ninclude) X(cookie_domain) X(cookie_path) X(cookie_max) X(ipv6_multicast_if) X(ipv4_multicast_if)   \
  X(ipv4_multicast_ttl) X(client_addr) X(client_addr_ipv6) X(client_port) X(client_interface) X(peerlen)   \
  X(z_dict) X(z_dict_len) X(z_level) X(z_ratio_in) X(z_ratio_out) X(zlib_state) X(zlib_in) X(zlib_out)      \
  X(bufidx) X(buflen) X(ahead) X(cdata) X(body) X(level) X(start) X(count) X(length) X(position) X(other)   \
  X(root) X(encoding) X(mustUnderstand) X(null) X(ns) X(part) X(event) X(peeked) X(evlev) X(alloced)        \
  X(chunksize) X(chunkbuflen)
#define KV_ENGINE_SETTING_MEMBER(field) decltype(soap::field) field;
  struct Settings {
    KV_ENGINE_SETTINGS(KV_ENGINE_SETTING_MEMBER)
  };
#undef KV_ENGINE_SETTING_MEMBER
  // The settings as made, restored by Renew.
  Settings settings_;
  HttpFrame frame_;
  int (*send_)(struct soap *, const char *, size_t) = nullptr;
  SOAP_SOCKET (*open_)(struct soap *, const char *, const char *, int) = nullptr;
  size_t (*recv_)(struct soap *, char *, size_t) = nullptr;
  int (*close_)(struct soap *, SOAP_SOCKET) = nullptr;
  // The socket OpenNow left blocking for RecvNow, with the receive time-out
  // set on it; the runtime's own sends and receives on it get MSG_DONTWAIT.
  SOAP_SOCKET blockingSocket_ = SOAP_INVALID_SOCKET;
  int socketRecvTimeout_ = 0;
  bool addedDontWait_ = false;
  Connection connection_ = Connection::kNotTried;
  char limitText_[96] = {};
  ReplyTextFilter textFilter_;
  AttachmentParts parts_;
  AttachmentReferences references_;
  BufferedBody bufferedBody_;
  friend HttpFrame &FrameOf(struct soap *engine);
  friend BufferedBody &BufferedBodyOf(struct soap *engine);
};

}  // namespace kv::wire
