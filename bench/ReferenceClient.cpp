// The reference client of the benchmarks: the proxies that the runtime's
// own tools (wsdl2h, soapcpp2) generate at build time from the hole-result
// and clash-rule service descriptions, each a plain engine (soap_new) with
// nothing of ours around it. This file only drives them:
//   kv_bench_reference HOST:PORT            serves commands on stdin:
//     find      one findHoleResults call; prints "<ms> <results>"
//     list N    N listClashRules calls; prints "<seconds> <failed calls>"
//   kv_bench_reference HOST:PORT peak N     N findHoleResults calls, then
//                                           prints the peak resident KB
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "VXHoleResultWebServiceSoapBinding.nsmap"
#include "soapVXClashRuleWebServiceSoapBindingProxy.h"
#include "soapVXHoleResultWebServiceSoapBindingProxy.h"

namespace {

using Clock = std::chrono::steady_clock;

// Reads the results; -1 when the call fails or a result lacks its id.
long Find(VXHoleResultWebServiceSoapBindingProxy &proxy) {
  ns1__findHoleResults request;
  ns1__findHoleResultsResponse response;
  long found = -1;
  if (proxy.findHoleResults(&request, response) == SOAP_OK) {
    found = static_cast<long>(response.return_.size());
    for (const ns1__holeResult *result : response.return_)
      if (!result || !result->holeId) found = -1;
  }
  proxy.destroy();
  return found;
}

bool List(VXClashRuleWebServiceSoapBindingProxy &proxy) {
  ns2__listClashRules request;
  ns2__listClashRulesResponse response;
  const bool ok = proxy.listClashRules(&request, response) == SOAP_OK && response.return_.size() == 2;
  proxy.destroy();
  return ok;
}

long PeakKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.compare(0, 6, "VmHWM:") == 0) return std::atol(line.c_str() + 6);
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) return 2;
  const std::string address = argv[1];
  const std::string holes = "http://" + address + "/RUVU/webservice/hole/VXHoleResultWebService";
  const std::string rules = "http://" + address + "/RUVU/webservice/clash/VXClashRuleWebService";
  // UTF-8 text is kept as it stands, as the reply carries it.
  VXHoleResultWebServiceSoapBindingProxy holeProxy(holes.c_str(), SOAP_C_UTFSTRING);
  if (argc > 3 && std::strcmp(argv[2], "peak") == 0) {
    for (int i = std::atoi(argv[3]); i > 0; --i)
      if (Find(holeProxy) < 0) return 3;
    std::printf("%ld\n", PeakKb());
    return 0;
  }
  VXClashRuleWebServiceSoapBindingProxy ruleProxy(rules.c_str(), SOAP_C_UTFSTRING);
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
    if (std::strncmp(line, "find", 4) == 0) {
      const auto start = Clock::now();
      const long found = Find(holeProxy);
      std::printf("%.3f %ld\n", std::chrono::duration<double, std::milli>(Clock::now() - start).count(), found);
    } else if (std::strncmp(line, "list ", 5) == 0) {
      const int calls = std::atoi(line + 5);
      int failed = 0;
      const auto start = Clock::now();
      for (int i = 0; i < calls; ++i) failed += !List(ruleProxy);
      std::printf("%.6f %d\n", std::chrono::duration<double>(Clock::now() - start).count(), failed);
    } else {
      break;
    }
    std::fflush(stdout);
  }
  return 0;
}
