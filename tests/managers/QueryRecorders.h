// QueryRecorder<IQuery>: an observer of each manager that records every
// callback it receives: the callback's name, the handle and the holder.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "KvWebServiceManager.h"
#include "managers/ManagerTable.h"

namespace kv::test {

struct RecordedCall {
  std::string callback;
  void *handle;
  boost::shared_ptr<KEEL::WEB::IServiceObject> holder;
};

template <class Query>
class QueryRecorder;

#define KV_TEST_RECORD_CALLBACK(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  void Callback(void *handle, boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) override { \
    calls.push_back({#Callback, handle, result}); \
  }

#define KV_TEST_DEFINE_RECORDER(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) \
  template <> \
  class QueryRecorder<KVWEBSERVICEMANAGER::SERVICE::IQuery> : public KVWEBSERVICEMANAGER::SERVICE::IQuery { \
   public: \
    std::vector<RecordedCall> calls; \
    OPERATIONS(KV_TEST_RECORD_CALLBACK, ~) \
  };

KV_WEB_MANAGERS(KV_TEST_DEFINE_RECORDER)

#undef KV_TEST_DEFINE_RECORDER
#undef KV_TEST_RECORD_CALLBACK

}  // namespace kv::test
