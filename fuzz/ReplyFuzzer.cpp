// Feeds arbitrary bytes as the HTTP reply to one proxy call, without a
// network: the engine's connection callbacks read the fuzzer's input.
// KV_FUZZ_TARGET selects the call (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "MemoryReply.h"
#include "Proxies.h"

namespace {

// Reads what a caller reads of the result: the list, or the fault text.
template <class Response>
auto Touch(const Response &response, int) -> decltype(response.return_.size()) {
  size_t n = 0;
  for (const auto *item : response.return_) n += item != nullptr;
  return n;
}
template <class Response>
size_t Touch(const Response &, long) {
  return 0;
}

template <class Proxy, class Request, class Response>
void Call(kv::test::MemoryReply &reply, int (Proxy::*operation)(Request *, Response *)) {
  reply.Call(operation, [](Proxy &) {}, [](Proxy &proxy, Response &response, int result) {
    if (result == SOAP_OK)
      Touch(response, 0);
    else if (const char *text = proxy.soap_fault_string())
      (void)std::strlen(text);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  kv::test::MemoryReply reply(data, size);
#if KV_FUZZ_TARGET == 1
  Call(reply, &VXHoleResultWebServiceSoapBindingProxy::findHoleResults);
#elif KV_FUZZ_TARGET == 2
  Call(reply, &VXBeingExtractedDeviceWebServiceSoapBindingProxy::listDevice);
#elif KV_FUZZ_TARGET == 3
  Call(reply, &VXClashResultRelatedWebServiceSoapBindingProxy::getListClashResult);
#elif KV_FUZZ_TARGET == 4
  Call(reply, &VXPathWebServiceSoapBindingProxy::listPath);
#else
  // A flag operation: what matters is the fault and redirect paths.
  Call(reply, &VXClashRuleWebServiceSoapBindingProxy::removeClashRule);
#endif
  return 0;
}
