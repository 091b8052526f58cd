// ProxyPool: engines of one proxy class kept for reuse. A proxy given back
// is renewed (equal to a new one) and handed out again, so a request does
// not pay for building and tearing down a whole engine. Any thread may take
// and give; a bounded number is kept, the rest destroyed.
#pragma once

#include <mutex>
#include <vector>

#include "KvProxy.h"

namespace kv::wire {

template <class Proxy>
class ProxyPool {
 public:
  /// A renewed proxy made with these modes, or a new one; owned by the caller.
  static Proxy *Take(soap_mode imode, soap_mode omode) {
    {
      Pool &pool = Instance();
      std::lock_guard<std::mutex> lock(pool.mutex);
      for (size_t i = pool.kept.size(); i-- > 0;) {
        Proxy *p = pool.kept[i];
        if (p->MadeIMode() == imode && p->MadeOMode() == omode) {
          pool.kept[i] = pool.kept.back();
          pool.kept.pop_back();
          return p;
        }
      }
    }
    return new Proxy(imode, omode);
  }

  /// Takes a proxy back: renewed and kept, or destroyed.
  static void Give(Proxy *p) noexcept {
    if (!p) return;
    if (p->Renew()) {
      Pool &pool = Instance();
      std::lock_guard<std::mutex> lock(pool.mutex);
      if (pool.kept.size() < kKept) {
        pool.kept.push_back(p);
        return;
      }
    }
    delete p;
  }

 private:
  static constexpr size_t kKept = 8;
  struct Pool {
    Pool() { kept.reserve(kKept); }
    std::mutex mutex;
    std::vector<Proxy *> kept;
  };
  static Pool &Instance() {
    static Pool *pool = new Pool();  // never destroyed: used until exit
    return *pool;
  }
};

}  // namespace kv::wire
