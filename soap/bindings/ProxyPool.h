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

/// A proxy of the pool, taken when first used and given back when this is
/// destroyed, so that an object that never calls (a runner kept only to be
/// cloned) holds no engine. Made with MTOM and UTF-8 strings both ways.
template <class Proxy>
class PooledProxy {
 public:
  PooledProxy() = default;
  ~PooledProxy() { ProxyPool<Proxy>::Give(proxy_); }
  PooledProxy(const PooledProxy &) = delete;
  PooledProxy &operator=(const PooledProxy &) = delete;

  /// The proxy, taken from the pool on first use.
  Proxy *get() const {
    if (!proxy_) {
      proxy_ = ProxyPool<Proxy>::Take(SOAP_ENC_MTOM, SOAP_ENC_MTOM);
      proxy_->imode |= SOAP_C_UTFSTRING;
      proxy_->omode |= SOAP_C_UTFSTRING;
    }
    return proxy_;
  }
  Proxy *operator->() const { return get(); }
  Proxy &operator*() const { return *get(); }
  operator Proxy *() const { return get(); }

 private:
  mutable Proxy *proxy_ = nullptr;
};

}  // namespace kv::wire
