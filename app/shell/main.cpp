// The program kestrova: `kestrova [--script FILE] [hand-over]` (see
// ProgramArgs.h). It reads and checks the whole script (FILE, else standard
// input; see EventScript.h), runs the application's start sequence, then
// its message loop takes the events and writes the transcript to standard
// output, one entry a line: "journal:" lines for every call that reached an
// outside library, "platform:" lines for the platform's set-up calls,
// "box:" lines for message boxes, dialogs and menus with their answers, and
// what the events print. The last line is "# exit N", N the exit code: the
// application's, 1 when the start sequence failed, 2 when an event could
// not run; when the server ends the login the process ends at once and the
// line says so. A wrong command line or script line ends the program with
// code 2 before anything starts.
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "EventScript.h"
#include "KestrovaApp.h"
#include "ProgramArgs.h"
#include "Transcript.h"
#include "journal/Journal.h"
#include "ui/Afx.h"
#include "ui/Hooks.h"
#include "ui/PlatformTrace.h"

namespace {

class CKestrovaProgram : public CKestrovaApp {
 public:
  KVSHELL::CTranscript *transcript = nullptr;
  std::unique_ptr<KVSHELL::CEventScript> script;
  bool started = false;
  BOOL InitInstance() override {
    started = CKestrovaApp::InitInstance() != FALSE;
    transcript->Line(started ? "# start succeeded" : "# start failed");
    if (started && script) script->Start();
    return started ? TRUE : FALSE;
  }
};

CKestrovaProgram theApp;

}  // namespace

int main(int argc, char **argv) {
  KVSHELL::ProgramArgs options;
  std::string error;
  if (!KVSHELL::ParseProgramArgs(argc, argv, options, error)) {
    std::cerr << "kestrova: " << error << "\n" << KVSHELL::ProgramUsage();
    return 2;
  }
  if (options.help) {
    std::cout << KVSHELL::ProgramUsage();
    return 0;
  }
  // Without an installation nothing starts, and nothing is created.
  if (!CheckInstallRoot(std::cerr)) return 1;

  // Kept to the very end: the application object still journals when it
  // goes.
  static auto &transcript = *new KVSHELL::CTranscript(std::cout);
  theApp.transcript = &transcript;
  theApp.script = std::make_unique<KVSHELL::CEventScript>(transcript, std::cerr);
  bool loaded = false;
  if (options.script.empty()) {
    loaded = theApp.script->Load(std::cin, "<stdin>");
  } else {
    std::ifstream file(options.script, std::ios::binary);
    if (!file) {
      std::cerr << "kestrova: cannot read " << options.script << "\n";
      return 2;
    }
    loaded = theApp.script->Load(file, options.script);
  }
  if (!loaded) return 2;

  KVOUTSIDE::CJournal::Instance().SetSink(
      [](const KVOUTSIDE::JournalEntry &entry) { transcript.Line("journal: ", entry.Line()); });
  KVUI::SetPlatformTrace([](const std::wstring &call) { transcript.Line("platform: ", call); });
  KVUI::SetBoxObserver([](const KVUI::BoxRecord &box) { transcript.Line("box: ", KVUI::DescribeBox(box)); });
  // The server ending the login ends the process at once: the transcript
  // says so before it goes.
  KVUI::SetProcessEndHook([](UINT code) {
    transcript.Line("# exit " + std::to_string(code) +
                    (g_nLoginEnded ? ": the server ended the login" : ": the process was ended"));
    transcript.Flush();
    KVUI::SetProcessEndHook({});
    TerminateProcess(GetCurrentProcess(), code);
  });

  theApp.script->Prelude();
  std::vector<char *> args{argv[0]};
  for (std::string &arg : options.appArgs) args.push_back(&arg[0]);
  int code = KVUI::AfxWinMain(int(args.size()), args.data());
  if (!theApp.started && code == 0) code = 1;
  if (theApp.script->Failures() && code == 0) code = 2;
  transcript.Line("# exit " + std::to_string(code));
  transcript.Flush();
  return code;
}
