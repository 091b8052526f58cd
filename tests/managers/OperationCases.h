// One case per operation of every manager, made from the managers' table:
// calls of both forms on a fresh manager with a default input, and what
// they gave. The expectations live in the tests.
#pragma once

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>
#include <cstddef>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "FakeHost.h"
#include "QueryRecorders.h"

namespace kv::test {

struct SyncOutcome {
  void *handle = nullptr;
  boost::shared_ptr<KEEL::WEB::IServiceObject> holder;
  bool holdsDefaultResult = false;  // the kind's result of an empty response
  std::size_t pending = 0;          // the manager's filed requests afterwards
};

struct AsyncOutcome {
  void *handle = nullptr;
  std::size_t callsBeforeCompletion = 0;
  std::vector<RecordedCall> calls;
  std::size_t pending = 0;
};

struct OperationCase {
  const char *method;
  const char *callback;
  std::wstring name;
  const std::type_info &holderClass;
  /// The synchronous form; `result` held a stale holder before the call.
  std::function<SyncOutcome()> sync;
  /// The asynchronous form, then host.CompleteAll(); with a null observer
  /// when `withObserver` is false.
  std::function<AsyncOutcome(FakeHost &host, bool withObserver)> async;
};

/// Every operation of every manager, in table order.
const std::vector<OperationCase> &OperationCases();

}  // namespace kv::test
