// The manager stack (manager, host, runner, St records) side by side with
// our raw proxy and with the reference client (bench/ReferenceClient.cpp:
// the runtime's own generated client with nothing of ours, in a process of
// its own), in one run, against a fast canned server on loopback that this
// program starts itself:
//   kv_bench_stack [all|read|peak|small|async|memory] [records]
//   read    the findHoleResults reply of `records` (10,000) full hole results
//           through the reference client, the raw proxy and a synchronous
//           manager call, the sides in turn: time per call, page faults and
//           system time per call; then the same for 1,000 hole results
//   peak    peak resident memory of that read, each side in a process of
//           its own
//   small   a small synchronous call (one connection per call): calls per
//           second through the reference client, the raw proxy and a
//           manager
//   async   asynchronous calls from 1, 4 and 16 callers on 4 workers
//           against one synchronous caller
//   small-of stack|raw CALLS   one side of "small" alone, for perf stat
//   async-of CALLERS CALLS     asynchronous calls on 4 workers alone, with
//           processor time, page faults and context switches per call
//   memory  resident memory over 10,000 (KV_BENCH_CALLS) mixed calls on 16
//           threads, growth after the first tenth
// Each part prints its goal; the exit code is 1 when one is missed.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/make_shared.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "CannedServer.h"
#include "HoleResultFixture.h"
#include "KvWebServiceManager.h"
#include "Namespaces.h"
#include "Proxies.h"
#include "TypeNames.h"
#include "WireIo.h"
#include "keel/web/AppWebServiceMgr.h"
#include "managers/ManagerTable.h"
#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace KEEL::KVWEBSERVICE;
using KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr;
using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery;
using KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr;
using KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr;

const char kHolePath[] = "/RUVU/webservice/hole/VXHoleResultWebService";
const char kRulePath[] = "/RUVU/webservice/clash/VXClashRuleWebService";

// ---- replies -------------------------------------------------------------

std::string HoleReply(int records) {
  std::vector<kv::bench::HoleData> data(records);
  HOLERESULT__findHoleResultsResponse response;
  response.soap_default(nullptr);
  for (int i = 0; i < records; ++i) {
    kv::bench::Fill(data[i], i);
    response.return_.push_back(&data[i].hole);
  }
  struct soap engine;
  soap_init(&engine);
  kv::wire::UseWireTypeNames(&engine);  // xsi:type only on derived objects, as on the wire
  soap_set_namespaces(&engine, kv::wire::NamespacesOf("HOLERESULT"));
  engine.omode |= SOAP_C_UTFSTRING;
  std::string xml = kv::test::WriteElement(&engine, response, "HOLERESULT:findHoleResultsResponse");
  soap_destroy(&engine);
  soap_end(&engine);
  soap_done(&engine);
  xml.erase(0, xml.find("<HOLERESULT:"));
  return kv::bench::CannedServer::Soap(xml);
}

std::string RulesReply() {
  return kv::bench::CannedServer::Soap(
      "<ns:listClashRulesResponse xmlns:ns=\"http://clash.ws.ruvu/\">"
      "<return><isDefaultRule>true</isDefaultRule><ruleId>r1</ruleId><ruleName>默认规则</ruleName></return>"
      "<return><isDefaultRule>false</isDefaultRule><ruleId>r2</ruleId><ruleName>管线与结构</ruleName></return>"
      "</ns:listClashRulesResponse>");
}

std::string DevicesReply() {
  return kv::bench::CannedServer::Soap(
      "<ns:listDeviceResponse xmlns:ns=\"http://pathwalk.ws.ruvu/\">"
      "<return><deviceId>d1</deviceId></return><return><deviceId>d2</deviceId></return>"
      "</ns:listDeviceResponse>");
}

std::string FaultReply() {
  return kv::bench::CannedServer::Soap(
      "<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode><faultstring>no such rule</faultstring>"
      "</SOAP-ENV:Fault>",
      500);
}

// ---- measuring -----------------------------------------------------------

long StatusKb(const char *key) {
  std::ifstream status("/proc/self/status");
  const size_t n = std::char_traits<char>::length(key);
  for (std::string line; std::getline(status, line);)
    if (line.compare(0, n, key) == 0) return std::atol(line.c_str() + n);
  return 0;
}

struct Usage {
  long minorFaults;
  double systemMs;
};

Usage UsageNow() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return {u.ru_minflt, u.ru_stime.tv_sec * 1e3 + u.ru_stime.tv_usec / 1e3};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

bool Verdict(const char *what, double value, double goal, bool atLeast) {
  bool ok = atLeast ? value >= goal : value <= goal;
  std::printf("  %-44s %6.2f  goal %s %.2f  %s\n", what, value, atLeast ? ">=" : "<=", goal, ok ? "met" : "MISSED");
  return ok;
}

// ---- the two sides -------------------------------------------------------

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

template <class Proxy>
struct RawProxy {
  explicit RawProxy(const std::string &url) : endpoint(url), proxy(SOAP_ENC_MTOM, SOAP_ENC_MTOM) {
    proxy.imode |= SOAP_C_UTFSTRING;
    proxy.omode |= SOAP_C_UTFSTRING;
  }
  std::string endpoint;
  Proxy proxy;
};

// A client in a process of its own, driven through a pipe: the reference
// client, or our raw proxy (this program again, with "raw-client"); both
// answer "find" and "list N" alike (see bench/ReferenceClient.cpp).
class Client {
 public:
  Client(const char *program, const std::string &address) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) std::exit(2);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], STDIN_FILENO);
      dup2(out[1], STDOUT_FILENO);
      for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
      if (std::string(program) == "raw")
        execl("/proc/self/exe", "kv_bench_stack", "raw-client", address.c_str(), static_cast<char *>(nullptr));
      else
        execl(program, program, address.c_str(), static_cast<char *>(nullptr));
      _exit(2);
    }
    close(in[0]);
    close(out[1]);
    to_ = fdopen(in[1], "w");
    from_ = fdopen(out[0], "r");
  }
  ~Client() {
    std::fputs("quit\n", to_);
    std::fclose(to_);
    std::fclose(from_);
    waitpid(pid_, nullptr, 0);
  }
  Client(const Client &) = delete;
  Client &operator=(const Client &) = delete;

  /// One findHoleResults call: milliseconds, as the client measured it.
  double Find(size_t expected) {
    std::fputs("find\n", to_);
    std::fflush(to_);
    double ms = 0;
    long found = 0;
    if (std::fscanf(from_, "%lf %ld", &ms, &found) != 2 || found != static_cast<long>(expected)) std::exit(3);
    return ms;
  }
  /// `calls` listClashRules calls: calls per second.
  double ListRate(int calls) {
    std::fprintf(to_, "list %d\n", calls);
    std::fflush(to_);
    double seconds = 0;
    int failed = 0;
    if (std::fscanf(from_, "%lf %d", &seconds, &failed) != 2 || failed) std::exit(3);
    return calls / seconds;
  }

 private:
  pid_t pid_ = -1;
  FILE *to_ = nullptr;
  FILE *from_ = nullptr;
};

size_t FindThroughManager(CHoleResultMgr &holes) {
  StFindHoleResults find;
  find.queryParam = boost::make_shared<StAffiliateQueryParam>();
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StHoleResult>> found;
  holes.ServiceFindHoleResults(find, found);
  if (!found || !found->GetState()) std::exit(3);
  return found->Count();
}

size_t FindThroughProxy(RawProxy<VXHoleResultWebServiceSoapBindingProxy> &raw) {
  HOLERESULT__findHoleResults request;
  HOLERESULT__findHoleResultsResponse response;
  request.soap_default(&raw.proxy);
  raw.proxy.soap_endpoint = raw.endpoint.c_str();
  if (raw.proxy.findHoleResults(&request, &response) != SOAP_OK) std::exit(3);
  size_t n = response.return_.size();
  soap_destroy(&raw.proxy);
  soap_end(&raw.proxy);
  return n;
}

bool ListThroughManager(CClashRuleMgr &rules) {
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> listed;
  rules.ServiceListClashRules(listed);
  return listed && listed->GetState() && listed->Count() == 2;
}

bool ListThroughProxy(RawProxy<VXClashRuleWebServiceSoapBindingProxy> &raw) {
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  raw.proxy.soap_endpoint = raw.endpoint.c_str();
  bool ok = raw.proxy.listClashRules(&request, &response) == SOAP_OK && response.return_.size() == 2;
  soap_destroy(&raw.proxy);
  soap_end(&raw.proxy);
  return ok;
}

// Counts completions of every clash-rule operation.
class Counter : public IClashRuleQuery {
 public:
#define KV_BENCH_COUNT(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  void Callback(void *, boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) override { Done(result && result->GetState()); }
  KV_CLASHRULE_MGR_OPERATIONS(KV_BENCH_COUNT, ~)
#undef KV_BENCH_COUNT

  void WaitFor(long n) {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [&] { return done_ >= n; });
  }
  long Failed() {
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
  long done_ = 0;
  long failed_ = 0;
};

// ---- the parts -----------------------------------------------------------

// The sides of a round take turns going first: the machine's speed drifts
// between rounds, so every ratio is taken per round, and its median kept.
constexpr int kSides = 3;
constexpr int kOrders[6][kSides] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};

struct ReadGoals {
  double raw;    // raw proxy / reference, 0 for none
  double stack;  // manager stack / reference
};

bool Read(const std::string &address, int records, int rounds, const ReadGoals &goals, const char *label) {
  kv::bench::CpuPlan::ClientScope pin;
  Client reference(KV_BENCH_REFERENCE, address), raw("raw", address);
  Stack stack(address);
  CHoleResultMgr holes;
  reference.Find(records);  // warm-up
  raw.Find(records);
  FindThroughManager(holes);
  std::vector<double> ms[kSides], faults[kSides], sys[kSides], rawRatio, stackRatio, stackRawRatio;
  for (int r = 0; r < rounds; ++r) {
    double round[kSides] = {};
    for (int side : kOrders[r % 6]) {
      Usage u0 = UsageNow();
      auto t0 = Clock::now();
      size_t n = records;
      if (side == 2) {
        n = FindThroughManager(holes);
        round[2] = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
      } else {
        round[side] = (side == 0 ? reference : raw).Find(records);
      }
      Usage u1 = UsageNow();
      if (n != static_cast<size_t>(records)) std::exit(3);
      ms[side].push_back(round[side]);
      faults[side].push_back(u1.minorFaults - u0.minorFaults);
      sys[side].push_back(u1.systemMs - u0.systemMs);
    }
    rawRatio.push_back(round[1] / round[0]);
    stackRatio.push_back(round[2] / round[0]);
    stackRawRatio.push_back(round[2] / round[1]);
  }
  std::printf("%s findHoleResults, %d hole results, synchronous (medians of %d rounds, the sides in turn; the\n"
              "    reference client and the raw proxy each in a process of its own)\n",
              label, records, rounds);
  std::printf("  %-22s %10s %14s %16s\n", "", "ms/call", "page faults", "system ms/call");
  std::printf("  %-22s %10.1f %14s %16s\n", "reference client", Median(ms[0]), "-", "-");
  std::printf("  %-22s %10.1f %14s %16s\n", "raw proxy", Median(ms[1]), "-", "-");
  std::printf("  %-22s %10.1f %14.0f %16.1f\n", "manager stack", Median(ms[2]), Median(faults[2]), Median(sys[2]));
  std::printf("  %-44s %6.2f  (range %.2f to %.2f)\n", "time, manager stack / raw proxy", Median(stackRawRatio),
              *std::min_element(stackRawRatio.begin(), stackRawRatio.end()),
              *std::max_element(stackRawRatio.begin(), stackRawRatio.end()));
  bool ok = true;
  if (goals.raw > 0)
    ok = Verdict("time, raw proxy / reference", Median(rawRatio), goals.raw, false) && ok;
  else
    std::printf("  %-44s %6.2f\n", "time, raw proxy / reference", Median(rawRatio));
  return Verdict("time, manager stack / reference", Median(stackRatio), goals.stack, false) && ok;
}

// Peak resident memory of three calls of one side, in a fresh process of
// its own: this program again with "peak-of", or the reference client.
long PeakOf(const std::string &address, const char *side) {
  int fds[2];
  if (pipe(fds) != 0) std::exit(2);
  pid_t child = fork();
  if (child == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    const char *calls = std::getenv("KV_BENCH_PEAK_CALLS") ? std::getenv("KV_BENCH_PEAK_CALLS") : "3";
    if (std::string(side) == "reference")
      execl(KV_BENCH_REFERENCE, "kv_bench_reference", address.c_str(), "peak", calls, static_cast<char *>(nullptr));
    else
      execl("/proc/self/exe", "kv_bench_stack", "peak-of", side, address.c_str(), static_cast<char *>(nullptr));
    _exit(2);
  }
  close(fds[1]);
  char text[64] = {};
  ssize_t n = read(fds[0], text, sizeof text - 1);
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) std::exit(2);
  return std::atol(text);
}

int PeakOfSide(const std::string &side, const std::string &address) {
  if (std::getenv("KV_BENCH_VERBOSE")) std::fprintf(stderr, "%s: rss before %ld KB\n", side.c_str(), StatusKb("VmRSS:"));
  const int calls = std::getenv("KV_BENCH_PEAK_CALLS") ? std::atoi(std::getenv("KV_BENCH_PEAK_CALLS")) : 3;
  if (side == "stack") {
    Stack stack(address);
    CHoleResultMgr holes;
    for (int i = 0; i < calls; ++i) FindThroughManager(holes);
  } else {
    RawProxy<VXHoleResultWebServiceSoapBindingProxy> raw("http://" + address + kHolePath);
    for (int i = 0; i < calls; ++i) FindThroughProxy(raw);
  }
  std::printf("%ld\n", StatusKb("VmHWM:"));
  if (std::getenv("KV_BENCH_VERBOSE"))
    std::fprintf(stderr, "%s: rss after %ld KB (anon %ld, file %ld)\n", side.c_str(), StatusKb("VmRSS:"),
                 StatusKb("RssAnon:"), StatusKb("RssFile:"));
  return 0;
}

bool Peak(const std::string &address, int records) {
  long reference = PeakOf(address, "reference"), raw = PeakOf(address, "raw"), stack = PeakOf(address, "stack");
  std::printf("(b) peak resident memory over three findHoleResults calls of %d hole results, own process each\n",
              records);
  std::printf("  reference client %.1f MiB   raw proxy %.1f MiB   manager stack %.1f MiB\n", reference / 1024.0,
              raw / 1024.0, stack / 1024.0);
  std::printf("  %-44s %6.2f\n", "peak memory, raw proxy / reference", static_cast<double>(raw) / reference);
  std::printf("  %-44s %6.2f\n", "peak memory, manager stack / raw proxy", static_cast<double>(stack) / raw);
  return Verdict("peak memory, manager stack / reference", static_cast<double>(stack) / reference, 1.5, false);
}

template <class Call>
double Rate(int calls, Call call) {
  auto start = Clock::now();
  for (int i = 0; i < calls; ++i)
    if (!call()) std::exit(3);
  return calls / Seconds(start);
}

bool Small(const std::string &address) {
  kv::bench::CpuPlan::ClientScope pin;
  Client reference(KV_BENCH_REFERENCE, address), raw("raw", address);
  Stack stack(address);
  CClashRuleMgr rules;
  const int rounds = 42, calls = 250;
  reference.ListRate(100);
  raw.ListRate(100);
  Rate(100, [&] { return ListThroughManager(rules); });
  // Short rounds, the sides in turn, and the ratios taken per round: the
  // machine's speed drifts between rounds.
  std::vector<double> rates[kSides], stackRatio, stackRawRatio, rawRatio;
  for (int r = 0; r < rounds; ++r) {
    double round[kSides] = {};
    for (int side : kOrders[r % 6])
      round[side] = side == 0   ? reference.ListRate(calls)
                    : side == 1 ? raw.ListRate(calls)
                                : Rate(calls, [&] { return ListThroughManager(rules); });
    for (int side = 0; side < kSides; ++side) rates[side].push_back(round[side]);
    stackRatio.push_back(round[2] / round[0]);
    stackRawRatio.push_back(round[2] / round[1]);
    rawRatio.push_back(round[1] / round[0]);
  }
  std::printf("(c) small synchronous call (listClashRules, one connection per call), calls/s, %d rounds of %d "
              "on each side\n    (the reference client and the raw proxy each in a process of its own)\n",
              rounds, calls);
  std::printf("  reference client %.0f   raw proxy %.0f   manager stack %.0f (medians); medians of the rounds' "
              "ratios below\n",
              Median(rates[0]), Median(rates[1]), Median(rates[2]));
  std::printf("  %-44s %6.2f\n", "calls/s, raw proxy / reference", Median(rawRatio));
  std::printf("  %-44s %6.2f\n", "calls/s, manager stack / raw proxy", Median(stackRawRatio));
  return Verdict("calls/s, manager stack / reference", Median(stackRatio), 0.9, true);
}

// One side only, for perf stat: `calls` small synchronous calls, with
// this process's processor time, page faults and context switches per call
// (the server is another process).
int SmallOneSide(const std::string &side, const std::string &address, int calls) {
  auto run = [&](auto call) {
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    double rate = Rate(calls, call);
    getrusage(RUSAGE_SELF, &after);
    auto us = [](const timeval &t) { return t.tv_sec * 1e6 + t.tv_usec; };
    double user = us(after.ru_utime) - us(before.ru_utime), system = us(after.ru_stime) - us(before.ru_stime);
    std::printf("%s: %.0f calls/s; per call %.1f us user, %.1f us system, %.2f page faults, %.2f context switches\n",
                side.c_str(), rate, user / calls, system / calls, double(after.ru_minflt - before.ru_minflt) / calls,
                double(after.ru_nvcsw + after.ru_nivcsw - before.ru_nvcsw - before.ru_nivcsw) / calls);
  };
  if (side == "stack") {
    Stack stack(address);
    CClashRuleMgr rules;
    ListThroughManager(rules);
    run([&] { return ListThroughManager(rules); });
  } else {
    RawProxy<VXClashRuleWebServiceSoapBindingProxy> raw("http://" + address + kRulePath);
    ListThroughProxy(raw);
    run([&] { return ListThroughProxy(raw); });
  }
  return 0;
}

// Asynchronous calls from `callers` threads, `total` in all: calls/s.
double AsyncRate(CClashRuleMgr &rules, int callers, int total) {
  Counter counter;
  auto start = Clock::now();
  std::vector<std::thread> threads;
  for (int c = 0; c < callers; ++c)
    threads.emplace_back([&] {
      for (int i = 0; i < total / callers; ++i) rules.ServiceListClashRules(&counter);
    });
  for (std::thread &t : threads) t.join();
  counter.WaitFor(total / callers * callers);
  if (counter.Failed()) std::exit(3);
  return total / callers * callers / Seconds(start);
}

// Raw proxies on `threads` threads, each its own, `total` calls in all:
// what the machine and the server give without the stack.
double RawThreadsRate(const std::string &address, int threads, int total) {
  std::atomic<int> failed{0};
  auto start = Clock::now();
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t)
    workers.emplace_back([&] {
      RawProxy<VXClashRuleWebServiceSoapBindingProxy> raw("http://" + address + kRulePath);
      for (int i = 0; i < total / threads; ++i)
        if (!ListThroughProxy(raw)) ++failed;
    });
  for (std::thread &t : workers) t.join();
  if (failed) std::exit(3);
  return total / threads * threads / Seconds(start);
}

bool Async(const std::string &address) {
  // An asynchronous round starts with every thread of the host and the
  // server asleep after the synchronous round; long rounds keep that ramp a
  // small part of what they measure.
  const int rounds = 7, syncCalls = 2000, calls = 8000;
  std::vector<double> sync, four, single, rawFour;
  double one = 0, sixteen = 0;
  {
    Stack stack(address, 4);
    CClashRuleMgr rules;
    Rate(200, [&] { return ListThroughManager(rules); });
    AsyncRate(rules, 4, 400);
    for (int r = 0; r < rounds; ++r) {
      sync.push_back(Rate(syncCalls, [&] { return ListThroughManager(rules); }));
      four.push_back(AsyncRate(rules, 4, calls));
    }
    one = AsyncRate(rules, 1, calls);
    sixteen = AsyncRate(rules, 16, calls);
  }
  {
    // How the asynchronous form scales with the workers alone.
    Stack stack(address, 1);
    CClashRuleMgr rules;
    for (int r = 0; r < 3; ++r) single.push_back(AsyncRate(rules, 1, calls));
  }
  for (int r = 0; r < 3; ++r) rawFour.push_back(RawThreadsRate(address, 4, calls));
  std::printf("(d) small calls on 4 workers, calls/s (median of %d alternating rounds of %d and %d calls): "
              "1 synchronous caller %.0f, 4 asynchronous callers %.0f\n",
              rounds, syncCalls, calls, Median(sync), Median(four));
  std::printf("  asynchronous, 1 caller %.0f, 16 callers %.0f; 1 caller on a host of 1 worker %.0f (4 on 4: %.1fx)\n",
              one, sixteen, Median(single), Median(four) / Median(single));
  std::printf("  raw proxies on 4 threads, one connection per call (the machine's and server's ceiling): %.0f\n",
              Median(rawFour));
  return Verdict("4 async callers / 1 synchronous caller", Median(four) / Median(sync), 3.0, true);
}

bool Memory(const std::string &address) {
  Stack stack(address, 4);
  CClashRuleMgr rules;
  CDeviceMgr devices;
  CHoleResultMgr holes;
  Counter counter;
  std::atomic<long> asyncCalls{0}, failed{0};
  auto mixed = [&](int i) {
    switch (i % 4) {
      case 0: {
        boost::shared_ptr<MOXAPP::IMOXUserDataArray<StDevice>> listed;
        devices.ServiceListDevice(listed);
        if (!listed || !listed->GetState()) ++failed;
        break;
      }
      case 1:
        if (FindThroughManager(holes) == 0) ++failed;
        break;
      case 2:
        ++asyncCalls;
        rules.ServiceListClashRules(&counter);
        break;
      default: {
        std::wstring unknownRule = L"no-such-rule";
        boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> removed;  // a fault
        rules.ServiceRemoveClashRule(unknownRule, removed);
        if (!removed || removed->GetState()) ++failed;
      }
    }
  };
  const int threads = 16;
  std::printf("(e) resident memory over mixed calls on %d threads (sync, async, a fault)\n", threads);
  std::printf("  calls     resident KB\n");
  std::atomic<int> next{0};
  long afterWarmup = 0;
  const int total = std::getenv("KV_BENCH_CALLS") ? std::atoi(std::getenv("KV_BENCH_CALLS")) : 10000;
  const int warmup = total / 10;  // every thread's heap and the kept engines filled
  for (int mark : {500, warmup, total / 4, total / 2, total * 3 / 4, total}) {
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
      workers.emplace_back([&] {
        for (int i; (i = next.fetch_add(1)) < mark;) mixed(i);
      });
    for (std::thread &w : workers) w.join();
    next = mark;
    counter.WaitFor(asyncCalls);
    long kb = StatusKb("VmRSS:");
    if (mark == warmup) afterWarmup = kb;
    std::printf("  %-9d %ld\n", mark, kb);
  }
  long growth = StatusKb("VmRSS:") - afterWarmup;
  std::printf("  unexpected outcomes %ld, pending records %zu\n", failed + counter.Failed(),
              rules.PendingRequests() + devices.PendingRequests() + holes.PendingRequests());
  bool ok = failed == 0 && counter.Failed() == 0;
  return Verdict("growth after the first tenth, MiB", growth / 1024.0, 2.0, false) && ok;
}

// Our raw proxy as a client of its own process, answering the commands of
// the reference client.
int RawClient(const std::string &address) {
  RawProxy<VXHoleResultWebServiceSoapBindingProxy> holes("http://" + address + kHolePath);
  RawProxy<VXClashRuleWebServiceSoapBindingProxy> rules("http://" + address + kRulePath);
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
    if (std::strncmp(line, "find", 4) == 0) {
      auto start = Clock::now();
      size_t found = FindThroughProxy(holes);
      std::printf("%.3f %zu\n", std::chrono::duration<double, std::milli>(Clock::now() - start).count(), found);
    } else if (std::strncmp(line, "list ", 5) == 0) {
      const int calls = std::atoi(line + 5);
      int failed = 0;
      auto start = Clock::now();
      for (int i = 0; i < calls; ++i) failed += !ListThroughProxy(rules);
      std::printf("%.6f %d\n", Seconds(start), failed);
    } else {
      break;
    }
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  WRENCH::CLogMsg::SetInstallRoot("/tmp/kv_bench_stack");
  const std::string mode = argc > 1 ? argv[1] : "all";
  if (mode == "peak-of" && argc > 3) return PeakOfSide(argv[2], argv[3]);
  if (mode == "raw-client" && argc > 2) return RawClient(argv[2]);
  const int records = argc > 2 ? std::atoi(argv[2]) : 10000;
  bool all = mode == "all", ok = true;
  if (all || mode == "read" || mode == "small") {
    const int cpu = kv::bench::CpuPlan::Get().ClientCpu();
    if (cpu >= 0)
      std::printf("The compared clients run on processor %d, the server on the others (KV_BENCH_CPU).\n", cpu);
  }
  if (mode == "serve") {  // a server for outside tools (perf, valgrind): prints its address
    kv::bench::CannedServer server([&] {
      return kv::bench::CannedServer::Replies{{"findHoleResults", HoleReply(records)}, {"listClashRules", RulesReply()}};
    });
    std::printf("%s\n", server.Address().c_str());
    std::fflush(stdout);
    pause();
  }

  if (all || mode == "read" || mode == "peak") {
    kv::bench::CannedServer server([&] { return kv::bench::CannedServer::Replies{{"findHoleResults", HoleReply(records)}}; });
    if (all || mode == "read") ok = Read(server.Address(), records, 9, {1.05, 1.10}, "(a)") && ok;
    if (all || mode == "peak") ok = Peak(server.Address(), records) && ok;
  }
  if ((all || mode == "read") && records == 10000) {
    kv::bench::CannedServer server([] { return kv::bench::CannedServer::Replies{{"findHoleResults", HoleReply(1000)}}; });
    ok = Read(server.Address(), 1000, 30, {0, 1.15}, "(a')") && ok;
  }
  if (mode == "small-of" && argc > 3) {  // small-of stack|raw CALLS: one side, for perf stat
    kv::bench::CannedServer server([] { return kv::bench::CannedServer::Replies{{"listClashRules", RulesReply()}}; });
    return SmallOneSide(argv[2], server.Address(), std::atoi(argv[3]));
  }
  if (mode == "async-of" && argc > 3) {  // async-of CALLERS CALLS: asynchronous calls on 4 workers, for perf
    kv::bench::CannedServer server([] { return kv::bench::CannedServer::Replies{{"listClashRules", RulesReply()}}; });
    Stack stack(server.Address(), 4);
    CClashRuleMgr rules;
    AsyncRate(rules, 4, 400);
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    int calls = std::atoi(argv[3]);
    double rate = AsyncRate(rules, std::atoi(argv[2]), calls);
    getrusage(RUSAGE_SELF, &after);
    auto us = [](const timeval &t) { return t.tv_sec * 1e6 + t.tv_usec; };
    std::printf("%.0f calls/s; per call %.1f us user, %.1f us system, %.2f page faults, %.2f context switches\n", rate,
                (us(after.ru_utime) - us(before.ru_utime)) / calls, (us(after.ru_stime) - us(before.ru_stime)) / calls,
                double(after.ru_minflt - before.ru_minflt) / calls,
                double(after.ru_nvcsw + after.ru_nivcsw - before.ru_nvcsw - before.ru_nivcsw) / calls);
    return 0;
  }
  if (all || mode == "small" || mode == "async" || mode == "memory") {
    kv::bench::CannedServer server([] {
      return kv::bench::CannedServer::Replies{{"listClashRules", RulesReply()},
                                              {"listDevice", DevicesReply()},
                                              {"findHoleResults", HoleReply(20)},
                                              {"removeClashRule", FaultReply()}};
    });
    if (all || mode == "small") ok = Small(server.Address()) && ok;
    if (all || mode == "async") ok = Async(server.Address()) && ok;
    if (all || mode == "memory") ok = Memory(server.Address()) && ok;
  }
  return ok ? 0 : 1;
}
