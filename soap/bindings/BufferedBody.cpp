#include "BufferedBody.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "stdsoap2.h"

namespace kv::wire {

int BufferedBody::Take(struct soap *engine) {
  body_.assign(engine->buf + engine->bufidx, engine->buflen - engine->bufidx);
  engine->bufidx = engine->buflen;
  while (soap_recv(engine) == SOAP_OK) {
    body_.append(engine->buf + engine->bufidx, engine->buflen - engine->bufidx);
    engine->bufidx = engine->buflen;
  }
  if (engine->error) return engine->error;
  // From here the engine reads a plain, already inflated body from memory.
  if ((engine->mode & SOAP_ENC_ZLIB) && engine->d_stream) inflateEnd(engine->d_stream);
  engine->mode = (engine->mode & ~(SOAP_IO | SOAP_ENC_ZLIB)) | SOAP_IO_BUFFER;
  engine->zlib_in = SOAP_ZLIB_NONE;
  engine->chunksize = engine->chunkbuflen = 0;
  engine->ahead = 0;  // the last chunk left the end of input here
  engine->recverror = SOAP_OK;
  engine->bufidx = engine->buflen = 0;
  engine->count -= body_.size();  // counted again when read from memory
  pos_ = 0;
  recv_ = engine->frecv;
  engine->frecv = Recv;
  return SOAP_OK;
}

void BufferedBody::Release(struct soap *engine) {
  if (recv_) engine->frecv = recv_;
  recv_ = nullptr;
  std::string().swap(body_);
  pos_ = 0;
}

size_t BufferedBody::Recv(struct soap *engine, char *buf, size_t size) {
  BufferedBody &self = BufferedBodyOf(engine);
  const size_t n = std::min(size, self.body_.size() - self.pos_);
  std::memcpy(buf, self.body_.data() + self.pos_, n);
  self.pos_ += n;
  return n;
}

}  // namespace kv::wire
