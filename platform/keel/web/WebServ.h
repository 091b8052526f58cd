// CWebServ: one request of one operation on its own runner (a fresh clone).
// Start posts the run to the host's workers; Wait runs a request that no
// worker has taken yet on the waiting thread; RunHere runs it on the
// caller's thread without posting it. Completion is reported on the host's
// completion thread: first the observer, then, for a failed request, the
// host's web-error observer.
#pragma once

#include <boost/enable_shared_from_this.hpp>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "keel/web/IWebServ.h"

namespace KEEL::WEB {

class CWorkerPool;

/// What a request needs of its host.
class IWebServHost {
 public:
  virtual CWorkerPool &Workers() = 0;
  virtual CWorkerPool &Completions() = 0;
  virtual void ReportError(IWebServ *failed) = 0;

 protected:
  ~IWebServHost() = default;
};

class CWebServ : public IWebServ, public IWebServRunHere, public boost::enable_shared_from_this<CWebServ> {
 public:
  CWebServ(std::unique_ptr<IWebRunner> runner, IWebServHost &host);
  ~CWebServ() override;

  void SetObserver(IWSObserver *observer, int key) override;
  WebServError &GetServError(WebServError &out) override;
  bool IsFinished() override;
  std::wstring GetServName() override;
  IInput *GetInput() override;
  IOutput *GetOutput() override;
  void Start() override;
  void Wait() override;
  void RunHere() override;

 private:
  /// Whether this thread takes the run; true once only.
  bool Claim();
  /// Runs the request and records how it ended; `notify` posts the
  /// completion report, else only a failure is reported.
  void Run(bool notify = true);
  void RunFollowingRedirects();
  void Notify();

  std::unique_ptr<IWebRunner> runner_;
  IWebServHost &host_;
  const std::wstring name_;

  std::mutex stateMutex_;
  std::condition_variable finishedCv_;
  bool started_ = false;
  bool claimed_ = false;  // a worker or the waiting thread runs it
  bool finished_ = false;
  WebServError error_;

  // Held while the observer is called, so that SetObserver waits for a
  // notification in progress.
  std::recursive_mutex observerMutex_;
  IWSObserver *observer_ = nullptr;
};

/// The location to follow for a 302 reported by a request to the server at
/// `servAddr` (host[:port]): the location itself, or resolved when it is a
/// path; empty when it points to another scheme, host or port.
std::string RedirectTarget(const std::wstring &servAddr, const std::string &location);

}  // namespace KEEL::WEB
