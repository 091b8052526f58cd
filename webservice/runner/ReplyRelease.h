// Freeing a reply as its result is read. A host that reads each result once
// lets a run's engine free the objects it made for a reply's list entries as
// soon as they are converted, so that the parsed reply and the records made
// from it are not held in full at the same time.
//
// It relies on how the engine reads a reply: as a tree (no id/href links),
// each entry's object made before its children and before the next entry,
// and the engine's list of objects newest first. So the objects made since
// an entry are that entry's and those of the entries after it; converting
// the entries last to first, each can be freed with what follows it.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "stdsoap2.h"

namespace KEEL::WEB::detail {

/// The engine's mark of a reply whose entries may be freed as read, kept in
/// its user field (which a runner's engine uses for nothing else).
inline void *ReleaseOnReadMark() {
  static char mark;
  return &mark;
}

/// Lets (or no longer lets) the engine's last reply go as it is read.
inline void LetReplyGoAsRead(struct soap *engine, bool let) { engine->user = let ? ReleaseOnReadMark() : nullptr; }

/// Claims the one take of the output read with `engine` when that engine
/// lets its reply go as it is read: true for the first take, false (and a
/// log line naming `servName`) for every later one, on any thread. True
/// always for a reply kept for any number of reads.
bool ClaimReply(const struct soap *engine, std::atomic<bool> &taken, const wchar_t *servName);

/// Frees, entry by entry from the last, what an engine made for the entries
/// of its reply. Does nothing unless the engine lets its reply go as it is
/// read.
class ReplyRelease {
 public:
  /// `entries`: the reply's list, to be converted last to first.
  template <class Entry>
  ReplyRelease(struct soap *engine, const std::vector<Entry *> &entries)
      : engine_(engine && engine->user == ReleaseOnReadMark() ? engine : nullptr) {
    if (!engine_) return;
    std::size_t size = 16;
    for (shift_ = 60; size < 2 * entries.size(); --shift_) size *= 2;
    entries_.assign(size, nullptr);
    for (const Entry *entry : entries)
      // An entry listed twice would be read after it was freed.
      if (entry && !Insert(entry)) {
        engine_ = nullptr;
        return;
      }
  }

  bool Active() const { return engine_ != nullptr; }

  /// Frees every object the engine made since `entry` (the last entry not
  /// yet freed), `entry` included. Frees nothing, and ends the release,
  /// when `entry` is not among the engine's objects or another entry not
  /// yet converted was made after it: then the objects are not all the
  /// converted entries' own.
  void FreeSince(const void *entry) {
    if (!engine_ || !entry) return;
    std::size_t count = 1;
    const struct soap_clist *p = engine_->clist;
    for (; p && p->ptr != entry; p = p->next, ++count)
      if (IsEntry(p->ptr)) break;
    if (!p || p->ptr != entry) {
      engine_ = nullptr;
      return;
    }
    // Each is the newest, so the engine finds it first.
    while (count-- > 0) soap_delete(engine_, engine_->clist->ptr);
  }

 private:
  // The entries by address, in an open-addressing table at most half full
  // (Fibonacci hashing: the product's top bits); those converted are no
  // longer among the engine's objects.
  std::size_t Slot(const void *p) const {
    return static_cast<std::size_t>((reinterpret_cast<std::uintptr_t>(p) * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  bool IsEntry(const void *p) const {
    for (std::size_t i = Slot(p);; i = (i + 1) & (entries_.size() - 1)) {
      if (!entries_[i]) return false;
      if (entries_[i] == p) return true;
    }
  }
  /// False when `p` is there already.
  bool Insert(const void *p) {
    std::size_t i = Slot(p);
    for (; entries_[i]; i = (i + 1) & (entries_.size() - 1))
      if (entries_[i] == p) return false;
    entries_[i] = p;
    return true;
  }

  struct soap *engine_;
  std::vector<const void *> entries_;
  unsigned shift_ = 60;  // 64 - log2(table size)
};

}  // namespace KEEL::WEB::detail
