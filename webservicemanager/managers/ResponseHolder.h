// MakeHolder: the result holder of a finished request, fetched from its
// output through the operation's IWSOut_<op> by the holder's kind. An
// output that is not an IWSOut, or whose result was already taken (the
// getter returns false), gives no holder.
#pragma once

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "holders/MOXData.h"
#include "holders/MOXDataArray.h"
#include "keel/web/IServiceObject.h"
#include "keel/web/IWebServ.h"

namespace KVWEBSERVICEMANAGER {

template <class Holder>
struct HolderFetch;

/// Flag: the value is whether the call succeeded, so that a failed call
/// never reads as done.
template <>
struct HolderFetch<MOXAPP::CMOXBaseData<bool>> {
  template <class Out>
  static boost::shared_ptr<KEEL::WEB::IServiceObject> Make(Out &out, bool succeeded) {
    if (!out.GetResult()) return {};
    return boost::make_shared<MOXAPP::CMOXBaseData<bool>>(succeeded);
  }
};

template <class T>
struct HolderFetch<MOXAPP::CMOXBaseData<T>> {
  template <class Out>
  static boost::shared_ptr<KEEL::WEB::IServiceObject> Make(Out &out, bool) {
    T value{};
    if (!out.GetResult(value)) return {};
    return boost::make_shared<MOXAPP::CMOXBaseData<T>>(value);
  }
};

template <class T>
struct HolderFetch<MOXAPP::CMOXBaseDataArray<T>> {
  template <class Out>
  static boost::shared_ptr<KEEL::WEB::IServiceObject> Make(Out &out, bool) {
    std::vector<T> values;
    if (!out.GetResult(values)) return {};
    return boost::make_shared<MOXAPP::CMOXBaseDataArray<T>>(values);
  }
};

/// Record: the getter is handed a new default record and the holder
/// shares whatever record it leaves in the pointer.
template <class T>
struct HolderFetch<MOXAPP::CMOXUserData<T>> {
  template <class Out>
  static boost::shared_ptr<KEEL::WEB::IServiceObject> Make(Out &out, bool) {
    boost::shared_ptr<T> record = boost::make_shared<T>();
    if (!out.GetResult(record)) return {};
    return boost::make_shared<MOXAPP::CMOXUserData<T>>(record);
  }
};

template <class T>
struct HolderFetch<MOXAPP::CMOXUserDataArray<T>> {
  template <class Out>
  static boost::shared_ptr<KEEL::WEB::IServiceObject> Make(Out &out, bool) {
    std::vector<boost::shared_ptr<T>> records;
    if (!out.GetResult(records)) return {};
    return boost::make_shared<MOXAPP::CMOXUserDataArray<T>>(records);
  }
};

template <class IWSOut, class Holder>
boost::shared_ptr<KEEL::WEB::IServiceObject> MakeHolder(KEEL::WEB::IWebServ &request) {
  IWSOut *out = dynamic_cast<IWSOut *>(request.GetOutput());
  if (!out) return boost::shared_ptr<KEEL::WEB::IServiceObject>();
  KEEL::WEB::WebServError error;
  request.GetServError(error);
  return HolderFetch<Holder>::Make(*out, error.code == 0);
}

}  // namespace KVWEBSERVICEMANAGER
