// Where the benchmarks' processes run. The processors of a virtual machine
// can differ in speed by half (measured here: two of eight ran the same
// read at 180 ms instead of 113 ms), so a side that lands on a slow one
// loses a comparison it would win. The measured clients therefore share one
// processor (KV_BENCH_CPU, else the first allowed one) and the canned server
// gets the others; with fewer than two processors, or KV_BENCH_CPU=none,
// nothing is pinned.
#pragma once

#include <sched.h>

#include <cstdlib>
#include <cstring>

namespace kv::bench {

class CpuPlan {
 public:
  static const CpuPlan &Get() {
    static const CpuPlan plan;
    return plan;
  }
  /// Pins the calling thread (and the threads and processes it starts
  /// later) to the server's processors.
  void PinServer() const {
    if (active_) sched_setaffinity(0, sizeof server_, &server_);
  }

  /// Pins the calling thread, and what it starts, to the clients' processor
  /// while it lives; restores the earlier set after.
  class ClientScope {
   public:
    ClientScope() {
      const CpuPlan &plan = Get();
      pinned_ = plan.active_ && sched_getaffinity(0, sizeof saved_, &saved_) == 0 &&
                sched_setaffinity(0, sizeof plan.client_, &plan.client_) == 0;
    }
    ~ClientScope() {
      if (pinned_) sched_setaffinity(0, sizeof saved_, &saved_);
    }
    ClientScope(const ClientScope &) = delete;
    ClientScope &operator=(const ClientScope &) = delete;

   private:
    cpu_set_t saved_;
    bool pinned_ = false;
  };

  /// The clients' processor, or -1 when nothing is pinned.
  int ClientCpu() const { return active_ ? clientCpu_ : -1; }

 private:
  CpuPlan() {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0 || CPU_COUNT(&allowed) < 2) return;
    const char *chosen = std::getenv("KV_BENCH_CPU");
    if (chosen && std::strcmp(chosen, "none") == 0) return;
    clientCpu_ = -1;
    if (chosen) {
      const int cpu = std::atoi(chosen);
      if (cpu >= 0 && cpu < CPU_SETSIZE && CPU_ISSET(cpu, &allowed)) clientCpu_ = cpu;
    }
    for (int cpu = 0; clientCpu_ < 0 && cpu < CPU_SETSIZE; ++cpu)
      if (CPU_ISSET(cpu, &allowed)) clientCpu_ = cpu;
    CPU_ZERO(&client_);
    CPU_SET(clientCpu_, &client_);
    server_ = allowed;
    CPU_CLR(clientCpu_, &server_);
    active_ = true;
  }

  bool active_ = false;
  int clientCpu_ = -1;
  cpu_set_t client_;
  cpu_set_t server_;
};

}  // namespace kv::bench
