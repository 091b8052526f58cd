// CAppWebServiceMgr: the web-service host, registered as "AppWebServiceMgr".
// It loads the runners of libKvWebService.so and hands out one operation
// object per request, each on a fresh clone of its operation's runner with
// the host's session, service path and time-outs.
//
// Threads: requests run on a small pool of worker threads; completions are
// reported on one completion thread, in completion order, one at a time.
// Start returns at once unless WebHostConfig::maxQueued requests already
// wait for a worker; then it waits for room.
// Destroy the host after every manager and request that uses it; the
// library stays loaded until the process ends.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "keel/frame/MgrObject.h"
#include "keel/web/IWebMgr.h"
#include "keel/web/WebServ.h"
#include "keel/web/WebSession.h"
#include "keel/web/WorkerPool.h"

namespace KEEL::WEB {

struct WebHostConfig {
  /// Path of libKvWebService.so (or a name the dynamic loader finds).
  std::string library = "libKvWebService.so";
  /// The default server address, "host:port".
  std::wstring servAddr;
  /// gSOAP time-outs of every request: > 0 seconds, < 0 microseconds.
  int connectTimeout = 10;
  int sendTimeout = 30;
  int recvTimeout = 60;
  int workers = 4;
  /// Requests started and waiting for a worker; Start waits while this
  /// many are queued, so callers faster than the server cannot pile up
  /// engines without bound.
  int maxQueued = 128;
};

class CAppWebServiceMgr : public KEEL::FRAME::CMgrObject, public IWebMgr, private IWebServHost {
 public:
  CAppWebServiceMgr();
  ~CAppWebServiceMgr() override;
  CAppWebServiceMgr(const CAppWebServiceMgr &) = delete;
  CAppWebServiceMgr &operator=(const CAppWebServiceMgr &) = delete;

  /// Loads the runners and starts the threads. False, with `error` saying
  /// why, when the library or its export is missing or already loaded.
  /// Sets the process's heap to keep up to 64 MB of freed memory per heap
  /// mapped, so that large replies are not faulted in again on every call.
  bool Load(const WebHostConfig &config, std::string &error);
  /// The service path of one service ("ClashRule", ...) for runners
  /// handed out from now on.
  void SetServicePath(const std::wstring &service, const std::wstring &path);
  IWebSession &Session() { return session_; }

  boost::shared_ptr<IWebServ> GetWebServ(const std::wstring &servName) override;
  void SetWebErrorObserver(IWebErrorObserver *observer) override;

 private:
  CWorkerPool &Workers() override { return *workers_; }
  CWorkerPool &Completions() override { return *completions_; }
  void ReportError(IWebServ *failed) override;

  CWebSession session_;
  WebHostConfig config_;
  std::mutex mutex_;
  std::map<std::wstring, std::unique_ptr<IWebRunner>> runners_;
  std::map<std::wstring, std::wstring> servicePaths_;
  // Held while the error observer is called, so that replacing it waits
  // for a call in progress.
  std::recursive_mutex errorMutex_;
  IWebErrorObserver *errorObserver_ = nullptr;
  std::unique_ptr<CWorkerPool> workers_;
  std::unique_ptr<CWorkerPool> completions_;
};

}  // namespace KEEL::WEB
