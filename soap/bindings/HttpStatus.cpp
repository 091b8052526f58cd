#include "HttpStatus.h"

#include <cstring>

namespace kv::wire {
namespace {

constexpr int kOk = 200;
const char kServerCode[] = "SOAP-ENV:Server";
const char kHttpError[] = "HTTP Error";

int NoData(struct soap *engine) { return ServerFault(engine, "The HTTP 200 reply has no body", SOAP_NO_DATA); }

}  // namespace

int ServerFault(struct soap *engine, const char *text, int error) {
  soap_set_receiver_error(engine, text, nullptr, error);
  const char **code = soap_faultcode(engine);
  if (code) *code = kServerCode;
  return engine->error = error;
}

void NameFaultSide(struct soap *engine) {
  if (!engine->fault) return;
  const char **code = soap_faultcode(engine);
  if (!code || !*code) return;
  if (std::strcmp(*code, "detected") == 0)
    *code = kServerCode;
  else if (std::strcmp(*code, "at source") == 0)
    *code = "SOAP-ENV:Client";
}

int NotAnEnvelope(struct soap *engine, HttpFrame &frame) {
  const int status = engine->status;
  if (status == kOk && frame.BodyEmpty(engine)) return StatusFault(engine, frame);
  if (!(status >= 200 && status < 300) && status != 400 && status != 500) return engine->error;
  ServerFault(engine, kHttpError, status);
  return StatusFault(engine, frame);
}

int StatusFault(struct soap *engine, HttpFrame &frame) {
  // The runtime gives the status of the line it read as its error.
  if (frame.HeadCut()) return ServerFault(engine, "The reply ended inside its HTTP head", SOAP_EOF);
  // The runtime gives an empty 200 as 200 or as the end of the input.
  if ((engine->error == kOk || engine->error == SOAP_EOF) && engine->status == kOk && !frame.HeadCut() &&
      !frame.Short() && frame.BodyEmpty(engine))
    NoData(engine);
  if (!IsHttpStatus(engine->error) && engine->error != SOAP_NO_DATA) return engine->error;
  ::soap_fault(engine);
  const char **code = soap_faultcode(engine);
  if (code) *code = kServerCode;
  const char **text = soap_faultstring(engine);
  if (text && !*text) *text = kHttpError;
  return engine->error;
}

}  // namespace kv::wire
