#include "TypeNames.h"

#include <dlfcn.h>

#include <atomic>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "DerivedClasses.h"
#include "soapH.h"

namespace kv::wire {
namespace {

#define KV_CHECK_DERIVED(PREFIX, Class, Base) \
  static_assert(std::is_base_of_v<PREFIX##__##Base, PREFIX##__##Class>, #PREFIX "__" #Class);
KV_DERIVED_CLASSES(KV_CHECK_DERIVED)
#undef KV_CHECK_DERIVED

constexpr std::string_view kDerivedTypeNames[] = {
#define KV_TYPE_NAME(PREFIX, Class, Base) #PREFIX ":" #Class,
    KV_DERIVED_CLASSES(KV_TYPE_NAME)
#undef KV_TYPE_NAME
};

// The runtime calls the same hook for a start tag whose content follows and
// for an empty element (an empty string), and only its caller tells the two
// apart. The two call sites are found once by their symbol names.
bool CalledForEmptyElement(const void *caller) {
  static std::atomic<const void *> startSite{nullptr};
  static std::atomic<const void *> emptySite{nullptr};
  if (caller == startSite.load(std::memory_order_relaxed)) return false;
  if (caller == emptySite.load(std::memory_order_relaxed)) return true;
  Dl_info info{};
  const bool empty =
      dladdr(caller, &info) != 0 && info.dli_sname && std::strcmp(info.dli_sname, "soap_element_empty") == 0;
  (empty ? emptySite : startSite).store(caller, std::memory_order_relaxed);
  return empty;
}

int WriteStartTag(struct soap *engine, const char *tag, int id, const char *type) {
  const bool empty = CalledForEmptyElement(__builtin_return_address(0));
  // The runtime's own start tag, without the hook, with the type name kept
  // only for a derived class.
  engine->feltbegout = nullptr;
  const bool failed = soap_element(engine, tag, id, IsDerivedTypeName(type) ? type : nullptr) ||
                      soap_element_start_end_out(engine, empty ? tag : nullptr);
  engine->feltbegout = WriteStartTag;
  return failed ? engine->error : SOAP_OK;
}

}  // namespace

bool IsDerivedTypeName(const char *type) {
  if (!type || !*type) return false;
  for (std::string_view name : kDerivedTypeNames)
    if (name == type) return true;
  return false;
}

void UseWireTypeNames(struct soap *engine) { engine->feltbegout = WriteStartTag; }

}  // namespace kv::wire
