// The typed input and output interface of every operation,
// KEEL::<SERVICE>::IWSIn_<op> and KEEL::<SERVICE>::IWSOut_<op>, declared
// from the operation table. Shared with the manager library, which reaches
// them by dynamic_cast from the runner's input and output objects.
#pragma once

#include "catalogue/interfaces/OperationKinds.h"
#include "catalogue/interfaces/OperationTable.h"
#include "records/ClashResultRecords.h"
#include "records/DeviceRecords.h"
#include "records/FileRuleRecords.h"
#include "records/HoleResultRecords.h"
#include "records/StBinaryData.h"
#include "records/WalkPathRecords.h"

#define KV_DECLARE_WEB_INTERFACES(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType) \
  namespace KEEL::SERVICE { \
  class IWSIn_##op { \
   public: \
    virtual ~IWSIn_##op() {} \
    virtual void SetInput(KV_PARAM_##IN_KIND(InType, input)) = 0; \
  }; \
  class IWSOut_##op { \
   public: \
    virtual ~IWSOut_##op() {} \
    virtual bool GetResult(KV_PARAM_##OUT_KIND(OutType, output)) = 0; \
  }; \
  }

KV_WEB_OPERATIONS(KV_DECLARE_WEB_INTERFACES)

#undef KV_DECLARE_WEB_INTERFACES
