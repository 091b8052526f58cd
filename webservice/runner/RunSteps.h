// The operation-independent steps of one run, shared by every runner.
#pragma once

#include <string>

#include "runner/IWebRunner.h"

struct soap;
namespace kv::wire {
class KvProxyBase;
}

namespace KEEL::WEB {

/// Converts a fault's code and text into the record's fault fields.
void FillServError(const char *faultCode, const char *faultText, WebServError &error);

namespace detail {

/// Engine settings a runner keeps until it runs, so that a request waiting
/// in a queue holds no engine. The time-outs are the engine's fields'
/// values; the reply limits apply only once set.
struct EngineSettings {
  int connectTimeout = 0;
  int sendTimeout = 0;
  int recvTimeout = 0;
  int transferTimeout = 0;
  bool limitsSet = false;
  unsigned long long maxReplyBytes = 0;
  long maxValueBytes = 0;
  /// The result of a run that succeeded is read once (IWebRunnerSettings::SetReadOnce).
  bool readOnce = false;
};

/// The members of a runner that one run reads or writes.
struct RunState {
  IWebSession *session;
  const std::wstring &servAddr;
  const std::wstring &servPath;
  std::string &redirectUrl;
  WebServError &error;
  const EngineSettings &settings;
  kv::wire::KvProxyBase &proxy;
};

/// The operation-dependent part of a run, given by the runner template.
class RunCall {
 public:
  /// The operation call (RunServImp).
  virtual int Call() = 0;
  /// The engine the output object was read with, or null when the request
  /// never went out.
  virtual struct soap *ResponseEngine() = 0;
  virtual std::wstring ServName() = 0;

 protected:
  ~RunCall() = default;
};

/// Every step of RunServ after the output object is prepared: settings,
/// address,
/// cookie store and lock, cookies, endpoint, call, error record and log,
/// response cookies. Returns whether the call's result was 0.
bool RunSteps(RunState state, RunCall &call);

/// Frees what the engine allocated for the previous run.
void ReleaseEngineMemory(struct soap *engine);

/// The log lines of Clone.
void LogClone(const void *clone);
void LogCloneRefused(const std::wstring &servName);
/// The line of a runner class that makes no call.
void LogNoCall();

}  // namespace detail
}  // namespace KEEL::WEB
