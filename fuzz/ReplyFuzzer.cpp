// Feeds arbitrary bytes as the HTTP reply to one proxy call, without a
// network: the engine's connection callbacks read the fuzzer's input.
// KV_FUZZ_TARGET selects the call (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Proxies.h"

namespace {

struct Reply {
  const uint8_t *data;
  size_t size;
  size_t pos;
};

SOAP_SOCKET Open(struct soap *engine, const char *, const char *, int) {
  engine->error = SOAP_OK;
  return 7;  // any valid descriptor number; nothing is read from it
}
int Send(struct soap *, const char *, size_t) { return SOAP_OK; }
int Close(struct soap *) { return SOAP_OK; }
int Poll(struct soap *) { return SOAP_OK; }
size_t Receive(struct soap *engine, char *buf, size_t len) {
  auto *reply = static_cast<Reply *>(engine->user);
  size_t n = reply->size - reply->pos < len ? reply->size - reply->pos : len;
  std::memcpy(buf, reply->data + reply->pos, n);
  reply->pos += n;
  return n;
}

template <class Proxy>
void Attach(Proxy &proxy, Reply &reply) {
  proxy.imode |= SOAP_C_UTFSTRING;
  proxy.omode |= SOAP_C_UTFSTRING;
  proxy.user = &reply;
  proxy.fopen = Open;
  proxy.fsend = Send;
  proxy.frecv = Receive;
  proxy.fclose = Close;
  proxy.fpoll = Poll;
  proxy.soap_endpoint = "http://127.0.0.1:1/RUVU/fuzz";
}

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
void Call(Reply &reply, int (Proxy::*operation)(Request *, Response *)) {
  Proxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  Attach(proxy, reply);
  Request request;
  Response response;
  if ((proxy.*operation)(&request, &response) == SOAP_OK) {
    Touch(response, 0);
  } else if (const char *text = proxy.soap_fault_string()) {
    (void)std::strlen(text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  Reply reply{data, size, 0};
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
