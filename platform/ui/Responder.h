// The scriptable responder: it answers every message box, modal dialog and
// pop-up menu in place of a user, and the model records each box shown
// (text, flags, answer) in order. In tests, a box nothing was scripted for
// is reported as unexpected (and fails the test); it then gets the answer
// of a user who closes it (IDOK for MB_OK, IDNO for Yes/No, IDCANCEL
// otherwise; IDCANCEL for a dialog; no choice for a menu).
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/TextEscape.h"
#include "ui/WinTypes.h"

class CDialog;

namespace KVUI {

enum class BoxKind { MessageBox, Dialog, Menu };

/// One box shown to the user and the answer it got.
struct BoxRecord {
  BoxKind kind = BoxKind::MessageBox;
  /// Message text; dialog caption (after its set-up); empty for a menu.
  std::wstring text;
  /// Message-box caption.
  std::wstring caption;
  /// MB_* flags of a message box; TPM_* flags of a menu.
  UINT flags = 0;
  /// Dialog template id; menu resource id (0 for a menu built in code).
  UINT id = 0;
  /// Menu: "id text" per command item (pop-ups nested with "> "); dialog:
  /// one line per control (see DescribeDialog).
  std::vector<std::wstring> items;
  /// Where a menu was shown (screen co-ordinates).
  CPoint point;
  /// The answer: the button pressed, the dialog's result, the chosen menu
  /// id (0 when the menu was dismissed).
  int answer = 0;
  /// False when nothing was scripted for this box.
  bool expected = true;
};

/// Answers the boxes. Each operation may set `box.expected` to false.
class IResponder {
 public:
  virtual ~IResponder() = default;
  /// The button that closes a message box (IDOK, IDYES, ...).
  virtual int AnswerMessageBox(BoxRecord &box) = 0;
  /// Works the live dialog after its set-up and returns the button that
  /// closes it (IDOK, IDCANCEL or the result to end with).
  virtual int AnswerDialog(CDialog &dialog, BoxRecord &box) = 0;
  /// The chosen command id of a pop-up menu, 0 to dismiss it.
  virtual UINT AnswerMenu(BoxRecord &box) = 0;
  /// Told when the model refused an answer (a menu id that is not an
  /// enabled item of the menu); the box counts as unexpected.
  virtual void OnRefusedAnswer(const BoxRecord &box) { (void)box; }
};

/// A responder that answers from a queue of scripted answers, in order.
class CScriptedResponder : public IResponder {
 public:
  CScriptedResponder();
  ~CScriptedResponder() override;
  /// The next box is a message box answered with `answer`; with `text`, it
  /// must show exactly that text.
  void ExpectMessageBox(int answer, std::optional<std::wstring> text = std::nullopt);
  /// The next box is dialog `templateId`; `act` works it (clicks, reads
  /// controls) and returns the closing button.
  void ExpectDialog(UINT templateId, std::function<int(CDialog &)> act);
  /// The next box is dialog `templateId`, closed with `result`.
  void ExpectDialog(UINT templateId, int result);
  /// The next box is a pop-up menu; `choice` is the chosen id (0 dismisses).
  void ExpectMenu(UINT choice);
  /// Called for each box that nothing was scripted for (or that differs
  /// from the script); the box then gets the closing answer.
  void SetUnexpectedHandler(std::function<void(const BoxRecord &)> handler);
  /// Number of scripted answers not used yet.
  size_t PendingCount() const { return script_.size(); }
  /// Drops the unused answers.
  void ClearScript() { script_.clear(); }

  int AnswerMessageBox(BoxRecord &box) override;
  int AnswerDialog(CDialog &dialog, BoxRecord &box) override;
  UINT AnswerMenu(BoxRecord &box) override;
  void OnRefusedAnswer(const BoxRecord &box) override;

 private:
  struct Step {
    BoxKind kind;
    int answer;
    std::optional<std::wstring> text;
    UINT id;
    std::function<int(CDialog &)> act;
  };
  bool TakeStep(BoxRecord &box, Step *step);
  void Unexpected(BoxRecord &box, int answer);
  std::deque<Step> script_;
  std::function<void(const BoxRecord &)> unexpected_;
};

/// Installs `responder` (not owned); null installs the default one, which
/// has no script.
void SetResponder(IResponder *responder);
/// The responder in use.
IResponder *GetResponder();
/// Every box shown so far, in order.
std::vector<BoxRecord> GetShownBoxes();
/// Forgets the boxes shown so far.
void ClearShownBoxes();
/// Called with each box once it is answered (for a transcript).
void SetBoxObserver(std::function<void(const BoxRecord &)> observer);
/// The answer of a user who closes a message box with `flags`.
int ClosingAnswer(UINT flags);
/// One line describing `box`: kind, id, flags, its text in quotes and its
/// items in brackets (both escaped as EscapeText does, each cut after
/// `maxChars` characters), answer.
std::wstring DescribeBox(const BoxRecord &box, size_t maxChars = kWholeText);
/// `text` as UTF-8 (for messages and transcripts).
std::string Utf8(const std::wstring &text);
/// Records an answered box and tells the observer (used by the model).
void RecordBox(const BoxRecord &box);

}  // namespace KVUI
