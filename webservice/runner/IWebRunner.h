// The interfaces through which a host drives a runner. One runner is used
// by one thread at a time; another thread works on a Clone. The order of
// the virtual operations of IWebRunner, IWebRedirect, IInput and IOutput is
// a contract with hosts built separately: append nothing to them.
#pragma once

#include <string>

#include "runner/WebServError.h"

namespace KEEL::WEB {

class IWebSession;

/// A runner's input object; cast it to the operation's IWSIn_<op>.
class IInput {
 public:
  virtual ~IInput() {}
};

/// A runner's output object; cast it to the operation's IWSOut_<op>.
class IOutput {
 public:
  virtual ~IOutput() {}
};

class IWebRunner {
 public:
  virtual ~IWebRunner() {}
  virtual void SetServTag(const std::wstring &tag) = 0;
  virtual std::wstring GetServTag() = 0;
  /// "<Service>_<operation>", such as "Device_cloneDevice".
  virtual std::wstring GetServName() = 0;
  /// Host, and ":port" where needed; empty means the session's default.
  virtual void SetServAddr(const std::wstring &addr) = 0;
  virtual std::wstring GetServAddr() = 0;
  virtual void SetServPath(const std::wstring &path) = 0;
  /// The same object for the runner's life.
  virtual IInput *GetInput() = 0;
  /// Replaced at the start of every run after the first: take the result
  /// before running again.
  virtual IOutput *GetOutput() = 0;
  /// One HTTP exchange on the calling thread; true when it succeeded.
  /// Failures are in GetServError.
  virtual bool RunServ() = 0;
  virtual WebServError &GetServError(WebServError &out) = 0;
  virtual bool IsSupportMultiThread() = 0;
  /// A configured runner of the same operation that has never run; the
  /// caller owns it.
  virtual IWebRunner *Clone() = 0;
  /// gSOAP time-outs: > 0 seconds, < 0 microseconds, 0 none.
  virtual void SetConnectTimeout(int t) = 0;
  virtual void SetSendTimeout(int t) = 0;
  virtual void SetRecvTimeout(int t) = 0;
  /// Not owned; required before the first run.
  virtual void SetServSession(IWebSession *session) = 0;
  virtual IWebSession *GetServSession() = 0;
};

class IWebRedirect {
 public:
  /// The endpoint of the next run only, used as given; empty clears it.
  virtual void SetRedirectUrl(const std::string &url) = 0;
  virtual ~IWebRedirect() {}
};

/// What a host of ours sets on a runner beyond IWebRunner: bounds of a run
/// and how its result is read. A host reaches it from IWebRunner by
/// dynamic_cast; a runner without it has no such bounds.
class IWebRunnerSettings {
 public:
  virtual ~IWebRunnerSettings() {}
  /// The deadline of a whole call, in the units of the time-outs.
  virtual void SetTransferTimeout(int t) = 0;
  /// The largest reply (bytes after decompression) and the longest one
  /// value; 0 means no limit.
  virtual void SetReplyLimits(unsigned long long maxReplyBytes, long maxValueBytes) = 0;
  /// When set, the output of a run that succeeded frees the reply's list
  /// entries as its GetResult converts them: the result is handed out once,
  /// and a later GetResult of the same run returns false and gives nothing.
  virtual void SetReadOnce(bool once) = 0;
};

}  // namespace KEEL::WEB
