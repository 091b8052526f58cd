// Stand-ins of the parts of Keel that are not modelled: the 3D managers,
// the download of programs and the colour data. Recording fakes (see
// journal/StandIn.h); nothing is rendered or downloaded.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_KEELOUTSIDE_CLASSES(X) \
  X(KEEL::HOOPS, CHoopsBaseMgr)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_KEELOUTSIDE_FACTORIES(X)                                          \
  X(DOWNLOADEXE, CreateDownLoadExeMng, IDownLoadExeMng)                      \
  X(KEEL::HOOPSDATACOLOR, CreateHoopsColorDataMgr, IHoopsColorDataMgr)

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

/// One display segment of an operator's model.
struct StSegmentInfo {
  std::wstring strName;
  int nKind = 0;
  std::vector<std::wstring> vecSubSegments;
};

/// The control manager's operations the program calls.
class IHoopsCtrlMgr {
 public:
  virtual ~IHoopsCtrlMgr() {}
  /// Appends the segments of operator `op` (answer "ListSegments").
  virtual void ListSegments(const std::wstring &op, std::vector<StSegmentInfo> &segments) = 0;
  /// Appends the segments of operator `op` of `level` (answer
  /// "ListSegmentsEx").
  virtual void ListSegmentsEx(const std::wstring &op, std::vector<StSegmentInfo> &segments, int level) = 0;
};

/// "AppHoopsCtrlMgr": records each call; the segments are its answers,
/// "name:kind" entries separated by ';' (an entry without a kind has 0).
class CHoopsCtrlMgr : public IHoopsCtrlMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CHoopsCtrlMgr(const std::wstring &name);
  void ListSegments(const std::wstring &op, std::vector<StSegmentInfo> &segments) override;
  void ListSegmentsEx(const std::wstring &op, std::vector<StSegmentInfo> &segments, int level) override;
};

}  // namespace KEEL::HOOPS
