// The single-result holders: CMOXBaseData keeps its own copy of a value,
// CMOXUserData shares a record. Made complete, never changed afterwards
// except through the status setters.
#pragma once

#include <boost/shared_ptr.hpp>

#include "holders/MOXDataInterfaces.h"
#include "holders/ServObjectBase.h"

namespace MOXAPP {

template <class T>
class CMOXBaseData : public CServObjectBase, public IMOXBaseData<T> {
 public:
  explicit CMOXBaseData(const T &v) : value(v) {}
  ~CMOXBaseData() override {}

  MOXAPP_SERVICE_OBJECT_READERS
  T GetValue() override { return value; }

 private:
  T value;
};

template <class T>
class CMOXUserData : public CServObjectBase, public IMOXUserData<T> {
 public:
  explicit CMOXUserData(const boost::shared_ptr<T> &p) : data(p) {}
  ~CMOXUserData() override {}

  MOXAPP_SERVICE_OBJECT_READERS
  boost::shared_ptr<T> GetData() override { return data; }
  T *GetDataPtr() override { return data.get(); }

 private:
  boost::shared_ptr<T> data;
};

}  // namespace MOXAPP
