#include "EventScript.h"

#include "CallResult.h"
#include "MainFrame.h"
#include "KvCoreData.h"
#include "journal/Answers.h"
#include "keel/web/AppWebServiceMgr.h"
#include "keel/web/IWebMgr.h"
#include "keel/web/IWebServ.h"
#include "kvwalkproc/KVWalkProc.h"
#include "keel/KeelOutside.h"
#include "modula/Modula.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/Afx.h"
#include "ui/Hooks.h"
#include "ui/TextEscape.h"
#include "wrench/TextConvert.h"

namespace KVSHELL {
namespace {

std::wstring Wide(const std::string &text) { return WRENCH::UTF8ToUnicode(text); }

std::wstring ObjectName(const std::string &text) {
  std::wstring name = Wide(text);
  for (size_t at; (at = name.find(L"\\s")) != std::wstring::npos;) name.replace(at, 2, L" ");
  return name;
}

// The window of the 3D view tab, or null.
CWnd *View3D() {
  auto *tabs = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(g_pKvCoreData, L"AppMDITabPageMgr");
  return tabs ? tabs->FindTab(nViewId) : nullptr;
}

KVUI::CScriptedResponder &Responder() {
  static KVUI::CScriptedResponder responder;
  return responder;
}

// Checked numbers as the types they were checked for.
WORD Word(std::uint64_t n) { return WORD(n); }
short Short(std::uint64_t n) { return short(std::int64_t(n)); }
int Int(std::uint64_t n) { return int(std::int64_t(n)); }

}  // namespace

CEventScript::CEventScript(CTranscript &transcript, std::ostream &errors) : out_(transcript), errors_(errors) {
  KVUI::SetResponder(&Responder());
}

bool CEventScript::Load(std::istream &in, const std::string &name) {
  std::string text;
  for (std::string line; std::getline(in, line);) text += line + "\n";
  if (in.bad()) {
    errors_ << name << ": cannot be read\n";
    return false;
  }
  return Load(std::move(text), name);
}

bool CEventScript::Load(std::string text, const std::string &name) {
  name_ = name;
  text_ = std::move(text);
  next_ = Cursor();
  bool good = true;
  Cursor cursor;
  ScriptEvent event;
  for (std::string line; NextLine(cursor, line);) {
    std::string error;
    if (!ParseEvent(line, event, error)) {
      Error(cursor.number, error);
      good = false;
    }
  }
  return good;
}

bool CEventScript::NextLine(Cursor &cursor, std::string &text) const {
  if (cursor.at >= text_.size()) return false;
  size_t end = text_.find('\n', cursor.at);
  if (end == std::string::npos) end = text_.size();
  text.assign(text_, cursor.at, end - cursor.at);
  cursor.at = end + 1;
  if (++cursor.number == 1 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return true;
}

bool CEventScript::Peek(Line &line, Cursor &after) const {
  after = next_;
  std::string text, error;
  while (NextLine(after, text)) {
    // Every line was checked when the script was loaded.
    if (!ParseEvent(text, line.event, error) || line.event.kind == EventKind::None) continue;
    line.number = after.number;
    return true;
  }
  return false;
}

void CEventScript::Error(std::uint32_t number, const std::string &what) {
  errors_ << (name_ + ":" + std::to_string(number) + ": " + what + "\n");
}

void CEventScript::Prelude() {
  Line line;
  Cursor after;
  while (Peek(line, after) && RunsBeforeStart(line.event.kind)) {
    next_ = after;
    Run(line);
  }
}

void CEventScript::Run(const Line &line) {
  out_.Line("> ", line.event.text);
  std::string error;
  runningLine_ = line.number;
  if (!RunEvent(line.event, error)) {
    ++failures_;
    out_.Flush();
    Error(line.number, error);
  }
  out_.Flush();
}

void CEventScript::Skip(const std::string &why) {
  Line line;
  for (Cursor after; Peek(line, after); next_ = after) {
    out_.Line("> ", line.event.text);
    ++failures_;
    out_.Flush();
    Error(line.number, why);
  }
}

bool CEventScript::MainWindowOpen() const {
  CMainFrame *frame = Frame();
  return frame && frame->IsWindow();
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
  /// Once this returns, no report reaches the script.
  void Detach() { serv_->SetObserver(nullptr, 0); }
  /// The event, as an error names it.
  std::string What() const { return "call " + name_; }
  void NotifyWSEvent(KEEL::WEB::IWebServ *serv) override {
    KEEL::WEB::WebServError result;
    serv->GetServError(result);
    std::wstring text = L" code " + std::to_wstring(result.code);
    if (!result.faultMessage.empty())
      text += L" fault " + KVUI::EscapeText(result.faultMessage, CTranscript::kMaxFieldChars);
    else if (result.code == 0)
      text += L" result " + DescribeCallResult(Wide(name_), serv->GetOutput());
    script_.out_.Entry("call: " + name_, text);
    script_.out_.Flush();
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

void CEventScript::LoopEnded() {
  const std::string why = MainWindowOpen() ? "the message loop ended" : "the main window is closed";
  if (waiting_) {
    // No report of it reaches the script from here on.
    call_->Detach();
    waiting_ = false;
    ++failures_;
    out_.Flush();
    Error(runningLine_, call_->What() + " did not finish: " + why);
  }
  Skip(why);
}

void CEventScript::Step() {
  // Whatever the last event posted runs first (and what that posts).
  if (KVUI::QueuedCount() > 0) {
    KVUI::PostTask([this] { Step(); });
    return;
  }
  // The loop ends once the main window is gone: what is left cannot run.
  if (!MainWindowOpen()) Skip("the main window is closed");
  Line line;
  Cursor after;
  if (Peek(line, after)) {
    next_ = after;
    Run(line);
    // A call goes on from its report.
    if (!waiting_) KVUI::PostTask([this] { Step(); });
    return;
  }
  out_.Line("# end of script");
  if (MainWindowOpen()) {
    out_.Line("# the window is still open");
    KVUI::PostQuit(0);
  }
  out_.Flush();
}

bool CEventScript::RunEvent(const ScriptEvent &event, std::string &error) {
  const std::vector<std::uint64_t> &n = event.numbers;
  CMainFrame *frame = Frame();
  auto needFrame = [&]() {
    if (frame && frame->IsWindow()) return true;
    error = "the main window is closed";
    return false;
  };
  switch (event.kind) {
    case EventKind::None:
      return true;
    case EventKind::Answer:
      Responder().ExpectMessageBox(Int(n[0]));
      return true;
    case EventKind::Dialog:
      Responder().ExpectDialog(UINT(n[0]), Int(n[1]));
      return true;
    case EventKind::Menu:
      Responder().ExpectMenu(UINT(n[0]));
      return true;
    case EventKind::Set:
    case EventKind::Push: {
      auto &answers = KVOUTSIDE::CAnswers::Instance();
      const std::wstring object = ObjectName(event.word), op = Wide(event.op), value = Wide(event.rest);
      if (event.kind == EventKind::Set)
        answers.Set(object, op, value);
      else
        answers.Push(object, op, value);
      return true;
    }
    case EventKind::Command:
      if (!needFrame()) return false;
      if (!frame->HandlesCommand(Word(n[0]))) return error = "nothing handles command " + std::to_string(n[0]), false;
      frame->PostMessage(WM_COMMAND, MAKEWPARAM(Word(n[0]), 0), 0);
      return true;
    case EventKind::Update:
    case EventKind::Ribbon:
      if (!needFrame()) return false;
      if (event.kind == EventKind::Update) KVUI::UpdateRibbonBars(frame);
      for (CBCGPRibbonBar *bar : CBCGPRibbonBar::GetAllBars())
        for (const std::wstring &row : KVUI::DescribeRibbon(*bar)) out_.Line("ribbon: ", row);
      return true;
    case EventKind::Status:
      if (!needFrame()) return false;
      for (CWnd *child : frame->GetChildren()) {
        auto *bar = dynamic_cast<CBCGPStatusBar *>(child);
        if (!bar) continue;
        for (int i = 0; i < bar->GetCount(); ++i)
          out_.Entry("status: " + std::to_string(i) + " ",
                     KVUI::EscapeText(bar->GetPaneText(i), CTranscript::kMaxFieldChars) + L" (" +
                         std::to_wstring(bar->GetPaneWidth(i)) + L")");
      }
      return true;
    case EventKind::CopyData: {
      if (!needFrame()) return false;
      std::string text = event.rest;
      COPYDATASTRUCT data;
      data.dwData = ULONG_PTR(n[0]);
      data.cbData = DWORD(text.size());
      data.lpData = text.empty() ? nullptr : &text[0];
      const LRESULT result = frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
      out_.Line("copydata: " + std::to_string(result));
      return true;
    }
    case EventKind::Message:
      if (!needFrame()) return false;
      frame->PostMessage(UINT(n[0]), WPARAM(n[1]), LPARAM(std::int64_t(n[2])));
      return true;
    case EventKind::Call: {
      auto *web = KEEL::FRAME::GetManagerAs<KEEL::WEB::IWebMgr>(g_pKvCoreData, L"AppWebServiceMgr");
      boost::shared_ptr<KEEL::WEB::IWebServ> serv = web ? web->GetWebServ(Wide(event.word)) : nullptr;
      if (!serv) {
        // A host without its library says why it has no operation.
        auto *host = dynamic_cast<KEEL::WEB::CAppWebServiceMgr *>(web);
        error = host ? host->GetLoadError() : std::string();
        if (error.empty()) error = "the web-service host has no operation " + event.word;
        return false;
      }
      call_ = std::make_shared<CCallWatch>(*this, event.word, serv);
      serv->SetObserver(call_.get(), 0);
      waiting_ = true;
      serv->Start();
      return true;
    }
    case EventKind::Load: {
      auto *project =
          KEEL::FRAME::GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(g_pKvCoreData, L"MoxCurProjectMgr");
      if (!project) return error = "no MoxCurProjectMgr", false;
      MOXMANAGERS::MOXCURPROJ::StOpenInfo info;
      info.nOpenType = Int(n[0]);
      info.nOpenId = Int(n[1]);
      const bool loaded = project->LoadProject(info);
      out_.Line(std::string("load: ") + (loaded ? "true" : "false"));
      return true;
    }
    case EventKind::ColorMode: {
      using KEEL::HOOPSDATACOLOR::IColorModeObj;
      auto *colors = dynamic_cast<KEEL::UTILITY::CSubject<IColorModeObj> *>(
          g_pKvCoreData ? g_pKvCoreData->GetManager(L"HoopsDataColorMgr") : nullptr);
      if (!colors) return error = "no HoopsDataColorMgr", false;
      KEEL::HOOPSDATACOLOR::StColorModeInfo info;
      info.nMode = Int(n[0]);
      info.bFlag = n[1] != 0;
      colors->Notify(8, [&](IColorModeObj *observer) { observer->OnColorModeChange(info); });
      return true;
    }
    case EventKind::View:
      return ViewEvent(event, error);
    case EventKind::Hold:
      KVUI::SetKeyDown(int(n[0]), event.word == "down");
      return true;
    case EventKind::Print:
      out_.Line("print: ", event.rest);
      return true;
    case EventKind::Close:
      if (!needFrame()) return false;
      frame->PostMessage(WM_CLOSE);
      return true;
  }
  return error = "not an event", false;
}

// Posts a message of the 3D view; the numbers were checked for their types.
bool CEventScript::ViewEvent(const ScriptEvent &event, std::string &error) {
  static const std::pair<const char *, UINT> kMouse[] = {
      {"ldown", WM_LBUTTONDOWN}, {"lup", WM_LBUTTONUP},         {"ldblclk", WM_LBUTTONDBLCLK},
      {"rdown", WM_RBUTTONDOWN}, {"rup", WM_RBUTTONUP},         {"rdblclk", WM_RBUTTONDBLCLK},
      {"mdown", WM_MBUTTONDOWN}, {"mup", WM_MBUTTONUP},         {"mdblclk", WM_MBUTTONDBLCLK},
      {"move", WM_MOUSEMOVE}};
  CWnd *view = View3D();
  if (!view) return error = "there is no 3D view (load a project first)", false;
  const std::string &what = event.word;
  const std::vector<std::uint64_t> &n = event.numbers;
  for (const auto &m : kMouse) {
    if (what != m.first) continue;
    view->PostMessage(m.second, WPARAM(Word(n[2])), MAKELPARAM(WORD(Short(n[0])), WORD(Short(n[1]))));
    return true;
  }
  if (what == "wheel") {
    view->PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(Word(n[3]), WORD(Short(n[0]))),
                      MAKELPARAM(WORD(Short(n[1])), WORD(Short(n[2]))));
  } else if (what == "keydown" || what == "keyup") {
    view->PostMessage(what == "keydown" ? WM_KEYDOWN : WM_KEYUP, WPARAM(n[0]), MAKELPARAM(1, 0));
  } else if (what == "paint") {
    view->PostMessage(WM_PAINT);
  } else if (what == "size") {
    view->MoveWindow(0, 0, Int(n[0]), Int(n[1]));
  }
  return true;
}

}  // namespace KVSHELL
