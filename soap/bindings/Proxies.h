// The nine service proxies. Each posts its service's operations to
// soap_endpoint (or its default endpoint) and returns the engine's result.
#pragma once

#include "KvProxy.h"
#include "ServiceOperations.h"

#define KV_PROXY_OPERATION(PREFIX, op) \
  virtual int op(PREFIX##__##op *request, PREFIX##__##op##Response *response) { \
    return Call(soap_send___##PREFIX##__##op, request, response, #PREFIX ":" #op "Response"); \
  }

#define KV_DECLARE_PROXY(PREFIX, Proxy, OPERATIONS) \
  class Proxy : public kv::wire::KvProxyBase { \
   public: \
    explicit Proxy(soap_mode iomode = SOAP_IO_DEFAULT); \
    Proxy(soap_mode imode, soap_mode omode); \
    virtual void Proxy##_init(soap_mode imode, soap_mode omode); \
    OPERATIONS(KV_PROXY_OPERATION) \
  };

KV_SERVICES(KV_DECLARE_PROXY)

#undef KV_DECLARE_PROXY
