#include "HttpFrame.h"

#include "HttpStatus.h"
#include "Timeouts.h"

#include <strings.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace kv::wire {
namespace {

using Clock = std::chrono::steady_clock;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A Content-Length value: digits only, without overflow.
bool ParseLength(const char *text, std::uint64_t &length) {
  while (*text == ' ' || *text == '\t') ++text;
  if (*text < '0' || *text > '9') return false;
  std::uint64_t value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (value > (UINT64_MAX - 9) / 10) return false;
    value = value * 10 + static_cast<std::uint64_t>(*text - '0');
  }
  while (*text == ' ' || *text == '\t') ++text;
  if (*text) return false;
  length = value;
  return true;
}

bool HasToken(const char *value, const char *token) {
  for (const char *p = value; p && *p; ++p)
    if (strncasecmp(p, token, std::strlen(token)) == 0) return true;
  return false;
}

}  // namespace

// A hook set on the engine after Attach (a test's stand-in for the
// socket) goes under the frame at the next call.
void HttpFrame::Attach(struct soap *engine) {
  if (engine->fparse != &ParseHook) {
    parse_ = engine->fparse;
    engine->fparse = &ParseHook;
  }
  if (engine->fparsehdr != &HeaderHook) {
    parseHeader_ = engine->fparsehdr;
    engine->fparsehdr = &HeaderHook;
  }
  if (engine->fpreparerecv != &DecodedHook) {
    decoded_ = engine->fpreparerecv;
    engine->fpreparerecv = &DecodedHook;
  }
  if (engine->frecv != &RecvHook) {
    recv_ = engine->frecv;
    engine->frecv = &RecvHook;
  }
}

void HttpFrame::StartCall(struct soap *engine) {
  Attach(engine);
  kind_ = Kind::kHead;
  hasLength_ = chunked_ = done_ = short_ = deadlineReached_ = headCut_ = valueTooLong_ = lengthRefused_ = false;
  bodyBytes_ = headBytes_ = 0;
  hasDeadline_ = engine->transfer_timeout != 0;
  if (hasDeadline_) {
    const long long us = TimeoutMicros(engine->transfer_timeout);
    deadline_ = Clock::now() + std::chrono::microseconds(us);
  }
}

int HttpFrame::ParseHook(struct soap *engine) {
  HttpFrame &frame = FrameOf(engine);
  frame.kind_ = Kind::kHead;
  frame.hasLength_ = frame.chunked_ = frame.headCut_ = frame.lengthRefused_ = false;
  int result = frame.parse_(engine);
  // The runtime takes the end of the input for the end of the head.
  if (frame.headCut_) return engine->error = SOAP_EOF;
  frame.BeginBody(engine);
  return result;
}

int HttpFrame::HeaderHook(struct soap *engine, const char *key, const char *value) {
  HttpFrame &frame = FrameOf(engine);
  if (key && value) {
    // Names are compared as the runtime compares them ('-' matches any
    // character), so a header it takes for the length is checked too.
    if (soap_tag_cmp(key, "Content-Length") == 0) {
      // The runtime allocates some bodies by this number before reading
      // them: refuse one that is no number, disagrees with an earlier one
      // or exceeds the reply limit.
      std::uint64_t length = 0;
      if (!ParseLength(value, length) || (frame.hasLength_ && length != frame.length_) ||
          (engine->recv_maxlength && length > engine->recv_maxlength)) {
        frame.lengthRefused_ = true;
        return engine->error = SOAP_LENGTH;
      }
      frame.hasLength_ = true;
      frame.length_ = length;
    } else if (soap_tag_cmp(key, "Transfer-Encoding") == 0)
      frame.chunked_ = HasToken(value, "chunked");
  }
  return frame.parseHeader_(engine, key, value);
}

void HttpFrame::BeginBody(struct soap *engine) {
  received_ = bodyBytes_ = 0;
  ended_ = false;
  done_ = short_ = false;
  size_t buffered = engine->buflen > engine->bufidx ? engine->buflen - engine->bufidx : 0;
  if (chunked_) {
    kind_ = Kind::kChunked;
    chunk_ = Chunk::kSize;
    chunkLeft_ = 0;
    chunkDigits_ = 0;
    engine->buflen = engine->bufidx + ScanChunks(engine->buf + engine->bufidx, buffered);
  } else if (hasLength_) {
    kind_ = Kind::kLength;
    if (buffered >= length_) {
      engine->buflen = engine->bufidx + static_cast<size_t>(length_);
      received_ = bodyBytes_ = length_;
      left_ = 0;
      done_ = true;
    } else {
      received_ = bodyBytes_ = buffered;
      left_ = length_ - buffered;
    }
  } else {
    kind_ = Kind::kUntilClose;
    bodyBytes_ = buffered;
  }
}

size_t HttpFrame::ScanChunks(const char *data, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    const char c = data[i];
    switch (chunk_) {
      case Chunk::kSize: {
        int digit = HexValue(c);
        if (digit >= 0) {
          if (++chunkDigits_ > 15) {  // no real chunk is that large
            short_ = done_ = true;
            return i;
          }
          chunkLeft_ = chunkLeft_ * 16 + static_cast<unsigned>(digit);
          break;
        }
        if (chunkDigits_ == 0) break;  // blank lines before a size
        chunk_ = Chunk::kSizeLine;
      }
        [[fallthrough]];
      case Chunk::kSizeLine:
        if (c != '\n') break;
        if (chunkLeft_ == 0) {
          chunk_ = Chunk::kLast;
          done_ = true;
          received_ += i + 1;
          return i + 1;
        }
        chunk_ = Chunk::kData;
        break;
      case Chunk::kData: {
        std::uint64_t take = std::min<std::uint64_t>(chunkLeft_, size - i);
        chunkLeft_ -= take;
        bodyBytes_ += take;
        i += static_cast<size_t>(take) - 1;
        if (chunkLeft_ == 0) chunk_ = Chunk::kDataEnd;
        break;
      }
      case Chunk::kDataEnd:
        if (c == '\n') {
          chunk_ = Chunk::kSize;
          chunkDigits_ = 0;
        }
        break;
      case Chunk::kLast:
        return i;
    }
  }
  received_ += size;
  return size;
}

size_t HttpFrame::RecvRaw(struct soap *engine, char *buf, size_t size) {
  if (!hasDeadline_) return recv_(engine, buf, size);
  auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline_ - Clock::now()).count();
  if (left <= 0) {
    deadlineReached_ = true;
    return 0;
  }
  // No wait for a byte may outlast the deadline.
  const int saved = engine->recv_timeout;
  const long long savedUs = TimeoutMicros(saved);
  if (savedUs == 0 || left < savedUs)
    engine->recv_timeout = left < 1000000000LL ? -static_cast<int>(left) : static_cast<int>(left / 1000000 + 1);
  size_t n = recv_(engine, buf, size);
  engine->recv_timeout = saved;
  if (n == 0 && Clock::now() >= deadline_) deadlineReached_ = true;
  return n;
}

size_t HttpFrame::RecvHook(struct soap *engine, char *buf, size_t size) {
  HttpFrame &frame = FrameOf(engine);
  switch (frame.kind_) {
    case Kind::kHead: {
      size_t n = frame.RecvRaw(engine, buf, size);
      frame.headBytes_ += n;
      if (n == 0 && frame.headBytes_ > 0) frame.headCut_ = true;
      return n;
    }
    case Kind::kUntilClose: {
      size_t n = frame.RecvRaw(engine, buf, size);
      frame.bodyBytes_ += n;
      frame.ended_ = n == 0;
      return n;
    }
    case Kind::kLength: {
      if (frame.left_ == 0) return 0;
      size_t n = frame.RecvRaw(engine, buf, static_cast<size_t>(std::min<std::uint64_t>(size, frame.left_)));
      if (n == 0) {
        frame.short_ = true;
        return 0;
      }
      frame.left_ -= n;
      frame.received_ += n;
      frame.bodyBytes_ += n;
      frame.done_ = frame.left_ == 0;
      return n;
    }
    case Kind::kChunked: {
      if (frame.done_) return 0;
      size_t n = frame.RecvRaw(engine, buf, size);
      if (n == 0) {
        frame.short_ = true;
        return 0;
      }
      return frame.ScanChunks(buf, n);
    }
  }
  return 0;
}

bool HttpFrame::BodyEmpty(struct soap *engine) {
  char first[512];
  while (bodyBytes_ == 0 && !done_ && !short_ && !ended_ && RecvHook(engine, first, sizeof first) > 0) {
  }
  return bodyBytes_ == 0 && !short_;
}

// Called for every piece of the decoded reply. The value being read (text
// in the engine's current block, binary data in its label buffer) may not
// outgrow maxlength.
int HttpFrame::DecodedHook(struct soap *engine, const char *buf, size_t size) {
  HttpFrame &frame = FrameOf(engine);
  // Parsing work counts against the deadline too, wherever the bytes come
  // from.
  if (frame.hasDeadline_ && Clock::now() >= frame.deadline_) {
    frame.deadlineReached_ = true;
    return SOAP_EOF;
  }
  size_t value = std::max(engine->blist ? engine->blist->size : 0, engine->labidx);
  if (engine->maxlength > 0 && value > static_cast<size_t>(engine->maxlength)) {
    frame.valueTooLong_ = true;
    return SOAP_LENGTH;
  }
  return frame.decoded_ ? frame.decoded_(engine, buf, size) : SOAP_OK;
}

int HttpFrame::Finish(struct soap *engine) {
  if (kind_ == Kind::kLength || kind_ == Kind::kChunked) {
    char rest[4096];
    while (!done_ && !short_ && RecvHook(engine, rest, sizeof rest) > 0) {
    }
  }
  return short_ ? ReportShort(engine) : SOAP_OK;
}

int HttpFrame::ReportLengthRefused(struct soap *engine) {
  if (engine->recv_maxlength)
    std::snprintf(text_, sizeof text_,
                  "The reply's Content-Length is no number, disagrees with another or exceeds the limit of %llu bytes",
                  static_cast<unsigned long long>(engine->recv_maxlength));
  else
    std::snprintf(text_, sizeof text_, "The reply's Content-Length is no number or disagrees with another");
  return ServerFault(engine, text_, SOAP_LENGTH);
}

int HttpFrame::ReportDeadline(struct soap *engine) {
  const long long us = TimeoutMicros(engine->transfer_timeout);
  std::snprintf(text_, sizeof text_, "The reply did not arrive within the call's deadline of %.3g s", us / 1e6);
  return ServerFault(engine, text_, SOAP_EOF);
}

int HttpFrame::ReportShort(struct soap *engine) {
  const char *why = deadlineReached_ ? " before the call's deadline" : "";
  if (kind_ == Kind::kChunked)
    std::snprintf(text_, sizeof text_, "The chunked reply ended before its last chunk%s", why);
  else
    std::snprintf(text_, sizeof text_, "The reply ended after %llu of its %llu body bytes%s",
                  static_cast<unsigned long long>(received_), static_cast<unsigned long long>(length_), why);
  return ServerFault(engine, text_, SOAP_LENGTH);
}

}  // namespace kv::wire
