#include "keel/mfc/MFCViewMgr.h"

#include <algorithm>
#include <map>
#include <vector>

#include "ui/UiThread.h"

namespace KEEL::MFC {

namespace {

// The managers of each view, latest last (user-interface thread only).
std::map<const CWnd *, std::vector<CMFCViewMgr *>> &ViewMgrs() {
  static auto *mgrs = new std::map<const CWnd *, std::vector<CMFCViewMgr *>>;
  return *mgrs;
}

}  // namespace

CMFCViewMgr::CMFCViewMgr(CWnd *frame, CView *view, const std::wstring &name)
    : CMgrObject(name), frame_(frame), view_(view) {
  if (view_) ViewMgrs()[view_].push_back(this);
}

CMFCViewMgr::~CMFCViewMgr() {
  if (!view_) return;
  auto found = ViewMgrs().find(view_);
  if (found == ViewMgrs().end()) return;
  std::vector<CMFCViewMgr *> &mgrs = found->second;
  mgrs.erase(std::remove(mgrs.begin(), mgrs.end(), this), mgrs.end());
  if (mgrs.empty()) ViewMgrs().erase(found);
}

CMFCViewMgr *CMFCViewMgr::FromView(const CWnd *view) {
  auto found = ViewMgrs().find(view);
  return found == ViewMgrs().end() ? nullptr : found->second.back();
}

boost::signals2::connection CMFCViewMgr::ConnectMouseMsg(MsgType type, const MouseMsg::slot_type &slot) {
  KVUI::AssertUiThread("CMFCViewMgr::ConnectMouseMsg");
  if (type < LBUTTONDOWN || type > MOUSEMOVE) return boost::signals2::connection();
  return mouse_[type].connect(slot);
}

boost::signals2::connection CMFCViewMgr::ConnectKeyMsg(MsgType type, const KeyMsg::slot_type &slot) {
  KVUI::AssertUiThread("CMFCViewMgr::ConnectKeyMsg");
  if (type != KEYDOWN && type != KEYUP) return boost::signals2::connection();
  return keys_[type - KEYDOWN].connect(slot);
}

boost::signals2::connection CMFCViewMgr::ConnectMouseMsgWheel(const WheelMsg::slot_type &slot) {
  KVUI::AssertUiThread("CMFCViewMgr::ConnectMouseMsgWheel");
  return wheel_.connect(slot);
}

boost::signals2::connection CMFCViewMgr::ConnectPreTranslateMessage(const PreTranslateMsg::slot_type &slot) {
  KVUI::AssertUiThread("CMFCViewMgr::ConnectPreTranslateMessage");
  return preTranslate_.connect(slot);
}

boost::signals2::connection CMFCViewMgr::ConnectPaintMsg(const PaintMsg::slot_type &slot) {
  KVUI::AssertUiThread("CMFCViewMgr::ConnectPaintMsg");
  return paint_.connect(slot);
}

boost::signals2::connection CMFCViewMgr::ConnectSizeMsg(const SizeMsg::slot_type &slot) {
  KVUI::AssertUiThread("CMFCViewMgr::ConnectSizeMsg");
  return size_.connect(slot);
}

void CMFCViewMgr::FireMouseMsg(MsgType type, UINT flags, CPoint point) {
  KVUI::AssertUiThread("CMFCViewMgr::FireMouseMsg");
  if (type >= LBUTTONDOWN && type <= MOUSEMOVE) mouse_[type](flags, point);
}

void CMFCViewMgr::FireKeyMsg(MsgType type, UINT key, UINT repeat, UINT flags) {
  KVUI::AssertUiThread("CMFCViewMgr::FireKeyMsg");
  if (type == KEYDOWN || type == KEYUP) keys_[type - KEYDOWN](key, repeat, flags);
}

int CMFCViewMgr::FireMouseWheel(UINT flags, short delta, CPoint point) {
  KVUI::AssertUiThread("CMFCViewMgr::FireMouseWheel");
  boost::optional<int> result = wheel_(flags, delta, point);
  return result ? *result : 0;
}

int CMFCViewMgr::FirePreTranslateMessage(MSG *msg) {
  KVUI::AssertUiThread("CMFCViewMgr::FirePreTranslateMessage");
  return preTranslate_(msg);
}

void CMFCViewMgr::FirePaint(CWnd *wnd) {
  KVUI::AssertUiThread("CMFCViewMgr::FirePaint");
  paint_(wnd);
}

void CMFCViewMgr::FireSize(CWnd *wnd, UINT type, int cx, int cy) {
  KVUI::AssertUiThread("CMFCViewMgr::FireSize");
  size_(wnd, type, cx, cy);
}

}  // namespace KEEL::MFC
