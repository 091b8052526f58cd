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

// Reads everything a caller would read of the result.
template <class T>
size_t Touch(const std::vector<T *> &list) {
  size_t n = 0;
  for (const T *item : list) n += item != nullptr;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  Reply reply{data, size, 0};
#if KV_FUZZ_TARGET == 1
  VXHoleResultWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  Attach(proxy, reply);
  HOLERESULT__findHoleResults request;
  HOLERESULT__findHoleResultsResponse response;
  if (proxy.findHoleResults(&request, &response) == SOAP_OK) Touch(response.return_);
#elif KV_FUZZ_TARGET == 2
  VXBeingExtractedDeviceWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  Attach(proxy, reply);
  DEVICE__listDevice request;
  DEVICE__listDeviceResponse response;
  if (proxy.listDevice(&request, &response) == SOAP_OK) Touch(response.return_);
#elif KV_FUZZ_TARGET == 3
  VXClashResultRelatedWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  Attach(proxy, reply);
  CLASHRESULTRELATED__getListClashResult request;
  CLASHRESULTRELATED__getListClashResultResponse response;
  if (proxy.getListClashResult(&request, &response) == SOAP_OK) Touch(response.return_);
#elif KV_FUZZ_TARGET == 4
  VXPathWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  Attach(proxy, reply);
  WALKPATH__listPath request;
  WALKPATH__listPathResponse response;
  if (proxy.listPath(&request, &response) == SOAP_OK) Touch(response.return_);
#else
  // A flag operation: what matters is the fault path.
  VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  Attach(proxy, reply);
  CLASHRULE__removeClashRule request;
  CLASHRULE__removeClashRuleResponse response;
  if (proxy.removeClashRule(&request, &response) != SOAP_OK) {
    const char *text = proxy.soap_fault_string();
    if (text) (void)std::strlen(text);
  }
#endif
  return 0;
}
