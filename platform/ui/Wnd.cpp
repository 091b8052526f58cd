#include "ui/Wnd.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "ui/WinConst.h"

namespace {

// Live windows by handle. Handles are never reused, so a stale handle
// finds nothing.
struct Handles {
  std::mutex lock;
  std::map<HWND, CWnd *> live;
  std::uintptr_t next = 0x1000;
};
Handles &handles() {
  static Handles h;
  return h;
}

CWnd *g_foreground = nullptr;
CWnd *g_active = nullptr;
CWnd *g_focus = nullptr;

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)
IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNAMIC(CBCGPMDIFrameWnd, CMDIFrameWnd)

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd) DestroyWindow();
  Detach();
}

BOOL CWnd::Create(LPCTSTR, LPCTSTR text, DWORD style, const RECT &rect, CWnd *parent, UINT id) {
  if (m_hWnd) return FALSE;
  {
    Handles &h = handles();
    std::lock_guard<std::mutex> g(h.lock);
    m_hWnd = reinterpret_cast<HWND>(h.next += 0x10);
    h.live[m_hWnd] = this;
  }
  id_ = int(id);
  text_ = text ? text : L"";
  style_ = style;
  rect_ = rect;
  visible_ = (style & WS_VISIBLE) != 0;
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
  if (OnCreateWindow() != 0) {
    DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  OnDestroyWindow();
  // Children go first, youngest first; a child may already be gone.
  while (!children_.empty()) {
    CWnd *child = children_.back();
    if (child->m_hWnd)
      child->DestroyWindow();
    else
      child->Detach();
  }
  {
    Handles &h = handles();
    std::lock_guard<std::mutex> g(h.lock);
    h.live.erase(m_hWnd);
  }
  m_hWnd = nullptr;
  visible_ = false;
  if (g_foreground == this) g_foreground = nullptr;
  if (g_active == this) g_active = nullptr;
  if (g_focus == this) g_focus = nullptr;
  Detach();
  return TRUE;
}

void CWnd::Detach() {
  if (!parent_) return;
  auto &sib = parent_->children_;
  sib.erase(std::remove(sib.begin(), sib.end(), this), sib.end());
  parent_ = nullptr;
}

CWnd *CWnd::FromHandle(HWND hwnd) {
  Handles &h = handles();
  std::lock_guard<std::mutex> g(h.lock);
  auto it = h.live.find(hwnd);
  return it == h.live.end() ? nullptr : it->second;
}

int CWnd::SetDlgCtrlID(int id) {
  int old = id_;
  id_ = id;
  return old;
}

void CWnd::SetWindowText(LPCTSTR text) { text_ = text ? text : L""; }

void CWnd::GetWindowText(CString &text) const { text = text_; }

BOOL CWnd::ShowWindow(int cmdShow) {
  BOOL was = visible_;
  showCmd_ = cmdShow;
  visible_ = cmdShow != SW_HIDE;
  if (visible_) style_ |= WS_VISIBLE; else style_ &= ~DWORD(WS_VISIBLE);
  return was;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  BOOL wasDisabled = !enabled_;
  enabled_ = enable != FALSE;
  return wasDisabled;
}

void CWnd::MoveWindow(const RECT &rect, BOOL) { rect_ = rect; }

void CWnd::MoveWindow(int x, int y, int w, int h, BOOL repaint) {
  MoveWindow(CRect(x, y, x + w, y + h), repaint);
}

void CWnd::GetWindowRect(LPRECT rect) const {
  CRect r = rect_;
  for (CWnd *p = parent_; p; p = p->parent_) r.OffsetRect(p->rect_.left, p->rect_.top);
  *rect = r;
}

void CWnd::GetClientRect(LPRECT rect) const { *rect = CRect(0, 0, rect_.Width(), rect_.Height()); }

void CWnd::ClientToScreen(LPPOINT point) const {
  CRect r;
  GetWindowRect(&r);
  point->x += r.left;
  point->y += r.top;
}

void CWnd::ScreenToClient(LPPOINT point) const {
  CRect r;
  GetWindowRect(&r);
  point->x -= r.left;
  point->y -= r.top;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
  DWORD old = style_;
  style_ = (style_ & ~remove) | add;
  return old != style_;
}

BOOL CWnd::SetForegroundWindow() {
  if (!m_hWnd) return FALSE;
  g_foreground = this;
  return TRUE;
}

CWnd *CWnd::SetActiveWindow() {
  CWnd *old = g_active;
  if (m_hWnd) g_active = this;
  return old;
}

CWnd *CWnd::SetFocus() {
  CWnd *old = g_focus;
  if (m_hWnd) g_focus = this;
  return old;
}

CWnd *CWnd::GetDlgItem(int id) const {
  for (CWnd *c : children_)
    if (c->id_ == id) return c;
  return nullptr;
}
