#include "ui/Dialog.h"

#include "ui/App.h"
#include "ui/Resources.h"
#include "ui/Responder.h"
#include "ui/UiThread.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CBCGPDialog, CDialog)

namespace {

std::unique_ptr<CWnd> MakeControl(const std::wstring &className) {
  if (className == L"BUTTON") return std::make_unique<CButton>();
  if (className == L"LISTBOX") return std::make_unique<CListBox>();
  if (className == L"STATIC") return std::make_unique<CStatic>();
  if (className == L"EDIT") return std::make_unique<CEdit>();
  return std::make_unique<CWnd>();
}

}  // namespace

void DDX_Control(CDataExchange *dx, int id, CWnd &control) {
  if (control.m_hWnd || !dx || !dx->m_pDlgWnd) return;
  control.SubclassDlgItem(UINT(id), dx->m_pDlgWnd);
}

void DDX_Check(CDataExchange *dx, int id, int &value) {
  if (dx->m_bSaveAndValidate)
    value = int(dx->m_pDlgWnd->IsDlgButtonChecked(id));
  else
    dx->m_pDlgWnd->CheckDlgButton(id, UINT(value));
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd *parent) : m_pParentWnd(parent), templateId_(templateId) {}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
}

BOOL CDialog::Build(CWnd *parent) {
  const KVUI::DialogTemplate *tpl = KVUI::FindDialogTemplate(templateId_);
  if (!tpl) return FALSE;
  ended_ = false;
  result_ = 0;
  controls_.clear();
  DWORD style = tpl->style & ~DWORD(WS_VISIBLE);
  if (modal_) style &= ~DWORD(WS_CHILD);
  CRect rect = KVUI::DialogUnitsToPixels(0, 0, tpl->cx, tpl->cy);
  if (!CWnd::Create(L"#32770", tpl->caption.c_str(), style, rect, parent, 0)) return FALSE;
  for (const KVUI::DialogItem &item : tpl->items) {
    std::unique_ptr<CWnd> c = MakeControl(item.className);
    c->Create(item.className.c_str(), item.text.c_str(), item.style | WS_CHILD | WS_VISIBLE,
              KVUI::DialogUnitsToPixels(item.x, item.y, item.cx, item.cy), this, item.id);
    controls_.push_back(std::move(c));
  }
  SendMessage(WM_INITDIALOG);
  if (tpl->style & WS_VISIBLE) ShowWindow(SW_SHOW);
  return TRUE;
}

BOOL CDialog::Create(UINT templateId, CWnd *parent) {
  KVUI::AssertUiThread("CDialog::Create");
  if (m_hWnd) return FALSE;
  templateId_ = templateId;
  modal_ = false;
  if (parent) m_pParentWnd = parent;
  return Build(m_pParentWnd);
}

INT_PTR CDialog::DoModal() {
  KVUI::AssertUiThread("CDialog::DoModal");
  if (m_hWnd) return -1;
  modal_ = true;
  if (!Build(m_pParentWnd ? m_pParentWnd : AfxGetMainWnd())) {
    modal_ = false;
    return -1;
  }
  ShowWindow(SW_SHOW);
  KVUI::BoxRecord box;
  box.kind = KVUI::BoxKind::Dialog;
  box.id = templateId_;
  box.text = GetText();
  box.items = KVUI::DescribeDialog(*this);
  int answer = KVUI::GetResponder()->AnswerDialog(*this, box);
  // The responder's answer is the button that closes the dialog.
  if (!ended_ && m_hWnd && (answer == IDOK || answer == IDCANCEL))
    SendMessage(WM_COMMAND, MAKEWPARAM(WORD(answer), WORD(BN_CLICKED)), 0);
  if (!ended_) EndDialog(answer);
  box.answer = result_;
  if (m_hWnd) DestroyWindow();
  controls_.clear();
  modal_ = false;
  KVUI::RecordBox(box);
  return result_;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  if (!modal_ && m_hWnd) ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG *msg) {
  if (msg->message != WM_KEYDOWN || (msg->wParam != VK_ESCAPE && msg->wParam != VK_RETURN)) return FALSE;
  for (CWnd *w = CWnd::FromHandle(msg->hwnd); w; w = w->GetParent()) {
    if (w != this) continue;
    SendMessage(WM_COMMAND, MAKEWPARAM(WORD(msg->wParam == VK_ESCAPE ? IDCANCEL : IDOK), WORD(BN_CLICKED)), 0);
    return TRUE;
  }
  return FALSE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    OnOK();
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  if (message == WM_CLOSE) {  // the close box cancels
    OnCancel();
    return 0;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

void CDialog::CheckDlgButton(int id, UINT check) { SendDlgItemMessage(id, BM_SETCHECK, check, 0); }

UINT CDialog::IsDlgButtonChecked(int id) const {
  auto *b = dynamic_cast<CButton *>(GetDlgItem(id));
  return b ? UINT(b->GetCheck()) : 0;
}

void CDialog::SetDlgItemText(int id, LPCTSTR text) {
  if (CWnd *w = GetDlgItem(id)) w->SetWindowText(text);
}

int CDialog::GetDlgItemText(int id, CString &text) const {
  CWnd *w = GetDlgItem(id);
  text = w ? w->GetText() : std::wstring();
  return int(text.size());
}

void CBCGPDialog::EnableVisualManagerStyle(BOOL enable, BOOL) { visualStyle_ = enable; }

namespace KVUI {

std::vector<std::wstring> DescribeDialog(const CWnd &dialog) {
  std::vector<std::wstring> lines;
  for (const CWnd *c : dialog.GetChildren()) {
    std::wstring line = std::to_wstring(c->GetDlgCtrlID()) + L" ";
    if (auto *l = dynamic_cast<const CListBox *>(c)) {
      line += L"LISTBOX:";
      for (size_t i = 0; i < l->GetItems().size(); ++i) line += (i ? L" | " : L" ") + l->GetItems()[i];
    } else if (auto *b = dynamic_cast<const CButton *>(c)) {
      DWORD kind = b->GetStyle() & 0xF;
      line += L"BUTTON ";
      if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX)
        line += b->GetCheck() == BST_CHECKED ? L"[x] " : L"[ ] ";
      line += b->GetText();
    } else {
      line += dynamic_cast<const CStatic *>(c) ? L"STATIC " : dynamic_cast<const CEdit *>(c) ? L"EDIT " : L"WINDOW ";
      line += c->GetText();
    }
    if (!c->IsWindowVisible()) line += L" (hidden)";
    if (!c->IsWindowEnabled()) line += L" (disabled)";
    lines.push_back(line);
  }
  return lines;
}

CRect DialogUnitsToPixels(int x, int y, int cx, int cy) {
  auto px = [](int v) { return v * 6 / 4; };
  auto py = [](int v) { return v * 13 / 8; };
  return CRect(px(x), py(y), px(x + cx), py(y + cy));
}

}  // namespace KVUI
