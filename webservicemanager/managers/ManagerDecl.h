// KV_DECLARE_MANAGER(OPERATIONS, IQuery, IMgr, CMgr) declares, in the
// current namespace KVWEBSERVICEMANAGER::<SERVICE>, a manager of the table
// OPERATIONS (ManagerTable.h):
//
//   IQuery  the observer callers implement: per operation, in table order,
//           `void Callback(void *handle, boost::shared_ptr<H> &result)`.
//   IMgr    `ReSetObserver(void *handle, IQuery *observer)`, then per
//           operation `void *Method([input &,] IQuery *observer)`
//           (asynchronous) and `void *Method([input &,]
//           boost::shared_ptr<H> &result)` (synchronous).
//   CMgr    IMgr on KEEL::WEB::CServMgrBase; constructed by registry name
//           or with its default one.
//
// The synchronous call runs the request on the caller's thread, waits, and
// always assigns `result` (empty when the request yielded no holder of the
// operation's class). The asynchronous call returns at once; the observer's
// callback of the same operation gets the handle and the holder on the
// host's completion thread, never during the call. A handle is the request's
// operation object, or null when the host has no such operation (then
// nothing runs and no callback comes). A null observer is allowed: the
// request runs and its completion is dropped. ReSetObserver replaces the
// observer of a pending asynchronous request; clear it before the observer
// goes away.
#pragma once

#include <boost/shared_ptr.hpp>

#include <string>

#include "keel/web/IServiceObject.h"
#include "keel/web/IWebServ.h"
#include "keel/web/ServMgrBase.h"
#include "managers/ManagerKinds.h"
#include "managers/ManagerTable.h"

#define KV_MGR_DECLARE_CALLBACK(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  virtual void Callback(void *handle, ::boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) = 0;

#define KV_MGR_DECLARE_CALLS(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  virtual void *Method(KV_MGR_INPUT_##IN_KIND(InType) Query *observer) D; \
  virtual void *Method(KV_MGR_INPUT_##IN_KIND(InType)::boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) D;

#define KV_MGR_PURE = 0
#define KV_MGR_OVERRIDE override

#define KV_DECLARE_MANAGER(OPERATIONS, IQuery, IMgr, CMgr) \
  class IQuery { \
   public: \
    OPERATIONS(KV_MGR_DECLARE_CALLBACK, ~) \
    virtual ~IQuery() {} \
  }; \
\
  class IMgr { \
   public: \
    using Query = IQuery; \
    virtual ~IMgr() {} \
    virtual void ReSetObserver(void *handle, Query *observer) = 0; \
    OPERATIONS(KV_MGR_DECLARE_CALLS, KV_MGR_PURE) \
  }; \
\
  class CMgr : public IMgr, public ::KEEL::WEB::CServMgrBase { \
   public: \
    CMgr(); \
    explicit CMgr(const ::std::wstring &name); \
    CMgr(const CMgr &other); \
    CMgr &operator=(const CMgr &other); \
    ~CMgr() override; \
\
    void ReSetObserver(void *handle, Query *observer) override; \
    OPERATIONS(KV_MGR_DECLARE_CALLS, KV_MGR_OVERRIDE) \
    void ReleaseObject() override; \
\
   protected: \
    ::boost::shared_ptr<::KEEL::WEB::IServiceObject> ServResponse(::KEEL::WEB::IWebServ *request) override; \
\
   private: \
    ResponseFn BoundResponse(); \
  };
