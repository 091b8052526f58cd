// The program kestrova: `kestrova [--script FILE] [hand-over]`. It runs the
// application's start sequence, then its message loop takes the events of
// the script (FILE, else standard input; see EventScript.h) and writes the
// transcript to standard output: "journal:" lines for every call that
// reached an outside library, "platform:" lines for the platform's set-up
// calls, "box:" lines for message boxes, dialogs and
// menus with their answers, and what the events print. It ends with the
// application's exit code, 1 when the start sequence failed.
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "EventScript.h"
#include "KestrovaApp.h"
#include "journal/Journal.h"
#include "ui/Afx.h"
#include "ui/PlatformTrace.h"

namespace {

class CKestrovaProgram : public CKestrovaApp {
 public:
  std::unique_ptr<KVSHELL::CEventScript> script;
  bool started = false;
  BOOL InitInstance() override {
    started = CKestrovaApp::InitInstance() != FALSE;
    std::cout << "# start " << (started ? "succeeded" : "failed") << "\n";
    if (started && script) script->Start();
    return started ? TRUE : FALSE;
  }
};

CKestrovaProgram theApp;

}  // namespace

int main(int argc, char **argv) {
  std::vector<char *> args{argv[0]};
  std::ifstream file;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc) {
      file.open(argv[++i]);
      if (!file) {
        std::cerr << "kestrova: cannot read " << argv[i] << "\n";
        return 2;
      }
    } else {
      args.push_back(argv[i]);
    }
  }
  // Without an installation nothing starts, and nothing is created.
  if (!CheckInstallRoot(std::cerr)) return 1;
  std::istream &in = file.is_open() ? static_cast<std::istream &>(file) : std::cin;
  KVOUTSIDE::CJournal::Instance().SetSink(
      [](const KVOUTSIDE::JournalEntry &entry) { std::cout << "journal: " << KVUI::Utf8(entry.Line()) << "\n"; });
  KVUI::SetPlatformTrace([](const std::wstring &call) { std::cout << "platform: " << KVUI::Utf8(call) << "\n"; });
  KVUI::SetBoxObserver([](const KVUI::BoxRecord &box) {
    std::cout << "box: " << KVUI::Utf8(KVUI::DescribeBox(box)) << "\n";
  });
  theApp.script = std::make_unique<KVSHELL::CEventScript>(in, std::cout);
  theApp.script->Prelude();
  int code = KVUI::AfxWinMain(int(args.size()), args.data());
  if (!theApp.started && code == 0) code = 1;
  std::cout << "# exit " << code << "\n";
  std::cout.flush();
  return code;
}
