// CServiceBind: ties one pending asynchronous request to one callback of
// one observer. The request record owns it; it never owns its observer.
// No lock: the web-service base orders ReSetObserver against CallBack.
#pragma once

#include <boost/any.hpp>
#include <boost/pointer_cast.hpp>
#include <boost/shared_ptr.hpp>

#include "keel/web/IServiceObject.h"
#include "wrench/LogMsg.h"

namespace KEEL::WEB {

template <class R, class Q, class Handle, class Result>
class CServiceBind;

/// Calls `(observer->*method)(handle, holder)` with the holder cast to H.
/// Observers are accepted only as a boost::any holding exactly Q*.
template <class Q, class H>
class CServiceBind<void, Q, void *, boost::shared_ptr<H> &> : public IServiceCB {
 public:
  using Method = void (Q::*)(void *, boost::shared_ptr<H> &);

  CServiceBind(Method callback, Q *target) : method(callback), observer(target) {}
  ~CServiceBind() override {}

  /// Nothing without an observer. A holder that is not an H arrives as an
  /// empty pointer; `result` itself is left as it is.
  void CallBack(void *handle, boost::shared_ptr<IServiceObject> &result) override {
    if (!observer || !method) return;
    boost::shared_ptr<H> typed = boost::dynamic_pointer_cast<H>(result);
    (observer->*method)(handle, typed);
  }

  /// Whether `candidate` is a null Q*; anything else is refused (logged)
  /// and counts as null.
  bool IsNull(boost::any &candidate) override {
    if (Q **given = boost::any_cast<Q *>(&candidate)) return *given == nullptr;
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, L"CServiceBind::IsNull 异常 是不支持的观察者！");
    return true;
  }

  /// Takes `candidate` as the observer when it holds a Q* (null included);
  /// otherwise logs and keeps the old one.
  void ReSetObserver(boost::any &candidate) override {
    if (Q **given = boost::any_cast<Q *>(&candidate)) {
      observer = *given;
      return;
    }
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, L"CServiceBind::ReSetObserver 异常 观察者修改失败");
  }

 private:
  Method method;
  Q *observer;
};

}  // namespace KEEL::WEB
