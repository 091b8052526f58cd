#include "modula/Modula.h"

#include <pugixml.hpp>

#include <utility>

#include "keel/mfc/MFCViewMgr.h"
#include "ui/App.h"
#include "ui/Dialog.h"
#include "wrench/ConfigFile.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"

namespace MODKIT::MFC {

namespace {

// A <Cmd> with <Sub id name data tip desc small large/> children: a split
// button of the maker's kind with those sub-items, in order.
CMOXRibbonButton *MakeSplitButton(const pugi::xml_node &cmd, UINT id, const std::wstring &name) {
  auto *button = new CMOXRibbonButton(id, name.c_str());
  for (pugi::xml_node sub : cmd.children("Sub")) {
    auto *item = new CMOXRibbonButton(sub.attribute("id").as_uint(0),
                                      WRENCH::UTF8ToUnicode(sub.attribute("name").value()).c_str(),
                                      sub.attribute("small").as_int(-1), sub.attribute("large").as_int(-1));
    item->SetName(WRENCH::UTF8ToUnicode(sub.attribute("name").value()));
    item->SetData(DWORD_PTR(sub.attribute("data").as_ullong(0)));
    item->SetToolTipText(WRENCH::UTF8ToUnicode(sub.attribute("tip").value()).c_str());
    item->SetDescription(WRENCH::UTF8ToUnicode(sub.attribute("desc").value()).c_str());
    button->AddSubItem(item);
  }
  return button;
}

}  // namespace

class CRibbonMenuMgr::CRibbon : public GUI::IGUIRibbon {
 public:
  explicit CRibbon(CWnd *frame) {
    bar_.Create(frame);
    bar_.SetOwner(frame);
    pugi::xml_document doc;
    if (WRENCH::LoadConfigXml(WRENCH::GetSysRoot() + L"config/system/CmdIds.xml", doc) != WRENCH::ConfigRead::kLoaded)
      return;
    for (pugi::xml_node cmd : doc.child("KvCmdIds").children("Cmd")) {
      const UINT id = cmd.attribute("id").as_uint(0);
      const std::wstring name = WRENCH::UTF8ToUnicode(cmd.attribute("name").value());
      if (!id || name.empty()) continue;
      CBCGPRibbonButton *button = nullptr;
      if (name == L"AppCmd_DimMarkColor")
        button = new CBCGPRibbonColorButton(id, name.c_str());
      else if (cmd.child("Sub"))
        button = MakeSplitButton(cmd, id, name);
      else
        button = new CBCGPRibbonButton(id, name.c_str());
      button->SetName(name);
      bar_.AddElement(button);
    }
  }
  CBCGPBaseRibbonElement *FindElementByName(const CString &name, BOOL) override {
    return bar_.FindByName(std::wstring(name));
  }
  CBCGPRibbonBar *GetRibbonWnd() override { return &bar_; }

 private:
  CBCGPRibbonBar bar_;
};

CRibbonMenuMgr::CRibbonMenuMgr(bool flag, const std::wstring &name)
    : CRecordingMgr(L"MODKIT::MFC::CRibbonMenuMgr", name, ::KVOUTSIDE::JournalArgs(flag)) {}

CRibbonMenuMgr::~CRibbonMenuMgr() {}

GUI::IGUIRibbon *CRibbonMenuMgr::GetRibbonMenu() {
  if (!ribbon_) {
    CWnd *frame = AfxGetMainWnd();
    if (!frame || !frame->IsWindow()) return nullptr;
    ribbon_ = std::make_unique<CRibbon>(frame);
  }
  return ribbon_.get();
}

void CRibbonMenuMgr::OnUpdateCmdUI(CBCGPRibbonCmdUI *cmdUI) {
  if (!cmdUI || !cmdUI->m_pUpdated) return;
  const std::wstring name = cmdUI->m_pUpdated->GetName();
  Notify(5, [&](IRibbonMenuObserver *observer) { observer->UpdateCmdUI(name, cmdUI); });
}

namespace {

class CStatusBarMgrStandIn : public IStatusBarMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CStatusBarMgrStandIn(const std::wstring &name) : CRecordingMgr(L"MODKIT::MFC::CreateStatusBarMgr", name) {}
  BOOL CreateStatusBar(CFrameWnd *frame, const UINT *indicators, int count) override {
    Record(L"CreateStatusBar", ::KVOUTSIDE::JournalArgs(count));
    if (!frame || bar_.IsWindow()) return FALSE;
    return bar_.Create(frame) && bar_.SetIndicators(indicators, count);
  }
  void SetPaneInfo(int index, const CString &text, int width) override {
    Record(L"SetPaneInfo", ::KVOUTSIDE::JournalArgs(index, std::wstring(text), width));
    bar_.SetPaneText(index, text);
    bar_.SetPaneWidth(index, width);
  }
  CBCGPStatusBar *GetStatusBar() override { return bar_.IsWindow() ? &bar_ : nullptr; }

 private:
  CBCGPStatusBar bar_;
};

}  // namespace

IStatusBarMgr *CreateStatusBarMgr(const std::wstring &name) { return new CStatusBarMgrStandIn(name); }

IMPLEMENT_DYNCREATE(CMsgView, CView)

CMsgView::CMsgView() { ::KVOUTSIDE::FailCreateIfAnswered(L"MODKIT::MFC::CMsgView"); }

namespace {

// The messages the view always hands to its view manager's input signals.
bool IsViewInput(UINT message) {
  return (message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL) || message == WM_KEYDOWN || message == WM_KEYUP ||
         message == WM_PAINT || message == WM_SIZE;
}

}  // namespace

BOOL CMsgView::PreTranslateMessage(MSG *msg) {
  KEEL::MFC::CMFCViewMgr *view = KEEL::MFC::CMFCViewMgr::FromView(this);
  if (!view || !msg || msg->hwnd != m_hWnd) return FALSE;
  const bool eaten = view->FirePreTranslateMessage(msg) != 0;
  return eaten && !IsViewInput(msg->message) ? TRUE : FALSE;
}

LRESULT CMsgView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  using View = KEEL::MFC::IMFCViewMgr;
  static const std::pair<UINT, View::MsgType> kMouse[] = {
      {WM_LBUTTONDOWN, View::LBUTTONDOWN}, {WM_LBUTTONUP, View::LBUTTONUP},
      {WM_LBUTTONDBLCLK, View::LBUTTONDBLCLK}, {WM_RBUTTONDOWN, View::RBUTTONDOWN},
      {WM_RBUTTONUP, View::RBUTTONUP},     {WM_RBUTTONDBLCLK, View::RBUTTONDBLCLK},
      {WM_MBUTTONDOWN, View::MBUTTONDOWN}, {WM_MBUTTONUP, View::MBUTTONUP},
      {WM_MBUTTONDBLCLK, View::MBUTTONDBLCLK}, {WM_MOUSEMOVE, View::MOUSEMOVE},
  };
  KEEL::MFC::CMFCViewMgr *view = KEEL::MFC::CMFCViewMgr::FromView(this);
  if (!view) return CView::WindowProc(message, wParam, lParam);
  for (const auto &row : kMouse) {
    if (row.first == message) {
      view->FireMouseMsg(row.second, UINT(wParam), CPoint(lParam));
      return 0;
    }
  }
  switch (message) {
    case WM_MOUSEWHEEL:
      return view->FireMouseWheel(LOWORD(wParam), short(HIWORD(wParam)), CPoint(lParam));
    case WM_KEYDOWN:
    case WM_KEYUP:
      view->FireKeyMsg(message == WM_KEYDOWN ? View::KEYDOWN : View::KEYUP, UINT(wParam), LOWORD(lParam),
                       HIWORD(lParam));
      return 0;
    case WM_PAINT:
      view->FirePaint(this);
      return 0;
    case WM_SIZE:
      view->FireSize(this, UINT(wParam), LOWORD(lParam), HIWORD(lParam));
      break;
  }
  return CView::WindowProc(message, wParam, lParam);
}

IMPLEMENT_DYNAMIC(CMOXRibbonButton, CBCGPRibbonButton)

CTabPageMgr::CTabPageMgr(CWnd *parent, const std::wstring &name)
    : CRecordingMgr(L"MODKIT::MFC::CTabPageMgr", name, ::KVOUTSIDE::JournalArgs(parent)), host_(new CWnd) {
  host_->Create(nullptr, L"TabView", parent ? WS_CHILD | WS_VISIBLE : WS_VISIBLE, CRect(0, 0, 300, 600),
                parent && parent->IsWindow() ? parent : nullptr, 0);
}

CTabPageMgr::~CTabPageMgr() {
  if (host_->IsWindow()) host_->DestroyWindow();
}

CWnd *CTabPageMgr::GetTabView() { return host_.get(); }

bool CTabPageMgr::AddTabPage(CDialog *page, const CString &title, UINT id, int flag) {
  Record(L"AddTabPage", {::KVOUTSIDE::JournalPtr(page), title, ::KVOUTSIDE::JournalArg(id), ::KVOUTSIDE::JournalArg(flag)});
  if (!page || !page->Create(id, host_.get())) return false;
  pages_.push_back(page);
  return true;
}

CMDITabPage::CMDITabPage(CBCGPMDIFrameWnd *frame, const std::wstring &name)
    : CRecordingMgr(L"MODKIT::MFC::CMDITabPage", name, ::KVOUTSIDE::JournalArgs(frame)), frame_(frame) {}

CMDITabPage::~CMDITabPage() {}

int CMDITabPage::GetTabNum() { return int(tabs_.size()); }

int CMDITabPage::AddTabPage(const CRuntimeClass *viewClass, const CString &title) {
  Record(L"AddTabPage", {viewClass ? ::KVOUTSIDE::JournalArg(viewClass->m_lpszClassName) : L"null", title});
  CWnd *client = frame_ && frame_->IsWindow() ? CWnd::FromHandle(frame_->m_hWndMDIClient) : nullptr;
  CObject *object = client && viewClass ? viewClass->CreateObject() : nullptr;
  std::unique_ptr<CWnd> wnd(dynamic_cast<CWnd *>(object));
  if (!wnd) {
    delete object;
    return -1;
  }
  CRect area;
  client->GetClientRect(&area);
  if (!wnd->Create(nullptr, title.c_str(), WS_CHILD | WS_VISIBLE, area, client, 0)) return -1;
  tabs_.push_back(Tab{nextId_, std::move(wnd)});
  return nextId_++;
}

CWnd *CMDITabPage::FindTab(int id) {
  for (const Tab &tab : tabs_)
    if (tab.id == id) return tab.wnd.get();
  return nullptr;
}

int CMDITabPage::GetActiveTab() { return tabs_.empty() ? -1 : tabs_.back().id; }

void CMDITabPage::CloseAllTabs() {
  Record(L"CloseAllTabs");
  tabs_.clear();
}

}  // namespace MODKIT::MFC

namespace MODKIT::HOOPS {
namespace {

class CSegCmdStandIn : public IHoopsSegCmd, public ::KVOUTSIDE::CRecordingCmd {
 public:
  CSegCmdStandIn(const wchar_t *factory, const std::wstring &name) : CRecordingCmd(factory, name) {}
};

}  // namespace

IHoopsSegCmd *CreateHoopsSegCmd(const std::wstring &name) {
  return new CSegCmdStandIn(L"MODKIT::HOOPS::CreateHoopsSegCmd", name);
}

IHoopsSegCmd *CreateHoopsBoundingBoxSegCmd(const std::wstring &name) {
  return new CSegCmdStandIn(L"MODKIT::HOOPS::CreateHoopsBoundingBoxSegCmd", name);
}

}  // namespace MODKIT::HOOPS
