// The conversions of every operation, overloaded by wire class:
//   void WriteRequest(<PREFIX>__<op> &request, CValueKeeper &keeper[, input]);
//   bool ReadResponse(const <PREFIX>__<op>Response &response[, output]);
//   bool TakeResponse(<PREFIX>__<op>Response &response[, output]);
// The input and output arguments are those of IWSIn_<op>::SetInput and
// IWSOut_<op>::GetResult. WriteRequest clears nothing: a second call sets
// single members again and appends to lists. ReadResponse always returns
// true; a record result is always a new record, list results are appended.
// TakeResponse, what GetResult does, gives the same result; a record list
// whose engine lets its reply go as it is read (runner/ReplyRelease.h) is
// freed entry by entry as it is converted and left empty.
#pragma once

#include "catalogue/convert/ValueKeeper.h"
#include "catalogue/interfaces/OperationKinds.h"
#include "catalogue/interfaces/OperationTable.h"
#include "records/ClashResultRecords.h"
#include "records/DeviceRecords.h"
#include "records/FileRuleRecords.h"
#include "records/HoleResultRecords.h"
#include "records/WalkPathRecords.h"
#include "soapH.h"

namespace KEEL::KVWEBSERVICE {

#define KV_DECLARE_CONVERSIONS(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType) \
  void WriteRequest(SERVICE##__##op &request, CValueKeeper &keeper KV_ARGS_##IN_KIND(InType, input)); \
  bool ReadResponse(const SERVICE##__##op##Response &response KV_ARGS_##OUT_KIND(OutType, output)); \
  bool TakeResponse(SERVICE##__##op##Response &response KV_ARGS_##OUT_KIND(OutType, output));
KV_WEB_OPERATIONS(KV_DECLARE_CONVERSIONS)
#undef KV_DECLARE_CONVERSIONS

}  // namespace KEEL::KVWEBSERVICE
