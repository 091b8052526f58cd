#include "Proxies.h"

#include "Namespaces.h"


#define KV_DEFINE_PROXY(PREFIX, Proxy, DEFAULT_ENDPOINT) \
  Proxy::Proxy(soap_mode iomode) \
      : KvProxyBase(iomode, iomode, kv::wire::NamespacesOf(#PREFIX), DEFAULT_ENDPOINT) {} \
  Proxy::Proxy(soap_mode imode, soap_mode omode) \
      : KvProxyBase(imode, omode, kv::wire::NamespacesOf(#PREFIX), DEFAULT_ENDPOINT) {} \
  void Proxy::Proxy##_init(soap_mode imode, soap_mode omode) { InitEngine(imode, omode); }

KV_DEFINE_PROXY(DEVICE, VXBeingExtractedDeviceWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/pathwalk/VXBeingExtractedDeviceWebService")
KV_DEFINE_PROXY(WALKPATH, VXPathWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/pathwork/VXPathWebService")
KV_DEFINE_PROXY(CLASHRULE, VXClashRuleWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/clash/VXClashRuleWebService")
KV_DEFINE_PROXY(CLASHRESULTVIEW, VXClashResultOverviewWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/clash/VXClashResultOverviewWebService")
KV_DEFINE_PROXY(CLASHRESULTRELATED, VXClashResultRelatedWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/clash/VXClashResultRelatedWebService")
KV_DEFINE_PROXY(HOLECHECKSITUATION, VXHoleCheckSituationWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/hole/VXHoleCheckSituationWebService")
KV_DEFINE_PROXY(HOLERESULTFLOOR, VXHoleResultFloorWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/hole/VXHoleResultFloorWebService")
KV_DEFINE_PROXY(HOLERESULT, VXHoleResultWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/hole/VXHoleResultWebService")
KV_DEFINE_PROXY(HOLERULE, VXHoleRuleWebServiceSoapBindingProxy,
                "http://localhost:8080/RUVU/webservice/hole/VXHoleRuleWebService")
