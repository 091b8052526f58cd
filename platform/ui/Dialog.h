// Dialogs built from the program's dialog templates (Resources.h): the
// dialog window and one control per template item, then WM_INITDIALOG
// (OnInitDialog, which exchanges data). A modal dialog (DoModal) is worked
// and closed by the responder; a modeless one (Create) lives as a child or
// top-level window. Escape and Enter in a dialog press Cancel and OK unless
// PreTranslateMessage swallows them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Wnd.h"

class CDialog;

/// The direction and dialog of one data exchange.
class CDataExchange {
 public:
  CDataExchange(CDialog *dialog, BOOL saveAndValidate)
      : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CDialog *m_pDlgWnd;
  /// TRUE: controls to members; FALSE: members to controls.
  BOOL m_bSaveAndValidate;
};

/// Makes `control` the window of the dialog's control `id` (once).
void DDX_Control(CDataExchange *dx, int id, CWnd &control);
/// Exchanges the check state of button `id` with `value`.
void DDX_Check(CDataExchange *dx, int id, int &value);

/// A dialog.
class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(UINT templateId, CWnd *parent = nullptr);
  ~CDialog() override;

  /// Shows the dialog modally: builds it, lets the responder work it and
  /// close it, destroys it; the result (IDOK, IDCANCEL, ...), -1 when the
  /// template is missing.
  virtual INT_PTR DoModal();
  /// Builds the dialog modeless from template `templateId` under `parent`.
  virtual BOOL Create(UINT templateId, CWnd *parent = nullptr);
  /// Set-up after the controls exist: exchanges data to the controls.
  virtual BOOL OnInitDialog();
  /// OK: takes the data from the controls and ends with IDOK.
  virtual void OnOK();
  /// Cancel: ends with IDCANCEL.
  virtual void OnCancel();
  /// Ends the dialog with `result` (a modeless dialog is hidden).
  void EndDialog(int result);
  /// Exchanges data between members and controls.
  virtual void DoDataExchange(CDataExchange *dx) { (void)dx; }
  /// Runs DoDataExchange; TRUE.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  /// Escape and Enter press Cancel and OK.
  BOOL PreTranslateMessage(MSG *msg) override;

  /// Sets the check state of button `id`.
  void CheckDlgButton(int id, UINT check);
  /// The check state of button `id` (0 when there is none).
  UINT IsDlgButtonChecked(int id) const;
  /// Sets the text of control `id`.
  void SetDlgItemText(int id, LPCTSTR text);
  /// The text of control `id`.
  int GetDlgItemText(int id, CString &text) const;

  /// The template id.
  UINT GetTemplateId() const { return templateId_; }
  /// Whether the dialog was ended, and with what.
  bool IsEnded() const { return ended_; }
  int GetModalResult() const { return result_; }
  /// Whether it runs modally.
  bool IsModal() const { return modal_; }

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  UINT m_nIDHelp = 0;
  CWnd *m_pParentWnd = nullptr;

 private:
  friend void DDX_Control(CDataExchange *, int, CWnd &);
  BOOL Build(CWnd *parent);

  UINT templateId_ = 0;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = 0;
  std::vector<std::unique_ptr<CWnd>> controls_;
};

/// The extended toolkit's dialog.
class CBCGPDialog : public CDialog {
  DECLARE_DYNAMIC(CBCGPDialog)

 public:
  CBCGPDialog() = default;
  explicit CBCGPDialog(UINT templateId, CWnd *parent = nullptr) : CDialog(templateId, parent) {}
  /// Draws the dialog (and its controls) in the visual manager's style.
  void EnableVisualManagerStyle(BOOL enable = TRUE, BOOL controls = FALSE);
  /// Whether EnableVisualManagerStyle was switched on.
  BOOL IsVisualManagerStyle() const { return visualStyle_; }

 private:
  BOOL visualStyle_ = FALSE;
};

namespace KVUI {
/// One line per control of `dialog`: id, kind and state, such as
/// "1004 LISTBOX: a | b", "1005 BUTTON [x] text", "1 BUTTON OK".
std::vector<std::wstring> DescribeDialog(const CWnd &dialog);
/// Pixels of a rectangle in dialog units (the model font's base units).
CRect DialogUnitsToPixels(int x, int y, int cx, int cy);
}  // namespace KVUI
