// The walk-path manager CWalkPathMgr: the walk paths of the project.
// Registry name "MOX_WalkPath_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/WalkPathRecords.h"

namespace KVWEBSERVICEMANAGER::WALKPATH {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IWalkPathQuery {
 public:
  /// The paths, in the server's order.
  virtual void OnServiceListPath(void *handle,
                                 boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) = 0;
  /// Whether the renaming succeeded.
  virtual void OnServiceRenamePath(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The texts the server answered to the removal.
  virtual void OnServiceRemovePath(void *handle,
                                   boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) = 0;
  /// The added paths as stored.
  virtual void OnServiceAddPath(void *handle,
                                boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) = 0;
  /// The edited paths as stored.
  virtual void OnServiceEditPath(void *handle,
                                 boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) = 0;
  virtual ~IWalkPathQuery() {}
};

/// The walk-path operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IWalkPathMgr {
 public:
  using Query = IWalkPathQuery;

  virtual ~IWalkPathMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IWalkPathQuery *observer) = 0;
  /// Lists the paths that `query` selects; result: the paths, in the server's order.
  virtual void *ServiceListPath(KEEL::KVWEBSERVICE::StListPath &query, IWalkPathQuery *observer) = 0;
  virtual void *ServiceListPath(KEEL::KVWEBSERVICE::StListPath &query,
                                boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) = 0;
  /// Renames a path; result: whether it succeeded.
  virtual void *ServiceRenamePath(KEEL::KVWEBSERVICE::StRenamePath &rename, IWalkPathQuery *observer) = 0;
  virtual void *ServiceRenamePath(KEEL::KVWEBSERVICE::StRenamePath &rename,
                                  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Removes the paths `pathIds`; result: the texts the server answers (the removed identifiers).
  virtual void *ServiceRemovePath(std::vector<std::wstring> &pathIds, IWalkPathQuery *observer) = 0;
  virtual void *ServiceRemovePath(std::vector<std::wstring> &pathIds,
                                  boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) = 0;
  /// Adds `paths`; result: the paths as stored.
  virtual void *ServiceAddPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Add>> &paths,
                               IWalkPathQuery *observer) = 0;
  virtual void *ServiceAddPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Add>> &paths,
                               boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) = 0;
  /// Edits `paths`; result: the paths as stored.
  virtual void *ServiceEditPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Edit>> &paths,
                                IWalkPathQuery *observer) = 0;
  virtual void *ServiceEditPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Edit>> &paths,
                                boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) = 0;
};

/// IWalkPathMgr on the web-service base; created by the program under its registry name.
class CWalkPathMgr : public IWalkPathMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_WalkPath_MGR".
  CWalkPathMgr();
  explicit CWalkPathMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CWalkPathMgr(const CWalkPathMgr &other);
  CWalkPathMgr &operator=(const CWalkPathMgr &other);
  ~CWalkPathMgr() override;

  void ReSetObserver(void *handle, IWalkPathQuery *observer) override;
  void *ServiceListPath(KEEL::KVWEBSERVICE::StListPath &query, IWalkPathQuery *observer) override;
  void *ServiceListPath(KEEL::KVWEBSERVICE::StListPath &query,
                        boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) override;
  void *ServiceRenamePath(KEEL::KVWEBSERVICE::StRenamePath &rename, IWalkPathQuery *observer) override;
  void *ServiceRenamePath(KEEL::KVWEBSERVICE::StRenamePath &rename,
                          boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRemovePath(std::vector<std::wstring> &pathIds, IWalkPathQuery *observer) override;
  void *ServiceRemovePath(std::vector<std::wstring> &pathIds,
                          boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) override;
  void *ServiceAddPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Add>> &paths,
                       IWalkPathQuery *observer) override;
  void *ServiceAddPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Add>> &paths,
                       boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) override;
  void *ServiceEditPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Edit>> &paths,
                        IWalkPathQuery *observer) override;
  void *ServiceEditPath(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StPath4Edit>> &paths,
                        boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StPath>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::WALKPATH
