// Reading a findHoleResults reply of 10,000 fully filled hole results:
// through the runner and the catalogue's conversion into St records,
// against the raw proxy reading the same reply, alternating, from a local
// server that answers with the same canned reply.
//   kv_bench_catalogue [compare|runner|raw|peak] [records] [rounds]
// "runner" and "raw" run one side only (for instruction counts under
// valgrind --tool=callgrind); "peak" reads one reply through the runner
// and prints the reply's size and the process's peak resident memory
// (kv_bench_catalogue peak 85000: a reply of about 100 MB).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ForkedServer.h"
#include "HoleResultFixture.h"
#include "LoopbackServer.h"
#include "Namespaces.h"
#include "TypeNames.h"
#include "WireIo.h"
#include "catalogue/ServClasses.h"
#include "keel/web/WebSession.h"
#include "wrench/LogMsg.h"

namespace {

using Clock = std::chrono::steady_clock;
const std::wstring kPath = L"RUVU/webservice/hole/VXHoleResultWebService";

std::string Reply(int records) {
  std::vector<kv::bench::HoleData> data(records);
  HOLERESULT__findHoleResultsResponse response;
  response.soap_default(nullptr);
  for (int i = 0; i < records; ++i) {
    kv::bench::Fill(data[i], i);
    response.return_.push_back(&data[i].hole);
  }
  struct soap engine;
  soap_init(&engine);
  soap_set_namespaces(&engine, kv::wire::NamespacesOf("HOLERESULT"));
  kv::wire::UseWireTypeNames(&engine);
  engine.omode |= SOAP_C_UTFSTRING;
  std::string xml = kv::test::WriteElement(&engine, response, "HOLERESULT:findHoleResultsResponse");
  soap_destroy(&engine);
  soap_end(&engine);
  soap_done(&engine);
  xml.erase(0, xml.find("<HOLERESULT:"));
  return kv::test::LoopbackServer::Http(200, kv::test::LoopbackServer::Envelope(xml));
}

// One call through a runner, converted into St records.
size_t ViaRunner(KEEL::WEB::IWebRunner &runner) {
  if (!runner.RunServ()) std::exit(2);
  std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StHoleResult>> holes;
  dynamic_cast<KEEL::HOLERESULT::IWSOut_findHoleResults &>(*runner.GetOutput()).GetResult(holes);
  return holes.size();
}

// One call through a raw proxy; the engine's memory is freed after it.
size_t ViaProxy(VXHoleResultWebServiceSoapBindingProxy &proxy, const std::string &endpoint) {
  HOLERESULT__findHoleResults request;
  HOLERESULT__findHoleResultsResponse response;
  proxy.soap_endpoint = endpoint.c_str();
  if (proxy.findHoleResults(&request, &response) != SOAP_OK) std::exit(2);
  size_t n = response.return_.size();
  soap_destroy(&proxy);
  soap_end(&proxy);
  return n;
}

// The process's peak resident memory (VmHWM).
long PeakKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.compare(0, 6, "VmHWM:") == 0) return std::atol(line.c_str() + 6);
  return 0;
}

// Makes VmHWM start again from the current resident size.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char **argv) {
  WRENCH::CLogMsg::SetInstallRoot("/tmp/kv_bench_catalogue");
  const std::string mode = argc > 1 ? argv[1] : "compare";
  const int records = argc > 2 ? std::atoi(argv[2]) : 10000;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
  std::string reply = Reply(records);
  kv::bench::ForkedServer server(reply);
  const std::string address = "127.0.0.1:" + std::to_string(server.Port());

  KEEL::WEB::CWebSession session(std::wstring(address.begin(), address.end()));
  KEEL::HOLERESULT::CServ_findHoleResults runner;
  runner.SetServSession(&session);
  runner.SetServPath(kPath);
  VXHoleResultWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  proxy.imode |= SOAP_C_UTFSTRING;
  proxy.omode |= SOAP_C_UTFSTRING;
  const std::string endpoint = "http://" + address + "/RUVU/webservice/hole/VXHoleResultWebService";

  if (mode == "peak") {
    const double replyMb = reply.size() / 1e6;
    std::string().swap(reply);  // the server's child has its own copy
    ResetPeak();
    long before = PeakKb();
    size_t n = ViaRunner(runner);
    std::printf("reply of %.1f MB (%d hole results): %zu read into St records; peak resident %ld MB (%ld MB before)\n",
                replyMb, records, n, PeakKb() / 1024, before / 1024);
    return n == static_cast<size_t>(records) ? 0 : 2;
  }
  if (mode == "runner" || mode == "raw") {
    for (int r = 0; r < rounds; ++r)
      if ((mode == "runner" ? ViaRunner(runner) : ViaProxy(proxy, endpoint)) != static_cast<size_t>(records))
        return 2;
    return 0;
  }

  std::vector<double> runnerMs, proxyMs;
  ViaRunner(runner);  // warm-up
  ViaProxy(proxy, endpoint);
  for (int r = 0; r < rounds; ++r) {
    auto t0 = Clock::now();
    size_t a = ViaRunner(runner);
    auto t1 = Clock::now();
    size_t b = ViaProxy(proxy, endpoint);
    auto t2 = Clock::now();
    if (a != static_cast<size_t>(records) || b != a) return 2;
    runnerMs.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    proxyMs.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
  }
  double viaRunner = Median(runnerMs), viaProxy = Median(proxyMs);
  double cost = viaRunner / viaProxy - 1;
  std::printf("findHoleResults, %d hole results, %.2f MB reply (median of %d alternating rounds)\n", records,
              reply.size() / 1e6, rounds);
  std::printf("runner + conversion: %.1f ms   raw proxy read: %.1f ms   conversion cost: %+.1f%% (limit +25%%)\n",
              viaRunner, viaProxy, cost * 100);
  return cost <= 0.25 ? 0 : 1;
}
