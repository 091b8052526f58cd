// BufferedBody: the rest of a chunked reply, read whole (unchunked and
// inflated by the runtime) and then read again from memory as a plain body.
//
// The runtime's receive filter hook (ffilterrecv), which the text checks of
// ReplyTextFilter need, loses its place in a chunked body: before each call
// it resets the buffer indexes that also mark where the next chunk starts.
// A chunked body ends with its last chunk, so reading it whole waits for
// nothing more than the runtime would.
#pragma once

#include <cstddef>
#include <string>

struct soap;

namespace kv::wire {

class BufferedBody {
 public:
  /// After soap_begin_recv of a chunked reply: reads the rest of the body
  /// and lets the engine read it from memory. Returns the engine's error.
  int Take(struct soap *engine);
  /// After the reply: the engine reads from its connection again.
  void Release(struct soap *engine);

 private:
  static size_t Recv(struct soap *engine, char *buf, size_t size);

  std::string body_;
  size_t pos_ = 0;
  size_t (*recv_)(struct soap *, char *, size_t) = nullptr;
};

/// The buffered body of the proxy that `engine` is; given by the proxy.
BufferedBody &BufferedBodyOf(struct soap *engine);

}  // namespace kv::wire
