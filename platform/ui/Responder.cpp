#include "ui/Responder.h"

#include <cwchar>
#include <mutex>

#include "ui/TextEscape.h"
#include "ui/WinConst.h"

namespace KVUI {
namespace {

std::mutex g_lock;
std::vector<BoxRecord> g_shown;
std::function<void(const BoxRecord &)> g_observer;

CScriptedResponder &DefaultResponder() {
  static CScriptedResponder *r = new CScriptedResponder;
  return *r;
}
IResponder *g_responder = nullptr;

const wchar_t *KindName(BoxKind k) {
  switch (k) {
    case BoxKind::MessageBox: return L"message box";
    case BoxKind::Dialog: return L"dialog";
    default: return L"menu";
  }
}

}  // namespace

int ClosingAnswer(UINT flags) {
  switch (flags & 0xF) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
  }
}

CScriptedResponder::CScriptedResponder() = default;
CScriptedResponder::~CScriptedResponder() = default;

void CScriptedResponder::ExpectMessageBox(int answer, std::optional<std::wstring> text) {
  script_.push_back({BoxKind::MessageBox, answer, std::move(text), 0, nullptr});
}

void CScriptedResponder::ExpectDialog(UINT templateId, std::function<int(CDialog &)> act) {
  script_.push_back({BoxKind::Dialog, 0, std::nullopt, templateId, std::move(act)});
}

void CScriptedResponder::ExpectDialog(UINT templateId, int result) {
  script_.push_back({BoxKind::Dialog, result, std::nullopt, templateId, nullptr});
}

void CScriptedResponder::ExpectMenu(UINT choice) {
  script_.push_back({BoxKind::Menu, int(choice), std::nullopt, 0, nullptr});
}

void CScriptedResponder::SetUnexpectedHandler(std::function<void(const BoxRecord &)> handler) {
  unexpected_ = std::move(handler);
}

// Takes the next step when it fits the box; otherwise the box is unexpected
// and the script stays as it is.
bool CScriptedResponder::TakeStep(BoxRecord &box, Step *step) {
  bool fits = !script_.empty() && script_.front().kind == box.kind &&
              (!script_.front().text || *script_.front().text == box.text) &&
              (box.kind != BoxKind::Dialog || script_.front().id == box.id);
  if (!fits) {
    box.expected = false;
    return false;
  }
  *step = std::move(script_.front());
  script_.pop_front();
  return true;
}

void CScriptedResponder::Unexpected(BoxRecord &box, int answer) {
  box.answer = answer;
  if (unexpected_) unexpected_(box);
}

int CScriptedResponder::AnswerMessageBox(BoxRecord &box) {
  Step step;
  if (TakeStep(box, &step)) return step.answer;
  Unexpected(box, ClosingAnswer(box.flags));
  return box.answer;
}

int CScriptedResponder::AnswerDialog(CDialog &dialog, BoxRecord &box) {
  Step step;
  if (TakeStep(box, &step)) return step.act ? step.act(dialog) : step.answer;
  Unexpected(box, IDCANCEL);
  return IDCANCEL;
}

UINT CScriptedResponder::AnswerMenu(BoxRecord &box) {
  Step step;
  if (TakeStep(box, &step)) return UINT(step.answer);
  Unexpected(box, 0);
  return 0;
}

void CScriptedResponder::OnRefusedAnswer(const BoxRecord &box) {
  if (unexpected_) unexpected_(box);
}

void SetResponder(IResponder *responder) {
  std::lock_guard<std::mutex> g(g_lock);
  g_responder = responder;
}

IResponder *GetResponder() {
  std::lock_guard<std::mutex> g(g_lock);
  return g_responder ? g_responder : &DefaultResponder();
}

std::vector<BoxRecord> GetShownBoxes() {
  std::lock_guard<std::mutex> g(g_lock);
  return g_shown;
}

void ClearShownBoxes() {
  std::lock_guard<std::mutex> g(g_lock);
  g_shown.clear();
}

void SetBoxObserver(std::function<void(const BoxRecord &)> observer) {
  std::lock_guard<std::mutex> g(g_lock);
  g_observer = std::move(observer);
}

void RecordBox(const BoxRecord &box) {
  std::function<void(const BoxRecord &)> observer;
  {
    std::lock_guard<std::mutex> g(g_lock);
    g_shown.push_back(box);
    observer = g_observer;
  }
  if (observer) observer(box);
}

std::wstring DescribeBox(const BoxRecord &box, size_t maxChars) {
  wchar_t head[64];
  std::swprintf(head, 64, L" %u flags 0x%X", box.id, box.flags);
  std::wstring s = KindName(box.kind);
  s += head;
  if (!box.text.empty()) s += L" \"" + EscapeText(box.text, maxChars) + L"\"";
  for (const std::wstring &item : box.items) s += L" [" + EscapeText(item, maxChars) + L"]";
  s += L" -> " + std::to_wstring(box.answer);
  if (!box.expected) s += L" (unexpected)";
  return s;
}

}  // namespace KVUI

namespace KVUI {

std::string Utf8(const std::wstring &text) {
  std::string out;
  for (wchar_t wc : text) {
    auto c = std::uint32_t(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace KVUI
