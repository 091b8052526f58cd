// Stand-ins of the managers of Modula: the ribbon menu manager, the status
// bar manager and the MDI tab pages. Recording fakes (see
// journal/StandIn.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "journal/RecordingCmd.h"
#include "journal/StandIn.h"
#include "keel/utility/Subject.h"
#include "ui/Ribbon.h"
#include "ui/Dialog.h"
#include "ui/StatusBar.h"
#include "ui/Wnd.h"

namespace GUI {

/// The ribbon as the ribbon menu manager hands it out.
class IGUIRibbon {
 public:
  virtual ~IGUIRibbon() {}
  /// The element of command `name` (sub-items included), or null.
  virtual CBCGPBaseRibbonElement *FindElementByName(const CString &name, BOOL visibleOnly) = 0;
  /// The ribbon bar window.
  virtual CBCGPRibbonBar *GetRibbonWnd() = 0;
};

}  // namespace GUI

namespace MODKIT::MFC {

/// Asked for the state of each ribbon command during an update pass.
class IRibbonMenuObserver {
 public:
  virtual ~IRibbonMenuObserver() {}
  /// Sets the state of command `cmdName` through `cmdUI`.
  virtual void UpdateCmdUI(const std::wstring &cmdName, CCmdUI *cmdUI) = 0;
  /// Told when the ribbon was rebuilt (unused by the program).
  virtual void OnRibbonChanged() {}
};

/// The ribbon menu manager "AppRibbonMenuMgr".
class IRibbonMenuMgr : public virtual ::KEEL::UTILITY::ISubject<IRibbonMenuObserver> {
 public:
  ~IRibbonMenuMgr() override {}
  /// The ribbon, or null before the main window exists.
  virtual GUI::IGUIRibbon *GetRibbonMenu() = 0;
  /// One element's update: the observers under key 5 are asked, by the
  /// element's command name.
  virtual void OnUpdateCmdUI(CBCGPRibbonCmdUI *cmdUI) = 0;
};

/// Builds its ribbon on the application's main window the first time it is
/// asked for it: one button per <Cmd id name/> of "config/system/CmdIds.xml"
/// under the installation root, in file order ("AppCmd_DimMarkColor" a
/// colour button; a <Cmd> with <Sub id name data tip desc small large/>
/// children a CMOXRibbonButton with those sub-items).
class CRibbonMenuMgr : public IRibbonMenuMgr,
                       public ::KEEL::UTILITY::CSubject<IRibbonMenuObserver>,
                       public ::KVOUTSIDE::CRecordingMgr {
 public:
  /// `flag` as the program gives it; recorded.
  CRibbonMenuMgr(bool flag, const std::wstring &name);
  ~CRibbonMenuMgr() override;
  GUI::IGUIRibbon *GetRibbonMenu() override;
  void OnUpdateCmdUI(CBCGPRibbonCmdUI *cmdUI) override;

 private:
  class CRibbon;
  std::unique_ptr<CRibbon> ribbon_;
};

/// The status bar manager "AppStatusBarMgr".
class IStatusBarMgr {
 public:
  virtual ~IStatusBarMgr() {}
  /// Creates the status bar of `frame` with `count` panes; nonzero on
  /// success.
  virtual BOOL CreateStatusBar(CFrameWnd *frame, const UINT *indicators, int count) = 0;
  /// Sets pane `index`'s text and width in pixels.
  virtual void SetPaneInfo(int index, const CString &text, int width) = 0;
  /// The bar, or null before CreateStatusBar.
  virtual CBCGPStatusBar *GetStatusBar() = 0;
};
IStatusBarMgr *CreateStatusBarMgr(const std::wstring &name);

/// The view of a tab page: it hands every message before it is handled,
/// and then its mouse, wheel, key, paint and size messages, to the view
/// manager that serves it (KEEL::MFC::CMFCViewMgr::FromView). A message
/// eaten before handling is dropped, unless it is one of those inputs.
class CMsgView : public CView {
  DECLARE_DYNCREATE(CMsgView)

 public:
  /// Fails when "create" is answered for "MODKIT::MFC::CMsgView".
  CMsgView();
  BOOL PreTranslateMessage(MSG *msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

/// Told about the MDI tab pages.
class IMDITabPageObserver {
 public:
  virtual ~IMDITabPageObserver() {}
  /// Tab `id` became the active tab.
  virtual void OnActiveTabChanged(int id) = 0;
};

/// The MDI tab pages of the main frame "AppMDITabPageMgr".
class IMDITabPageMgr {
 public:
  virtual ~IMDITabPageMgr() {}
  /// Number of open tabs.
  virtual int GetTabNum() = 0;
  /// Opens a tab titled `title` whose window is a new object of `viewClass`
  /// (a CWnd class); the new tab's id, or -1.
  virtual int AddTabPage(const CRuntimeClass *viewClass, const CString &title) = 0;
  /// The window of tab `id`, or null.
  virtual CWnd *FindTab(int id) = 0;
  /// The id of the active tab (the latest opened), or -1 when none is open.
  virtual int GetActiveTab() = 0;
  /// Closes every tab.
  virtual void CloseAllTabs() = 0;
};

/// Tab windows are children of the frame's MDI client, as large as it;
/// ids count from 1 and are never reused.
class CMDITabPage : public IMDITabPageMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  /// `frame` is the main frame (null when it is none); recorded, not owned.
  CMDITabPage(CBCGPMDIFrameWnd *frame, const std::wstring &name);
  ~CMDITabPage() override;
  CBCGPMDIFrameWnd *GetFrame() const { return frame_; }
  int GetTabNum() override;
  int AddTabPage(const CRuntimeClass *viewClass, const CString &title) override;
  CWnd *FindTab(int id) override;
  int GetActiveTab() override;
  void CloseAllTabs() override;

 private:
  struct Tab {
    int id;
    std::unique_ptr<CWnd> wnd;
  };
  CBCGPMDIFrameWnd *frame_;
  std::vector<Tab> tabs_;
  int nextId_ = 1;
};

/// The tab pages of one window, e.g. "APP_KV_TABPSGE_LEFTPANEUI_MGR".
class ITabPageMgr {
 public:
  virtual ~ITabPageMgr() {}
  /// The window that hosts the pages.
  virtual CWnd *GetTabView() = 0;
  /// Makes `page` (dialog template `id`) a page titled `title` of the host
  /// window; `flag` as the caller gives it. False when it cannot be made.
  virtual bool AddTabPage(CDialog *page, const CString &title, UINT id, int flag) = 0;
};

/// Its host window is a child of the parent given (top-level without one);
/// a page is created as a modeless child of the host. Records AddTabPage.
class CTabPageMgr : public ITabPageMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  /// `parent` is not owned.
  CTabPageMgr(CWnd *parent, const std::wstring &name);
  ~CTabPageMgr() override;
  CWnd *GetTabView() override;
  bool AddTabPage(CDialog *page, const CString &title, UINT id, int flag) override;
  /// The pages added, in order.
  const std::vector<CDialog *> &GetPages() const { return pages_; }

 private:
  std::unique_ptr<CWnd> host_;
  std::vector<CDialog *> pages_;
};

/// A ribbon button of the maker's own kind (the colour-mode split button and
/// its sub-items).
class CMOXRibbonButton : public CBCGPRibbonButton {
  DECLARE_DYNAMIC(CMOXRibbonButton)

 public:
  CMOXRibbonButton() = default;
  CMOXRibbonButton(UINT id, LPCTSTR text, int smallImage = -1, int largeImage = -1)
      : CBCGPRibbonButton(id, text, smallImage, largeImage) {}
};

}  // namespace MODKIT::MFC

namespace MODKIT::HOOPS {

/// A 3D segment command made by a factory (a command object behind it).
class IHoopsSegCmd {
 public:
  virtual ~IHoopsSegCmd() {}
};

/// The segment command named `name`.
IHoopsSegCmd *CreateHoopsSegCmd(const std::wstring &name);
/// The bounding-box segment command named `name`.
IHoopsSegCmd *CreateHoopsBoundingBoxSegCmd(const std::wstring &name);

}  // namespace MODKIT::HOOPS
