// The registry of the framework's managers (the core data). It owns the
// managers handed to it and finds them by exact, case-sensitive name.
//
// Life cycle: InitInstance calls InitObject on every manager in list order,
// then ConnectObject on every manager in list order; ExitInstance calls
// ReleaseObject on every manager in list order. The registry deletes its
// managers when it is destroyed, in reverse list order, so that a manager
// added early (the web-service host) outlives those that use it.
//
// Threads: GetManager may be called from any thread; the other operations
// belong to the user-interface thread (asserted). Every manager held is also entered
// into the process-wide index (FindManager) while it is held.
#pragma once

#include <list>
#include <mutex>
#include <string>

#include "keel/frame/MgrObject.h"

namespace KEEL::FRAME {

/// The registry as its users see it.
class IKeelData {
 public:
  virtual ~IKeelData() {}
  /// The manager registered under `name` (exact, case-sensitive), or null.
  virtual IMgrObject *GetManager(const std::wstring &name) = 0;
  /// Takes `manager` over and appends it. A null manager, or one whose name
  /// is already held, is refused: false. A manager held already is left as
  /// it is; another refused one is deleted, the one held stays.
  virtual bool AddManager(IMgrObject *manager) = 0;
  /// Releases (ReleaseObject) and deletes the manager `name`; false when
  /// none is held.
  virtual bool RemoveManager(const std::wstring &name) = 0;
  /// InitObject, then ConnectObject, on every manager in list order; false
  /// when any of them failed (all are still called).
  virtual bool InitInstance() = 0;
  /// ReleaseObject on every manager in list order; 0.
  virtual int ExitInstance() = 0;
};

/// The registry. A program derives its core data from it and fills the
/// manager list in CreateMgrs.
class CKeelData : public IKeelData {
 public:
  CKeelData();
  ~CKeelData() override;
  CKeelData(const CKeelData &) = delete;
  CKeelData &operator=(const CKeelData &) = delete;

  IMgrObject *GetManager(const std::wstring &name) override;
  bool AddManager(IMgrObject *manager) override;
  bool RemoveManager(const std::wstring &name) override;
  bool InitInstance() override;
  int ExitInstance() override;
  /// Appends the program's managers to `managers` (push-back); empty here.
  virtual void CreateMgrs(std::list<IMgrObject *> &managers);

  /// Calls CreateMgrs on a fresh list and adds its managers in list order
  /// as AddManager does (null entries are skipped); when making the list
  /// throws, what it holds by then is added. Called once by the framework.
  void TakeMgrs();
  /// The names of the managers held, in list order.
  std::list<std::wstring> GetManagerNames();

 private:
  std::mutex mutex_;
  std::list<IMgrObject *> managers_;
};

/// The registry of a program with a window platform: one more step, run by
/// the framework right after CreateMgrs.
class CKeelDataForMFC : public CKeelData {
 public:
  /// Appends managers of the window platform that the program makes itself.
  virtual void CreateMFCMgrs(std::list<IMgrObject *> &managers) = 0;
};

/// `name` from `data` as T, or null when `data` is null, the name is not
/// held or the manager is no T.
template <class T>
T *GetManagerAs(IKeelData *data, const std::wstring &name) {
  return data ? dynamic_cast<T *>(data->GetManager(name)) : nullptr;
}

}  // namespace KEEL::FRAME
