#include "ui/Ribbon.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "ui/App.h"
#include "ui/UiThread.h"

IMPLEMENT_DYNAMIC(CBCGPBaseRibbonElement, CObject)
IMPLEMENT_DYNAMIC(CBCGPRibbonButton, CBCGPBaseRibbonElement)
IMPLEMENT_DYNAMIC(CBCGPRibbonColorButton, CBCGPRibbonButton)
IMPLEMENT_DYNAMIC(CBCGPRibbonBar, CWnd)

namespace {

std::vector<CBCGPRibbonBar *> &Bars() {
  static auto *bars = new std::vector<CBCGPRibbonBar *>;
  return *bars;
}

std::mutex g_namesLock;
std::map<COLORREF, std::wstring> &ColorNames() {
  static auto *names = new std::map<COLORREF, std::wstring>;
  return *names;
}

CBCGPBaseRibbonElement *FindIn(const std::vector<CBCGPBaseRibbonElement *> &items,
                               bool (*match)(const CBCGPBaseRibbonElement *, const void *), const void *key) {
  for (CBCGPBaseRibbonElement *e : items) {
    if (match(e, key)) return e;
    if (auto *b = dynamic_cast<CBCGPRibbonButton *>(e))
      if (CBCGPBaseRibbonElement *found = FindIn(b->GetSubItems(), match, key)) return found;
  }
  return nullptr;
}

void Describe(const std::vector<CBCGPBaseRibbonElement *> &items, const std::wstring &indent,
              std::vector<std::wstring> &lines) {
  for (const CBCGPBaseRibbonElement *e : items) {
    std::wstring line = indent + std::to_wstring(e->GetID()) + L" " + e->GetName() + L": " +
                        (e->IsDisabled() ? L"disabled" : L"enabled");
    if (e->IsChecked()) line += L", checked";
    lines.push_back(line);
    if (auto *b = dynamic_cast<const CBCGPRibbonButton *>(e)) Describe(b->GetSubItems(), indent + L"> ", lines);
  }
}

}  // namespace

// Elements.

CBCGPBaseRibbonElement::CBCGPBaseRibbonElement() = default;
CBCGPBaseRibbonElement::~CBCGPBaseRibbonElement() = default;

void CBCGPBaseRibbonElement::OnUpdateCmdUI(CBCGPRibbonCmdUI *ui, CFrameWnd *target, BOOL disableIfNoHandler) {
  if (!ui || !target || id_ == 0) return;
  ui->m_pUpdated = this;
  ui->m_nID = id_;
  ui->DoUpdate(target, disableIfNoHandler);
  ui->m_pUpdated = nullptr;
}

BOOL CBCGPBaseRibbonElement::Click() {
  if (disabled_ || id_ == 0 || !bar_) return FALSE;
  CWnd *target = bar_->GetTarget();
  return target && target->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(id_), 0), 0);
}

CBCGPRibbonButton::CBCGPRibbonButton(UINT id, LPCTSTR text, int smallImage, int largeImage)
    : smallImage_(smallImage), largeImage_(largeImage) {
  id_ = id;
  SetText(text);
}

CBCGPRibbonButton::~CBCGPRibbonButton() { RemoveAllSubItems(); }

void CBCGPRibbonButton::SetParentRibbonBar(CBCGPRibbonBar *bar) {
  bar_ = bar;
  for (CBCGPBaseRibbonElement *e : subItems_) e->SetParentRibbonBar(bar);
}

void CBCGPRibbonButton::AddSubItem(CBCGPBaseRibbonElement *item, int index) {
  if (!item) return;
  item->parent_ = this;
  item->SetParentRibbonBar(bar_);
  if (index < 0 || size_t(index) >= subItems_.size())
    subItems_.push_back(item);
  else
    subItems_.insert(subItems_.begin() + index, item);
}

BOOL CBCGPRibbonButton::RemoveSubItem(int index) {
  if (index < 0 || size_t(index) >= subItems_.size()) return FALSE;
  delete subItems_[size_t(index)];
  subItems_.erase(subItems_.begin() + index);
  return TRUE;
}

void CBCGPRibbonButton::RemoveAllSubItems() {
  for (CBCGPBaseRibbonElement *e : subItems_) delete e;
  subItems_.clear();
}

CBCGPRibbonColorButton::CBCGPRibbonColorButton(UINT id, LPCTSTR text, int smallImage, COLORREF color)
    : CBCGPRibbonButton(id, text, smallImage), color_(color) {}

void CBCGPRibbonColorButton::AddColorsGroup(LPCTSTR name, const CList<COLORREF, COLORREF> &colors,
                                            BOOL contiguousColumns) {
  ColorGroup g;
  g.name = name ? name : L"";
  g.colors.assign(colors.begin(), colors.end());
  g.contiguousColumns = contiguousColumns != FALSE;
  groups_.push_back(std::move(g));
}

void CBCGPRibbonColorButton::SetColorName(COLORREF color, const CString &name) {
  std::lock_guard<std::mutex> g(g_namesLock);
  ColorNames()[color] = name;
}

CString CBCGPRibbonColorButton::GetColorName(COLORREF color, bool *named) {
  std::lock_guard<std::mutex> g(g_namesLock);
  auto it = ColorNames().find(color);
  if (named) *named = it != ColorNames().end();
  return it == ColorNames().end() ? CString() : CString(it->second);
}

void CBCGPRibbonColorButton::EnableOtherButton(LPCTSTR label, LPCTSTR toolTip) {
  other_ = true;
  otherLabel_ = label ? label : L"";
  otherToolTip_ = toolTip ? toolTip : L"";
}

BOOL CBCGPRibbonColorButton::ChooseColor(COLORREF color) {
  if (disabled_) return FALSE;
  color_ = color;
  return Click();
}

// The update object.

void CBCGPRibbonCmdUI::Enable(BOOL on) {
  CCmdUI::Enable(on);
  if (m_pUpdated) m_pUpdated->disabled_ = !on;
}

void CBCGPRibbonCmdUI::SetCheck(int check) {
  CCmdUI::SetCheck(check);
  if (m_pUpdated) m_pUpdated->checked_ = check != 0;
}

void CBCGPRibbonCmdUI::SetText(LPCTSTR text) {
  CCmdUI::SetText(text);
  if (m_pUpdated) m_pUpdated->SetText(text);
}

// The bar.

CBCGPRibbonBar::CBCGPRibbonBar() { Bars().push_back(this); }

CBCGPRibbonBar::~CBCGPRibbonBar() {
  auto &bars = Bars();
  bars.erase(std::remove(bars.begin(), bars.end(), this), bars.end());
  for (CBCGPBaseRibbonElement *e : elements_) delete e;
}

BOOL CBCGPRibbonBar::Create(CWnd *parent, DWORD style, UINT id) {
  return CWnd::Create(L"BCGPRibbonBar", L"", style, CRect(0, 0, 1280, 120), parent, id);
}

void CBCGPRibbonBar::AddElement(CBCGPBaseRibbonElement *element) {
  if (!element) return;
  element->SetParentRibbonBar(this);
  elements_.push_back(element);
}

CBCGPBaseRibbonElement *CBCGPRibbonBar::FindByID(UINT id, BOOL, BOOL) const {
  if (id == 0) return nullptr;
  return FindIn(
      elements_, [](const CBCGPBaseRibbonElement *e, const void *k) { return e->GetID() == *static_cast<const UINT *>(k); },
      &id);
}

CBCGPBaseRibbonElement *CBCGPRibbonBar::FindByName(const std::wstring &name) const {
  if (name.empty()) return nullptr;
  return FindIn(
      elements_,
      [](const CBCGPBaseRibbonElement *e, const void *k) { return e->GetName() == *static_cast<const std::wstring *>(k); },
      &name);
}

void CBCGPRibbonBar::ToggleMimimizeState() {
  minimized_ = !minimized_;
  Invalidate();
}

void CBCGPRibbonBar::OnUpdateCmdUI(CFrameWnd *target, BOOL disableIfNoHandler) {
  KVUI::AssertUiThread("ribbon command-update pass");
  for (CBCGPBaseRibbonElement *e : std::vector<CBCGPBaseRibbonElement *>(elements_)) {
    CBCGPRibbonCmdUI ui;
    e->OnUpdateCmdUI(&ui, target, disableIfNoHandler);
  }
}

CWnd *CBCGPRibbonBar::GetTarget() const {
  if (owner_) return owner_;
  for (CWnd *p = GetParent(); p; p = p->GetParent())
    if (dynamic_cast<CFrameWnd *>(p)) return p;
  return AfxGetMainWnd();
}

std::vector<CBCGPRibbonBar *> CBCGPRibbonBar::GetAllBars() { return Bars(); }

namespace KVUI {

void UpdateRibbonBars(CFrameWnd *target) {
  for (CBCGPRibbonBar *bar : CBCGPRibbonBar::GetAllBars()) bar->OnUpdateCmdUI(target, TRUE);
}

std::vector<std::wstring> DescribeRibbon(const CBCGPRibbonBar &bar) {
  std::vector<std::wstring> lines;
  Describe(bar.GetElements(), L"", lines);
  return lines;
}

}  // namespace KVUI
