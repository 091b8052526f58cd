// HttpFrame: where the body of one HTTP reply ends. Content-Length counts
// the body's bytes for every content type; a chunked body ends with its
// last (zero) chunk; otherwise the body ends when the server closes. The
// engine reads no byte past the frame, so a reply ends when its frame is
// whole and never waits for the server to close; bytes after the frame are
// ignored. The frame also holds the call's deadline (the engine's
// transfer_timeout) so that no wait for a byte outlasts it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "stdsoap2.h"

namespace kv::wire {

class HttpFrame {
 public:
  /// Puts the frame's hooks between the engine and its socket (or what
  /// stands in for it); again at every call.
  void Attach(struct soap *engine);
  /// Starts a call: hooks and the call's deadline.
  void StartCall(struct soap *engine);
  /// Reads what the frame still holds; SOAP_LENGTH (45) with a fault when
  /// the body ended before its frame, else SOAP_OK.
  int Finish(struct soap *engine);
  /// True when the body ended before its frame was whole.
  bool Short() const { return short_; }
  /// True when the connection ended after the first bytes of the HTTP
  /// head and before it was whole.
  bool HeadCut() const { return headCut_; }
  /// True when the body holds no byte; reads until its first byte, the
  /// end of its frame or the close.
  bool BodyEmpty(struct soap *engine);
  /// True when one value grew past the engine's maxlength (text and
  /// binary data alike; the runtime checks only text).
  bool ValueTooLong() const { return valueTooLong_; }
  /// True when the head's Content-Length was refused.
  bool LengthRefused() const { return lengthRefused_; }
  int ReportLengthRefused(struct soap *engine);
  /// True when the call's deadline ended a wait for bytes.
  bool DeadlineReached() const { return deadlineReached_; }
  /// Sets the engine's error to SOAP_LENGTH with a fault saying how the
  /// body fell short.
  int ReportShort(struct soap *engine);
  /// Sets the engine's error to SOAP_EOF with a fault naming the deadline.
  int ReportDeadline(struct soap *engine);

 private:
  enum class Kind { kHead, kUntilClose, kLength, kChunked };
  enum class Chunk { kSize, kSizeLine, kData, kDataEnd, kLast };

  static int ParseHook(struct soap *engine);
  static int HeaderHook(struct soap *engine, const char *key, const char *value);
  static size_t RecvHook(struct soap *engine, char *buf, size_t size);
  static int DecodedHook(struct soap *engine, const char *buf, size_t size);

  // Starts the body's frame after the head was parsed.
  void BeginBody(struct soap *engine);
  // The bytes of `data` that belong to a chunked body; ends the frame at
  // its last chunk.
  size_t ScanChunks(const char *data, size_t size);
  // Reads from the socket, waiting no longer than the deadline allows.
  size_t RecvRaw(struct soap *engine, char *buf, size_t size);

  int (*parse_)(struct soap *) = nullptr;
  int (*parseHeader_)(struct soap *, const char *, const char *) = nullptr;
  size_t (*recv_)(struct soap *, char *, size_t) = nullptr;
  int (*decoded_)(struct soap *, const char *, size_t) = nullptr;

  Kind kind_ = Kind::kUntilClose;
  bool hasLength_ = false;
  bool chunked_ = false;
  std::uint64_t length_ = 0;  // Content-Length
  std::uint64_t left_ = 0;    // body bytes of a length frame still to come
  std::uint64_t received_ = 0;
  Chunk chunk_ = Chunk::kSize;
  std::uint64_t chunkLeft_ = 0;
  int chunkDigits_ = 0;
  std::uint64_t bodyBytes_ = 0;  // body bytes seen (data of chunks)
  std::uint64_t headBytes_ = 0;
  bool headCut_ = false;
  bool ended_ = false;  // a read of the body gave nothing more
  bool done_ = false;  // the frame is whole
  bool short_ = false;
  bool deadlineReached_ = false;
  bool valueTooLong_ = false;
  bool lengthRefused_ = false;
  std::chrono::steady_clock::time_point deadline_{};
  bool hasDeadline_ = false;
  char text_[192] = {};
};

/// The frame of the proxy that `engine` is; given by the proxy.
HttpFrame &FrameOf(struct soap *engine);

}  // namespace kv::wire
