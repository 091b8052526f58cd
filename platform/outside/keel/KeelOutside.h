// Stand-ins of the parts of Keel that are not modelled: the 3D managers,
// the download of programs and the colour data. Recording fakes (see
// journal/StandIn.h); nothing is rendered or downloaded.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_KEELOUTSIDE_CLASSES(X) \
  X(KEEL::HOOPS, CHoopsCtrlMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_KEELOUTSIDE_FACTORIES(X)                                          \
  X(DOWNLOADEXE, CreateDownLoadExeMng, IDownLoadExeMng)                      \
  X(KEEL::HOOPSDATACOLOR, CreateHoopsColorDataMgr, IHoopsColorDataMgr)

KV_KEELOUTSIDE_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
KV_KEELOUTSIDE_FACTORIES(KV_OUTSIDE_DECLARE_FACTORY)

namespace DOWNLOADEXE {

/// The parameter of the download of the current project.
struct DownloadParm {
  int nDownType = 0;
  int nDownMode = 0;
  int nProjId = 0;
  bool bWorkSet = false;  // a work set is open
};

}  // namespace DOWNLOADEXE

namespace KEEL::HOOPS {

/// One selected component: nine texts, as the view reports them.
struct StSelComp {
  std::array<std::wstring, 9> strFields;
};
/// Selected components grouped by key.
using SelCompMap = std::map<std::wstring, std::vector<StSelComp>>;

/// The selection of the 3D view.
class IHoopsSelection {
 public:
  virtual ~IHoopsSelection() {}
  /// Fills `comps` with the selected components.
  virtual void GetSelectedComps(SelCompMap &comps) = 0;
};

/// The operator of the 3D view.
class IHoopsViewOperator {
 public:
  virtual ~IHoopsViewOperator() {}
  /// Redraws the view.
  virtual void RefreshView() = 0;
  /// The view's selection, or null.
  virtual IHoopsSelection *GetSelection() = 0;
};

/// The 3D base manager "AppHoopsBaseMgr".
class IHoopsBaseMgr {
 public:
  virtual ~IHoopsBaseMgr() {}
  /// The view operator `name`, or null.
  virtual IHoopsViewOperator *GetOperator(const std::wstring &name) = 0;
};

/// Holds one operator, "AppHoopsOperator" (GetOperator of another name, or
/// with answer "GetOperator" 0, gives null). The operator records its calls
/// under "AppHoopsOperator"; its selection (null with answer "GetSelection"
/// 0) fills the components of answer "GetSelectedComps" of
/// "AppHoopsOperator": "key=count,key=count", each component's texts being
/// its key and its number.
class CHoopsBaseMgr : public IHoopsBaseMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CHoopsBaseMgr(const std::wstring &name);
  ~CHoopsBaseMgr() override;
  IHoopsViewOperator *GetOperator(const std::wstring &name) override;

 private:
  class COperator;
  std::unique_ptr<COperator> operator_;
};

}  // namespace KEEL::HOOPS

namespace KEEL::HOOPS {

/// Pin images of one application: (module name, image directory) pairs.
struct StPinImage {
  std::wstring strAppKey;
  std::vector<std::pair<std::wstring, std::wstring>> vecModules;
};

/// The pin manager's operations the program calls.
class IHoopsPinMgr {
 public:
  virtual ~IHoopsPinMgr() {}
  /// Loads the pin images of each record.
  virtual void LoadPinImage(const std::vector<StPinImage> &images) = 0;
};

/// "AppHoopsPinMgr": records each record as key, then module=directory.
class CHoopsPinMgr : public IHoopsPinMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CHoopsPinMgr(const std::wstring &name);
  void LoadPinImage(const std::vector<StPinImage> &images) override;
};

}  // namespace KEEL::HOOPS
