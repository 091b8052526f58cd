// Managers of the framework, and the process-wide index in which code that
// has no registry at hand finds them by name (the managers' base finds the
// host "AppWebServiceMgr" this way). The index may be used from any thread.
#pragma once

#include <string>

namespace KEEL::FRAME {

/// A manager of the framework, found by its registry name.
class IMgrObject {
 public:
  virtual ~IMgrObject() {}
  /// The registry name (exact, case-sensitive; it may end with a blank).
  virtual std::wstring GetName() = 0;
  /// First set-up step, once every manager exists.
  virtual bool InitObject() = 0;
  /// Second set-up step, after every manager's InitObject.
  virtual bool ConnectObject() = 0;
  /// Shut-down step, before the manager is destroyed.
  virtual void ReleaseObject() = 0;
};

/// A manager with a name and nothing to set up.
class CMgrObject : public IMgrObject {
 public:
  explicit CMgrObject(const std::wstring &name) : name_(name) {}
  std::wstring GetName() override { return name_; }
  bool InitObject() override { return true; }
  bool ConnectObject() override { return true; }
  void ReleaseObject() override {}

 private:
  std::wstring name_;
};

/// Enters `manager` into the index under its name; the caller keeps
/// ownership and unregisters it before destroying it. Every registry
/// (CKeelData) enters the managers it holds. Of several managers of one
/// name the one entered last is found; unregistering it uncovers the one
/// before.
void RegisterManager(IMgrObject *manager);
/// Removes this one manager from the index (others of its name stay).
void UnregisterManager(IMgrObject *manager);
/// The manager entered last under `name`, or null.
IMgrObject *FindManager(const std::wstring &name);

}  // namespace KEEL::FRAME
