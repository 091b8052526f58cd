// CServMgrBase: the base of the web-service managers. It files each
// request under its operation object, runs it through the host
// "AppWebServiceMgr", and hands a finished request's result holder to the
// synchronous caller or, for an asynchronous request, to its observer
// binding.
//
// Handles: every request gets a handle (a void*) that no other request of
// the process ever gets, so a handle kept after its request completed names
// nothing and resetting it touches no other caller's request.
//
// Threads: every operation may be called from any thread. Asynchronous
// results are delivered where the host's dispatcher runs them (by default
// the host's completion thread), never on the caller's stack. A delivery
// holds only its own request's lock, so a slow callback delays no other
// request's callback, of this manager or another, beyond what the
// dispatcher itself orders. ReSet is ordered against delivery: once it
// returns, the replaced observer is not called (ReSet of a request whose
// callback runs on another thread waits for that callback). A callback may
// call its manager again on its own thread, but must not wait for another
// thread that resets the same request. Records of asynchronous requests
// are dropped after their callback. Destroy a manager only when none of its
// asynchronous requests is pending.
#pragma once

#include <boost/any.hpp>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <string>

#include "keel/frame/MgrObject.h"
#include "keel/web/IServiceObject.h"
#include "keel/web/IWebServ.h"

namespace KEEL::WEB {

class CServMgrBase : public KEEL::FRAME::CMgrObject, private IWSObserver {
 public:
  using ResponseFn = boost::function<boost::shared_ptr<IServiceObject>(IWebServ *)>;

  /// One pending request.
  struct WebServData {
    boost::shared_ptr<IServiceCB> callback;  // empty for a synchronous request
    ResponseFn response;
    boost::shared_ptr<IWebServ> request;
  };

  explicit CServMgrBase(const std::wstring &name);
  /// Copies the name; pending requests stay with the source.
  CServMgrBase(const CServMgrBase &other);
  CServMgrBase &operator=(const CServMgrBase &other);
  ~CServMgrBase() override;

  /// A new operation object of the host registered as `hostName`, or empty.
  boost::shared_ptr<IWebServ> GetWebServ(const std::wstring &servName, const std::wstring &hostName);
  /// The holder the request's response makes, its status set from the
  /// request's outcome; made by the first call, the same holder on every
  /// later one (the output gives its result once); empty when the request
  /// is not filed.
  boost::shared_ptr<IServiceObject> DoServResponse(IWebServ *request);
  void UnRegister(IWebServ *request);
  /// Hands `observer` to the binding of the pending request `handle`;
  /// nothing when no pending request has that handle.
  void ReSet(void *handle, boost::any &observer);
  /// The number of filed requests.
  std::size_t PendingRequests();

  void ReleaseObject() override;

 protected:
  /// The result holder of a finished request; empty here.
  virtual boost::shared_ptr<IServiceObject> ServResponse(IWebServ *request);

  /// Synchronous request: runs it, waits, stores the request in `place` and
  /// returns its handle. Input is none or one value handed to
  /// IWSIn::SetInput.
  template <class IWSIn, class... Input>
  void *DoServRequest(IWebServ *&place, const ResponseFn &response, const std::wstring &servName,
                      Input &...input) {
    return Request(
        &place, [&](IInput *in) { return SetTypedInput<IWSIn>(in, input...); }, response, nullptr, servName);
  }

  /// Asynchronous request: starts it and returns its handle; `binding`
  /// (owned from here on) gets the result with that handle.
  template <class IWSIn, class... Input>
  void *DoServRequest(IServiceCB *binding, const ResponseFn &response, const std::wstring &servName,
                      Input &...input) {
    return Request(
        nullptr, [&](IInput *in) { return SetTypedInput<IWSIn>(in, input...); }, response, binding, servName);
  }

 private:
  struct Pending;

  template <class IWSIn, class... Input>
  static bool SetTypedInput(IInput *in, Input &...input) {
    IWSIn *typed = dynamic_cast<IWSIn *>(in);
    if (!typed) return false;
    typed->SetInput(input...);
    return true;
  }

  void *Request(IWebServ **place, const std::function<bool(IInput *)> &setInput, const ResponseFn &response,
                IServiceCB *binding, const std::wstring &servName);
  void NotifyWSEvent(IWebServ *serv) override;

  std::recursive_mutex mutex_;
  // Each a Pending.
  std::map<IWebServ *, boost::shared_ptr<WebServData>> requests_;
  std::map<void *, IWebServ *> handles_;
};

}  // namespace KEEL::WEB
