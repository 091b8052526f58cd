// Message boxes. Each is answered by the responder (see Responder.h) and
// recorded with its text, flags and answer; none is drawn.
#pragma once

#include <string>

#include "ui/WinConst.h"

namespace FACET {
/// Shows `text` in a modal message box with MB_* `flags`; returns the
/// button pressed (IDOK, IDYES, IDNO, ...).
int ShowMessageBox(const std::wstring &text, UINT flags = MB_OK);
}  // namespace FACET

/// Shows `text` in a message box with the application's name as caption.
int AfxMessageBox(const wchar_t *text, UINT flags = MB_OK, UINT helpId = 0);
/// Shows string `promptId` of the program's resources.
int AfxMessageBox(UINT promptId, UINT flags = MB_OK, UINT helpId = UINT(-1));
/// Shows `text` with `caption`.
int MessageBoxW(HWND owner, const wchar_t *text, const wchar_t *caption, UINT flags);

namespace KVUI {
/// Shows a message box through the responder and records it; the answer.
int ShowBox(const std::wstring &text, const std::wstring &caption, UINT flags);
}  // namespace KVUI
