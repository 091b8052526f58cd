// The operation object that the web-service host hands out for one request
// of one operation, and the observer it reports completion to.
#pragma once

#include <string>

#include "runner/IWebRunner.h"

namespace KEEL::WEB {

class IWebServ;

class IWSObserver {
 public:
  /// The request has completed (successfully or not).
  virtual void NotifyWSEvent(IWebServ *serv) = 0;
  virtual ~IWSObserver() {}
};

/// One request. Set the input, Start it once, then Wait or be notified.
/// Thread-safe.
class IWebServ {
 public:
  /// The observer told of completion; null detaches. Once this returns, no
  /// notification reaches the previous observer.
  virtual void SetObserver(IWSObserver *observer, int key) = 0;
  /// How the request ended; code -1 before it has.
  virtual WebServError &GetServError(WebServError &out) = 0;
  virtual bool IsFinished() = 0;
  virtual std::wstring GetServName() = 0;
  virtual IInput *GetInput() = 0;
  /// Read it only after completion, and once.
  virtual IOutput *GetOutput() = 0;
  virtual void Start() = 0;
  /// Returns once the request has completed.
  virtual void Wait() = 0;
  virtual ~IWebServ() {}
};

/// Offered by operation objects that can run a synchronous request on the
/// caller's thread, without a hand-over to a worker and back.
class IWebServRunHere {
 public:
  /// Start and Wait in one: runs the request on this thread and returns
  /// once it has completed. Only a failed request is reported on (to the
  /// observer, then the host's web-error observer); the caller holds the
  /// result.
  virtual void RunHere() = 0;

 protected:
  ~IWebServRunHere() = default;
};

/// Told of every failed request, right after its observer, where the host
/// runs completions (its dispatcher, by default its completion thread).
class IWebErrorObserver {
 public:
  virtual void OnWebError(IWebServ *failed) = 0;
  virtual ~IWebErrorObserver() {}
};

}  // namespace KEEL::WEB
