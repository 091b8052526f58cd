// One reservation before a list grows by a known count.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace KEEL::KVWEBSERVICE::detail {

/// Reserves room for `more` further elements; a length error, before
/// anything is appended, when the list cannot hold them.
template <class T>
void ReserveMore(std::vector<T> &list, std::size_t more) {
  if (more > list.max_size() - list.size()) throw std::length_error("vector<T> too long");
  list.reserve(list.size() + more);
}

}  // namespace KEEL::KVWEBSERVICE::detail
