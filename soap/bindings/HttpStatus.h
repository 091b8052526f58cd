// The result of a reply that carries no SOAP message: its HTTP status, or
// SOAP_NO_DATA for a 200 without a body; such failures always hold a fault
// with the code "SOAP-ENV:Server".
#pragma once

#include "HttpFrame.h"

namespace kv::wire {

/// True when `result` is an HTTP status that the engine gives as its error.
inline bool IsHttpStatus(int result) { return result >= 100 && result < 600; }

/// After the reply head was read and the body is no SOAP envelope: the
/// reply's HTTP status, or SOAP_NO_DATA for a 200 without a body.
int NotAnEnvelope(struct soap *engine, HttpFrame &frame);

/// Sets the engine's error with a fault of the code "SOAP-ENV:Server" and
/// the text `text` (kept by the caller); returns `error`.
int ServerFault(struct soap *engine, const char *text, int error);

/// Gives a fault that the runtime made before it knew the SOAP version
/// the code of its side ("SOAP-ENV:Server" for its placeholder "detected").
void NameFaultSide(struct soap *engine);

/// Completes a failed reply: a 200 without a body becomes SOAP_NO_DATA,
/// and an HTTP status or SOAP_NO_DATA is recorded under "SOAP-ENV:Server".
int StatusFault(struct soap *engine, HttpFrame &frame);

}  // namespace kv::wire
