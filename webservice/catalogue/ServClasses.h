// The input, output and runner classes of the 55 operations, in namespaces
// KEEL::<SERVICE>, made from the operation table. A runner is CServRunBase
// made concrete for its operation: its name and the call of its proxy's
// operation. The input object keeps copies of what its request points to.
// The output of a run read once (IWebRunnerSettings::SetReadOnce) gives its
// result to the first GetResult only; a later one returns false.
#pragma once

#include <atomic>

#include "Proxies.h"
#include "catalogue/convert/Conversions.h"
#include "catalogue/interfaces/WebInterfaces.h"
#include "runner/ReplyRelease.h"
#include "runner/ServRunBase.h"

// The proxy class of each service.
#define KV_PROXY_OF_DEVICE VXBeingExtractedDeviceWebServiceSoapBindingProxy
#define KV_PROXY_OF_CLASHRESULTVIEW VXClashResultOverviewWebServiceSoapBindingProxy
#define KV_PROXY_OF_CLASHRESULTRELATED VXClashResultRelatedWebServiceSoapBindingProxy
#define KV_PROXY_OF_CLASHRULE VXClashRuleWebServiceSoapBindingProxy
#define KV_PROXY_OF_WALKPATH VXPathWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLECHECKSITUATION VXHoleCheckSituationWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLERESULTFLOOR VXHoleResultFloorWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLERESULT VXHoleResultWebServiceSoapBindingProxy
#define KV_PROXY_OF_HOLERULE VXHoleRuleWebServiceSoapBindingProxy

#define KV_DECLARE_OPERATION_CLASSES(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType) \
  namespace KEEL::SERVICE { \
  class CIn_##op : public ::SERVICE##__##op, public IWSIn_##op, public KEEL::WEB::IInput { \
   public: \
    ~CIn_##op() override { keeper.Clear(); } \
    void SetInput(KV_PARAM_##IN_KIND(InType, input)) override { \
      KEEL::KVWEBSERVICE::WriteRequest(*this, keeper KV_FORWARD_##IN_KIND(input)); \
    } \
\
   private: \
    KEEL::KVWEBSERVICE::CValueKeeper keeper; \
  }; \
  class COut_##op : public ::SERVICE##__##op##Response, public IWSOut_##op, public KEEL::WEB::IOutput { \
   public: \
    ~COut_##op() override {} \
    bool GetResult(KV_PARAM_##OUT_KIND(OutType, output)) override { \
      return KEEL::WEB::detail::ClaimReply(soap, taken, L"" NAME) && \
             KEEL::KVWEBSERVICE::TakeResponse(*this KV_FORWARD_##OUT_KIND(output)); \
    } \
\
   private: \
    std::atomic<bool> taken{false}; \
  }; \
  class CServ_##op \
      : public KEEL::WEB::CServRunBase<CIn_##op, COut_##op, ::KV_PROXY_OF_##SERVICE, CServ_##op> { \
   public: \
    std::wstring GetServName() override { return L"" NAME; } \
    int RunServImp() override { return proxy->op(in, out); } \
  }; \
  }

KV_WEB_OPERATIONS(KV_DECLARE_OPERATION_CLASSES)

#undef KV_DECLARE_OPERATION_CLASSES
