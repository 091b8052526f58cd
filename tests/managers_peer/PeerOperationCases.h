// One case per operation of every manager, made from the managers' tables:
// calls of both forms on a fresh manager with a default input through the
// host registered as "AppWebServiceMgr", and what they gave. The
// expectations live in the tests.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstddef>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "QueryLog.h"

namespace kv::test {

struct SyncResult {
  void *handle = nullptr;
  boost::shared_ptr<KEEL::WEB::IServiceObject> holder;
  std::size_t pending = 0;  // filed requests afterwards
};

struct AsyncResult {
  void *handle = nullptr;
  std::vector<LoggedCall> calls;   // once the manager has no request left
  bool holderIsInterface = false;  // the first call's holder is the operation's H
  bool drained = false;            // the manager's requests reached 0
};

struct PeerOperationCase {
  const char *service;
  const char *method;
  const char *callback;
  std::wstring name;
  const std::type_info &holderClass;
  std::function<SyncResult()> sync;
  std::function<AsyncResult()> async;
  /// Gives an operation object of this operation the default input.
  std::function<void(KEEL::WEB::IInput *)> setInput;
};

/// Every operation of every manager, in table order.
const std::vector<PeerOperationCase> &PeerOperationCases();

/// One per manager: its operation names, and its ServResponse reached
/// through a subclass.
struct ManagerProbe {
  const char *service;
  std::vector<std::wstring> names;
  std::function<boost::shared_ptr<KEEL::WEB::IServiceObject>(KEEL::WEB::IWebServ *)> respond;
};

const std::vector<ManagerProbe> &ManagerProbes();

}  // namespace kv::test
