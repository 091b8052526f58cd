#include "Namespaces.h"

#include <cstring>

#include "stdsoap2.h"

namespace kv::wire {

#define KV_STANDARD_NAMESPACE_ROWS \
  {"SOAP-ENV", "http://schemas.xmlsoap.org/soap/envelope/", "http://www.w3.org/*/soap-envelope", nullptr}, \
  {"SOAP-ENC", "http://schemas.xmlsoap.org/soap/encoding/", "http://www.w3.org/*/soap-encoding", nullptr}, \
  {"xsi", "http://www.w3.org/2001/XMLSchema-instance", "http://www.w3.org/*/XMLSchema-instance", nullptr}, \
  {"xsd", "http://www.w3.org/2001/XMLSchema", "http://www.w3.org/*/XMLSchema", nullptr}

namespace {

// Services of one area share a namespace URI, so a proxy's table must bind
// only its own prefix: otherwise the runtime maps the reply's URI to the
// first prefix of the area and the proxy cannot match its own response.
#define KV_OWN_TABLE(PREFIX, URI) \
  const Namespace k##PREFIX##Table[] = { \
      KV_STANDARD_NAMESPACE_ROWS, {#PREFIX, URI, nullptr, nullptr}, {nullptr, nullptr, nullptr, nullptr}};

KV_OWN_TABLE(DEVICE, kPathwalkAreaUri)
KV_OWN_TABLE(WALKPATH, kPathwalkAreaUri)
KV_OWN_TABLE(CLASHRULE, kClashAreaUri)
KV_OWN_TABLE(CLASHRESULTVIEW, kClashAreaUri)
KV_OWN_TABLE(CLASHRESULTRELATED, kClashAreaUri)
KV_OWN_TABLE(HOLECHECKSITUATION, kHoleAreaUri)
KV_OWN_TABLE(HOLERESULTFLOOR, kHoleAreaUri)
KV_OWN_TABLE(HOLERESULT, kHoleAreaUri)
KV_OWN_TABLE(HOLERULE, kHoleAreaUri)

struct TableEntry {
  const char *prefix;
  const Namespace *table;
};

const TableEntry kTables[] = {
    {"DEVICE", kDEVICETable},
    {"WALKPATH", kWALKPATHTable},
    {"CLASHRULE", kCLASHRULETable},
    {"CLASHRESULTVIEW", kCLASHRESULTVIEWTable},
    {"CLASHRESULTRELATED", kCLASHRESULTRELATEDTable},
    {"HOLECHECKSITUATION", kHOLECHECKSITUATIONTable},
    {"HOLERESULTFLOOR", kHOLERESULTFLOORTable},
    {"HOLERESULT", kHOLERESULTTable},
    {"HOLERULE", kHOLERULETable},
};

}  // namespace

const Namespace *NamespacesOf(const char *prefix) {
  for (const TableEntry &entry : kTables)
    if (std::strcmp(entry.prefix, prefix) == 0) return entry.table;
  return nullptr;
}

}  // namespace kv::wire

// The runtime's soap_init installs this global table before a proxy
// replaces it with its own.
using namespace kv::wire;
SOAP_NMAC struct Namespace namespaces[] = {
    KV_STANDARD_NAMESPACE_ROWS,
    {"DEVICE", kPathwalkAreaUri, nullptr, nullptr},
    {"CLASHRESULTVIEW", kClashAreaUri, nullptr, nullptr},
    {"CLASHRESULTRELATED", kClashAreaUri, nullptr, nullptr},
    {"CLASHRULE", kClashAreaUri, nullptr, nullptr},
    {"WALKPATH", kPathwalkAreaUri, nullptr, nullptr},
    {"HOLECHECKSITUATION", kHoleAreaUri, nullptr, nullptr},
    {"HOLERESULTFLOOR", kHoleAreaUri, nullptr, nullptr},
    {"HOLERESULT", kHoleAreaUri, nullptr, nullptr},
    {"HOLERULE", kHoleAreaUri, nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr}};
