// Type names on the wire: a derived object always carries its own xsi:type,
// nothing else carries one.
//
// The generator runs with -t, so every writer hands its element's type name
// to the runtime; the start-tag hook installed here keeps the name only for
// the derived classes of KV_DERIVED_CLASSES. Without it gSOAP 2.8 would name
// a derived object only where its dynamic class differs from the declared one.
#pragma once

struct soap;

namespace kv::wire {

/// Installs the start-tag hook on `engine` (every proxy does this; engines
/// made with soap_init for in-memory writing must do it too).
void UseWireTypeNames(struct soap *engine);

/// Whether `type` ("WALKPATH:path4Edit") names a derived wire class.
bool IsDerivedTypeName(const char *type);

}  // namespace kv::wire
