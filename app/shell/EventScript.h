// The event script of the program kestrova: one event a line, read and
// checked whole before the start sequence (a line that is not an event is
// reported as "FILE:LINE: what is wrong" and nothing starts), then run in
// order on the user-interface thread, each once the queue is empty: after
// everything the one before posted, and what that posted, has run, so a
// box an event causes is in the transcript before the next event's echo.
// A '#' at the start of a line or after a blank starts a comment; blank
// lines are skipped; a UTF-8 byte-order mark at the start is skipped.
// Numbers are decimal or 0x hexadecimal and must fit their type.
//
//   answer yes|no|ok|cancel|abort|retry|ignore|<number>
//                                     the next message box gets this button
//   dialog <id> <button>              the next dialog <id> ends so
//   menu <id>                         the next pop-up menu chooses <id> (0: none)
//   set <object> <op> [value]         a standing answer of an outside stand-in
//   push <object> <op> [value]        a one-time answer of an outside stand-in
//   command <id>                      a ribbon command (WM_COMMAND), id 0..65535;
//                                     an id nothing handles cannot run
//   update                            a command-update pass; prints the ribbon
//   ribbon                            prints the ribbon's state
//   status                            prints the status bar's panes
//   copydata <dwData> [text]          WM_COPYDATA from another process
//   message <number> [wParam [lParam]] a window message to the main frame; not
//                                     those whose parameters the frame reads as
//                                     pointers (WM_CREATE, WM_SETTEXT,
//                                     WM_GETMINMAXINFO, WM_COPYDATA: use copydata)
//   call <operation>                  runs a web-service operation ("Service_op")
//                                     without input against the server and
//                                     prints its code, then its fault text or
//                                     what came back (a value, "1 record",
//                                     "3 items"); the next event runs after its
//                                     completion was reported (and a failure
//                                     given to the web-error observer)
//   load <type> <id>                  "MoxCurProjectMgr" loads a project (type 2)
//                                     or a work set (type 3) and tells its observers
//   colormode <mode> [0|1]            "HoopsDataColorMgr" tells its observers the
//                                     colour mode changed (flag 1: mode 4)
//   view <mouse> <x> <y> [flags]      a mouse message to the 3D view: ldown, lup,
//                                     ldblclk, rdown, rup, rdblclk, mdown, mup,
//                                     mdblclk or move; x and y -32768..32767
//   view wheel <delta> <x> <y> [flags] the wheel turned in the 3D view
//   view keydown|keyup <key>          a key in the 3D view: a number 1..255, a
//                                     letter, ctrl, shift, delete or escape
//   view paint                        the 3D view is painted
//   view size <cx> <cy>               the 3D view gets this size (0..65535)
//   hold <key> down|up                whether a key is held (ctrl, shift, a letter...)
//   print [text]                      copies the text into the transcript
//   close                             WM_CLOSE, as the window's close box
//
// The leading answer, dialog, menu, set, push and print lines run before
// the start sequence, so they can answer it. An object of set/push is a
// registry name (use \s for a blank, as in
// "CENTRALAUTHENTICATIONSERVICE_MGR\s") or the class of a stand-in without
// one; the value is the rest of the line. An event that cannot run (no
// window, no 3D view yet, an operation of a web-service library that could
// not be loaded) is reported as "FILE:LINE: what is wrong" and the script
// goes on. The words of a script line that an error shows are escaped as
// the transcript escapes its fields and cut at 200 characters. When the
// script ends with the window still open, the message loop ends (exit code
// 0) without the close checks. Once the main window is closed the message
// loop ends: no line after that runs, and each is echoed and reported as
// "FILE:LINE: the main window is closed"; a call still running when the
// loop ended is reported as "FILE:LINE: call NAME did not finish: ..." and
// its result is not taken. Each counts as an event that could not run.
//
// The checked script is kept as its text, and each line is parsed again
// when its turn comes, so that a script takes little more memory than its
// size.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "ScriptEvent.h"
#include "Transcript.h"

class CMainFrame;

namespace KVSHELL {

class CEventScript {
 public:
  /// Writes what the events print to `transcript` and the errors to
  /// `errors`; neither is owned. Installs the script's answers for boxes,
  /// dialogs and menus.
  CEventScript(CTranscript &transcript, std::ostream &errors);
  /// Reads and checks the whole script; `name` names it in errors. False
  /// when a line is not an event (every such line is reported).
  bool Load(std::istream &in, const std::string &name);
  /// The same for the text of a script, which is kept.
  bool Load(std::string text, const std::string &name);
  /// Runs the leading answer, dialog, menu, set, push and print lines now
  /// (before the start sequence).
  void Prelude();
  /// Queues the next event; each event queues the one after it.
  void Start();
  /// After the message loop ended: reports a call that did not finish and
  /// every line that did not run (see above); each counts as a failure.
  void LoopEnded();
  /// Number of events that could not run.
  int Failures() const { return failures_; }

 private:
  struct Line {
    std::uint32_t number;
    ScriptEvent event;
  };
  // Where the script is read: the next line's first byte and the number
  // of lines before it.
  struct Cursor {
    size_t at = 0;
    std::uint32_t number = 0;
  };
  class CCallWatch;
  // The line at `cursor` (without a byte-order mark or CR), moving past
  // it; false at the end.
  bool NextLine(Cursor &cursor, std::string &text) const;
  // The next event line after next_, and the cursor after it; false when
  // no event is left.
  bool Peek(Line &line, Cursor &after) const;
  void Step();
  void Run(const Line &line);
  // The echo of each event line not run yet and `why` it did not run.
  void Skip(const std::string &why);
  // One line of the errors, written whole.
  void Error(std::uint32_t number, const std::string &what);
  bool MainWindowOpen() const;
  bool RunEvent(const ScriptEvent &event, std::string &error);
  bool ViewEvent(const ScriptEvent &event, std::string &error);
  CMainFrame *Frame() const;
  CTranscript &out_;
  std::ostream &errors_;
  std::string name_;
  std::string text_;
  Cursor next_;
  int failures_ = 0;
  // The running call; the script waits for its report.
  std::shared_ptr<CCallWatch> call_;
  bool waiting_ = false;
  // The line of the event that runs, or ran last.
  std::uint32_t runningLine_ = 0;
};

}  // namespace KVSHELL
