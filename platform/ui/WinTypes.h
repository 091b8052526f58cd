// Windows value types, constants and small geometry classes of the headless
// window model. Only what the program uses; values as on Windows.
#pragma once

#include <cstdint>
#include <string>

using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;
using LPCTSTR = const wchar_t *;
using LPCWSTR = const wchar_t *;
using PVOID = void *;

/// A window handle: an opaque token naming a live window of the model.
struct HWND__;
using HWND = HWND__ *;
/// A module handle (libraries loaded by the program).
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__ *;
using HMODULE = HINSTANCE;

/// Colour from its red, green and blue parts.
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }

constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr DWORD MAKELONG(WORD lo, WORD hi) { return DWORD(lo) | (DWORD(hi) << 16); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) { return WPARAM(MAKELONG(lo, hi)); }
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return LPARAM(MAKELONG(lo, hi)); }
/// Signed co-ordinates packed in a message's LPARAM.
constexpr int GET_X_LPARAM(LPARAM v) { return int(std::int16_t(LOWORD(std::uintptr_t(v)))); }
constexpr int GET_Y_LPARAM(LPARAM v) { return int(std::int16_t(HIWORD(std::uintptr_t(v)))); }

struct POINT {
  LONG x = 0;
  LONG y = 0;
};
using LPPOINT = POINT *;
struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};
using LPRECT = RECT *;
using LPCRECT = const RECT *;

/// A point with the usual arithmetic.
class CPoint : public POINT {
 public:
  CPoint() = default;
  CPoint(int x0, int y0) { x = x0, y = y0; }
  CPoint(POINT p) : POINT(p) {}
  /// From an LPARAM holding two signed 16-bit co-ordinates.
  explicit CPoint(LPARAM packed) { x = GET_X_LPARAM(packed), y = GET_Y_LPARAM(packed); }
  bool operator==(const POINT &o) const { return x == o.x && y == o.y; }
  bool operator!=(const POINT &o) const { return !(*this == o); }
  CPoint operator+(const POINT &o) const { return CPoint(x + o.x, y + o.y); }
  CPoint operator-(const POINT &o) const { return CPoint(x - o.x, y - o.y); }
  void Offset(int dx, int dy) { x += dx, y += dy; }
};

/// A width and height.
class CSize : public SIZE {
 public:
  CSize() = default;
  CSize(int w, int h) { cx = w, cy = h; }
  bool operator==(const SIZE &o) const { return cx == o.cx && cy == o.cy; }
  bool operator!=(const SIZE &o) const { return !(*this == o); }
};

/// A rectangle; right and bottom are exclusive.
class CRect : public RECT {
 public:
  CRect() = default;
  CRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
  CRect(const RECT &r) : RECT(r) {}
  CRect(POINT topLeft, SIZE size) {
    left = topLeft.x, top = topLeft.y, right = left + size.cx, bottom = top + size.cy;
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
  BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
  void DeflateRect(int dx, int dy) { left += dx, right -= dx, top += dy, bottom -= dy; }
  void InflateRect(int dx, int dy) { DeflateRect(-dx, -dy); }
  bool operator==(const RECT &o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const RECT &o) const { return !(*this == o); }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
};

/// Wide text as the program's MFC code handles it.
class CString : public std::wstring {
 public:
  using std::wstring::wstring;
  CString() = default;
  CString(const std::wstring &s) : std::wstring(s) {}
  CString(std::wstring &&s) : std::wstring(std::move(s)) {}
  CString(const wchar_t *s) : std::wstring(s ? s : L"") {}
  int GetLength() const { return int(size()); }
  BOOL IsEmpty() const { return empty(); }
  void Empty() { clear(); }
  const wchar_t *GetString() const { return c_str(); }
  operator const wchar_t *() const { return c_str(); }
  /// The text as printf-formatted with `fmt`; as in the program's platform,
  /// %s and %c take wide text and characters, %S and %C narrow ones.
  void Format(const wchar_t *fmt, ...);
  /// Loads string `id` of the program's resources; FALSE when there is none.
  BOOL LoadString(UINT id);
};
