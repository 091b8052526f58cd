#include "OperationCases.h"

namespace kv::test {
namespace {

// A holder of the given class, so that a call that yields nothing shows.
template <class T>
boost::shared_ptr<MOXAPP::CMOXBaseData<T>> Stale(MOXAPP::CMOXBaseData<T> *) {
  return boost::make_shared<MOXAPP::CMOXBaseData<T>>(T{});
}
template <class T>
boost::shared_ptr<MOXAPP::CMOXUserData<T>> Stale(MOXAPP::CMOXUserData<T> *) {
  return boost::make_shared<MOXAPP::CMOXUserData<T>>(boost::make_shared<T>());
}
template <class T>
boost::shared_ptr<MOXAPP::CMOXBaseDataArray<T>> Stale(MOXAPP::CMOXBaseDataArray<T> *) {
  return boost::make_shared<MOXAPP::CMOXBaseDataArray<T>>(std::vector<T>{T{}});
}
template <class T>
boost::shared_ptr<MOXAPP::CMOXUserDataArray<T>> Stale(MOXAPP::CMOXUserDataArray<T> *) {
  return boost::make_shared<MOXAPP::CMOXUserDataArray<T>>(std::vector<boost::shared_ptr<T>>{boost::make_shared<T>()});
}

// What each kind holds for a response without data.
bool HoldsDefault(const boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &h) { return h && h->GetValue(); }
bool HoldsDefault(const boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &h) {
  return h && h->GetValue().empty();
}
template <class T>
bool HoldsDefault(const boost::shared_ptr<MOXAPP::IMOXUserData<T>> &h) {
  return h && h->GetDataPtr() != nullptr && h->GetData().get() == h->GetDataPtr();
}
template <class T>
bool HoldsDefault(const boost::shared_ptr<MOXAPP::IMOXBaseDataArray<T>> &h) {
  return h && h->Count() == 0 && h->IsDone();
}
template <class T>
bool HoldsDefault(const boost::shared_ptr<MOXAPP::IMOXUserDataArray<T>> &h) {
  return h && h->Count() == 0 && h->IsDone();
}

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

#define KV_TEST_OPERATION_CASE(CMgr, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  OperationCase{#Method, #Callback, L"" NAME, typeid(KV_MGR_HOLDER_CLASS_##HOLDER(St)), \
                [] { \
                  KVWEBSERVICEMANAGER::SERVICE::CMgr mgr; \
                  KV_TEST_DECLARE_INPUT_##IN_KIND(InType) \
                  boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> result = \
                      Stale(static_cast<KV_MGR_HOLDER_CLASS_##HOLDER(St) *>(nullptr)); \
                  SyncOutcome out; \
                  out.handle = mgr.Method(KV_TEST_INPUT_ARG_##IN_KIND result); \
                  out.holder = result; \
                  out.holdsDefaultResult = HoldsDefault(result); \
                  out.pending = mgr.PendingRequests(); \
                  return out; \
                }, \
                [](FakeHost &host, bool withObserver) { \
                  KVWEBSERVICEMANAGER::SERVICE::CMgr mgr; \
                  KV_TEST_DECLARE_INPUT_##IN_KIND(InType) \
                  QueryRecorder<KVWEBSERVICEMANAGER::SERVICE::CMgr::Query> observer; \
                  AsyncOutcome out; \
                  out.handle = mgr.Method(KV_TEST_INPUT_ARG_##IN_KIND withObserver ? &observer : nullptr); \
                  out.callsBeforeCompletion = observer.calls.size(); \
                  host.CompleteAll(); \
                  out.calls = observer.calls; \
                  out.pending = mgr.PendingRequests(); \
                  return out; \
                }},
#define KV_TEST_MANAGER_CASES(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) OPERATIONS(KV_TEST_OPERATION_CASE, CMgr)

}  // namespace

const std::vector<OperationCase> &OperationCases() {
  static const std::vector<OperationCase> kCases = {KV_WEB_MANAGERS(KV_TEST_MANAGER_CASES)};
  return kCases;
}

}  // namespace kv::test
