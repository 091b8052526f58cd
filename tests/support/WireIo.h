// In-memory writing and reading of wire objects, outside any HTTP exchange.
#pragma once

#include <sstream>
#include <string>

#include "stdsoap2.h"

namespace kv::test {

/// Writes `object` as the element `tag` (with the engine's namespace
/// declarations on it) and returns the XML text.
template <class T>
std::string WriteElement(struct soap *engine, const T &object, const char *tag) {
  std::ostringstream out;
  engine->os = &out;
  soap_set_omode(engine, SOAP_XML_TREE);
  soap_begin_send(engine);
  object.soap_serialize(engine);
  object.soap_put(engine, tag, nullptr);
  soap_end_send(engine);
  engine->os = nullptr;
  return out.str();
}

/// Reads the element `tag` from `xml` into a new engine-managed T; null
/// with engine->error set when reading fails.
template <class T>
T *ReadElement(struct soap *engine, const std::string &xml, const char *tag, T *into) {
  std::istringstream in(xml);
  engine->is = &in;
  T *result = nullptr;
  if (soap_begin_recv(engine) == SOAP_OK) {
    into->soap_default(engine);
    result = static_cast<T *>(into->soap_in(engine, tag, nullptr));
    if (result && soap_end_recv(engine) != SOAP_OK) result = nullptr;
  }
  engine->is = nullptr;
  return result;
}

}  // namespace kv::test
