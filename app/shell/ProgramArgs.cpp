#include "ProgramArgs.h"

#include <cstring>

#include "ServerArg.h"
#include "quilltools/QuillTools.h"
#include "ui/TextEscape.h"

namespace KVSHELL {
namespace {

const char kSeparator[] = "$$";
constexpr size_t kHandOverFields = 5;
// Characters of an argument that a message shows.
constexpr size_t kShownChars = 200;

std::vector<std::string> Fields(const std::string &text) { return QuillTools::Tokenize(text, kSeparator); }

// What a plain argument at `position` tells standard error, if anything.
void NoteHandOver(const std::string &arg, int position, std::vector<std::string> &notes) {
  const std::vector<std::string> fields = Fields(arg);
  const std::string where = "argument " + std::to_string(position);
  if (fields.size() != kHandOverFields) {
    notes.push_back(where + " is no hand-over: it has " + std::to_string(fields.size()) +
                    (fields.size() == 1 ? " field" : " fields") +
                    " where a hand-over has 5 joined by $$; the program starts without one");
    return;
  }
  const std::string problem = ServerArgProblem(fields[2]);
  if (!problem.empty()) notes.push_back("the hand-over's server (" + where + ", field 3) " + problem);
}

}  // namespace

// Plain C on purpose: it runs before any constructor (see HidePasswords).
void RemovePassword(char *arg) {
  char *first = std::strstr(arg, kSeparator);
  if (!first) return;
  // The fields as QuillTools::Tokenize splits them: at each "$$" found from
  // the end of the one before.
  size_t fields = 2;
  char *second = nullptr;
  for (char *at = std::strstr(first + 2, kSeparator); at; at = std::strstr(at + 2, kSeparator)) {
    if (!second) second = at;
    ++fields;
  }
  char *const end = arg + std::strlen(arg);
  if (fields != kHandOverFields) {
    std::memset(first, 0, size_t(end - first));
    return;
  }
  char *const from = first + 2;
  const size_t cut = size_t(second - from);
  std::memmove(from, second, size_t(end - second));
  std::memset(end - cut, 0, cut);
}

void HidePasswords(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    if (!std::strstr(argv[i], kSeparator)) continue;
    // Lives as long as the process; without memory the argument is cut all
    // the same.
    char *copy = strdup(argv[i]);
    RemovePassword(argv[i]);
    if (copy) argv[i] = copy;
  }
}

std::string ShownArg(const std::string &arg) {
  const std::vector<std::string> fields = Fields(arg);
  std::string shown = KVUI::EscapeText(fields[0], kShownChars);
  for (size_t i = 1; i < fields.size(); ++i) shown += "$$***";
  return shown;
}

bool ParseProgramArgs(int argc, char **argv, ProgramArgs &args, std::string &error) {
  const std::vector<std::string> given(argv + 1, argv + argc);
  bool haveScript = false;
  bool haveHandOver = false;
  bool options = true;
  for (size_t i = 0; i < given.size(); ++i) {
    const std::string &arg = given[i];
    const int position = int(i) + 1;
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--help") {
      args.help = true;
    } else if (options && arg == "--script") {
      if (haveScript) return error = "--script is given twice", false;
      if (i + 1 >= given.size() || given[i + 1].empty()) return error = "--script needs a file", false;
      haveScript = true;
      args.script = given[++i];
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + ShownArg(arg);
      if (arg.find(kSeparator) != std::string::npos) error += " (a hand-over that starts with '-' goes after --)";
      return false;
    } else {
      if (haveHandOver) return error = "one hand-over at most", false;
      haveHandOver = true;
      NoteHandOver(arg, position, args.notes);
      args.appArgs.push_back(arg);
    }
  }
  return true;
}

std::string ProgramUsage() {
  return "usage: kestrova [--script FILE] [--] [HAND-OVER]\n"
         "       kestrova --help\n"
         "Runs the start sequence, then the events of FILE (else standard input; checked\n"
         "whole before the start), and writes the transcript to standard output.\n"
         "HAND-OVER is a launcher's login: user$$password$$server$$event$$file; after --\n"
         "it may start with '-'.\n"
         "Exit code: the application's; 1 when the start failed or the transcript could\n"
         "not be written; 2 for a wrong command line, a script that cannot be read or\n"
         "passes its bounds (16 MiB, 64 KiB a line), a wrong script line or an event that\n"
         "could not run.\n";
}

}  // namespace KVSHELL
