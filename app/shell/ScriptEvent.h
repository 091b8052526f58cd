// One line of the program's event script, checked: its event and its
// arguments, each number within the range of the type it is given as. The
// check needs no window, so a whole script is checked before anything
// starts. See EventScript.h for the events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace KVSHELL {

enum class EventKind {
  None,  // a blank or comment line
  Answer,
  Dialog,
  Menu,
  Set,
  Push,
  Command,
  Update,
  Ribbon,
  Status,
  CopyData,
  Message,
  Call,
  Load,
  ColorMode,
  View,
  Hold,
  Print,
  Close,
};

struct ScriptEvent {
  EventKind kind = EventKind::None;
  /// The line without its comment and outer blanks (what the transcript
  /// echoes).
  std::string text;
  /// answer/dialog: the button; set/push: the object; call: the operation;
  /// view: what happens (ldown, wheel, keydown, ...); hold: down or up.
  std::string word;
  /// set/push: the operation.
  std::string op;
  /// set/push: the value; copydata: the data; print: the text.
  std::string rest;
  /// The numbers in their order, each as the bits of its type (a negative
  /// number in two's complement); keys and buttons as their numbers.
  std::vector<std::uint64_t> numbers;
};

/// Checks `line`: true with `event` filled (kind None for a blank or
/// comment line), false with `error` saying what is wrong. A blank followed
/// by '#' starts a comment anywhere on the line.
bool ParseEvent(const std::string &line, ScriptEvent &event, std::string &error);

/// Whether the event runs before the start sequence when it leads the
/// script (answer, dialog, menu, set, push, print).
bool RunsBeforeStart(EventKind kind);

/// Window messages whose parameters the main frame reads as pointers; the
/// script's message event refuses them.
std::vector<unsigned> PointerMessages();

}  // namespace KVSHELL
