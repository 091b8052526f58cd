// A proxy call answered from memory: the engine's connection callbacks read
// the given bytes as the HTTP reply and drop the request, so no socket and no
// other thread take part.
#pragma once

#include <cstddef>
#include <cstring>

#include "stdsoap2.h"

namespace kv::test {

class MemoryReply {
 public:
  MemoryReply(const void *data, size_t size) : data_(static_cast<const char *>(data)), size_(size) {}

  /// Calls `operation` with a default request on a proxy made as the runner
  /// makes one (MTOM, UTF-8 text kept as it stands) and answered by this
  /// reply; `before` sees the proxy before the call, `after` the proxy, the
  /// response and the call's result after it. Returns the call's result.
  template <class Proxy, class Request, class Response, class Before, class After>
  int Call(int (Proxy::*operation)(Request *, Response *), Before before, After after) {
    Proxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
    proxy.imode |= SOAP_C_UTFSTRING;
    proxy.omode |= SOAP_C_UTFSTRING;
    Attach(proxy);
    before(proxy);
    Request request;
    Response response;
    const int result = (proxy.*operation)(&request, &response);
    after(proxy, response, result);
    return result;
  }

  /// Points `engine`'s connection at this reply (the engine's `user` field
  /// holds it) and its endpoint at a placeholder URL.
  template <class Proxy>
  void Attach(Proxy &proxy) {
    proxy.user = this;
    proxy.fopen = Open;
    proxy.fsend = Send;
    proxy.frecv = Receive;
    proxy.fclose = Close;
    proxy.fpoll = Poll;
    proxy.soap_endpoint = "http://127.0.0.1:1/RUVU/memory";
  }

 private:
  static SOAP_SOCKET Open(struct soap *engine, const char *, const char *, int) {
    engine->error = SOAP_OK;
    return 7;  // any valid descriptor number; nothing is read from it
  }
  static int Send(struct soap *, const char *, size_t) { return SOAP_OK; }
  static int Close(struct soap *) { return SOAP_OK; }
  static int Poll(struct soap *) { return SOAP_OK; }
  static size_t Receive(struct soap *engine, char *buf, size_t len) {
    auto *reply = static_cast<MemoryReply *>(engine->user);
    const size_t n = reply->size_ - reply->pos_ < len ? reply->size_ - reply->pos_ : len;
    std::memcpy(buf, reply->data_ + reply->pos_, n);
    reply->pos_ += n;
    return n;
  }

  const char *data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace kv::test
