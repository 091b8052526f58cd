// The event script of the program kestrova: one event a line, run in order
// on the user-interface thread, each after everything the one before
// posted. '#' starts a comment line; blank lines are skipped.
//
//   answer yes|no|ok|cancel|<number>  the next message box gets this button
//   dialog <id> ok|cancel|<number>    the next dialog <id> ends so
//   menu <id>                         the next pop-up menu chooses <id> (0: none)
//   set <object> <op> <value...>      a standing answer of an outside stand-in
//   push <object> <op> <value...>     a one-time answer of an outside stand-in
//   command <id>                      a ribbon command (WM_COMMAND)
//   update                            a command-update pass; prints the ribbon
//   ribbon                            prints the ribbon's state
//   status                            prints the status bar's panes
//   copydata <dwData> [text]          WM_COPYDATA from another process
//   message <number> [wParam [lParam]] any window message to the main frame
//   call <operation>                  runs a web-service operation ("Service_op")
//                                     without input against the server; the next
//                                     event runs after its completion was reported
//                                     (and a failure given to the web-error observer)
//   load <type> <id>                  "MoxCurProjectMgr" loads a project (type 2)
//                                     or a work set (type 3) and tells its observers
//   colormode <mode> [flag]           "HoopsDataColorMgr" tells its observers the
//                                     colour mode changed (flag 1: mode 4)
//   view <mouse> <x> <y> [flags]      a mouse message to the 3D view: ldown, lup,
//                                     ldblclk, rdown, rup, rdblclk, mdown, mup,
//                                     mdblclk or move
//   view wheel <delta> <x> <y> [flags] the wheel turned in the 3D view
//   view keydown|keyup <key>          a key in the 3D view: a number, a letter,
//                                     delete or escape
//   view paint                        the 3D view is painted
//   view size <cx> <cy>               the 3D view gets this size
//   hold <key> down|up                whether a key is held (ctrl, shift, a letter...)
//   print <text>                      copies the text into the transcript
//   close                             WM_CLOSE, as the window's close box
//
// The leading answer, dialog, menu, set, push and print lines run before
// the start sequence, so they can answer it. An object of set/push is a registry name (use \s for a blank, as in
// "CENTRALAUTHENTICATIONSERVICE_MGR\s") or the class of a stand-in
// without one. When the script ends with the window still open, the
// message loop ends (exit code 0) without the close checks.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

class CMainFrame;

namespace KVSHELL {

class CEventScript {
 public:
  /// Reads events from `in` and writes what they print to `out`; neither is
  /// owned.
  CEventScript(std::istream &in, std::ostream &out);
  /// Runs the leading answer, dialog, menu, set, push and print lines now
  /// (before the start sequence).
  void Prelude();
  /// Queues the next event; each event queues the one after it.
  void Start();
  /// Runs one line; false with `error` set when the line is not an event.
  bool RunLine(const std::string &line, std::string &error);

 private:
  class CCallWatch;
  void Step();
  bool NextLine(std::string &line);
  void Run(const std::string &line);
  CMainFrame *Frame() const;
  std::istream &in_;
  std::ostream &out_;
  int lineNo_ = 0;
  std::string pending_;
  bool hasPending_ = false;
  // The running call; the script waits for its report.
  std::shared_ptr<CCallWatch> call_;
  bool waiting_ = false;
};

}  // namespace KVSHELL
