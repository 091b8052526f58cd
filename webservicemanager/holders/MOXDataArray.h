// The list holders: CMOXBaseDataArray keeps its own copy of the values,
// CMOXUserDataArray copies the record pointers and shares the records.
// Each has one cursor, shared by everyone who holds the holder; iterating
// one holder from several threads needs the caller's own ordering.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstddef>
#include <vector>

#include "holders/MOXDataInterfaces.h"
#include "holders/ServObjectBase.h"

namespace MOXAPP {

template <class T>
class CMOXBaseDataArray : public CServObjectBase, public IMOXBaseDataArray<T> {
 public:
  explicit CMOXBaseDataArray(const std::vector<T> &v) : items(v) {}
  ~CMOXBaseDataArray() override {}

  MOXAPP_SERVICE_OBJECT_READERS
  std::size_t Count() override { return items.size(); }
  /// Past the end: an empty value.
  T CurrentItem() override { return this->index < items.size() ? items[this->index] : T(); }
  std::vector<T> *GetArray() override { return &items; }

 private:
  std::vector<T> items;
};

template <class T>
class CMOXUserDataArray : public CServObjectBase, public IMOXUserDataArray<T> {
 public:
  explicit CMOXUserDataArray(const std::vector<boost::shared_ptr<T>> &v) : items(v) {}
  ~CMOXUserDataArray() override {}

  MOXAPP_SERVICE_OBJECT_READERS
  std::size_t Count() override { return items.size(); }
  /// Past the end: an empty pointer.
  boost::shared_ptr<T> CurrentItem() override {
    return this->index < items.size() ? items[this->index] : boost::shared_ptr<T>();
  }

 private:
  std::vector<boost::shared_ptr<T>> items;
};

}  // namespace MOXAPP
