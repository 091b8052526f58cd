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
