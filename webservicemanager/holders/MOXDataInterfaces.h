// The result holders as callers see them: one value, one record, a list of
// values, a list of records. Every holder is also the web layer's
// IServiceObject (the request's status); cast it to IServiceObjectSet to
// set that status.
#pragma once

#include <boost/shared_ptr.hpp>
#include <vector>

#include "keel/utility/Iterator.h"
#include "keel/web/IServiceObject.h"

namespace MOXAPP {

template <class T>
class IMOXBaseData : public KEEL::WEB::IServiceObject {
 public:
  /// A copy of the value.
  virtual T GetValue() = 0;
};

template <class T>
class IMOXUserData : public KEEL::WEB::IServiceObject {
 public:
  /// The record, shared.
  virtual boost::shared_ptr<T> GetData() = 0;
  /// The record; valid while the holder or another owner of it lives.
  virtual T *GetDataPtr() = 0;
};

/// Iterates copies of the values. The cursor is the holder's own.
template <class T>
class IMOXBaseDataArray : public KEEL::UTILITY::Iterator<T>, public KEEL::WEB::IServiceObject {
 public:
  /// The holder's own list, not a copy; valid while the holder lives.
  virtual std::vector<T> *GetArray() = 0;
};

/// Iterates the records, shared. The cursor is the holder's own.
template <class T>
class IMOXUserDataArray : public KEEL::UTILITY::Iterator<boost::shared_ptr<T>>, public KEEL::WEB::IServiceObject {};

}  // namespace MOXAPP
