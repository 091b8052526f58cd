// EngineArena: the objects an engine makes for a message, cut from blocks of
// its own. A large reply makes hundreds of thousands of small objects; from
// the heap each costs a malloc and a free (under the heap's lock once the
// process has threads). Here an object costs a few additions, and a block
// goes back to the heap as soon as its last object is deleted, so freeing a
// reply's entries as they are read still frees their memory.
//
// Only objects the engine owns (made by the generated code with the engine
// and linked into its list of objects) come from the blocks. Every such
// object, with an arena or without one (then its memory is a heap block
// with the same header), is placed in memory of TakeObjectMemory: it ends
// with soap_destroy or soap_delete, never with `delete`, so no engine that
// runs the generated code may soap_unlink an object it owns. Anything else
// is a plain `new`. An engine is used by one thread at a time, and so is
// its arena.
#pragma once

#include <cstddef>
#include <new>

#include "stdsoap2.h"

namespace kv::wire {

/// Gives `engine` an arena for the objects it owns (made from then on). A
/// copy of the engine (soap_copy) gets an arena of its own. False when the
/// runtime refused the plugin.
bool AttachEngineArena(struct soap *engine);

namespace detail {

/// Memory for one object of `size` bytes that `engine` owns: from its arena,
/// else from the heap. Null when there is none.
void *TakeObjectMemory(struct soap *engine, std::size_t size) noexcept;
/// Gives back what TakeObjectMemory gave.
void GiveObjectMemory(void *object, std::size_t size) noexcept;

/// A new T. The engine owns it when it has just linked an entry for it
/// (soap_link: the newest entry, still without an object, of one object and
/// with the generated code's `fdelete`): then it comes from TakeObjectMemory;
/// otherwise it is a plain `new`, for its caller to delete.
template <class T>
T *NewObject(struct soap *engine, int (*fdelete)(struct soap *, struct soap_clist *)) noexcept {
  static_assert(alignof(T) <= 16, "objects are placed at 16-byte boundaries");
  const struct soap_clist *entry = engine ? engine->clist : nullptr;
  if (!entry || entry->ptr || entry->size >= 0 || entry->fdelete != fdelete) return new (std::nothrow) T;
  void *memory = TakeObjectMemory(engine, sizeof(T));
  if (!memory) return nullptr;
  try {
    return new (memory) T;
  } catch (...) {
    GiveObjectMemory(memory, sizeof(T));
    return nullptr;
  }
}

/// Ends an object the engine owns (made by NewObject with its entry).
template <class T>
void DeleteObject(T *object) noexcept {
  object->~T();
  GiveObjectMemory(object, sizeof(T));
}

}  // namespace detail
}  // namespace kv::wire
