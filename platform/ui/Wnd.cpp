#include "ui/Wnd.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "ui/App.h"
#include "ui/Gdi.h"
#include "ui/Resources.h"
#include "ui/UiThread.h"
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
  static Handles *h = new Handles;  // outlives windows of static objects
  return *h;
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

BOOL CWnd::Create(LPCTSTR className, LPCTSTR text, DWORD style, const RECT &rect, CWnd *parent,
                  UINT id) {
  KVUI::AssertUiThread("CWnd::Create");
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
  enabled_ = (style & WS_DISABLED) == 0;
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
  CREATESTRUCT cs;
  cs.hwndParent = parent ? parent->m_hWnd : nullptr;
  cs.x = rect.left, cs.y = rect.top;
  cs.cx = rect.right - rect.left, cs.cy = rect.bottom - rect.top;
  cs.style = style;
  cs.lpszName = text_.c_str();
  cs.lpszClass = className;
  cs.id = id;
  if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  KVUI::AssertUiThread("CWnd::DestroyWindow");
  if (!m_hWnd) return FALSE;
  SendMessage(WM_DESTROY);
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
  PostNcDestroy();  // may delete this
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
  if (cmdShow == SW_SHOWMAXIMIZED && !parent_) {  // fills the model's screen
    CRect screen = KVUI::GetScreenRect();
    bool resized = screen.Size() != rect_.Size();
    rect_ = screen;
    if (resized && m_hWnd)
      SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(WORD(screen.Width()), WORD(screen.Height())));
  }
  return was;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  BOOL wasDisabled = !enabled_;
  enabled_ = enable != FALSE;
  return wasDisabled;
}

void CWnd::MoveWindow(const RECT &rect, BOOL) {
  CRect r = rect;
  if (!parent_ && m_hWnd) {  // a top-level window keeps its minimum size
    MINMAXINFO info;
    SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (r.Width() < info.ptMinTrackSize.x) r.right = r.left + info.ptMinTrackSize.x;
    if (r.Height() < info.ptMinTrackSize.y) r.bottom = r.top + info.ptMinTrackSize.y;
  }
  bool resized = r.Size() != rect_.Size();
  rect_ = r;
  if (resized && m_hWnd)
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(r.Width()), WORD(r.Height())));
}

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

BOOL CWnd::SubclassDlgItem(UINT id, CWnd *parent) {
  CWnd *old = parent ? parent->GetDlgItem(int(id)) : nullptr;
  if (!old || old == this || m_hWnd) return FALSE;
  if (!Create(nullptr, old->text_.c_str(), old->style_, old->rect_, parent, id)) return FALSE;
  textColour_ = old->textColour_;
  enabled_ = old->enabled_;
  visible_ = old->visible_;
  showCmd_ = old->showCmd_;
  CopyControlState(*old);
  // Take the former window's place among its siblings.
  auto &sib = parent->children_;
  sib.pop_back();
  sib.insert(std::find(sib.begin(), sib.end(), old), this);
  old->DestroyWindow();
  return TRUE;
}

CWnd *CWnd::GetForegroundWindow() { return g_foreground; }
CWnd *CWnd::GetActiveWindow() { return g_active; }
CWnd *CWnd::GetFocus() { return g_focus; }

CDC *CWnd::GetDC() { return new CClientDC(this); }

int CWnd::ReleaseDC(CDC *dc) {
  delete dc;
  return 1;
}

CWnd *CWnd::GetDlgItem(int id) const {
  for (CWnd *c : children_)
    if (c->id_ == id) return c;
  return nullptr;
}

// Messages.

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  KVUI::AssertUiThread("SendMessage");
  if (!m_hWnd) return 0;
  KVUI::HandlerScope scope;
  return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return KVUI::PostWindowMessage(m_hWnd, message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd *item = GetDlgItem(id);
  return item ? item->SendMessage(message, wParam, lParam) : 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 0;
    return TRUE;
  }
  return DispatchMapMessage(message, wParam, lParam, result);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      DestroyWindow();
      return 0;
    case WM_SETTEXT:
      SetWindowText(reinterpret_cast<LPCTSTR>(lParam));
      return TRUE;
    case WM_GETFONT:
      return KVUI::GetDefaultFontHandle();
    default:
      (void)wParam;
      return 0;
  }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  return OnCmdMsg(LOWORD(wParam), int(HIWORD(wParam)), nullptr, nullptr);
}

BOOL CWnd::PreTranslateMessage(MSG *) { return FALSE; }

int CWnd::OnCreate(LPCREATESTRUCT) { return 0; }
void CWnd::OnClose() { DefWindowProc(WM_CLOSE, 0, 0); }
void CWnd::OnSize(UINT, int, int) {}
BOOL CWnd::OnCopyData(CWnd *, COPYDATASTRUCT *) { return FALSE; }
void CWnd::OnGetMinMaxInfo(MINMAXINFO *) {}
void CWnd::OnHotKey(UINT, UINT, UINT) {}
void CWnd::OnKeyDown(UINT, UINT, UINT) {}
void CWnd::OnKeyUp(UINT, UINT, UINT) {}
void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnLButtonUp(UINT, CPoint) {}
void CWnd::OnLButtonDblClk(UINT, CPoint) {}
void CWnd::OnRButtonDown(UINT, CPoint) {}
void CWnd::OnRButtonUp(UINT, CPoint) {}
void CWnd::OnRButtonDblClk(UINT, CPoint) {}
void CWnd::OnMButtonDown(UINT, CPoint) {}
void CWnd::OnMButtonUp(UINT, CPoint) {}
void CWnd::OnMButtonDblClk(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return FALSE; }

// Frames.

CFrameWnd::~CFrameWnd() {
  if (m_hWnd) DestroyWindow();  // while the frame's own clean-up still applies
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT &) { return TRUE; }

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd *parent, CCreateContext *) {
  CREATESTRUCT cs;
  cs.style = style;
  if (!PreCreateWindow(cs)) return FALSE;
  resourceId_ = resourceId;
  std::wstring title = KVUI::LoadResourceString(resourceId);
  CRect r(0, 0, 1280, 800);
  return Create(nullptr, title.c_str(), cs.style & ~DWORD(WS_VISIBLE), r, parent, 0);
}

BOOL CFrameWnd::SetMenu(void *menu) {
  hasMenu_ = menu != nullptr;
  return TRUE;
}

void CFrameWnd::OnDestroyWindow() {
  // The application's main frame going away ends the message loop.
  CWinApp *app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    PostQuitMessage(0);
  }
}

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
END_MESSAGE_MAP()

int CMDIFrameWnd::OnCreate(LPCREATESTRUCT cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  CRect client;
  GetClientRect(&client);
  if (!mdiClient_.Create(L"MDICLIENT", L"", WS_CHILD | WS_VISIBLE, client, this, 0xE900)) return -1;
  m_hWndMDIClient = mdiClient_.m_hWnd;
  return 0;
}

void CMDIFrameWnd::OnSize(UINT type, int cx, int cy) {
  CFrameWnd::OnSize(type, cx, cy);
  if (mdiClient_.m_hWnd) mdiClient_.MoveWindow(CRect(0, 0, cx, cy));
}

CRect KVUI::GetScreenRect() { return CRect(0, 0, 1920, 1080); }

// Handle-based calls.

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return KVUI::PostWindowMessage(hwnd, message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd *w = CWnd::FromHandle(hwnd);
  return w ? w->SendMessage(message, wParam, lParam) : 0;
}

BOOL InvalidateRect(HWND hwnd, const RECT *, BOOL erase) {
  CWnd *w = CWnd::FromHandle(hwnd);
  if (!w) return FALSE;
  w->Invalidate(erase);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return CWnd::FromHandle(hwnd) ? TRUE : FALSE; }
