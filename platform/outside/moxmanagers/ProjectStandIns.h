// Stand-ins of the MoxManagers managers a project load reads: the project
// records, the work sets' members, the view ports and the cutting plane.
// Recording fakes (see journal/StandIn.h).
#pragma once

#include <string>
#include <vector>

#include "journal/RecordingMgr.h"

namespace MOXMANAGERS::PROJDATA {

/// One project's record.
struct StProjData {
  int nProjId = 0;
  /// The project's kind (4 and 6 are told apart by the program).
  int nProjKind = 0;
};

/// The project records "MoxProjectDataMgr".
class IProjectDataMgr {
 public:
  virtual ~IProjectDataMgr() {}
  /// The record of project `projId`; false when there is none.
  virtual bool GetProjData(int projId, StProjData &data) = 0;
};

/// Answer "GetProjData": the known projects as "id:kind" pairs separated by
/// blanks or commas ("7:4,8:6"); other projects have no record.
class CProjectDataMgr : public IProjectDataMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CProjectDataMgr(const std::wstring &name);
  bool GetProjData(int projId, StProjData &data) override;
};

}  // namespace MOXMANAGERS::PROJDATA

namespace MOXMANAGERS::WORKSET {

/// One member of a work set.
struct StWorkSetProj {
  int nProjId = 0;
};

/// The work sets "MoxWorkSetMgr".
class IWorkSetMgr {
 public:
  virtual ~IWorkSetMgr() {}
  /// Appends the members of work set `workSetId` to `projs`, in order.
  virtual void GetWorkSetProjs(int workSetId, std::vector<StWorkSetProj> &projs) = 0;
};

/// Answer "GetWorkSetProjs": the members' project ids, separated by blanks
/// or commas (the same for every work set).
class CWorkSetMgr : public IWorkSetMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CWorkSetMgr(const std::wstring &name);
  void GetWorkSetProjs(int workSetId, std::vector<StWorkSetProj> &projs) override;
};

}  // namespace MOXMANAGERS::WORKSET

namespace MOXMANAGERS::VIEWPORT {

/// The view ports "MoxViewPortMgr".
class IViewPortMgr {
 public:
  virtual ~IViewPortMgr() {}
  /// Loads the view ports of the loaded project; `flag` as the caller
  /// gives it.
  virtual void LoadProjViewPorts(bool flag) = 0;
};

/// Records every call.
class CViewPortMgr : public IViewPortMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CViewPortMgr(const std::wstring &name);
  void LoadProjViewPorts(bool flag) override;
};

}  // namespace MOXMANAGERS::VIEWPORT

namespace MOXMANAGERS {

/// The cutting plane "MoxCuttingPlaneMgr".
class ICuttingPlaneMgr {
 public:
  virtual ~ICuttingPlaneMgr() {}
  /// The 3D view's tab id.
  virtual void SetViewId(int viewId) = 0;
};
/// A new cutting-plane manager named "MoxCuttingPlaneMgr"; records every
/// call.
ICuttingPlaneMgr *CreateCuttingPlaneMgr();

}  // namespace MOXMANAGERS
