// Helpers shared by the wire tests.
#pragma once

#include <memory>
#include <string>

#include "Namespaces.h"
#include "Proxies.h"
#include "TypeNames.h"

namespace kv::test {

/// An engine with one service's namespace table, for in-memory I/O.
struct Engine {
  explicit Engine(const char *prefix) {
    soap_init(&engine);
    soap_set_namespaces(&engine, kv::wire::NamespacesOf(prefix));
    kv::wire::UseWireTypeNames(&engine);
  }
  ~Engine() {
    soap_destroy(&engine);
    soap_end(&engine);
    soap_done(&engine);
  }
  struct soap *get() { return &engine; }
  struct soap engine;
};

/// Strings are UTF-8 as they stand, as the runner sets its proxies.
inline void UseUtf8(struct soap &engine) {
  engine.imode |= SOAP_C_UTFSTRING;
  engine.omode |= SOAP_C_UTFSTRING;
}

/// The first child element of the SOAP body in a request, as text.
std::string BodyChild(const std::string &envelope);

/// Removes the xmlns declarations of the standard and service namespaces
/// so that fixtures can be compared as plain text.
std::string WithoutNamespaceDeclarations(std::string xml);

}  // namespace kv::test
