// Stand-ins of the managers of Modula: the ribbon menu manager, the status
// bar manager and the MDI tab pages. Recording fakes (see
// journal/StandIn.h).
#pragma once

#include <string>

#include "journal/StandIn.h"
#include "ui/Wnd.h"

/// Factories taking the registry name: namespace, factory, interface.
#define KV_MODULA_FACTORIES(X) X(MODKIT::MFC, CreateStatusBarMgr, IStatusBarMgr)

KV_MODULA_FACTORIES(KV_OUTSIDE_DECLARE_FACTORY)

namespace MODKIT::MFC {

/// The ribbon menu manager "AppRibbonMenuMgr".
class CRibbonMenuMgr : public ::KVOUTSIDE::CRecordingMgr {
 public:
  /// `flag` as the program gives it; recorded.
  CRibbonMenuMgr(bool flag, const std::wstring &name);
};

/// The MDI tab pages of the main frame "AppMDITabPageMgr".
class CMDITabPage : public ::KVOUTSIDE::CRecordingMgr {
 public:
  /// `frame` is the main frame (null when it is none); recorded, not owned.
  CMDITabPage(CBCGPMDIFrameWnd *frame, const std::wstring &name);
  CBCGPMDIFrameWnd *GetFrame() const { return frame_; }

 private:
  CBCGPMDIFrameWnd *frame_;
};

}  // namespace MODKIT::MFC
