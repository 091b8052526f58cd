#include "KvProxy.h"

#include <cstring>

namespace kv::wire {

KvProxyBase::KvProxyBase(soap_mode iomode, const Namespace *table, const char *defaultEndpoint)
    : soap(iomode), table_(table), defaultEndpoint_(defaultEndpoint) {
  InitEngine(iomode, iomode);
}

KvProxyBase::~KvProxyBase() {
  soap_destroy(this);
  soap_end(this);
}

void KvProxyBase::InitEngine(soap_mode imode, soap_mode omode) {
  soap_imode(this, imode);
  soap_omode(this, omode);
  soap_endpoint = nullptr;
  soap_set_namespaces(this, table_);
}

void KvProxyBase::soap_noheader() { header = nullptr; }

const SOAP_ENV__Fault *KvProxyBase::soap_fault() { return fault; }

const char *KvProxyBase::soap_fault_string() { return ::soap_fault_string(this); }

const char *KvProxyBase::soap_fault_detail() { return ::soap_fault_detail(this); }

int KvProxyBase::soap_close_socket() { return soap_closesock(this); }

void KvProxyBase::soap_print_fault(FILE *fd) { ::soap_print_fault(this, fd); }

void KvProxyBase::soap_stream_fault(std::ostream &os) { ::soap_stream_fault(this, os); }

char *KvProxyBase::soap_sprint_fault(char *buf, size_t len) {
  return ::soap_sprint_fault(this, buf, len);
}

int KvProxyBase::FinishCall(int result) { return result; }

}  // namespace kv::wire
