// The input, output and runner classes of the 55 operations, in namespaces
// KEEL::<SERVICE>. Each runner is CServRunBase made concrete for its
// operation: its name and the call of its proxy's operation.
#pragma once

#include "Proxies.h"
#include "catalogue/OperationTable.h"
#include "runner/ServRunBase.h"

#define KV_DECLARE_OPERATION_CLASSES(SERVICE, op, NAME) \
  namespace KEEL::SERVICE { \
  class CIn_##op : public ::SERVICE##__##op, public KEEL::WEB::IInput { \
   public: \
    ~CIn_##op() override {} \
  }; \
  class COut_##op : public ::SERVICE##__##op##Response, public KEEL::WEB::IOutput { \
   public: \
    ~COut_##op() override {} \
  }; \
  class CServ_##op \
      : public KEEL::WEB::CServRunBase<CIn_##op, COut_##op, ::KV_PROXY_OF_##SERVICE, CServ_##op> { \
   public: \
    std::wstring GetServName() override { return L"" NAME; } \
    int RunServImp() override { return proxy->op(in, out); } \
  }; \
  }

KV_OPERATION_TABLE(KV_DECLARE_OPERATION_CLASSES)

#undef KV_DECLARE_OPERATION_CLASSES
