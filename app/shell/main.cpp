// The program kestrova: `kestrova [--script FILE] [--] [hand-over]` (see
// ProgramArgs.h). It reads and checks the whole script (FILE, else standard
// input; see EventScript.h), runs the application's start sequence, then
// its message loop takes the events and writes the transcript to standard
// output, one entry a line: "journal:" lines for every call that reached an
// outside library, "platform:" lines for the platform's set-up calls,
// "box:" lines for message boxes, dialogs and menus with their answers, and
// what the events print ("print:" lines). The last line is "# exit N", N
// the exit code: the application's, 1 when the start sequence failed, 2
// when an event could not run; when the server ends the login the process
// ends at once and the line says so (and that an event could not run, if
// one could not). A wrong command line, a script that cannot be read or is
// too long (see ScriptSource.h) or a wrong script line ends the program
// with code 2 before anything starts; a transcript (or usage) that cannot
// be written, with code 1. What went wrong is said on standard error.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "EventScript.h"
#include "KestrovaApp.h"
#include "OutputFailure.h"
#include "ProgramArgs.h"
#include "ScriptSource.h"
#include "Transcript.h"
#include "journal/Journal.h"
#include "keel/web/AppWebServiceMgr.h"
#include "ui/Afx.h"
#include "ui/Hooks.h"
#include "ui/PlatformTrace.h"
#include "ui/TextEscape.h"

namespace {

// The passwords leave the process's argument memory before any constructor
// of the program or its libraries runs: glibc calls the program's
// .preinit_array (with argc, argv and envp) before every other initializer,
// once the dynamic loader has loaded and linked the libraries. Exec and the
// loader's work come before it, out of the program's reach.
void HidePasswordsAtStart(int argc, char **argv, char **) { KVSHELL::HidePasswords(argc, argv); }
__attribute__((section(".preinit_array"), used)) void (*const kHidePasswords)(int, char **, char **) =
    HidePasswordsAtStart;

// Characters of an outside text that standard error shows.
constexpr size_t kShownChars = 200;

class CKestrovaProgram : public CKestrovaApp {
 public:
  KVSHELL::CTranscript *transcript = nullptr;
  std::unique_ptr<KVSHELL::CEventScript> script;
  bool started = false;
  BOOL InitInstance() override {
    started = CKestrovaApp::InitInstance() != FALSE;
    SayWhatFailed();
    transcript->Line(started ? "# start succeeded" : "# start failed");
    if (started && script) script->Start();
    return started ? TRUE : FALSE;
  }
  // The message loop has ended: what the script could not run is said
  // before the shut-down sequence.
  int ExitInstance() override {
    if (started && script) script->LoopEnded();
    return CKestrovaApp::ExitInstance();
  }

 private:
  // What the start sequence could not do, on standard error.
  void SayWhatFailed() const {
    KEEL::FRAME::IKeelData *data = m_pFramework ? m_pFramework->GetCoreData() : nullptr;
    auto *host = KEEL::FRAME::GetManagerAs<KEEL::WEB::CAppWebServiceMgr>(data, L"AppWebServiceMgr");
    const std::string load = host ? host->GetLoadError() : std::string();
    if (!load.empty())
      std::cerr << "kestrova: " << KVUI::EscapeText(load, kShownChars) << "; every web-service call fails\n";
    if (started) return;
    const std::wstring why = GetStartFailure().empty() ? L"no reason was given" : GetStartFailure();
    std::cerr << "kestrova: the start failed: " << KVUI::Utf8(KVUI::EscapeText(why, kShownChars)) << "\n";
  }
};

CKestrovaProgram theApp;

// Writes the last line; the exit code is `code`, or 1 when the transcript
// could not be written (said on standard error).
int Finish(KVSHELL::CTranscript &transcript, int code, const std::string &why) {
  transcript.Line("# exit " + std::to_string(code) + why);
  transcript.Flush();
  const std::string failure = transcript.Failure();
  if (failure.empty()) return code;
  std::cerr << "kestrova: the transcript cannot be written: " << failure << "\n";
  return 1;
}

}  // namespace

int main(int argc, char **argv) {
  const KVSHELL::ClosedStreams closed = KVSHELL::GuardStandardStreams();
  KVSHELL::ProgramArgs options;
  std::string error;
  if (!KVSHELL::ParseProgramArgs(argc, argv, options, error)) {
    std::cerr << "kestrova: " << error << "\n" << KVSHELL::ProgramUsage();
    return 2;
  }
  if (options.help) {
    std::cout << KVSHELL::ProgramUsage();
    const std::string failure = closed.out ? "standard output is closed" : KVSHELL::StandardOutputFailure();
    if (failure.empty()) return 0;
    std::cerr << "kestrova: the usage cannot be written: " << failure << "\n";
    return 1;
  }
  if (closed.out) {
    std::cerr << "kestrova: the transcript cannot be written: standard output is closed\n";
    return 1;
  }
  for (const std::string &note : options.notes) std::cerr << "kestrova: " << note << "\n";
  // Without an installation nothing starts, and nothing is created.
  if (!CheckInstallRoot(std::cerr)) return 1;

  // Kept to the very end: the application object still journals when it
  // goes.
  static auto &transcript = *new KVSHELL::CTranscript(std::cout);
  theApp.transcript = &transcript;
  theApp.script = std::make_unique<KVSHELL::CEventScript>(transcript, std::cerr);
  const std::string scriptName = options.script.empty() ? "<stdin>" : KVSHELL::ShownArg(options.script);
  std::string text;
  if (!KVSHELL::ReadScript(options.script, scriptName, closed.in, text, error)) {
    std::cerr << error << "\n";
    return 2;
  }
  if (!theApp.script->Load(std::move(text), scriptName)) return 2;

  KVOUTSIDE::CJournal::Instance().SetSink([](const KVOUTSIDE::JournalEntry &entry) {
    std::vector<std::wstring> fields{entry.cls, entry.name, entry.op};
    fields.insert(fields.end(), entry.args.begin(), entry.args.end());
    transcript.Fields("journal: ", fields);
  });
  KVUI::SetPlatformTrace([](const std::wstring &call) { transcript.Line("platform: ", call); });
  KVUI::SetBoxObserver([](const KVUI::BoxRecord &box) {
    transcript.Entry("box: ", KVUI::DescribeBox(box, KVSHELL::CTranscript::kMaxFieldChars));
  });
  // The server ending the login ends the process at once: the transcript
  // says so before it goes, and keeps an event that could not run.
  KVUI::SetProcessEndHook([](UINT code) {
    std::string why = g_nLoginEnded ? "the server ended the login" : "the process was ended";
    int exitCode = int(code);
    if (theApp.script->Failures() && exitCode == 0) {
      exitCode = 2;
      why = "an event could not run; " + why;
    }
    exitCode = Finish(transcript, exitCode, ": " + why);
    KVUI::SetProcessEndHook({});
    TerminateProcess(GetCurrentProcess(), UINT(exitCode));
  });

  theApp.script->Prelude();
  // The hand-over is a parameter of the application even when it starts
  // with '-' or '/'.
  static char endOfFlags[] = "--";
  std::vector<char *> args{argv[0]};
  if (!options.appArgs.empty()) args.push_back(endOfFlags);
  for (std::string &arg : options.appArgs) args.push_back(&arg[0]);
  int code = KVUI::AfxWinMain(int(args.size()), args.data());
  if (!theApp.started && code == 0) code = 1;
  if (theApp.script->Failures() && code == 0) code = 2;
  return Finish(transcript, code, "");
}
