// Windows of the headless window model: every window has an id, a text, a
// visibility, a rectangle, a text colour, a parent and its children. Nothing
// is drawn. Windows live on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "ui/Object.h"

class CDC;

/// A window of the model.
class CWnd : public CCmdTarget {
 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd &) = delete;
  CWnd &operator=(const CWnd &) = delete;

  /// The window's handle; null until created and after it is destroyed.
  HWND m_hWnd = nullptr;

  /// Creates the window as a child of `parent` (or a top-level window).
  virtual BOOL Create(LPCTSTR className, LPCTSTR text, DWORD style, const RECT &rect, CWnd *parent,
                      UINT id);
  /// Destroys the window and its children; FALSE when not created.
  virtual BOOL DestroyWindow();
  /// The live window of `h`, or null.
  static CWnd *FromHandle(HWND h);
  /// The handle, or null for an uncreated window.
  HWND GetSafeHwnd() const { return m_hWnd; }
  /// True while the window exists.
  BOOL IsWindow() const { return m_hWnd != nullptr; }

  /// The control id.
  int GetDlgCtrlID() const { return id_; }
  /// Sets the control id; returns the former one.
  int SetDlgCtrlID(int id);
  /// Sets the window text.
  void SetWindowText(LPCTSTR text);
  /// Copies the window text into `text`.
  void GetWindowText(CString &text) const;
  /// The window text.
  const std::wstring &GetText() const { return text_; }
  /// Shows or hides the window (SW_*); returns whether it was visible before.
  BOOL ShowWindow(int cmdShow);
  /// The last SW_* command given to ShowWindow.
  int GetShowCommand() const { return showCmd_; }
  /// True when the window has the visible flag.
  BOOL IsWindowVisible() const { return visible_; }
  /// Enables or disables the window; returns whether it was disabled before.
  BOOL EnableWindow(BOOL enable = TRUE);
  /// True unless disabled.
  BOOL IsWindowEnabled() const { return enabled_; }
  /// Moves the window to `rect` (in its parent's client co-ordinates).
  void MoveWindow(const RECT &rect, BOOL repaint = TRUE);
  void MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE);
  /// The window's rectangle in screen co-ordinates.
  void GetWindowRect(LPRECT rect) const;
  /// The client area: (0, 0, width, height).
  void GetClientRect(LPRECT rect) const;
  /// Turns a point of the client area into screen co-ordinates.
  void ClientToScreen(LPPOINT point) const;
  /// Turns a screen point into client co-ordinates.
  void ScreenToClient(LPPOINT point) const;
  /// Sets the colour the window's text is drawn in.
  void SetTextColor(COLORREF colour) { textColour_ = colour; }
  /// The colour of the window's text (black unless set).
  COLORREF GetTextColor() const { return textColour_; }
  /// The window style bits.
  DWORD GetStyle() const { return style_; }
  /// Adds and removes style bits.
  BOOL ModifyStyle(DWORD remove, DWORD add);
  /// Marks the window for repainting (counted, nothing is drawn).
  void Invalidate(BOOL erase = TRUE) { (void)erase, ++invalidations_; }
  /// Marks `rect` (null: the whole client area) for repainting (counted).
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { (void)rect, Invalidate(erase); }
  /// Repaints at once (counted as an invalidation).
  BOOL RedrawWindow() {
    Invalidate();
    return TRUE;
  }
  /// Number of Invalidate calls so far.
  int GetInvalidateCount() const { return invalidations_; }
  /// Nothing to paint in the model.
  void UpdateWindow() {}
  /// Brings the window forward (recorded as the foreground window).
  BOOL SetForegroundWindow();
  /// Makes the window the active one; returns the former active window.
  CWnd *SetActiveWindow();
  /// Gives the window the keyboard focus; returns the former focus window.
  CWnd *SetFocus();
  /// The foreground, active and focus windows, or null.
  static CWnd *GetForegroundWindow();
  static CWnd *GetActiveWindow();
  static CWnd *GetFocus();
  /// A device context of the client area, to be given back with ReleaseDC.
  CDC *GetDC();
  /// Gives back (deletes) a device context of GetDC; 1.
  int ReleaseDC(CDC *dc);

  // Messages. SendMessage runs the handler now; PostMessage queues the
  // message on the user-interface thread's queue (from any thread).
  /// Runs the window's handler of `message` and returns its result.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  /// Queues `message`; it is handled after the current handler returns.
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  /// SendMessage to the child with id `id`; 0 when there is none.
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  /// The window procedure: the message map, else DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  /// Dispatches WM_COMMAND to OnCommand and other messages through the map.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);
  /// What a message nobody handles does (WM_CLOSE destroys the window).
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  /// Routes WM_COMMAND (id in LOWORD, code in HIWORD) to OnCmdMsg.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  /// Called for a queued message before it is dispatched; TRUE eats it.
  virtual BOOL PreTranslateMessage(MSG *msg);

  /// Makes this (uncreated) object the window of `parent`'s child `id`: it
  /// takes the child's id, text, style, rectangle, colour, state and place,
  /// and the former child window is destroyed. FALSE when there is none.
  BOOL SubclassDlgItem(UINT id, CWnd *parent);
  /// The rectangle in the parent's client co-ordinates.
  CRect GetPlacement() const { return rect_; }

  /// The parent window, or null.
  CWnd *GetParent() const { return parent_; }
  /// The child window with control id `id`, or null.
  CWnd *GetDlgItem(int id) const;
  /// The child windows, in creation order.
  const std::vector<CWnd *> &GetChildren() const { return children_; }

  DECLARE_DYNAMIC(CWnd)

 protected:
  /// Called before the window and its children lose their handles.
  virtual void OnDestroyWindow() {}
  /// Called last when the window has been destroyed (a window allocated
  /// with new that is never deleted otherwise may delete itself here).
  virtual void PostNcDestroy() {}
  /// Takes the kind-specific state (check, items) of the control `from`.
  virtual void CopyControlState(const CWnd &from) { (void)from; }

  // Default handlers, for derived classes' maps and their calls to the base.
  /// 0 lets creation go on; -1 refuses it.
  int OnCreate(LPCREATESTRUCT cs);
  void OnDestroy() {}
  /// Destroys the window.
  void OnClose();
  void OnSize(UINT type, int cx, int cy);
  void OnPaint() {}
  /// FALSE: the data was not taken.
  BOOL OnCopyData(CWnd *sender, COPYDATASTRUCT *data);
  void OnGetMinMaxInfo(MINMAXINFO *info);
  void OnHotKey(UINT id, UINT modifiers, UINT key);
  void OnKeyDown(UINT ch, UINT repeat, UINT flags);
  void OnKeyUp(UINT ch, UINT repeat, UINT flags);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnLButtonDblClk(UINT flags, CPoint point);
  void OnRButtonDown(UINT flags, CPoint point);
  void OnRButtonUp(UINT flags, CPoint point);
  void OnRButtonDblClk(UINT flags, CPoint point);
  void OnMButtonDown(UINT flags, CPoint point);
  void OnMButtonUp(UINT flags, CPoint point);
  void OnMButtonDblClk(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  BOOL OnMouseWheel(UINT flags, short delta, CPoint point);

 private:
  void Detach();

  int id_ = 0;
  std::wstring text_;
  bool visible_ = false;
  bool enabled_ = true;
  int showCmd_ = 0;
  CRect rect_;
  COLORREF textColour_ = 0;
  DWORD style_ = 0;
  int invalidations_ = 0;
  CWnd *parent_ = nullptr;
  std::vector<CWnd *> children_;
};

/// What a frame is created with (documents and views: unused here).
struct CCreateContext;

/// A view: the window that shows a document or the 3D scene.
class CView : public CWnd {
  DECLARE_DYNAMIC(CView)
};

/// A frame window. Destroying the application's main frame ends the
/// message loop (a quit message with code 0 is posted).
class CFrameWnd : public CWnd {
  DECLARE_DYNAMIC(CFrameWnd)

 public:
  ~CFrameWnd() override;
  /// Creates the frame as a top-level window whose title is string
  /// `resourceId` (empty when the program has no such string).
  virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd *parent = nullptr, CCreateContext *context = nullptr);
  /// Called before creation; FALSE refuses it.
  virtual BOOL PreCreateWindow(CREATESTRUCT &cs);
  /// Sets the classic menu bar (the model keeps only whether there is one).
  BOOL SetMenu(void *menu);
  /// Whether a classic menu bar is set.
  bool HasMenu() const { return hasMenu_; }
  /// Lets control bars dock at the sides named by `alignment` (recorded).
  void EnableDocking(DWORD alignment) { docking_ = alignment; }
  /// The sides given to EnableDocking.
  DWORD GetDockingAlignment() const { return docking_; }
  /// The resource id given to LoadFrame.
  UINT GetResourceId() const { return resourceId_; }

 protected:
  void OnDestroyWindow() override;

 private:
  bool hasMenu_ = true;
  DWORD docking_ = 0;
  UINT resourceId_ = 0;
};

/// A frame with MDI children inside its client window, which always fills
/// the frame's client area.
class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNAMIC(CMDIFrameWnd)

 public:
  /// The MDI client window (valid once the frame is created).
  HWND m_hWndMDIClient = nullptr;

 protected:
  /// Creates the MDI client window.
  int OnCreate(LPCREATESTRUCT cs);
  /// Makes the MDI client fill the client area.
  void OnSize(UINT type, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  CWnd mdiClient_;
};

/// The extended MDI frame the main window derives from.
class CBCGPMDIFrameWnd : public CMDIFrameWnd {
  DECLARE_DYNAMIC(CBCGPMDIFrameWnd)
};

/// Alignment flags of EnableDocking.
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;

namespace KVUI {
/// The model's screen (1920 x 1080), which a maximised window fills.
CRect GetScreenRect();
}  // namespace KVUI

/// Queues `message` for window `hwnd` (any thread); FALSE for a dead window.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
/// Runs the handler of `message` in window `hwnd` now; 0 for a dead window.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
/// Marks window `hwnd` for repainting; FALSE for a dead window.
BOOL InvalidateRect(HWND hwnd, const RECT *rect, BOOL erase);
/// True while `hwnd` names a live window.
BOOL IsWindow(HWND hwnd);
