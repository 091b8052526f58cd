// Runner benchmarks.
//   kv_bench_runner memory            resident memory over 10,000 runs of one
//                                     runner whose reply holds 200 records
//   kv_bench_runner speed HOST:PORT   runs per second of a trivial operation
//                                     through a runner and through a raw
//                                     proxy, alternating, against a server
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ForkedServer.h"
#include "LoopbackServer.h"
#include "catalogue/ServClasses.h"
#include "keel/web/WebSession.h"
#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::string RulesReply(int count) {
  std::string body = "<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\">";
  for (int i = 0; i < count; ++i)
    body += "<return><isDefaultRule>false</isDefaultRule><ruleFile><md5>d41d8cd98f00b204e9800998ecf8427e</md5>"
            "<size>123456</size><uuid>uuid-" + std::to_string(i) + "</uuid></ruleFile><ruleId>clashrule-" +
            std::to_string(i) + "</ruleId><ruleName>碰撞规则 " + std::to_string(i) + "</ruleName></return>";
  body += "</ns:listClashRulesResponse>";
  return kv::test::LoopbackServer::Http(200, kv::test::LoopbackServer::Envelope(body));
}

int Memory() {
  kv::bench::ForkedServer server(RulesReply(200));
  KEEL::WEB::CWebSession session(L"127.0.0.1:" + std::to_wstring(server.Port()));
  KEEL::CLASHRULE::CServ_listClashRules runner;
  runner.SetServSession(&session);
  runner.SetServPath(L"RUVU/webservice/clash/VXClashRuleWebService");

  const int marks[] = {1, 100, 1000, 10000};
  long after100 = 0;
  int done = 0, failed = 0;
  std::printf("runs      resident KB\n");
  for (int mark : marks) {
    for (; done < mark; ++done)
      if (!runner.RunServ()) ++failed;
    long kb = ResidentKb();
    if (mark == 100) after100 = kb;
    std::printf("%-9d %ld\n", mark, kb);
  }
  long growth = ResidentKb() - after100;
  std::printf("growth after run 100: %ld KB (limit 1024 KB); failed runs: %d\n", growth, failed);
  return failed == 0 && growth <= 1024 ? 0 : 1;
}

double RunnerRound(KEEL::WEB::IWebRunner &runner, int calls) {
  auto start = Clock::now();
  for (int i = 0; i < calls; ++i)
    if (!runner.RunServ()) std::exit(2);
  return calls / std::chrono::duration<double>(Clock::now() - start).count();
}

double RawRound(VXHoleRuleWebServiceSoapBindingProxy &proxy, const std::string &endpoint, int calls) {
  auto start = Clock::now();
  for (int i = 0; i < calls; ++i) {
    HOLERULE__listHoleRules request;
    HOLERULE__listHoleRulesResponse response;
    proxy.soap_endpoint = endpoint.c_str();
    if (proxy.listHoleRules(&request, &response) != SOAP_OK) std::exit(2);
    soap_destroy(&proxy);
    soap_end(&proxy);
  }
  return calls / std::chrono::duration<double>(Clock::now() - start).count();
}

int Speed(const std::string &address) {
  const std::wstring path = L"RUVU/webservice/hole/VXHoleRuleWebService";
  KEEL::WEB::CWebSession session(WRENCH::AnsiToUnicode(address));
  KEEL::HOLERULE::CServ_listHoleRules runner;
  runner.SetServSession(&session);
  runner.SetServPath(path);
  VXHoleRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  proxy.imode |= SOAP_C_UTFSTRING;
  proxy.omode |= SOAP_C_UTFSTRING;
  const std::string endpoint = "http://" + address + "/" + WRENCH::UnicodeToAnsi(path);

  const int rounds = 10, calls = 200;
  RunnerRound(runner, 50);  // warm-up
  RawRound(proxy, endpoint, 50);
  std::vector<double> viaRunner, viaProxy;
  for (int r = 0; r < rounds; ++r) {
    viaRunner.push_back(RunnerRound(runner, calls));
    viaProxy.push_back(RawRound(proxy, endpoint, calls));
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
  };
  double runnerRate = median(viaRunner), proxyRate = median(viaProxy);
  double cost = proxyRate / runnerRate - 1;
  std::printf("calls/s (median of %d alternating rounds of %d): runner %.0f, raw proxy %.0f\n", rounds, calls,
              runnerRate, proxyRate);
  std::printf("runner cost over the raw call: %+.1f%% (limit +5%%)\n", cost * 100);
  return cost <= 0.05 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  WRENCH::CLogMsg::SetInstallRoot("/tmp/kv_bench_runner");
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "memory") return Memory();
  if (mode == "speed" && argc > 2) return Speed(argv[2]);
  std::fprintf(stderr, "usage: %s memory | speed HOST:PORT\n", argv[0]);
  return 64;
}
