#include "modula/Modula.h"

#include <pugixml.hpp>

#include "ui/App.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"

namespace MODKIT::MFC {

class CRibbonMenuMgr::CRibbon : public GUI::IGUIRibbon {
 public:
  explicit CRibbon(CWnd *frame) {
    bar_.Create(frame);
    bar_.SetOwner(frame);
    pugi::xml_document doc;
    const std::string path = WRENCH::ConvertGBKToUtf8(WRENCH::GetSysRoot() + L"config/system/CmdIds.xml");
    if (!doc.load_file(path.c_str())) return;
    for (pugi::xml_node cmd : doc.child("KvCmdIds").children("Cmd")) {
      const UINT id = cmd.attribute("id").as_uint(0);
      const std::wstring name = WRENCH::UTF8ToUnicode(cmd.attribute("name").value());
      if (!id || name.empty()) continue;
      CBCGPRibbonButton *button = name == L"AppCmd_DimMarkColor" ? new CBCGPRibbonColorButton(id, name.c_str())
                                                                 : new CBCGPRibbonButton(id, name.c_str());
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

CMDITabPage::CMDITabPage(CBCGPMDIFrameWnd *frame, const std::wstring &name)
    : CRecordingMgr(L"MODKIT::MFC::CMDITabPage", name, ::KVOUTSIDE::JournalArgs(frame)), frame_(frame) {}

CMDITabPage::~CMDITabPage() {
  for (auto &tab : tabs_)
    if (tab.second->IsWindow()) tab.second->DestroyWindow();
}

int CMDITabPage::AddTabPage(CRuntimeClass *viewClass, const CString &title) {
  Record(L"AddTabPage", {viewClass ? ::KVOUTSIDE::JournalArg(viewClass->m_lpszClassName) : L"null",
                         std::wstring(title)});
  std::unique_ptr<CWnd> view;
  if (viewClass) view.reset(dynamic_cast<CWnd *>(viewClass->CreateObject()));
  if (!view) view = std::make_unique<CView>();
  CWnd *parent = frame_ && frame_->m_hWndMDIClient ? CWnd::FromHandle(frame_->m_hWndMDIClient) : nullptr;
  CRect rect(0, 0, 0, 0);
  if (parent) parent->GetClientRect(&rect);
  const int id = nextId_++;
  view->Create(nullptr, title, parent ? WS_CHILD | WS_VISIBLE : WS_VISIBLE, rect, parent, UINT(id));
  tabs_[id] = std::move(view);
  active_ = id;
  return id;
}

CWnd *CMDITabPage::FindTab(int id) {
  auto found = tabs_.find(id);
  return found == tabs_.end() ? nullptr : found->second.get();
}

int CMDITabPage::GetActiveTab() { return active_; }

int CMDITabPage::GetTabNum() { return int(tabs_.size()); }

void CMDITabPage::CloseAllTabs() {
  Record(L"CloseAllTabs");
  for (auto &tab : tabs_)
    if (tab.second->IsWindow()) tab.second->DestroyWindow();
  tabs_.clear();
  active_ = -1;
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
