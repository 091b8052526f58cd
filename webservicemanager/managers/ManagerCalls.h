// What every manager header builds on: the manager base, the result
// holders and the conventions of the managers' calls.
//
// Each operation of a manager comes in two forms:
//   Service<Op>([input &,] I<X>Query *observer)   asynchronous: starts the
//       request and returns its handle at once; the observer's
//       On<Service<Op>> gets the same handle and the holder later, on the
//       thread where the host reports completions (keel/web/ServMgrBase.h),
//       never during the call.
//   Service<Op>([input &,] boost::shared_ptr<H> &result)   synchronous:
//       runs the request, waits, and always assigns `result` (empty when
//       the request yielded no holder of the operation's class).
// The input is handed to the request as given; the manager neither copies
// nor changes it. A handle names one request; it is null when the host has
// no such operation (then nothing runs and no callback comes).
//
// Every holder carries the request's status (IsFinished, GetState: whether
// the call succeeded, GetCode, GetText). A flag holder's value is whether
// the call succeeded.
//
// A null observer is allowed: the request runs and its completion is
// dropped. ReSetObserver replaces the observer of a pending asynchronous
// request; clear it before the observer goes away.
#pragma once

#include "holders/MOXData.h"
#include "holders/MOXDataArray.h"
#include "keel/web/IServiceObject.h"
#include "keel/web/IWebServ.h"
#include "keel/web/ServMgrBase.h"
