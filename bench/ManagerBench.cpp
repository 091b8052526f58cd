// Manager benchmarks against a server (the independent test server):
//   kv_bench_managers speed HOST:PORT    synchronous calls per second through
//                                        a manager and through a raw proxy,
//                                        alternating
//   kv_bench_managers async HOST:PORT    asynchronous throughput with 1, 4
//                                        and 16 callers
//   kv_bench_managers memory HOST:PORT   resident memory over 10,000 mixed
//                                        calls
#include <unistd.h>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KvWebServiceManager.h"
#include "Proxies.h"
#include "keel/web/AppWebServiceMgr.h"
#include "managers/ManagerTable.h"
#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace KEEL::KVWEBSERVICE;
using KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr;
using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery;

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Counts completions of every clash-rule operation.
class Counter : public IClashRuleQuery {
 public:
#define KV_BENCH_COUNT(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  void Callback(void *, boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) override { Done(result && result->GetState()); }
  KV_CLASHRULE_MGR_OPERATIONS(KV_BENCH_COUNT, ~)
#undef KV_BENCH_COUNT

  void WaitFor(int n) {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [&] { return done_ >= n; });
  }
  int Failed() {
    std::lock_guard<std::mutex> lock(mutex_);
    return failed_;
  }

 private:
  void Done(bool ok) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++done_;
    if (!ok) ++failed_;
    cv_.notify_all();
  }
  std::mutex mutex_;
  std::condition_variable cv_;
  int done_ = 0;
  int failed_ = 0;
};

struct Stack {
  explicit Stack(const std::string &address, int workers = 4) {
    KEEL::WEB::WebHostConfig config;
    config.library = KV_WEBSERVICE_LIBRARY;
    config.servAddr = WRENCH::AnsiToUnicode(address);
    config.workers = workers;
    std::string error;
    if (!host.Load(config, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::exit(2);
    }
    KEEL::FRAME::RegisterManager(&host);
  }
  ~Stack() { KEEL::FRAME::UnregisterManager(&host); }
  KEEL::WEB::CAppWebServiceMgr host;
};

bool ListThroughManager(CClashRuleMgr &rules) {
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> listed;
  rules.ServiceListClashRules(listed);
  return listed && listed->GetState() && listed->Count() > 0;
}

bool ListThroughProxy(VXClashRuleWebServiceSoapBindingProxy &proxy, const std::string &endpoint) {
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  proxy.soap_endpoint = endpoint.c_str();
  bool ok = proxy.listClashRules(&request, &response) == SOAP_OK && !response.return_.empty();
  soap_destroy(&proxy);
  soap_end(&proxy);
  return ok;
}

template <class Call>
double Rate(int calls, Call call) {
  auto start = Clock::now();
  for (int i = 0; i < calls; ++i)
    if (!call()) std::exit(3);
  return calls / std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

int Speed(const std::string &address) {
  Stack stack(address);
  CClashRuleMgr rules;
  VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
  proxy.imode |= SOAP_C_UTFSTRING;
  proxy.omode |= SOAP_C_UTFSTRING;
  const std::string endpoint = "http://" + address + "/RUVU/webservice/clash/VXClashRuleWebService";
  const int rounds = 10, calls = 100;
  Rate(30, [&] { return ListThroughManager(rules); });
  Rate(30, [&] { return ListThroughProxy(proxy, endpoint); });
  std::vector<double> viaManager, viaProxy;
  for (int r = 0; r < rounds; ++r) {
    viaManager.push_back(Rate(calls, [&] { return ListThroughManager(rules); }));
    viaProxy.push_back(Rate(calls, [&] { return ListThroughProxy(proxy, endpoint); }));
  }
  double manager = Median(viaManager), raw = Median(viaProxy), cost = raw / manager - 1;
  std::printf("synchronous listClashRules, calls/s (median of %d alternating rounds of %d): manager %.0f, raw proxy %.0f\n",
              rounds, calls, manager, raw);
  std::printf("whole stack cost over the raw call: %+.1f%% (limit +10%%)\n", cost * 100);
  return cost <= 0.10 ? 0 : 1;
}

int Async(const std::string &address) {
  Stack stack(address);
  CClashRuleMgr rules;
  const int total = 480;
  for (int callers : {1, 4, 16}) {
    Counter counter;
    auto start = Clock::now();
    std::vector<std::thread> threads;
    for (int c = 0; c < callers; ++c)
      threads.emplace_back([&] {
        for (int i = 0; i < total / callers; ++i) rules.ServiceListClashRules(&counter);
      });
    for (std::thread &t : threads) t.join();
    counter.WaitFor(total);
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("asynchronous, %2d callers: %d calls in %.2f s, %.0f calls/s, %d failed\n", callers, total, seconds,
                total / seconds, counter.Failed());
  }
  return 0;
}

int Memory(const std::string &address) {
  Stack stack(address);
  CClashRuleMgr rules;
  KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr devices;
  KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr holes;
  Counter counter;
  StFindHoleResults find;
  find.queryParam = boost::make_shared<StAffiliateQueryParam>();
  std::wstring unknownRule = L"no-such-rule";
  int asyncCalls = 0, failed = 0;
  auto mixed = [&](int i) {
    switch (i % 4) {
      case 0: {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StDevice>> listed;
        devices.ServiceListDevice(listed);
        if (!listed || !listed->GetState()) ++failed;
        break;
      }
      case 1: {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StHoleResult>> found;
        holes.ServiceFindHoleResults(find, found);
        if (!found || !found->GetState()) ++failed;
        break;
      }
      case 2:
        rules.ServiceListClashRules(&counter);
        ++asyncCalls;
        break;
      default: {
        boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> removed;  // a fault: unknown id
        rules.ServiceRemoveClashRule(unknownRule, removed);
        if (!removed || removed->GetState()) ++failed;
      }
    }
  };
  long after500 = 0;
  std::printf("calls     resident KB\n");
  int done = 0;
  for (int mark : {500, 1000, 5000, 10000}) {
    for (; done < mark; ++done) mixed(done);
    counter.WaitFor(asyncCalls);
    long kb = ResidentKb();
    if (mark == 500) after500 = kb;
    std::printf("%-9d %ld\n", mark, kb);
  }
  long growth = ResidentKb() - after500;
  std::printf("growth after call 500: %ld KB (limit 2048 KB); unexpected outcomes: %d; pending records: %zu\n",
              growth, failed + counter.Failed(), rules.PendingRequests());
  return growth <= 2048 && failed == 0 && counter.Failed() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  WRENCH::CLogMsg::SetInstallRoot("/tmp/kv_bench_managers");
  std::string mode = argc > 1 ? argv[1] : "";
  if (argc > 2 && mode == "speed") return Speed(argv[2]);
  if (argc > 2 && mode == "async") return Async(argv[2]);
  if (argc > 2 && mode == "memory") return Memory(argv[2]);
  std::fprintf(stderr, "usage: %s speed|async|memory HOST:PORT\n", argv[0]);
  return 64;
}
