// The journal of the outside stand-ins: every call the program makes into a
// closed library's stand-in is one entry (class, registry name, operation,
// arguments as text), in call order. Tests and the program's transcript
// read it.
//
// Threads: any; entries from several threads keep the order in which they
// were recorded. The sink is called on the recording thread, outside the
// journal's lock.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

namespace KVOUTSIDE {

struct JournalEntry {
  std::wstring cls;   // qualified class or factory name
  std::wstring name;  // registry name, or "" for objects without one
  std::wstring op;    // operation, "create" for a construction
  std::vector<std::wstring> args;

  /// One line: class|name|op|arg|arg..., with '|', '\' and line breaks in
  /// the texts escaped as \|, \\ and \n.
  std::wstring Line() const;
  bool operator==(const JournalEntry &other) const;
};

class CJournal {
 public:
  /// The process's journal.
  static CJournal &Instance();

  /// Appends one entry.
  void Record(const std::wstring &cls, const std::wstring &name, const std::wstring &op,
              std::vector<std::wstring> args = {});
  /// Every entry, in order.
  std::vector<JournalEntry> Entries() const;
  /// The entries of registry name `name` (and of operation `op` unless it
  /// is empty), in order.
  std::vector<JournalEntry> Find(const std::wstring &name, const std::wstring &op = std::wstring()) const;
  /// Drops every entry.
  void Clear();
  /// Called with each new entry (for a transcript); empty stops it.
  void SetSink(std::function<void(const JournalEntry &)> sink);

 private:
  CJournal() = default;

  mutable std::mutex mutex_;
  std::vector<JournalEntry> entries_;
  std::function<void(const JournalEntry &)> sink_;
};

/// Arguments as journal text.
std::wstring JournalArg(const std::wstring &value);
std::wstring JournalArg(const wchar_t *value);
/// UTF-8 text.
std::wstring JournalArg(const std::string &value);
std::wstring JournalArg(const char *value);
std::wstring JournalArg(bool value);
std::wstring JournalArg(double value);
/// Pointers as "null" or "@n": objects numbered in the order they first
/// appear in the process (an address keeps its number).
std::wstring JournalPtr(const void *value);
template <class T>
std::wstring JournalArg(T *value) {
  return JournalPtr(value);
}
template <class T, class = std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>>
std::wstring JournalArg(T value) {
  return std::to_wstring(value);
}

/// The journal texts of `args`, in order.
template <class... Args>
std::vector<std::wstring> JournalArgs(const Args &...args) {
  return {JournalArg(args)...};
}

}  // namespace KVOUTSIDE
