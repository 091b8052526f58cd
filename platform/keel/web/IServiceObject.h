// The status every result holder carries, and the callback through which
// an asynchronous result reaches its observer.
#pragma once

#include <boost/any.hpp>
#include <boost/shared_ptr.hpp>

#include <string>

namespace KEEL::WEB {

class IServiceObject {
 public:
  virtual ~IServiceObject() {}
  virtual bool IsFinished() = 0;
  /// True when the request succeeded.
  virtual bool GetState() = 0;
  virtual std::wstring GetCode() = 0;
  virtual std::wstring GetText() = 0;
  virtual bool GetFlag() = 0;
};

class IServiceObjectSet {
 public:
  virtual ~IServiceObjectSet() {}
  virtual void SetFinished() = 0;
  virtual void SetState(int value) = 0;
  virtual void SetCode(const std::wstring &code) = 0;
  virtual void SetText(const std::wstring &text) = 0;
  virtual void SetFlag(bool flag) = 0;
};

class IServiceCB {
 public:
  virtual ~IServiceCB() {}
  virtual void CallBack(void *handle, boost::shared_ptr<IServiceObject> &result) = 0;
  virtual bool IsNull(boost::any &observer) = 0;
  virtual void ReSetObserver(boost::any &observer) = 0;
};

}  // namespace KEEL::WEB
