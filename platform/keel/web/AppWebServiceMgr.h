// CAppWebServiceMgr: the web-service host, registered as "AppWebServiceMgr".
// It loads the runners of libKvWebService.so and hands out one operation
// object per request, each on a fresh clone of its operation's runner with
// the host's session, service path and time-outs. A request's output is
// read once: its first GetResult takes the result over, freeing the reply
// as it converts it (IWebRunnerSettings::SetReadOnce); a later one returns
// false and gives nothing.
//
// Threads: every operation may be called from any thread. Requests run on
// a small pool of worker threads. Every completion is handed, as one task,
// to the dispatcher of WebHostConfig: the task tells the request's
// observer, then, for a failed request, the web-error observer; neither is
// ever called on the stack of Start. Without a dispatcher the tasks run on
// the host's one completion thread, in completion order, one at a time. A
// program that wants its reactions on its user-interface thread gives a
// dispatcher that posts the task there. The host takes no lock of its own
// while a task runs, so with a dispatcher that runs tasks side by side (or
// one whose slow task runs a nested message loop) a slow callback delays no
// other. Start returns at once unless WebHostConfig::maxQueued requests
// already wait for a worker; then it waits for room.
// ReleaseObject (the registry's shut-down step) ends the threads: the
// requests already started run to their end (within their time-outs),
// their completions are handed on, then the workers and the completion
// thread are joined. A request started after it fails at once; without a
// dispatcher nobody is told of it.
// Destroy the host after every manager and request that uses it; tasks
// still queued in a dispatcher may run after that and then tell no web
// error. The library stays loaded until the process ends.
#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "keel/frame/MgrObject.h"
#include "keel/web/IWebMgr.h"
#include "keel/web/WebServ.h"
#include "keel/web/WebSession.h"
#include "keel/web/WorkerPool.h"

namespace KEEL::WEB {

/// Runs a completion task, now or later, on a thread of its choosing; it
/// must run every task it is given, once.
using WebDispatcher = std::function<void(std::function<void()> task)>;

struct WebHostConfig {
  /// Path of libKvWebService.so (or a name the dynamic loader finds).
  std::string library = "libKvWebService.so";
  /// The default server address, "host:port".
  std::wstring servAddr;
  /// gSOAP time-outs of every request: > 0 seconds, < 0 microseconds.
  int connectTimeout = 10;
  int sendTimeout = 30;
  int recvTimeout = 60;
  /// The deadline of a whole call (gSOAP transfer_timeout), however the
  /// server paces its bytes: > 0 seconds, < 0 microseconds, 0 none.
  int transferTimeout = 600;
  /// The largest reply in bytes, after decompression, and the longest one
  /// value (text or binary data); 0 means no limit. A reply over either
  /// fails with SOAP_LENGTH. Far above the largest real reply (~105 MB).
  unsigned long long maxReplyBytes = 512ull << 20;
  long maxValueBytes = 256L << 20;
  int workers = 4;
  /// Requests started and waiting for a worker; Start waits while this
  /// many are queued, so callers faster than the server cannot pile up
  /// engines without bound.
  int maxQueued = 128;
  /// Where completions and web errors are reported; empty: the host's
  /// completion thread.
  WebDispatcher dispatcher;
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
  /// Why the last Load failed ("" after a successful one or none): the
  /// cause of every GetWebServ that finds no operation then.
  std::string GetLoadError();
  /// The service path of one service ("ClashRule", ...) for runners
  /// handed out from now on.
  void SetServicePath(const std::wstring &service, const std::wstring &path);
  IWebSession &Session() { return session_; }

  boost::shared_ptr<IWebServ> GetWebServ(const std::wstring &servName) override;
  void SetWebErrorObserver(IWebErrorObserver *observer) override;
  /// Runs the requests already started to their end and joins the host's
  /// threads; later requests fail at once.
  void ReleaseObject() override;

 private:
  // The web-error observer, shared with queued completions so that they
  // can run after the host is gone.
  // Calls run side by side; replacing the observer waits for the calls in
  // progress on other threads.
  class ErrorReport {
   public:
    void Set(IWebErrorObserver *observer);
    void Report(IWebServ *failed);

   private:
    std::mutex mutex_;
    std::condition_variable idle_;
    IWebErrorObserver *observer_ = nullptr;
    std::multiset<std::thread::id> calling_;
  };

  // Load's work, with mutex_ held.
  bool LoadRunners(const WebHostConfig &config, std::string &error);
  CWorkerPool &Workers() override { return *workers_; }
  void Complete(const boost::shared_ptr<CWebServ> &serv) override;

  CWebSession session_;
  WebHostConfig config_;
  std::mutex mutex_;
  std::map<std::wstring, std::unique_ptr<IWebRunner>> runners_;
  std::string loadError_;
  std::map<std::wstring, std::wstring> servicePaths_;
  std::shared_ptr<ErrorReport> errors_;
  std::unique_ptr<CWorkerPool> workers_;
  std::unique_ptr<CWorkerPool> completions_;
};

}  // namespace KEEL::WEB
