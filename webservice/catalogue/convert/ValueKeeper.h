// The values a request points to: one kept copy per value, at a fixed
// address until the keeper is cleared or destroyed.
#pragma once

#include <list>
#include <stdexcept>

#include <boost/any.hpp>

namespace KEEL::KVWEBSERVICE {

class CValueKeeper : public std::list<boost::any> {
 public:
  /// Keeps a copy of `value` and returns its address. List elements never
  /// move, so the address stays valid as more values are added.
  template <class T>
  T *Add(const T &value) {
    if (size() == max_size()) throw std::length_error("list<T> too long");
    push_back(boost::any(value));
    return boost::any_cast<T>(&back());
  }

  void Clear() { clear(); }
};

}  // namespace KEEL::KVWEBSERVICE
