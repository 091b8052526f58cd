#include "ui/Menu.h"

#include <map>
#include <mutex>

#include "ui/Resources.h"
#include "ui/Responder.h"
#include "ui/UiThread.h"

namespace {

struct Handles {
  std::mutex lock;
  std::map<HMENU, CMenu *> live;
  std::uintptr_t next = 0x2000;
};
Handles &handles() {
  static Handles *h = new Handles;
  return *h;
}

void Build(CMenu &menu, const std::vector<KVUI::MenuItem> &items) {
  for (const KVUI::MenuItem &item : items) {
    if (item.flags & MF_POPUP) {
      CMenu sub;
      sub.CreatePopupMenu();
      Build(sub, item.items);
      menu.AppendMenu(item.flags, reinterpret_cast<UINT_PTR>(sub.m_hMenu), item.text.c_str());
    } else {
      menu.AppendMenu(item.flags, item.id, item.text.c_str());
    }
  }
}

}  // namespace

CMenu::CMenu() = default;

CMenu::~CMenu() { DestroyMenu(); }

void CMenu::Attach() {
  Handles &h = handles();
  std::lock_guard<std::mutex> g(h.lock);
  m_hMenu = reinterpret_cast<HMENU>(h.next += 0x10);
  h.live[m_hMenu] = this;
}

CMenu *CMenu::FromHandle(HMENU handle) {
  Handles &h = handles();
  std::lock_guard<std::mutex> g(h.lock);
  auto it = h.live.find(handle);
  return it == h.live.end() ? nullptr : it->second;
}

BOOL CMenu::CreatePopupMenu() {
  if (m_hMenu) return FALSE;
  Attach();
  return TRUE;
}

BOOL CMenu::CreateMenu() { return CreatePopupMenu(); }

BOOL CMenu::LoadMenu(UINT id) {
  const KVUI::MenuTemplate *tpl = KVUI::FindMenuTemplate(id);
  if (!tpl || m_hMenu) return FALSE;
  CreateMenu();
  Build(*this, tpl->items);
  resourceId_ = id;
  for (Item &item : items_)
    if (item.sub) item.sub->resourceId_ = id;
  return TRUE;
}

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  items_.clear();
  Handles &h = handles();
  std::lock_guard<std::mutex> g(h.lock);
  h.live.erase(m_hMenu);
  m_hMenu = nullptr;
  return TRUE;
}

void CMenu::CopyFrom(const CMenu &other) {
  for (const Item &o : other.items_) {
    Item item;
    item.id = o.id;
    item.text = o.text;
    item.flags = o.flags;
    if (o.sub) {
      item.sub = std::make_unique<CMenu>();
      item.sub->CreatePopupMenu();
      item.sub->CopyFrom(*o.sub);
    }
    items_.push_back(std::move(item));
  }
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) {
  if (!m_hMenu) return FALSE;
  Item item;
  item.flags = flags;
  item.text = text ? text : L"";
  if (flags & MF_POPUP) {
    CMenu *src = FromHandle(reinterpret_cast<HMENU>(id));
    if (!src) return FALSE;
    item.sub = std::make_unique<CMenu>();
    item.sub->CreatePopupMenu();
    item.sub->CopyFrom(*src);
    item.sub->resourceId_ = resourceId_;
  } else {
    item.id = UINT(id);
  }
  items_.push_back(std::move(item));
  return TRUE;
}

CMenu *CMenu::GetSubMenu(int pos) const {
  if (pos < 0 || size_t(pos) >= items_.size()) return nullptr;
  return items_[size_t(pos)].sub.get();
}

int CMenu::GetMenuItemCount() const { return m_hMenu ? int(items_.size()) : -1; }

UINT CMenu::GetMenuItemID(int pos) const {
  if (pos < 0 || size_t(pos) >= items_.size()) return UINT(-1);
  const Item &item = items_[size_t(pos)];
  return item.sub ? UINT(-1) : item.id;
}

const CMenu::Item *CMenu::FindById(UINT id) const {
  for (const Item &item : items_) {
    if (item.sub) {
      if (const Item *found = item.sub->FindById(id)) return found;
    } else if (!(item.flags & MF_SEPARATOR) && item.id == id) {
      return &item;
    }
  }
  return nullptr;
}

CMenu::Item *CMenu::FindById(UINT id) {
  return const_cast<Item *>(static_cast<const CMenu *>(this)->FindById(id));
}

int CMenu::GetMenuString(UINT item, CString &text, UINT flags) const {
  const Item *found = nullptr;
  if (flags & MF_BYPOSITION)
    found = item < items_.size() ? &items_[item] : nullptr;
  else
    found = FindById(item);
  text = found ? found->text : std::wstring();
  return int(text.size());
}

UINT CMenu::EnableMenuItem(UINT id, UINT enable) {
  Item *item = FindById(id);
  if (!item) return UINT(-1);
  UINT old = item->flags & (MF_GRAYED | MF_DISABLED);
  item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return old;
}

UINT CMenu::CheckMenuItem(UINT id, UINT check) {
  Item *item = FindById(id);
  if (!item) return UINT(-1);
  UINT old = item->flags & MF_CHECKED;
  item->flags = (item->flags & ~MF_CHECKED) | (check & MF_CHECKED);
  return old;
}

void CMenu::Describe(std::vector<std::wstring> &lines, const std::wstring &indent) const {
  for (const Item &item : items_) {
    if (item.flags & MF_SEPARATOR) {
      lines.push_back(indent + L"-");
    } else if (item.sub) {
      lines.push_back(indent + item.text);
      item.sub->Describe(lines, indent + L"> ");
    } else {
      std::wstring line = indent + std::to_wstring(item.id) + L" " + item.text;
      if (item.flags & (MF_GRAYED | MF_DISABLED)) line += L" (disabled)";
      if (item.flags & MF_CHECKED) line += L" (checked)";
      lines.push_back(line);
    }
  }
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd *owner, LPCRECT) {
  KVUI::AssertUiThread("TrackPopupMenu");
  if (!m_hMenu || !owner || !owner->m_hWnd) return FALSE;
  KVUI::BoxRecord box;
  box.kind = KVUI::BoxKind::Menu;
  box.flags = flags;
  box.id = resourceId_;
  box.point = CPoint(x, y);
  Describe(box.items, L"");
  KVUI::IResponder *responder = KVUI::GetResponder();
  UINT choice = responder->AnswerMenu(box);
  const Item *item = choice ? FindById(choice) : nullptr;
  if (choice && (!item || (item->flags & (MF_GRAYED | MF_DISABLED)))) {
    box.expected = false;  // not an item the user could choose
    box.answer = int(choice);
    responder->OnRefusedAnswer(box);
    choice = 0;
  }
  box.answer = int(choice);
  KVUI::RecordBox(box);
  if (flags & TPM_RETURNCMD) return BOOL(choice);
  if (choice) owner->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(choice), 0), 0);
  return TRUE;
}
