// Stand-ins of the parts of Keel that are not modelled: the 3D managers,
// the download of programs and the colour data. Recording fakes (see
// journal/StandIn.h); nothing is rendered or downloaded.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "journal/StandIn.h"
#include "keel/utility/Subject.h"
#include "ui/WinTypes.h"

/// Classes: namespace, class (none left: the Keel parts are written out).
#define KV_KEELOUTSIDE_CLASSES(X)

/// Factories taking the registry name: namespace, factory, interface.
#define KV_KEELOUTSIDE_FACTORIES(X)                                          \
  X(DOWNLOADEXE, CreateDownLoadExeMng, IDownLoadExeMng)

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
/// The key of an item of the 3D scene.
using HC_KEY = long long;

namespace KEEL::HOOPS {

/// One selected component: nine texts.
struct StSelCompInfo {
  std::wstring strInfo[9];
};
/// Selected components grouped by key.
using SelCompMap = std::map<std::wstring, std::vector<StSelCompInfo>>;

/// The selection of a view operator.
class IHoopsSelection {
 public:
  virtual ~IHoopsSelection() {}
  /// Fills `comps` with the selected components.
  virtual void GetSelectedComps(SelCompMap &comps) = 0;
};

/// The scene of a view.
class IHoopsScene {
 public:
  virtual ~IHoopsScene() {}
  /// The drawing area, in screen co-ordinates.
  virtual void SetWindowExtent(double left, double right, double bottom, double top) = 0;
  /// The segment that holds the selection, or null when nothing is selected.
  virtual const void *GetSelectSegment() = 0;
  /// Fills `keys` with the keys of the selected items.
  virtual void GetSelectedKeys(std::set<HC_KEY> &keys) = 0;
  /// The window colour, as red, green and blue bytes.
  virtual void SetWindowColor(const unsigned char rgb[3]) = 0;
  /// Redraws the scene with its changes.
  virtual void Update() = 0;
};

/// The 3D view of an operator.
class IHoopsView {
 public:
  virtual ~IHoopsView() {}
  /// The view's scene, or null.
  virtual IHoopsScene *GetScene() = 0;
};

/// A view operator: turns the view's input into navigation.
class IHoopsOperator {
 public:
  virtual ~IHoopsOperator() {}
  /// Mouse event `event` (0 left down, 1 left up, 2 left double click,
  /// 3 move, 4 middle down, 5 middle up).
  virtual void OnMouseEvent(int event, UINT flags, double x, double y) = 0;
  /// A wheel turn.
  virtual void OnWheelEvent(UINT flags, short delta, double x, double y) = 0;
  /// Key event `event` (0 down, 1 up).
  virtual void OnKeyEvent(int event, UINT key, UINT repeat, UINT flags) = 0;
  /// The middle button's double click.
  virtual void OnMiddleDblClk() = 0;
  /// The operator's view, or null.
  virtual IHoopsView *GetHoopsView() = 0;
  /// The selection, or null.
  virtual IHoopsSelection *GetSelection() = 0;
  /// Redraws the view.
  virtual void RefreshView() = 0;
};

/// The view operators' manager "AppHoopsBaseMgr".
class IHoopsBaseMgr {
 public:
  virtual ~IHoopsBaseMgr() {}
  /// Makes operator `name` on window `wnd` (replacing one of that name).
  virtual bool CreateOperator(const std::wstring &name, HWND wnd) = 0;
  /// Operator `name`, or null.
  virtual IHoopsOperator *GetOperator(const std::wstring &name) = 0;
  /// Puts the 3D view back to its start.
  virtual void ResetView() = 0;
};

/// Operators record every call under their name. Answers (under the
/// operator's name): "GetHoopsView" and "GetSelection" (default 1: there
/// is one), "GetScene" (of the view, default 1), "GetSelectSegment"
/// (default 0: no selection), "GetSelectedKeys"
/// (keys separated by blanks or commas), "GetSelectedComps" (key:count
/// pairs, e.g. "a:1,b:2"; each record holds the key and its index);
/// "create" makes CreateOperator fail (KVOUTSIDE::FailCreateIfAnswered).
class CHoopsBaseMgr : public IHoopsBaseMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CHoopsBaseMgr(const std::wstring &name);
  ~CHoopsBaseMgr() override;
  bool CreateOperator(const std::wstring &name, HWND wnd) override;
  IHoopsOperator *GetOperator(const std::wstring &name) override;
  void ResetView() override;

 private:
  class COperator;
  std::map<std::wstring, std::unique_ptr<COperator>> operators_;
};

}  // namespace KEEL::HOOPS
