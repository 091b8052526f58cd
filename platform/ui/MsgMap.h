// Message maps: a class lists the messages and command ids it handles
// between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; dispatch searches the most
// derived class's map first, then its bases'. Handlers are named with their
// class (&CMainFrame::OnCommandRange); every entry is type-checked.
#pragma once

#include "ui/WinConst.h"

class CCmdTarget;
class CWnd;
class CCmdUI;

/// A queued window message.
struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};
using LPMSG = MSG *;

/// The data of a WM_COPYDATA message.
struct COPYDATASTRUCT {
  ULONG_PTR dwData = 0;
  DWORD cbData = 0;
  PVOID lpData = nullptr;
};
using PCOPYDATASTRUCT = COPYDATASTRUCT *;

/// Size limits asked with WM_GETMINMAXINFO.
struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};
using LPMINMAXINFO = MINMAXINFO *;

/// What WM_CREATE carries.
struct CREATESTRUCT {
  void *lpCreateParams = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0, cx = 0, y = 0, x = 0;
  DWORD style = 0;
  LPCWSTR lpszName = nullptr;
  LPCWSTR lpszClass = nullptr;
  UINT id = 0;
};
using LPCREATESTRUCT = CREATESTRUCT *;

// Command codes of OnCmdMsg.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;
// Button notification codes.
constexpr UINT BN_CLICKED = 0;
constexpr UINT BN_DOUBLECLICKED = 5;
// List-box notification codes.
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;

namespace KVUI {
/// One call of a message-map handler: the message and the result to return.
struct MsgCall {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  UINT nID = 0;
  void *pExtra = nullptr;
  LRESULT result = 0;
};
using MsgThunk = void (*)(CCmdTarget *target, MsgCall &call);
}  // namespace KVUI

/// One row of a message map: WM_COMMAND rows match a code and an id range.
struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  KVUI::MsgThunk pfn;
};

/// A class's message map and the way to its base's.
struct AFX_MSGMAP {
  const AFX_MSGMAP *(*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY *lpEntries;
};

/// Declares the message map of a class (in its body).
#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const AFX_MSGMAP *GetThisMessageMap();        \
  const AFX_MSGMAP *GetMessageMap() const override;

/// Opens the message map of `theClass`, whose base is `baseClass`.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
  const AFX_MSGMAP *theClass::GetMessageMap() const { return GetThisMessageMap(); }  \
  const AFX_MSGMAP *theClass::GetThisMessageMap() {                                  \
    typedef theClass ThisClass;                                                      \
    typedef baseClass TheBaseClass;                                                  \
    static const AFX_MSGMAP_ENTRY kvEntries[] = {

/// Closes a message map.
#define END_MESSAGE_MAP()                                                    \
  {0, 0, 0, 0, nullptr}};                                                    \
  static const AFX_MSGMAP kvMap = {&TheBaseClass::GetThisMessageMap, kvEntries}; \
  return &kvMap;                                                             \
  }

// One entry whose handler runs `body` with `self` (the class) and `kvC`.
#define KVUI_MSG_ENTRY(msg, code, id, last, body)                             \
  {UINT(msg), UINT(code), UINT(id), UINT(last),                               \
   [](CCmdTarget *kvT, KVUI::MsgCall &kvC) {                                  \
     ThisClass *self = static_cast<ThisClass *>(kvT);                         \
     (void)self;                                                              \
     (void)kvC;                                                               \
     body;                                                                    \
   }},

/// void fn()
#define ON_COMMAND(id, fn) KVUI_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, (self->*(fn))())
/// void fn(UINT id), for ids first..last inclusive.
#define ON_COMMAND_RANGE(first, last, fn) \
  KVUI_MSG_ENTRY(WM_COMMAND, CN_COMMAND, first, last, (self->*(fn))(kvC.nID))
/// void fn(CCmdUI*)
#define ON_UPDATE_COMMAND_UI(id, fn) \
  KVUI_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, (self->*(fn))(static_cast<CCmdUI *>(kvC.pExtra)))
/// void fn(CCmdUI*), for ids first..last inclusive.
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn) \
  KVUI_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, \
                 (self->*(fn))(static_cast<CCmdUI *>(kvC.pExtra)))
/// void fn(): a control's notification `code` (WM_COMMAND from control `id`).
#define ON_CONTROL(code, id, fn) KVUI_MSG_ENTRY(WM_COMMAND, code, id, id, (self->*(fn))())
/// void fn(): button `id` clicked.
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
/// void fn(): list box `id` selection changed.
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
/// LRESULT fn(WPARAM, LPARAM), for any message (WM_USER+n among them).
#define ON_MESSAGE(msg, fn) \
  KVUI_MSG_ENTRY(msg, 0, 0, 0, kvC.result = (self->*(fn))(kvC.wParam, kvC.lParam))

/// int OnCreate(LPCREATESTRUCT): 0 goes on, -1 refuses creation.
#define ON_WM_CREATE() \
  KVUI_MSG_ENTRY(WM_CREATE, 0, 0, 0, kvC.result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(kvC.lParam)))
/// void OnDestroy()
#define ON_WM_DESTROY() KVUI_MSG_ENTRY(WM_DESTROY, 0, 0, 0, self->OnDestroy())
/// void OnClose()
#define ON_WM_CLOSE() KVUI_MSG_ENTRY(WM_CLOSE, 0, 0, 0, self->OnClose())
/// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE() \
  KVUI_MSG_ENTRY(WM_SIZE, 0, 0, 0, \
                 self->OnSize(UINT(kvC.wParam), int(LOWORD(kvC.lParam)), int(HIWORD(kvC.lParam))))
/// void OnPaint()
#define ON_WM_PAINT() KVUI_MSG_ENTRY(WM_PAINT, 0, 0, 0, self->OnPaint())
/// BOOL OnCopyData(CWnd* sender, COPYDATASTRUCT*)
#define ON_WM_COPYDATA() \
  KVUI_MSG_ENTRY(WM_COPYDATA, 0, 0, 0, \
                 kvC.result = self->OnCopyData(CWnd::FromHandle(reinterpret_cast<HWND>(kvC.wParam)), \
                                               reinterpret_cast<COPYDATASTRUCT *>(kvC.lParam)))
/// void OnGetMinMaxInfo(MINMAXINFO*)
#define ON_WM_GETMINMAXINFO() \
  KVUI_MSG_ENTRY(WM_GETMINMAXINFO, 0, 0, 0, self->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO *>(kvC.lParam)))
/// void OnHotKey(UINT id, UINT modifiers, UINT virtualKey)
#define ON_WM_HOTKEY() \
  KVUI_MSG_ENTRY(WM_HOTKEY, 0, 0, 0, \
                 self->OnHotKey(UINT(kvC.wParam), UINT(LOWORD(kvC.lParam)), UINT(HIWORD(kvC.lParam))))
/// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN() \
  KVUI_MSG_ENTRY(WM_KEYDOWN, 0, 0, 0, \
                 self->OnKeyDown(UINT(kvC.wParam), UINT(kvC.lParam & 0xFFFF), UINT((kvC.lParam >> 16) & 0xFFFF)))
/// void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYUP() \
  KVUI_MSG_ENTRY(WM_KEYUP, 0, 0, 0, \
                 self->OnKeyUp(UINT(kvC.wParam), UINT(kvC.lParam & 0xFFFF), UINT((kvC.lParam >> 16) & 0xFFFF)))
// void On<Button>(UINT nFlags, CPoint point) for the mouse messages.
#define KVUI_ON_MOUSE(msg, fn) KVUI_MSG_ENTRY(msg, 0, 0, 0, self->fn(UINT(kvC.wParam), CPoint(kvC.lParam)))
#define ON_WM_LBUTTONDOWN() KVUI_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() KVUI_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() KVUI_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() KVUI_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() KVUI_ON_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() KVUI_ON_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() KVUI_ON_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() KVUI_ON_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() KVUI_ON_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() KVUI_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
/// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
#define ON_WM_MOUSEWHEEL() \
  KVUI_MSG_ENTRY(WM_MOUSEWHEEL, 0, 0, 0, \
                 kvC.result = self->OnMouseWheel(UINT(LOWORD(kvC.wParam)), short(HIWORD(kvC.wParam)), \
                                                 CPoint(kvC.lParam)))
