#include "ui/MessageBox.h"

#include "ui/App.h"
#include "ui/Resources.h"
#include "ui/Responder.h"
#include "ui/UiThread.h"

namespace KVUI {

int ShowBox(const std::wstring &text, const std::wstring &caption, UINT flags) {
  AssertUiThread("message box");
  BoxRecord box;
  box.kind = BoxKind::MessageBox;
  box.text = text;
  box.caption = caption;
  box.flags = flags;
  box.answer = GetResponder()->AnswerMessageBox(box);
  RecordBox(box);
  return box.answer;
}

}  // namespace KVUI

namespace FACET {
int ShowMessageBox(const std::wstring &text, UINT flags) { return KVUI::ShowBox(text, L"", flags); }
}  // namespace FACET

int AfxMessageBox(const wchar_t *text, UINT flags, UINT) {
  CWinApp *app = AfxGetApp();
  return KVUI::ShowBox(text ? text : L"", app ? app->m_pszAppName : L"", flags);
}

int AfxMessageBox(UINT promptId, UINT flags, UINT helpId) {
  return AfxMessageBox(KVUI::LoadResourceString(promptId).c_str(), flags, helpId);
}

int MessageBoxW(HWND, const wchar_t *text, const wchar_t *caption, UINT flags) {
  return KVUI::ShowBox(text ? text : L"", caption ? caption : L"", flags);
}
