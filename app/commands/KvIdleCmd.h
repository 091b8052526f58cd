// CKvIdleCmd: "APP_KV_IDLE_CMD", the resting command that takes the 3D
// view's input while no other command runs: a double click shows the
// component's information; a right click on exactly one selected component
// offers menu 315, whose item 32772 shows its information.
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

class CKvIdleCmd : public KEEL::CMD::CPushPullMsgCmdObj {
 public:
  CKvIdleCmd();
  CKvIdleCmd(const CKvIdleCmd &other);
  CKvIdleCmd &operator=(const CKvIdleCmd &other);
  ~CKvIdleCmd() override;

  /// "APP_KV_IDLE_CMD".
  std::wstring GetName() override;
  /// Nothing.
  void OnLButtonUp(UINT flags, CPoint point) override;
  /// Shows the information of the component at `point`.
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  /// Nothing.
  void OnRButtonDown(UINT flags, CPoint point) override;
  /// Offers menu 315 at `point` when exactly one component is selected.
  void OnRButtonUp(UINT flags, CPoint point) override;
  /// Menu item 32772 shows the component's information; 1 for every
  /// message.
  int PreTranslateMessage(MSG *msg) override;
  /// False.
  bool Executing() override;
  /// False.
  bool PreStop() override;

 private:
  /// Shows the component information under `caption` at `point`.
  void ShowCompInfo(CPoint point, const wchar_t *caption);
};
