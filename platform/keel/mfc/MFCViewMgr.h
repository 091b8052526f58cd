// The view manager of one window: it turns the window's input into signals
// to which commands connect. CMFCViewMgr is the registry's view manager
// ("AppMFCWndViewMgr", and "HoopsViewMgr" of a 3D view); the window feeds it
// through its Fire operations.
//
// Threads: every operation runs on the user-interface thread; slots run on
// the caller's stack, in connection order.
#pragma once

#include <boost/signals2.hpp>

#include <string>

#include "keel/frame/MgrObject.h"
#include "ui/Wnd.h"

namespace KEEL::MFC {

class IMFCViewMgr {
 public:
  /// The message kinds of ConnectMouseMsg and ConnectKeyMsg.
  enum MsgType {
    LBUTTONDOWN = 0,
    LBUTTONUP = 1,
    LBUTTONDBLCLK = 2,
    RBUTTONDOWN = 3,
    RBUTTONUP = 4,
    RBUTTONDBLCLK = 5,
    MBUTTONDOWN = 6,
    MBUTTONUP = 7,
    MBUTTONDBLCLK = 8,
    MOUSEMOVE = 9,
    KEYDOWN = 10,
    KEYUP = 11,
  };
  using MouseMsg = boost::signals2::signal<void(UINT flags, CPoint point)>;
  using KeyMsg = boost::signals2::signal<void(UINT key, UINT repeat, UINT flags)>;
  /// The result is the last slot's (0 without slots).
  using WheelMsg = boost::signals2::signal<int(UINT flags, short delta, CPoint point)>;
  /// Calls every slot; 1 when any of them returned non-zero, else 0.
  struct AnyNonZero {
    using result_type = int;
    template <class It>
    int operator()(It first, It last) const {
      int eaten = 0;
      for (; first != last; ++first)
        if (*first) eaten = 1;
      return eaten;
    }
  };
  /// The result is 1 when any slot ate the message.
  using PreTranslateMsg = boost::signals2::signal<int(MSG *msg), AnyNonZero>;
  using PaintMsg = boost::signals2::signal<void(CWnd *wnd)>;
  using SizeMsg = boost::signals2::signal<void(CWnd *wnd, UINT type, int cx, int cy)>;

  virtual ~IMFCViewMgr() {}
  /// Connects `slot` to mouse messages of kind `type` (0 to 9); an
  /// unconnected connection for any other kind.
  virtual boost::signals2::connection ConnectMouseMsg(MsgType type, const MouseMsg::slot_type &slot) = 0;
  /// Connects `slot` to key messages of kind `type` (10 or 11).
  virtual boost::signals2::connection ConnectKeyMsg(MsgType type, const KeyMsg::slot_type &slot) = 0;
  /// Connects `slot` to the mouse wheel.
  virtual boost::signals2::connection ConnectMouseMsgWheel(const WheelMsg::slot_type &slot) = 0;
  /// Connects `slot` to every message before the window handles it.
  virtual boost::signals2::connection ConnectPreTranslateMessage(const PreTranslateMsg::slot_type &slot) = 0;
  /// Connects `slot` to every paint of the window.
  virtual boost::signals2::connection ConnectPaintMsg(const PaintMsg::slot_type &slot) = 0;
  /// Connects `slot` to every size change of the window.
  virtual boost::signals2::connection ConnectSizeMsg(const SizeMsg::slot_type &slot) = 0;
};

class CMFCViewMgr : public KEEL::FRAME::CMgrObject, public IMFCViewMgr {
 public:
  /// `frame` and `view` are the windows the manager serves (either may be
  /// null); not owned.
  CMFCViewMgr(CWnd *frame, CView *view, const std::wstring &name);
  ~CMFCViewMgr() override;

  boost::signals2::connection ConnectMouseMsg(MsgType type, const MouseMsg::slot_type &slot) override;
  boost::signals2::connection ConnectKeyMsg(MsgType type, const KeyMsg::slot_type &slot) override;
  boost::signals2::connection ConnectMouseMsgWheel(const WheelMsg::slot_type &slot) override;
  boost::signals2::connection ConnectPreTranslateMessage(const PreTranslateMsg::slot_type &slot) override;
  boost::signals2::connection ConnectPaintMsg(const PaintMsg::slot_type &slot) override;
  boost::signals2::connection ConnectSizeMsg(const SizeMsg::slot_type &slot) override;

  /// The window delivers a mouse message of kind `type` (0 to 9).
  void FireMouseMsg(MsgType type, UINT flags, CPoint point);
  /// The window delivers a key message of kind `type` (10 or 11).
  void FireKeyMsg(MsgType type, UINT key, UINT repeat, UINT flags);
  /// The window delivers a wheel turn; the slots' result.
  int FireMouseWheel(UINT flags, short delta, CPoint point);
  /// The window offers a message before handling it; non-zero when eaten.
  int FirePreTranslateMessage(MSG *msg);
  /// The window was painted.
  void FirePaint(CWnd *wnd);
  /// The window changed its size.
  void FireSize(CWnd *wnd, UINT type, int cx, int cy);

  /// The windows given to the constructor.
  CWnd *GetFrameWnd() const { return frame_; }
  CView *GetView() const { return view_; }
  /// The latest made manager that serves `view` and still lives, or null.
  static CMFCViewMgr *FromView(const CWnd *view);

 private:
  CWnd *frame_;
  CView *view_;
  MouseMsg mouse_[MOUSEMOVE + 1];
  KeyMsg keys_[2];
  WheelMsg wheel_;
  PreTranslateMsg preTranslate_;
  PaintMsg paint_;
  SizeMsg size_;
};

}  // namespace KEEL::MFC
