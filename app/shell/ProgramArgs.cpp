#include "ProgramArgs.h"

#include <cstring>

#include "quilltools/QuillTools.h"

namespace KVSHELL {

void RemovePassword(char *arg) {
  const std::vector<std::string> fields = QuillTools::Tokenize(arg, "$$");
  if (fields.size() != 5 || fields[1].empty()) return;
  const size_t length = std::strlen(arg);
  const size_t from = fields[0].size() + 2;
  const size_t cut = fields[1].size();
  std::memmove(arg + from, arg + from + cut, length - from - cut);
  std::memset(arg + length - cut, 0, cut);
}

bool ParseProgramArgs(int argc, char **argv, ProgramArgs &args, std::string &error) {
  bool haveScript = false;
  bool haveHandOver = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      args.help = true;
    } else if (arg == "--script") {
      if (haveScript) return error = "--script is given twice", false;
      if (i + 1 >= argc) return error = "--script needs a file", false;
      haveScript = true;
      args.script = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      return error = "unknown option " + arg, false;
    } else {
      RemovePassword(argv[i]);
      if (haveHandOver) return error = "one hand-over at most", false;
      haveHandOver = true;
      args.appArgs.push_back(arg);
    }
  }
  return true;
}

std::string ProgramUsage() {
  return "usage: kestrova [--script FILE] [HAND-OVER]\n"
         "       kestrova --help\n"
         "Runs the start sequence, then the events of FILE (else standard input; checked\n"
         "whole before the start), and writes the transcript to standard output.\n"
         "HAND-OVER is a launcher's login: user$$password$$server$$event$$file.\n"
         "Exit code: the application's; 1 when the start failed; 2 for a wrong command\n"
         "line, a wrong script line or an event that could not run.\n";
}

}  // namespace KVSHELL
