// CKvOpenTipCmd: "APP_STARTUP_TIP_CMD", the option of showing the start-up
// tip. Each use turns the option over and stores it under
// "/KvConfig/OpenTip" of the file of variable "OpenTip"; the flag is the
// check state of its ribbon item.
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

class CKvOpenTipCmd : public KEEL::CMD::CPushMsgCmdObj {
 public:
  CKvOpenTipCmd();
  CKvOpenTipCmd(const CKvOpenTipCmd &other);
  CKvOpenTipCmd &operator=(const CKvOpenTipCmd &other);
  ~CKvOpenTipCmd() override;

  /// "APP_STARTUP_TIP_CMD".
  std::wstring GetName() override;
  /// Turns the option over and stores it; true.
  bool Executing() override;
  /// True.
  bool PreStop() override;

  /// Whether the start-up tip is shown.
  bool GetOpenTipMenu() const;
  /// Sets whether the start-up tip is shown (not stored).
  void SetOpenTipMenu(bool show);

 protected:
  /// Turns the flag over and stores it (nothing stored without variable
  /// manager or path).
  void WriteOpenTipSel();

 private:
  bool m_bOpenTip = false;
};
