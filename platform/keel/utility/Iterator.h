// Iterator<T>: a cursor over a list holder's entries. The cursor is the
// holder's own; everyone who iterates one holder moves the same cursor.
#pragma once

#include <cstddef>

namespace KEEL::UTILITY {

template <class T>
class Iterator {
 public:
  virtual ~Iterator() {}
  virtual void First() { index = 0; }
  virtual void Next() { ++index; }
  virtual bool IsDone() { return index >= Count(); }
  virtual std::size_t Count() = 0;
  /// The entry at the cursor; defined only while IsDone() is false.
  virtual T CurrentItem() = 0;

 protected:
  std::size_t index = 0;
};

}  // namespace KEEL::UTILITY
