// Fonts and device contexts, as far as the program measures text. Nothing
// is drawn. Text extents follow one fixed model font: 7 pixels per
// character, 13 for wide (East Asian) characters, 16 pixels high.
#pragma once

#include <string>

#include "ui/WinTypes.h"

class CWnd;
struct HFONT__;
using HFONT = HFONT__ *;
struct HDC__;
using HDC = HDC__ *;
using LPSIZE = SIZE *;

/// A font object.
class CFont {
 public:
  HFONT m_hObject = nullptr;
  /// The font of `handle` (a temporary wrapper kept by the model).
  static CFont *FromHandle(HFONT handle);
  operator HFONT() const { return m_hObject; }
};

/// A device context that measures text.
class CDC {
 public:
  CDC();
  virtual ~CDC();
  HDC m_hDC = nullptr;
  /// Selects `font`; returns the former font.
  CFont *SelectObject(CFont *font);
  /// The extent of `text` in the selected font.
  CSize GetTextExtent(const std::wstring &text) const;
  /// The extent of the first `count` characters of `text`.
  CSize GetTextExtent(const wchar_t *text, int count) const;
  operator HDC() const { return m_hDC; }

 private:
  CFont *font_ = nullptr;
};

/// The device context of a window's client area.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd *wnd) : wnd_(wnd) {}
  CWnd *GetWindow() const { return wnd_; }

 private:
  CWnd *wnd_;
};

/// The extent of the first `count` characters of `text` on `dc`.
BOOL GetTextExtentPoint32W(HDC dc, const wchar_t *text, int count, LPSIZE size);

namespace KVUI {
/// The handle of the model font (what WM_GETFONT answers).
LRESULT GetDefaultFontHandle();
/// The extent of `text` in the model font.
CSize MeasureText(const std::wstring &text);
}  // namespace KVUI
