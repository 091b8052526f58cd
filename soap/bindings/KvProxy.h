// KvProxyBase: the engine and shared operations of the nine service proxies.
// One proxy is one SOAP engine; use it from one thread at a time. Everything
// a call reads belongs to the engine and lives until the proxy is destroyed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <iosfwd>

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
  int ReplyDone(int result);
  static int FilterText(struct soap *engine, char *buf, size_t *len, size_t maxlen);

 private:
  const Namespace *table_;
  const char *defaultEndpoint_;
  HttpFrame frame_;
  char limitText_[96] = {};
  ReplyTextFilter textFilter_;
  BufferedBody bufferedBody_;
  friend HttpFrame &FrameOf(struct soap *engine);
  friend BufferedBody &BufferedBodyOf(struct soap *engine);
};

}  // namespace kv::wire
