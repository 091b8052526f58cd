#include "ui/WinTypes.h"

#include "ui/Resources.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

namespace {

// The C library reads %s in a wide format as narrow text; the program's
// formats mean wide text. Rewrites %s/%c to %ls/%lc and %S/%C to %s/%c.
std::wstring WideFormat(const wchar_t *fmt) {
  std::wstring out;
  for (const wchar_t *p = fmt; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    if (p[1] == L'%') {
      out += *++p;
      continue;
    }
    bool sized = false;
    while (p[1] && std::wcschr(L"-+ #0123456789.*hlLqjzt", p[1])) {
      if (std::wcschr(L"hlLqjzt", p[1])) sized = true;
      out += *++p;
    }
    wchar_t conv = p[1];
    if (!conv) break;
    ++p;
    if (!sized && (conv == L's' || conv == L'c'))
      out += L'l', out += conv;
    else if (!sized && (conv == L'S' || conv == L'C'))
      out += wchar_t(conv - L'A' + L'a');
    else
      out += conv;
  }
  return out;
}

}  // namespace

void CString::Format(const wchar_t *format, ...) {
  std::wstring wide = WideFormat(format ? format : L"");
  const wchar_t *fmt = wide.c_str();
  std::vector<wchar_t> buf(256);
  for (;;) {
    va_list args;
    va_start(args, format);
    int n = std::vswprintf(buf.data(), buf.size(), fmt, args);
    va_end(args);
    if (n >= 0 && size_t(n) < buf.size()) {
      assign(buf.data(), size_t(n));
      return;
    }
    if (buf.size() > (1u << 24)) {  // a format that never fits
      clear();
      return;
    }
    buf.resize(buf.size() * 2);
  }
}

BOOL CString::LoadString(UINT id) {
  if (!KVUI::HasResourceString(id)) return FALSE;
  assign(KVUI::LoadResourceString(id));
  return TRUE;
}
