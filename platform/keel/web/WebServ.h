// CWebServ: one request of one operation on its own runner (a fresh clone).
// Start posts the run to the host's workers (once they have stopped, the
// request fails at once and its completion is handed on as usual); Wait runs a request that no
// worker has taken yet on the waiting thread; RunHere runs it on the
// caller's thread without posting it. When the run has ended the host hands
// the completion to its dispatcher, which tells the observer (Notify) and
// then, for a failed request, the host's web-error observer; after RunHere
// only a failed request is handed on.
#pragma once

#include <boost/enable_shared_from_this.hpp>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "keel/web/HttpUrl.h"
#include "keel/web/IWebServ.h"

namespace KEEL::WEB {

class CWorkerPool;
class CWebServ;

/// What a request needs of its host.
class IWebServHost {
 public:
  virtual CWorkerPool &Workers() = 0;
  /// Hands on the completion of `serv`, whose run has ended: its Notify,
  /// then the web error of a failed request.
  virtual void Complete(const boost::shared_ptr<CWebServ> &serv) = 0;

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

  /// Tells the observer of the completion; called by the host's dispatch.
  void Notify();

 private:
  /// Whether this thread takes the run; true once only.
  bool Claim();
  /// Finishes a request the host's workers refused as a failure.
  void RefuseStopped();
  /// Runs the request and records how it ended; hands the completion to
  /// the host, without `notify` only a failure.
  void Run(bool notify = true);
  void RunFollowingRedirects();

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

}  // namespace KEEL::WEB
