// Managers of the framework and the registry in which they are found by
// name. The registry may be used from any thread.
#pragma once

#include <string>

namespace KEEL::FRAME {

class IMgrObject {
 public:
  virtual ~IMgrObject() {}
  virtual std::wstring GetName() = 0;
  virtual bool InitObject() = 0;
  virtual bool ConnectObject() = 0;
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

/// Adds `manager` under its name, replacing one of the same name; the
/// caller keeps ownership and unregisters it before destroying it.
void RegisterManager(IMgrObject *manager);
void UnregisterManager(IMgrObject *manager);
/// The manager registered under `name`, or null.
IMgrObject *FindManager(const std::wstring &name);

}  // namespace KEEL::FRAME
