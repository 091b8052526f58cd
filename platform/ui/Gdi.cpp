#include "ui/Gdi.h"

#include <map>
#include <mutex>

namespace {

std::mutex g_lock;
std::map<HDC, CDC *> g_dcs;
std::uintptr_t g_nextDc = 0x100;

HFONT const kModelFont = reinterpret_cast<HFONT>(std::uintptr_t(0xF0));

bool IsWide(wchar_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
}

}  // namespace

CFont *CFont::FromHandle(HFONT handle) {
  static std::map<HFONT, CFont> *fonts = new std::map<HFONT, CFont>;
  std::lock_guard<std::mutex> g(g_lock);
  CFont &f = (*fonts)[handle];
  f.m_hObject = handle;
  return &f;
}

CDC::CDC() {
  std::lock_guard<std::mutex> g(g_lock);
  m_hDC = reinterpret_cast<HDC>(g_nextDc += 0x10);
  g_dcs[m_hDC] = this;
}

CDC::~CDC() {
  std::lock_guard<std::mutex> g(g_lock);
  g_dcs.erase(m_hDC);
}

CFont *CDC::SelectObject(CFont *font) {
  CFont *old = font_;
  font_ = font;
  return old;
}

CSize CDC::GetTextExtent(const std::wstring &text) const { return KVUI::MeasureText(text); }

CSize CDC::GetTextExtent(const wchar_t *text, int count) const {
  if (!text || count <= 0) return KVUI::MeasureText(L"");
  return KVUI::MeasureText(std::wstring(text, size_t(count)));
}

BOOL GetTextExtentPoint32W(HDC dc, const wchar_t *text, int count, LPSIZE size) {
  {
    std::lock_guard<std::mutex> g(g_lock);
    if (!g_dcs.count(dc)) return FALSE;
  }
  if (!size || (!text && count > 0) || count < 0) return FALSE;
  *size = KVUI::MeasureText(std::wstring(text ? text : L"", size_t(count)));
  return TRUE;
}

namespace KVUI {

LRESULT GetDefaultFontHandle() { return reinterpret_cast<LRESULT>(kModelFont); }

CSize MeasureText(const std::wstring &text) {
  int w = 0;
  for (wchar_t c : text) w += IsWide(c) ? 13 : 7;
  return CSize(w, 16);
}

}  // namespace KVUI
