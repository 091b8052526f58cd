// Stand-ins of the parts of Keel that are not modelled: the 3D managers,
// the download of programs and the colour data. Recording fakes (see
// journal/StandIn.h); nothing is rendered or downloaded.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "journal/StandIn.h"
#include "keel/utility/Subject.h"

/// Classes: namespace, class.
#define KV_KEELOUTSIDE_CLASSES(X) \
  X(KEEL::HOOPS, CHoopsBaseMgr)   \
  X(KEEL::HOOPS, CHoopsCtrlMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_KEELOUTSIDE_FACTORIES(X)                                          \
  X(DOWNLOADEXE, CreateDownLoadExeMng, IDownLoadExeMng)

KV_KEELOUTSIDE_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
KV_KEELOUTSIDE_FACTORIES(KV_OUTSIDE_DECLARE_FACTORY)

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

namespace KEEL::HOOPSDATACOLOR {

/// A change of the model's colour mode: the mode, and a flag that stands
/// for mode 4 when set.
struct StColorModeInfo {
  int nMode = 0;
  bool bFlag = false;
};

/// Told when the colour mode changes (subject key 8).
class IColorModeObj {
 public:
  virtual ~IColorModeObj() {}
  /// The colour mode is now `info`.
  virtual void OnColorModeChange(const StColorModeInfo &info) = 0;
};

/// The colour data "HoopsDataColorMgr": the subject of colour-mode
/// observers.
class IHoopsColorDataMgr : public virtual ::KEEL::UTILITY::ISubject<IColorModeObj> {
 public:
  ~IHoopsColorDataMgr() override {}
};

class CHoopsColorDataMgr : public IHoopsColorDataMgr,
                           public ::KEEL::UTILITY::CSubject<IColorModeObj>,
                           public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CHoopsColorDataMgr(const std::wstring &name);
};
IHoopsColorDataMgr *CreateHoopsColorDataMgr(const std::wstring &name);

}  // namespace KEEL::HOOPSDATACOLOR
