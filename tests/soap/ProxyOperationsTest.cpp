// Every operation of the nine proxies against a loopback server: the request
// element, namespace, path and SOAP action, and the response read back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "LoopbackServer.h"
#include "Proxies.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

// How many "return" values a response read: 0 for a response without one.
template <class R, class = void>
struct ReturnCounter {
  static size_t Count(const R &) { return 0; }
  static constexpr bool kHasReturn = false;
};
template <class R>
struct ReturnCounter<R, std::void_t<decltype(std::declval<R>().return_)>> {
  template <class T>
  static size_t Of(const std::vector<T> &v) { return v.size(); }
  template <class T>
  static size_t Of(T *p) { return p ? 1 : 0; }
  static size_t Count(const R &r) { return Of(r.return_); }
  static constexpr bool kHasReturn = true;
};

struct OperationCase {
  const char *prefix;
  const char *operation;
  const char *defaultEndpoint;
  // Calls the operation with an empty request against `endpoint`; returns
  // the result code and the number of "return" values read.
  std::function<int(const std::string &endpoint, size_t *returns, bool *hasReturn)> call;
};

#define KV_OPERATION_CASE(PREFIX, op) \
  OperationCase{#PREFIX, #op, nullptr, [](const std::string &endpoint, size_t *returns, bool *hasReturn) { \
                  ProxyOf##PREFIX proxy(SOAP_ENC_MTOM); \
                  proxy.soap_endpoint = endpoint.c_str(); \
                  PREFIX##__##op request; \
                  PREFIX##__##op##Response response; \
                  int rc = proxy.op(&request, &response); \
                  *returns = ReturnCounter<PREFIX##__##op##Response>::Count(response); \
                  *hasReturn = ReturnCounter<PREFIX##__##op##Response>::kHasReturn; \
                  return rc; \
                }},

#define KV_PROXY_ALIAS(PREFIX, Proxy, OPERATIONS) using ProxyOf##PREFIX = Proxy;
KV_SERVICES(KV_PROXY_ALIAS)
#define KV_SERVICE_CASES(PREFIX, Proxy, OPERATIONS) OPERATIONS(KV_OPERATION_CASE)

const std::vector<OperationCase> &AllOperations() {
  static const std::vector<OperationCase> cases = {KV_SERVICES(KV_SERVICE_CASES)};
  return cases;
}

std::string UriOf(const std::string &prefix) {
  if (prefix == "DEVICE" || prefix == "WALKPATH") return kv::wire::kPathwalkAreaUri;
  if (prefix.rfind("CLASH", 0) == 0) return kv::wire::kClashAreaUri;
  return kv::wire::kHoleAreaUri;
}

TEST(ProxyOperations, FiftyFiveOperations) { EXPECT_EQ(AllOperations().size(), 55u); }

TEST(ProxyOperations, EachOperationSendsItsElementAndReadsItsResponse) {
  LoopbackServer server;
  for (const OperationCase &c : AllOperations()) {
    SCOPED_TRACE(std::string(c.prefix) + ":" + c.operation);
    const std::string qname = std::string(c.prefix) + ":" + c.operation;
    // The reply uses another prefix for the shared namespace, as a server may.
    server.ReplySoap("<ns1:" + std::string(c.operation) + "Response xmlns:ns1=\"" + UriOf(c.prefix) +
                     "\"><return/></ns1:" + c.operation + "Response>");
    size_t returns = 0;
    bool hasReturn = false;
    int rc = c.call(server.Url("/RUVU/webservice/x"), &returns, &hasReturn);
    EXPECT_EQ(rc, SOAP_OK);
    EXPECT_EQ(returns, hasReturn ? 1u : 0u);

    RecordedRequest request = server.LastRequest();
    EXPECT_EQ(request.head.rfind("POST /RUVU/webservice/x HTTP/1.1", 0), 0u) << request.head;
    EXPECT_EQ(request.Header("SOAPAction"), "\"\"");
    std::string child = BodyChild(request.body);
    EXPECT_EQ(child.rfind("<" + qname, 0), 0u) << child;
    EXPECT_NE(request.body.find("xmlns:" + std::string(c.prefix) + "=\"" + UriOf(c.prefix) + "\""),
              std::string::npos);
    // Only the proxy's own service prefix is declared.
    for (const OperationCase &other : AllOperations())
      if (std::string(other.prefix) != c.prefix)
        EXPECT_EQ(request.body.find("xmlns:" + std::string(other.prefix) + "="), std::string::npos);
  }
}

TEST(ProxyOperations, DefaultEndpointsFollowTheServicePaths) {
  struct Expected {
    const char *prefix;
    const char *path;
  };
  const Expected kPaths[] = {
      {"DEVICE", "/RUVU/webservice/pathwalk/VXBeingExtractedDeviceWebService"},
      {"WALKPATH", "/RUVU/webservice/pathwork/VXPathWebService"},
      {"CLASHRULE", "/RUVU/webservice/clash/VXClashRuleWebService"},
      {"CLASHRESULTVIEW", "/RUVU/webservice/clash/VXClashResultOverviewWebService"},
      {"CLASHRESULTRELATED", "/RUVU/webservice/clash/VXClashResultRelatedWebService"},
      {"HOLECHECKSITUATION", "/RUVU/webservice/hole/VXHoleCheckSituationWebService"},
      {"HOLERESULTFLOOR", "/RUVU/webservice/hole/VXHoleResultFloorWebService"},
      {"HOLERESULT", "/RUVU/webservice/hole/VXHoleResultWebService"},
      {"HOLERULE", "/RUVU/webservice/hole/VXHoleRuleWebService"},
  };
  const std::vector<std::string> defaults = {
#define KV_DEFAULT_OF(PREFIX, Proxy, OPERATIONS) Proxy().DefaultEndpoint(),
      KV_SERVICES(KV_DEFAULT_OF)};
  ASSERT_EQ(defaults.size(), std::size(kPaths));
  for (size_t i = 0; i < defaults.size(); ++i) {
    SCOPED_TRACE(kPaths[i].prefix);
    EXPECT_EQ(defaults[i], std::string("http://localhost:8080") + kPaths[i].path);
  }
}

TEST(ProxyOperations, NullEndpointPostsToTheDefaultAndKeepsIt) {
  VXClashRuleWebServiceSoapBindingProxy proxy;
  proxy.connect_timeout = 1;
  // Nothing listens on the default port here; the call fails, but the
  // endpoint must now be the default one.
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  proxy.listClashRules(&request, &response);
  ASSERT_NE(proxy.soap_endpoint, nullptr);
  EXPECT_STREQ(proxy.soap_endpoint, proxy.DefaultEndpoint());
}

}  // namespace
}  // namespace kv::test
