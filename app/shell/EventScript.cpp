#include "EventScript.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "MainFrame.h"
#include "KvCoreData.h"
#include "journal/Answers.h"
#include "keel/web/IWebMgr.h"
#include "keel/web/IWebServ.h"
#include "kvwalkproc/KVWalkProc.h"
#include "keel/KeelOutside.h"
#include "modula/Modula.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/Afx.h"
#include "ui/Hooks.h"
#include "wrench/TextConvert.h"

namespace KVSHELL {
namespace {

std::vector<std::string> Words(const std::string &line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// The words from `from` on, joined by one blank.
std::string Rest(const std::vector<std::string> &words, size_t from) {
  std::string text;
  for (size_t i = from; i < words.size(); ++i) text += (i > from ? " " : "") + words[i];
  return text;
}

std::wstring Wide(const std::string &text) { return WRENCH::UTF8ToUnicode(text); }

std::wstring ObjectName(const std::string &text) {
  std::wstring name = Wide(text);
  for (size_t at; (at = name.find(L"\\s")) != std::wstring::npos;) name.replace(at, 2, L" ");
  return name;
}

bool Number(const std::string &text, long long &value) {
  try {
    size_t used = 0;
    value = std::stoll(text, &used, 0);
    return used == text.size();
  } catch (...) {
    return false;
  }
}

bool Button(const std::string &text, int &button) {
  static const std::pair<const char *, int> kButtons[] = {
      {"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}, {"abort", IDABORT},
      {"retry", IDRETRY}, {"ignore", IDIGNORE}};
  for (const auto &b : kButtons)
    if (text == b.first) return button = b.second, true;
  long long n = 0;
  if (!Number(text, n)) return false;
  button = int(n);
  return true;
}

// A key by number, letter or name; 0 when unknown.
UINT Key(const std::string &text) {
  static const std::pair<const char *, UINT> kKeys[] = {
      {"ctrl", VK_CONTROL}, {"shift", VK_SHIFT}, {"delete", VK_DELETE}, {"escape", VK_ESCAPE}};
  for (const auto &k : kKeys)
    if (text == k.first) return k.second;
  if (text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0])))
    return UINT(std::toupper(static_cast<unsigned char>(text[0])));
  long long n = 0;
  return Number(text, n) && n > 0 && n < 256 ? UINT(n) : 0;
}

// The window of the 3D view tab, or null.
CWnd *View3D() {
  auto *tabs = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(g_pKvCoreData, L"AppMDITabPageMgr");
  return tabs ? tabs->FindTab(nViewId) : nullptr;
}

// Posts a message of the 3D view: `words` are view <what> [numbers...].
bool ViewEvent(const std::vector<std::string> &words, std::string &error) {
  static const std::pair<const char *, UINT> kMouse[] = {
      {"ldown", WM_LBUTTONDOWN}, {"lup", WM_LBUTTONUP},         {"ldblclk", WM_LBUTTONDBLCLK},
      {"rdown", WM_RBUTTONDOWN}, {"rup", WM_RBUTTONUP},         {"rdblclk", WM_RBUTTONDBLCLK},
      {"mdown", WM_MBUTTONDOWN}, {"mup", WM_MBUTTONUP},         {"mdblclk", WM_MBUTTONDBLCLK},
      {"move", WM_MOUSEMOVE}};
  CWnd *view = View3D();
  if (!view) return error = "there is no 3D view", false;
  const std::string &what = words[1];
  std::vector<long long> n;
  for (size_t i = 2; i < words.size() && (what != "keydown" && what != "keyup"); ++i) {
    long long value = 0;
    if (!Number(words[i], value)) return error = "numbers expected", false;
    n.push_back(value);
  }
  for (const auto &m : kMouse) {
    if (what != m.first) continue;
    if (n.size() != 2 && n.size() != 3) return error = "view " + what + " <x> <y> [flags]", false;
    view->PostMessage(m.second, WPARAM(n.size() > 2 ? n[2] : 0), MAKELPARAM(WORD(n[0]), WORD(n[1])));
    return true;
  }
  if (what == "wheel" && (n.size() == 3 || n.size() == 4)) {
    view->PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(WORD(n.size() > 3 ? n[3] : 0), WORD(short(n[0]))),
                      MAKELPARAM(WORD(n[1]), WORD(n[2])));
    return true;
  }
  if ((what == "keydown" || what == "keyup") && words.size() == 3) {
    const UINT key = Key(words[2]);
    if (!key) return error = "unknown key " + words[2], false;
    view->PostMessage(what == "keydown" ? WM_KEYDOWN : WM_KEYUP, WPARAM(key), MAKELPARAM(1, 0));
    return true;
  }
  if (what == "paint" && n.empty()) {
    view->PostMessage(WM_PAINT);
    return true;
  }
  if (what == "size" && n.size() == 2) {
    view->MoveWindow(0, 0, int(n[0]), int(n[1]));
    return true;
  }
  return error = "not a view event: " + what, false;
}

KVUI::CScriptedResponder &Responder() {
  static KVUI::CScriptedResponder responder;
  return responder;
}

}  // namespace

CEventScript::CEventScript(std::istream &in, std::ostream &out) : in_(in), out_(out) {
  KVUI::SetResponder(&Responder());
}

bool CEventScript::NextLine(std::string &line) {
  if (hasPending_) {
    hasPending_ = false;
    line = pending_;
    return true;
  }
  while (std::getline(in_, line)) {
    ++lineNo_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto words = Words(line);
    if (!words.empty() && words[0][0] != '#') return true;
  }
  return false;
}

void CEventScript::Prelude() {
  static const char *const kBeforeStart[] = {"answer", "dialog", "menu", "set", "push", "print"};
  std::string line;
  while (NextLine(line)) {
    const std::string verb = Words(line)[0];
    bool early = false;
    for (const char *v : kBeforeStart) early = early || verb == v;
    if (!early) {
      pending_ = line;
      hasPending_ = true;
      return;
    }
    Run(line);
  }
}

void CEventScript::Run(const std::string &line) {
  out_ << "> " << line << "\n";
  std::string error;
  if (!RunLine(line, error)) out_ << "! line " << lineNo_ << ": " << error << "\n";
  out_.flush();
}

void CEventScript::Start() {
  KVUI::PostTask([this] { Step(); });
}

CMainFrame *CEventScript::Frame() const { return dynamic_cast<CMainFrame *>(AfxGetMainWnd()); }

// Prints a call's result when the host reports its completion (on the
// user-interface thread, before a failure goes to the web-error observer),
// then lets the script go on after that report.
class CEventScript::CCallWatch : public KEEL::WEB::IWSObserver {
 public:
  CCallWatch(CEventScript &script, std::string name, boost::shared_ptr<KEEL::WEB::IWebServ> serv)
      : script_(script), name_(std::move(name)), serv_(std::move(serv)) {}
  void NotifyWSEvent(KEEL::WEB::IWebServ *serv) override {
    KEEL::WEB::WebServError result;
    serv->GetServError(result);
    script_.out_ << "call: " << name_ << " code " << result.code;
    if (!result.faultMessage.empty()) script_.out_ << " fault " << KVUI::Utf8(result.faultMessage);
    script_.out_ << "\n";
    script_.out_.flush();
    script_.waiting_ = false;
    // The host's task keeps the operation while it reports; this watch
    // goes once the report is over.
    CEventScript *script = &script_;
    KVUI::PostTask([script] {
      script->call_.reset();
      script->Step();
    });
  }

 private:
  CEventScript &script_;
  std::string name_;
  boost::shared_ptr<KEEL::WEB::IWebServ> serv_;
};

void CEventScript::Step() {
  std::string line;
  if (NextLine(line)) {
    Run(line);
    // The next event runs after what this one posted (a call: after its
    // report).
    if (!waiting_) KVUI::PostTask([this] { Step(); });
    return;
  }
  out_ << "# end of script\n";
  out_.flush();
  if (Frame() && Frame()->IsWindow()) {
    out_ << "# the window is still open\n";
    KVUI::PostQuit(0);
  }
}

bool CEventScript::RunLine(const std::string &line, std::string &error) {
  const auto words = Words(line);
  const std::string &verb = words[0];
  CMainFrame *frame = Frame();
  auto needFrame = [&]() {
    if (frame && frame->IsWindow()) return true;
    error = "the main window is closed";
    return false;
  };
  long long n = 0;
  if (verb == "answer" && words.size() == 2) {
    int button = 0;
    if (!Button(words[1], button)) return error = "unknown button " + words[1], false;
    Responder().ExpectMessageBox(button);
    return true;
  }
  if (verb == "dialog" && words.size() == 3 && Number(words[1], n)) {
    int button = 0;
    if (!Button(words[2], button)) return error = "unknown button " + words[2], false;
    Responder().ExpectDialog(UINT(n), button);
    return true;
  }
  if (verb == "menu" && words.size() == 2 && Number(words[1], n)) {
    Responder().ExpectMenu(UINT(n));
    return true;
  }
  if ((verb == "set" || verb == "push") && words.size() >= 3) {
    auto &answers = KVOUTSIDE::CAnswers::Instance();
    const std::wstring object = ObjectName(words[1]), op = Wide(words[2]), value = Wide(Rest(words, 3));
    if (verb == "set")
      answers.Set(object, op, value);
    else
      answers.Push(object, op, value);
    return true;
  }
  if (verb == "command" && words.size() == 2 && Number(words[1], n)) {
    if (!needFrame()) return false;
    frame->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(n), 0), 0);
    return true;
  }
  if ((verb == "update" || verb == "ribbon") && words.size() == 1) {
    if (!needFrame()) return false;
    if (verb == "update") KVUI::UpdateRibbonBars(frame);
    for (CBCGPRibbonBar *bar : CBCGPRibbonBar::GetAllBars())
      for (const std::wstring &row : KVUI::DescribeRibbon(*bar)) out_ << "ribbon: " << KVUI::Utf8(row) << "\n";
    return true;
  }
  if (verb == "status" && words.size() == 1) {
    if (!needFrame()) return false;
    for (CWnd *child : frame->GetChildren()) {
      auto *bar = dynamic_cast<CBCGPStatusBar *>(child);
      if (!bar) continue;
      for (int i = 0; i < bar->GetCount(); ++i)
        out_ << "status: " << i << " " << KVUI::Utf8(bar->GetPaneText(i)) << " (" << bar->GetPaneWidth(i) << ")\n";
    }
    return true;
  }
  if (verb == "copydata" && words.size() >= 2 && Number(words[1], n)) {
    if (!needFrame()) return false;
    std::string text = Rest(words, 2);
    COPYDATASTRUCT data;
    data.dwData = ULONG_PTR(n);
    data.cbData = DWORD(text.size());
    data.lpData = text.empty() ? nullptr : &text[0];
    const LRESULT result = frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    out_ << "copydata: " << result << "\n";
    return true;
  }
  if (verb == "message" && words.size() >= 2 && words.size() <= 4 && Number(words[1], n)) {
    if (!needFrame()) return false;
    long long w = 0, l = 0;
    if ((words.size() > 2 && !Number(words[2], w)) || (words.size() > 3 && !Number(words[3], l)))
      return error = "numbers expected", false;
    frame->PostMessage(UINT(n), WPARAM(w), LPARAM(l));
    return true;
  }
  if (verb == "call" && words.size() == 2) {
    auto *web = KEEL::FRAME::GetManagerAs<KEEL::WEB::IWebMgr>(g_pKvCoreData, L"AppWebServiceMgr");
    boost::shared_ptr<KEEL::WEB::IWebServ> serv = web ? web->GetWebServ(Wide(words[1])) : nullptr;
    if (!serv) return error = "no operation " + words[1], false;
    call_ = std::make_shared<CCallWatch>(*this, words[1], serv);
    serv->SetObserver(call_.get(), 0);
    waiting_ = true;
    serv->Start();
    return true;
  }
  if (verb == "load" && words.size() == 3 && Number(words[1], n)) {
    long long id = 0;
    if (!Number(words[2], id)) return error = "a number expected", false;
    auto *project =
        KEEL::FRAME::GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(g_pKvCoreData, L"MoxCurProjectMgr");
    if (!project) return error = "no MoxCurProjectMgr", false;
    MOXMANAGERS::MOXCURPROJ::StOpenInfo info;
    info.nOpenType = int(n);
    info.nOpenId = int(id);
    const bool loaded = project->LoadProject(info);
    out_ << "load: " << (loaded ? "true" : "false") << "\n";
    return true;
  }
  if (verb == "view" && words.size() >= 2) return ViewEvent(words, error);
  if (verb == "hold" && words.size() == 3 && (words[2] == "down" || words[2] == "up")) {
    const UINT key = Key(words[1]);
    if (!key) return error = "unknown key " + words[1], false;
    KVUI::SetKeyDown(int(key), words[2] == "down");
    return true;
  }
  if (verb == "colormode" && (words.size() == 2 || words.size() == 3) && Number(words[1], n)) {
    long long flag = 0;
    if (words.size() == 3 && !Number(words[2], flag)) return error = "a number expected", false;
    using KEEL::HOOPSDATACOLOR::IColorModeObj;
    auto *colors = dynamic_cast<KEEL::UTILITY::CSubject<IColorModeObj> *>(
        g_pKvCoreData ? g_pKvCoreData->GetManager(L"HoopsDataColorMgr") : nullptr);
    if (!colors) return error = "no HoopsDataColorMgr", false;
    KEEL::HOOPSDATACOLOR::StColorModeInfo info;
    info.nMode = int(n);
    info.bFlag = flag != 0;
    colors->Notify(8, [&](IColorModeObj *observer) { observer->OnColorModeChange(info); });
    return true;
  }
  if (verb == "print") {
    out_ << Rest(words, 1) << "\n";
    return true;
  }
  if (verb == "close" && words.size() == 1) {
    if (!needFrame()) return false;
    frame->PostMessage(WM_CLOSE);
    return true;
  }
  error = "not an event: " + line;
  return false;
}

}  // namespace KVSHELL
