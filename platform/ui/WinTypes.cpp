#include "ui/WinTypes.h"

#include "ui/Resources.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

void CString::Format(const wchar_t *fmt, ...) {
  std::vector<wchar_t> buf(256);
  for (;;) {
    va_list args;
    va_start(args, fmt);
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
