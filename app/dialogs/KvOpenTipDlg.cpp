#include "KvOpenTipDlg.h"

#include "DialogResource.h"

IMPLEMENT_DYNAMIC(CKvOpenTipDlg, CBCGPDialog)

BEGIN_MESSAGE_MAP(CKvOpenTipDlg, CBCGPDialog)
  ON_BN_CLICKED(IDC_CHECK_SHOW_TIP, &CKvOpenTipDlg::OnCheckShowTip)
END_MESSAGE_MAP()

CKvOpenTipDlg::CKvOpenTipDlg() : CBCGPDialog(IDD_OPEN_TIP, nullptr) {}

void CKvOpenTipDlg::DoDataExchange(CDataExchange *dx) { CBCGPDialog::DoDataExchange(dx); }

BOOL CKvOpenTipDlg::OnInitDialog() {
  CBCGPDialog::OnInitDialog();
  SendDlgItemMessage(IDC_CHECK_SHOW_TIP, BM_SETCHECK, m_bShowTip ? BST_CHECKED : BST_UNCHECKED, 0);
  if (m_pProjNames) {
    // Inserted at the end by index: the list keeps the given order although
    // it sorts what is added.
    for (const std::wstring &name : *m_pProjNames) {
      const LRESULT count = SendDlgItemMessage(IDC_LIST_PROJECTS, LB_GETCOUNT);
      SendDlgItemMessage(IDC_LIST_PROJECTS, LB_INSERTSTRING, WPARAM(count), reinterpret_cast<LPARAM>(name.c_str()));
    }
  }
  SetWindowText(L"启动提示");
  return TRUE;
}

void CKvOpenTipDlg::OnCheckShowTip() {
  m_bShowTip = SendDlgItemMessage(IDC_CHECK_SHOW_TIP, BM_GETCHECK) != 0;
}

namespace KVDIALOGS {

bool RunOpenTip(const std::vector<std::wstring> &names, bool show) {
  CKvOpenTipDlg dlg;
  dlg.m_bShowTip = show;
  dlg.m_pProjNames = &names;
  dlg.EnableVisualManagerStyle(TRUE, TRUE);
  dlg.DoModal();
  return dlg.m_bShowTip;
}

}  // namespace KVDIALOGS
