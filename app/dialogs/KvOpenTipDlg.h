// The modal start-up tip: the projects updated since the last login and a
// check box that turns the tip off.
#pragma once

#include <string>
#include <vector>

#include "ui/Dialog.h"

class CKvOpenTipDlg : public CBCGPDialog {
  DECLARE_DYNAMIC(CKvOpenTipDlg)

 public:
  /// Template 316, no parent.
  CKvOpenTipDlg();

  /// Ticks the check box by m_bShowTip, lists the names in their order and
  /// sets the caption.
  BOOL OnInitDialog() override;

  /// The check box's state: set before DoModal, read after it.
  bool m_bShowTip = true;
  /// The names to list (not owned); null lists none.
  const std::vector<std::wstring> *m_pProjNames = nullptr;

 protected:
  /// Binds nothing.
  void DoDataExchange(CDataExchange *dx) override;
  /// Takes the check box's state.
  void OnCheckShowTip();
  DECLARE_MESSAGE_MAP()
};

namespace KVDIALOGS {
/// Shows the start-up tip with `names` and the check box ticked as `show`;
/// the check box's final state.
bool RunOpenTip(const std::vector<std::wstring> &names, bool show = true);
}  // namespace KVDIALOGS
