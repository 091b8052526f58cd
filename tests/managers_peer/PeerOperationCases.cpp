#include "PeerOperationCases.h"

#include <boost/pointer_cast.hpp>

#include "PeerHost.h"
#include "catalogue/interfaces/WebInterfaces.h"
#include "managers/ManagerTable.h"

namespace kv::test {
namespace {

#define KV_TEST_DECLARE_INPUT_IN_NONE(T)
#define KV_TEST_DECLARE_INPUT_IN_TEXT(T) KV_MGR_INPUT_TYPE_IN_TEXT(T) input{};
#define KV_TEST_DECLARE_INPUT_IN_TEXT_LIST(T) KV_MGR_INPUT_TYPE_IN_TEXT_LIST(T) input{};
#define KV_TEST_DECLARE_INPUT_IN_RECORD(T) KV_MGR_INPUT_TYPE_IN_RECORD(T) input{};
#define KV_TEST_DECLARE_INPUT_IN_RECORD_LIST(T) KV_MGR_INPUT_TYPE_IN_RECORD_LIST(T) input{};
#define KV_TEST_DECLARE_INPUT_IN_VALUE(T) KV_MGR_INPUT_TYPE_IN_VALUE(T) input{};

#define KV_TEST_INPUT_ARG_IN_NONE
#define KV_TEST_INPUT_ARG_IN_TEXT input,
#define KV_TEST_INPUT_ARG_IN_TEXT_LIST input,
#define KV_TEST_INPUT_ARG_IN_RECORD input,
#define KV_TEST_INPUT_ARG_IN_RECORD_LIST input,
#define KV_TEST_INPUT_ARG_IN_VALUE input,

#define KV_TEST_INPUT_ONLY_IN_NONE
#define KV_TEST_INPUT_ONLY_IN_TEXT input
#define KV_TEST_INPUT_ONLY_IN_TEXT_LIST input
#define KV_TEST_INPUT_ONLY_IN_RECORD input
#define KV_TEST_INPUT_ONLY_IN_RECORD_LIST input
#define KV_TEST_INPUT_ONLY_IN_VALUE input

#define KV_TEST_PEER_CASE(CMgr, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  PeerOperationCase{ \
      #SERVICE, \
      #Method, \
      #Callback, \
      L"" NAME, \
      typeid(KV_MGR_HOLDER_CLASS_##HOLDER(St)), \
      [] { \
        KVWEBSERVICEMANAGER::SERVICE::CMgr mgr; \
        KV_TEST_DECLARE_INPUT_##IN_KIND(InType) \
        boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> result; \
        SyncResult out; \
        out.handle = mgr.Method(KV_TEST_INPUT_ARG_##IN_KIND result); \
        out.holder = result; \
        out.pending = mgr.PendingRequests(); \
        return out; \
      }, \
      [] { \
        KVWEBSERVICEMANAGER::SERVICE::CMgr mgr; \
        KV_TEST_DECLARE_INPUT_##IN_KIND(InType) \
        QueryLog<KVWEBSERVICEMANAGER::SERVICE::CMgr::Query> observer; \
        AsyncResult out; \
        out.handle = mgr.Method(KV_TEST_INPUT_ARG_##IN_KIND & observer); \
        observer.WaitForCalls(1); \
        out.drained = WaitUntil([&] { return mgr.PendingRequests() == 0; }); \
        out.calls = observer.Calls(); \
        out.holderIsInterface = !out.calls.empty() && boost::dynamic_pointer_cast<KV_MGR_HOLDER_##HOLDER(St)>( \
                                                          out.calls[0].holder) != nullptr; \
        return out; \
      }, \
      [](KEEL::WEB::IInput *in) { \
        KV_TEST_DECLARE_INPUT_##IN_KIND(InType) \
        dynamic_cast<KEEL::SERVICE::IWSIn_##op &>(*in).SetInput( \
            KV_TEST_INPUT_ONLY_##IN_KIND); \
      }},
#define KV_TEST_PEER_MANAGER_CASES(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) OPERATIONS(KV_TEST_PEER_CASE, CMgr)

#define KV_TEST_NAME(D, SERVICE, op, NAME, ...) L"" NAME,
#define KV_TEST_DEFINE_PROBE(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) \
  class Probe##CMgr : public KVWEBSERVICEMANAGER::SERVICE::CMgr { \
   public: \
    using KVWEBSERVICEMANAGER::SERVICE::CMgr::ServResponse; \
  };
#define KV_TEST_PROBE(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) \
  ManagerProbe{#SERVICE, {OPERATIONS(KV_TEST_NAME, ~)}, [](KEEL::WEB::IWebServ *request) { \
                 Probe##CMgr probe; \
                 return probe.ServResponse(request); \
               }},

KV_WEB_MANAGERS(KV_TEST_DEFINE_PROBE)

}  // namespace

const std::vector<PeerOperationCase> &PeerOperationCases() {
  static const std::vector<PeerOperationCase> kCases = {KV_WEB_MANAGERS(KV_TEST_PEER_MANAGER_CASES)};
  return kCases;
}

const std::vector<ManagerProbe> &ManagerProbes() {
  static const std::vector<ManagerProbe> kProbes = {KV_WEB_MANAGERS(KV_TEST_PROBE)};
  return kProbes;
}

}  // namespace kv::test
