// The list and array templates the program's code passes to the toolkit.
#pragma once

#include <list>
#include <vector>

/// A list with the toolkit's names for its operations.
template <class T, class ARG = const T &>
class CList : public std::list<T> {
 public:
  /// Appends `v`.
  void AddTail(ARG v) { this->push_back(v); }
  /// Prepends `v`.
  void AddHead(ARG v) { this->push_front(v); }
  /// Number of elements.
  int GetCount() const { return int(this->size()); }
  /// Whether the list is empty.
  bool IsEmpty() const { return this->empty(); }
  /// Removes every element.
  void RemoveAll() { this->clear(); }
};

/// An array with the toolkit's names for its operations.
template <class T, class ARG = const T &>
class CArray : public std::vector<T> {
 public:
  /// Appends `v`; its index.
  int Add(ARG v) {
    this->push_back(v);
    return int(this->size()) - 1;
  }
  /// Number of elements.
  int GetSize() const { return int(this->size()); }
  int GetCount() const { return int(this->size()); }
  /// Element `i`.
  const T &GetAt(int i) const { return (*this)[size_t(i)]; }
  /// Removes every element.
  void RemoveAll() { this->clear(); }
};
