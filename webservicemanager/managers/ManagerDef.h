// KV_DEFINE_MANAGER(OPERATIONS, IMgr, CMgr, REGISTRY_NAME): the members of
// the manager CMgr declared in its header, made from its table OPERATIONS
// (ManagerTable.h). For the .cpp of one manager, inside its namespace. Each
// definition must match a declared member: a row that differs from the
// header in a name, an input or a holder does not compile, and a declared
// operation without a row does not link.
#pragma once

#include <boost/any.hpp>
#include <boost/bind/bind.hpp>
#include <boost/pointer_cast.hpp>

#include "binding/ServiceBind.h"
#include "catalogue/interfaces/WebInterfaces.h"
#include "managers/ManagerTable.h"
#include "managers/ResponseHolder.h"

#define KV_MGR_DEFINE_CALLS(CMgr, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  void *CMgr::Method(KV_MGR_INPUT_##IN_KIND(InType) Query *observer) { \
    ::KEEL::WEB::IServiceCB *binding = \
        new ::KEEL::WEB::CServiceBind<void, Query, void *, ::boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &>( \
            &Query::Callback, observer); \
    return DoServRequest<::KEEL::SERVICE::IWSIn_##op>(binding, BoundResponse(), \
                                                      ::std::wstring(L"" NAME) KV_MGR_FORWARD_##IN_KIND(input)); \
  } \
  void *CMgr::Method(KV_MGR_INPUT_##IN_KIND(InType)::boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &result) { \
    ::KEEL::WEB::IWebServ *request = nullptr; \
    void *handle = DoServRequest<::KEEL::SERVICE::IWSIn_##op>(request, BoundResponse(), \
                                                              ::std::wstring(L"" NAME) KV_MGR_FORWARD_##IN_KIND(input)); \
    result = ::boost::dynamic_pointer_cast<KV_MGR_HOLDER_CLASS_##HOLDER(St)>(DoServResponse(request)); \
    UnRegister(request); \
    return handle; \
  }

// The name is asked anew for every comparison.
#define KV_MGR_RESPONSE_CASE(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  if (request->GetServName() == L"" NAME) \
    return ::KVWEBSERVICEMANAGER::MakeHolder<::KEEL::SERVICE::IWSOut_##op, KV_MGR_HOLDER_CLASS_##HOLDER(St)>( \
        *request);

#define KV_DEFINE_MANAGER(OPERATIONS, IMgr, CMgr, REGISTRY_NAME) \
  CMgr::CMgr() : CServMgrBase(L"" REGISTRY_NAME) {} \
  CMgr::CMgr(const ::std::wstring &name) : CServMgrBase(name) {} \
  CMgr::CMgr(const CMgr &other) : IMgr(other), CServMgrBase(other) {} \
  CMgr &CMgr::operator=(const CMgr &other) { \
    CServMgrBase::operator=(other); \
    return *this; \
  } \
  CMgr::~CMgr() {} \
\
  void CMgr::ReSetObserver(void *handle, Query *observer) { \
    ::boost::any candidate(observer); \
    ReSet(handle, candidate); \
  } \
\
  OPERATIONS(KV_MGR_DEFINE_CALLS, CMgr) \
\
  void CMgr::ReleaseObject() { CServMgrBase::ReleaseObject(); } \
\
  ::boost::shared_ptr<::KEEL::WEB::IServiceObject> CMgr::ServResponse(::KEEL::WEB::IWebServ *request) { \
    if (!request || request->GetServName() == L"test") return {}; \
    OPERATIONS(KV_MGR_RESPONSE_CASE, ~) \
    return {}; \
  } \
\
  ::KEEL::WEB::CServMgrBase::ResponseFn CMgr::BoundResponse() { \
    return ::boost::bind(&CMgr::ServResponse, this, ::boost::placeholders::_1); \
  }
