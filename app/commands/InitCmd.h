// CInitCmd, the command "INIT_HOOPSVIEW_CMD": it connects itself to the
// view manager of the 3D view, so every mouse, wheel, key, pre-translate,
// paint and size message of the view reaches it whichever command is
// current. It hands each message on to the view operator "AppHoopsOperator"
// and the walk module "APP_WALK_MODULE_MGR" and adds the program's own
// reactions: the points of the active dimension-mark command, Delete and
// Escape for dimension marks, the right-click menus, the component
// information item and Ctrl+F for the clash results' full screen. While
// the resting command "APP_KV_IDLE_CMD" takes the view's input, the
// component information (double click, item 32772) and menu 315 are left
// to it, so each click is answered once.
//
// Threads: every operation runs on the user-interface thread, inside the
// view's message handling.
#pragma once

#include <boost/signals2.hpp>

#include <string>
#include <vector>

#include "keel/cmd/CmdObject.h"
#include "keel/mfc/MFCViewMgr.h"
#include "modula/Modula.h"

namespace KEEL::HOOPS {
class IHoopsOperator;
}

class CKvDimMarkCmd;

class CInitCmd : public KEEL::CMD::CInitCmdObj, public MODKIT::MFC::IMDITabPageObserver {
 public:
  CInitCmd();
  ~CInitCmd() override;
  CInitCmd(const CInitCmd &) = delete;
  CInitCmd &operator=(const CInitCmd &) = delete;

  /// "INIT_HOOPSVIEW_CMD".
  std::wstring GetName() override;
  /// Does nothing; true.
  bool Executing() override;
  /// Does nothing; true.
  bool PreStop() override;
  /// Does nothing.
  void OnActiveTabChanged(int id) override;

  /// Connects the input handlers to `view` (null: nothing). The handlers
  /// stay connected while this command and the view manager live.
  void RegisterViewEvents(KEEL::MFC::IMFCViewMgr *view);

  /// View input (see the .cpp for what each hands on).
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnRButtonDblClk(UINT flags, CPoint point) override;
  void OnMButtonDown(UINT flags, CPoint point) override;
  void OnMButtonUp(UINT flags, CPoint point) override;
  void OnMButtonDblClk(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  /// Always 1.
  int OnMouseWheel(UINT flags, short delta, CPoint point) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
  /// Ctrl+F, the menu commands 32772 and 2028; always 0 (never eaten).
  int PreTranslateMessage(MSG *msg) override;

 private:
  /// Paint: the scene's drawing area follows the window's rectangle.
  void FitView(CWnd *wnd);
  /// Size: handed to the walk module.
  void OnWalkEvent(CWnd *wnd, unsigned int type, int cx, int cy);
  /// Ribbon, task pane and clash results in or out of full screen.
  void ToggleClashFullScreen();
  /// The selected dimension marks: deleted at once, or offered in the menu
  /// "删除标注(S)" at `point`.
  void ShowDimMarkMenu(CPoint point, bool deleteNow);
  /// Drops the single placed point, or ends dimensioning.
  void StopDimMarkCmds();
  /// The view operator "AppHoopsOperator", or null.
  KEEL::HOOPS::IHoopsOperator *GetHoopsOperator();

  /// The active dimension-mark command gets one more point.
  void CountDimPoint();
  /// Menu 315 at `point` when exactly one component is selected.
  void ShowCompMenu(CPoint point);
  /// "AppCmd_CompInfo" shows the component at `point` under `caption`.
  void ShowCompInfo(CPoint point, const wchar_t *caption);
  /// The three dimension-mark commands in order (null where one is
  /// missing); empty without the command manager.
  std::vector<CKvDimMarkCmd *> GetDimMarkCmds();
  /// Whether the resting command "APP_KV_IDLE_CMD" takes the same message
  /// of the view: it shows the component's information and menu 315
  /// itself then.
  bool IdleCmdTakesInput();

  bool m_bFullScreen = false;
  /// The view manager whose message is being handled, or null.
  KEEL::MFC::IMFCViewMgr *m_pInputView = nullptr;
  std::vector<boost::signals2::scoped_connection> m_connections;
};
