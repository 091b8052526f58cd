#include "ui/CmdUI.h"

#include "ui/UiThread.h"
#include "ui/Wnd.h"

void CCmdUI::Enable(BOOL on) {
  enabled_ = on != FALSE;
  ++enableCount_;
  m_bEnableChanged = TRUE;
  if (m_pOther) m_pOther->EnableWindow(on);
}

void CCmdUI::SetCheck(int check) {
  check_ = check;
  ++checkCount_;
}

void CCmdUI::SetRadio(BOOL on) { SetCheck(on ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR text) {
  text_ = std::wstring(text ? text : L"");
  if (m_pOther) m_pOther->SetWindowText(text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget *target, BOOL disableIfNoHandler) {
  if (!target) return FALSE;
  KVUI::HandlerScope scope;
  m_bEnableChanged = FALSE;
  m_bContinueRouting = FALSE;
  BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (disableIfNoHandler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info;
    Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return handled;
}
