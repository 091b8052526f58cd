// ISubject<T>: observers of type T attached under an integer key. CSubject<T>
// keeps them in attachment order; attaching an observer again under a key
// it already has changes nothing. Observers are not owned.
//
// Threads: any; Notify calls the observers on the caller's thread, outside
// the subject's lock, over the list as it was when Notify began, so an
// observer may attach or detach from inside its callback.
#pragma once

#include <algorithm>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace KEEL::UTILITY {

template <class T>
class ISubject {
 public:
  virtual ~ISubject() {}
  /// Adds `observer` under `key`; once per observer and key.
  virtual void Attach(T *observer, int key) = 0;
  /// Removes `observer` under every key.
  virtual void Detach(T *observer) = 0;
};

template <class T>
class CSubject : public virtual ISubject<T> {
 public:
  void Attach(T *observer, int key) override {
    if (!observer) return;
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto &entry : observers_)
      if (entry.first == key && entry.second == observer) return;
    observers_.emplace_back(key, observer);
  }

  void Detach(T *observer) override {
    std::lock_guard<std::mutex> lock(mutex_);
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [observer](const std::pair<int, T *> &e) { return e.second == observer; }),
                     observers_.end());
  }

  /// The observers under `key`, in attachment order.
  std::vector<T *> GetObservers(int key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<T *> found;
    for (const auto &entry : observers_)
      if (entry.first == key) found.push_back(entry.second);
    return found;
  }

  /// Every (key, observer) pair, in attachment order.
  std::vector<std::pair<int, T *>> GetAllObservers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return observers_;
  }

  /// Calls `fn` for every observer under `key`, in attachment order; an
  /// observer detached meanwhile by an earlier callback is skipped.
  void Notify(int key, const std::function<void(T *)> &fn) {
    for (T *observer : GetObservers(key))
      if (IsAttached(observer)) fn(observer);
  }

 private:
  bool IsAttached(T *observer) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto &entry : observers_)
      if (entry.second == observer) return true;
    return false;
  }

  mutable std::mutex mutex_;
  std::vector<std::pair<int, T *>> observers_;
};

}  // namespace KEEL::UTILITY
