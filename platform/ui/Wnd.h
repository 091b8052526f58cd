// Windows of the headless window model: every window has an id, a text, a
// visibility, a rectangle, a text colour, a parent and its children. Nothing
// is drawn. Windows live on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "ui/Object.h"

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
  /// The handle, or null for a null or uncreated window.
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

  /// The parent window, or null.
  CWnd *GetParent() const { return parent_; }
  /// The child window with control id `id`, or null.
  CWnd *GetDlgItem(int id) const;
  /// The child windows, in creation order.
  const std::vector<CWnd *> &GetChildren() const { return children_; }

  DECLARE_DYNAMIC(CWnd)

 protected:
  /// Called after the window got its handle; nonzero refuses creation.
  virtual int OnCreateWindow() { return 0; }
  /// Called before the window loses its handle.
  virtual void OnDestroyWindow() {}

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

/// A view: the window that shows a document or the 3D scene.
class CView : public CWnd {
 public:
  DECLARE_DYNAMIC(CView)
};

/// A frame window.
class CFrameWnd : public CWnd {
 public:
  DECLARE_DYNAMIC(CFrameWnd)
};

/// A frame with MDI children inside its client window.
class CMDIFrameWnd : public CFrameWnd {
 public:
  /// The MDI client window (valid once the frame is created).
  HWND m_hWndMDIClient = nullptr;
  DECLARE_DYNAMIC(CMDIFrameWnd)
};

/// The extended frame the main window derives from.
class CBCGPMDIFrameWnd : public CMDIFrameWnd {
 public:
  DECLARE_DYNAMIC(CBCGPMDIFrameWnd)
};
