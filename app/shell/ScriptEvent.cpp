#include "ScriptEvent.h"

#include <cctype>
#include <climits>
#include <cstdint>

#include "catalogue/interfaces/OperationTable.h"
#include "ui/TextEscape.h"
#include "ui/WinConst.h"

namespace KVSHELL {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Characters of a script's word that an error shows.
constexpr size_t kShownChars = 200;

// A word of the script as an error shows it: escaped, so that standard
// error gets no control characters, and cut.
std::string Shown(const std::string &word) { return KVUI::EscapeText(word, kShownChars); }

// The line up to its comment, without outer blanks.
std::string WithoutComment(const std::string &line) {
  size_t end = line.size();
  for (size_t i = 0; i < line.size(); ++i)
    if (line[i] == '#' && (i == 0 || IsBlank(line[i - 1]))) {
      end = i;
      break;
    }
  size_t begin = 0;
  while (begin < end && IsBlank(line[begin])) ++begin;
  while (end > begin && IsBlank(line[end - 1])) --end;
  return line.substr(begin, end - begin);
}

struct Word {
  std::string text;
  size_t at;  // where it starts in the line
};

std::vector<Word> Words(const std::string &text) {
  std::vector<Word> words;
  for (size_t i = 0; i < text.size();) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    const size_t at = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    words.push_back({text.substr(at, i - at), at});
  }
  return words;
}

// The range of a number's type and what the number is, for messages.
struct Range {
  long long min;
  unsigned long long max;
  const char *what;
};

const Range kCommandId{0, 0xFFFF, "a command id"};
const Range kId{0, UINT_MAX, "an id"};
const Range kMessageNumber{0, UINT_MAX, "a message number"};
const Range kWParam{0, UINT64_MAX, "a wParam"};
const Range kLParam{INT64_MIN, INT64_MAX, "an lParam"};
const Range kDataCode{0, UINT64_MAX, "a data code"};
const Range kInt{INT_MIN, INT_MAX, "an int"};
const Range kButton{0, INT_MAX, "a button"};
const Range kFlag{0, 1, "a flag"};
const Range kCoordinate{SHRT_MIN, SHRT_MAX, "a view co-ordinate"};
const Range kWheelDelta{SHRT_MIN, SHRT_MAX, "a wheel delta"};
const Range kKeyFlags{0, 0xFFFF, "key flags"};
const Range kSize{0, 0xFFFF, "a view size"};
const Range kKey{1, 255, "a key number"};

std::string RangeText(const Range &range) {
  return "(" + std::to_string(range.min) + ".." + std::to_string(range.max) + ")";
}

// Decimal, or hexadecimal after 0x; a leading '-' for negative numbers.
bool Integer(const std::string &text, const Range &range, std::uint64_t &value, std::string &error) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  int base = 10;
  if (text.size() > i + 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return error = "'" + Shown(text) + "' is not a number, " + range.what + " expected", false;
  unsigned long long magnitude = 0;
  bool tooLarge = false;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int digit = -1;
    if (std::isdigit(c)) digit = c - '0';
    if (base == 16 && std::isxdigit(c) && !std::isdigit(c)) digit = std::tolower(c) - 'a' + 10;
    if (digit < 0) return error = "'" + Shown(text) + "' is not a number, " + range.what + " expected", false;
    if (magnitude > (ULLONG_MAX - unsigned(digit)) / unsigned(base)) tooLarge = true;
    if (!tooLarge) magnitude = magnitude * unsigned(base) + unsigned(digit);
  }
  bool fits = !tooLarge;
  if (fits && negative && magnitude != 0)
    fits = range.min < 0 && magnitude <= 0ULL - static_cast<unsigned long long>(range.min);
  else if (fits)
    fits = magnitude <= range.max && (range.min <= 0 || magnitude >= static_cast<unsigned long long>(range.min));
  if (!fits) return error = Shown(text) + " is out of range for " + range.what + " " + RangeText(range), false;
  value = negative ? 0ULL - magnitude : magnitude;
  return true;
}

bool Button(const std::string &text, std::uint64_t &button, std::string &error) {
  static const std::pair<const char *, int> kButtons[] = {
      {"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}, {"abort", IDABORT},
      {"retry", IDRETRY}, {"ignore", IDIGNORE}};
  for (const auto &b : kButtons)
    if (text == b.first) return button = std::uint64_t(b.second), true;
  if (Integer(text, kButton, button, error)) return true;
  error = "'" + Shown(text) + "' is not a button (ok, cancel, yes, no, abort, retry, ignore or a number " +
          RangeText(kButton) + ")";
  return false;
}

bool Key(const std::string &text, std::uint64_t &key, std::string &error) {
  static const std::pair<const char *, UINT> kKeys[] = {
      {"ctrl", VK_CONTROL}, {"shift", VK_SHIFT}, {"delete", VK_DELETE}, {"escape", VK_ESCAPE}};
  for (const auto &k : kKeys)
    if (text == k.first) return key = k.second, true;
  if (text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0])))
    return key = std::uint64_t(std::toupper(static_cast<unsigned char>(text[0]))), true;
  if (Integer(text, kKey, key, error)) return true;
  error = "'" + Shown(text) + "' is not a key (a letter, ctrl, shift, delete, escape or a number 1..255)";
  return false;
}

bool IsOperation(const std::string &name) {
#define KV_OPERATION_NAME(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType) NAME,
  static const char *const kNames[] = {KV_WEB_OPERATIONS(KV_OPERATION_NAME)};
#undef KV_OPERATION_NAME
  for (const char *known : kNames)
    if (name == known) return true;
  return false;
}

struct PointerMessage {
  UINT message;
  const char *name;
  const char *use;  // the event that sends it, or null
};

const PointerMessage kPointerMessages[] = {
    {WM_CREATE, "WM_CREATE", nullptr},
    {WM_SETTEXT, "WM_SETTEXT", nullptr},
    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO", nullptr},
    {WM_COPYDATA, "WM_COPYDATA", "copydata <dwData> [text]"},
};

// The checks of one event's words (words[0] is the event).
class CParser {
 public:
  CParser(const std::string &text, ScriptEvent &event, std::string &error)
      : text_(text), words_(Words(text)), event_(event), error_(error) {}

  bool Parse() {
    const std::string &verb = words_[0].text;
    if (verb == "answer") return Kind(EventKind::Answer, "answer <button>", 1, 1) && ButtonAt(1);
    if (verb == "dialog")
      return Kind(EventKind::Dialog, "dialog <id> <button>", 2, 2) && NumberAt(1, kId) && ButtonAt(2);
    if (verb == "menu") return Kind(EventKind::Menu, "menu <id>", 1, 1) && NumberAt(1, kId);
    if (verb == "set" || verb == "push") {
      if (!Kind(verb == "set" ? EventKind::Set : EventKind::Push, verb + " <object> <op> [value]", 2, SIZE_MAX))
        return false;
      event_.word = words_[1].text;
      event_.op = words_[2].text;
      event_.rest = RestFrom(3);
      return true;
    }
    if (verb == "command") return Kind(EventKind::Command, "command <id>", 1, 1) && NumberAt(1, kCommandId);
    if (verb == "update") return Kind(EventKind::Update, "update", 0, 0);
    if (verb == "ribbon") return Kind(EventKind::Ribbon, "ribbon", 0, 0);
    if (verb == "status") return Kind(EventKind::Status, "status", 0, 0);
    if (verb == "close") return Kind(EventKind::Close, "close", 0, 0);
    if (verb == "copydata") {
      if (!Kind(EventKind::CopyData, "copydata <dwData> [text]", 1, SIZE_MAX) || !NumberAt(1, kDataCode))
        return false;
      event_.rest = RestFrom(2);
      return true;
    }
    if (verb == "message") return Message();
    if (verb == "call") {
      if (!Kind(EventKind::Call, "call <operation>", 1, 1)) return false;
      event_.word = words_[1].text;
      if (!IsOperation(event_.word))
        return Fail("no operation " + Shown(event_.word) + " (an operation name such as ClashRule_listClashRules)");
      return true;
    }
    if (verb == "load") return Kind(EventKind::Load, "load <type> <id>", 2, 2) && NumberAt(1, kInt) && NumberAt(2, kInt);
    if (verb == "colormode") {
      if (!Kind(EventKind::ColorMode, "colormode <mode> [flag]", 1, 2) || !NumberAt(1, kInt)) return false;
      return words_.size() == 2 ? (event_.numbers.push_back(0), true) : NumberAt(2, kFlag);
    }
    if (verb == "view") return View();
    if (verb == "hold") {
      if (!Kind(EventKind::Hold, "hold <key> down|up", 2, 2) || !KeyAt(1)) return false;
      event_.word = words_[2].text;
      if (event_.word != "down" && event_.word != "up") return Fail("'" + Shown(event_.word) + "': use: hold <key> down|up");
      return true;
    }
    if (verb == "print") {
      event_.kind = EventKind::Print;
      event_.rest = RestFrom(1);
      return true;
    }
    return Fail("unknown event '" + Shown(verb) + "'");
  }

 private:
  bool Fail(const std::string &error) {
    error_ = error;
    return false;
  }

  // Sets the kind when the number of arguments is within min..max.
  bool Kind(EventKind kind, const std::string &use, size_t min, size_t max) {
    const size_t given = words_.size() - 1;
    if (given < min || given > max) {
      const std::string count = given < min ? "too few arguments" : "too many arguments";
      return Fail(count + "; use: " + use);
    }
    event_.kind = kind;
    return true;
  }

  bool NumberAt(size_t i, const Range &range) {
    std::uint64_t value = 0;
    if (!Integer(words_[i].text, range, value, error_)) return false;
    event_.numbers.push_back(value);
    return true;
  }

  bool ButtonAt(size_t i) {
    std::uint64_t button = 0;
    if (!Button(words_[i].text, button, error_)) return false;
    event_.numbers.push_back(button);
    return true;
  }

  bool KeyAt(size_t i) {
    std::uint64_t key = 0;
    if (!Key(words_[i].text, key, error_)) return false;
    event_.numbers.push_back(key);
    return true;
  }

  std::string RestFrom(size_t i) const { return i < words_.size() ? text_.substr(words_[i].at) : std::string(); }

  bool Message() {
    if (!Kind(EventKind::Message, "message <number> [wParam [lParam]]", 1, 3) || !NumberAt(1, kMessageNumber))
      return false;
    for (const PointerMessage &p : kPointerMessages) {
      if (event_.numbers[0] != p.message) continue;
      std::string error = "message " + words_[1].text + " is " + p.name +
                          ", whose parameters the main frame reads as pointers: it cannot be sent raw";
      if (p.use) error += std::string("; use the event ") + p.use;
      return Fail(error);
    }
    if (words_.size() > 2 && !NumberAt(2, kWParam)) return false;
    if (words_.size() > 3 && !NumberAt(3, kLParam)) return false;
    event_.numbers.resize(3, 0);
    return true;
  }

  bool View() {
    static const char *const kMouse[] = {"ldown", "lup", "ldblclk", "rdown", "rup",
                                         "rdblclk", "mdown", "mup", "mdblclk", "move"};
    if (words_.size() < 2)
      return Fail("too few arguments; use: view <mouse> <x> <y> [flags], view wheel <delta> <x> <y> [flags], "
                  "view keydown|keyup <key>, view paint or view size <cx> <cy>");
    const std::string &what = words_[1].text;
    event_.word = what;
    // The words after "view <what>" are the arguments here.
    auto args = [&](const std::string &use, size_t min, size_t max) {
      const size_t given = words_.size() - 2;
      if (given >= min && given <= max) return true;
      return Fail(std::string(given < min ? "too few arguments" : "too many arguments") + "; use: " + use);
    };
    event_.kind = EventKind::View;
    for (const char *mouse : kMouse) {
      if (what != mouse) continue;
      if (!args("view " + what + " <x> <y> [flags]", 2, 3) || !NumberAt(2, kCoordinate) || !NumberAt(3, kCoordinate))
        return false;
      return words_.size() == 4 ? (event_.numbers.push_back(0), true) : NumberAt(4, kKeyFlags);
    }
    if (what == "wheel") {
      if (!args("view wheel <delta> <x> <y> [flags]", 3, 4) || !NumberAt(2, kWheelDelta) ||
          !NumberAt(3, kCoordinate) || !NumberAt(4, kCoordinate))
        return false;
      return words_.size() == 5 ? (event_.numbers.push_back(0), true) : NumberAt(5, kKeyFlags);
    }
    if (what == "keydown" || what == "keyup") return args("view " + what + " <key>", 1, 1) && KeyAt(2);
    if (what == "paint") return args("view paint", 0, 0);
    if (what == "size") return args("view size <cx> <cy>", 2, 2) && NumberAt(2, kSize) && NumberAt(3, kSize);
    return Fail("unknown view event '" + Shown(what) +
                "' (ldown, lup, ldblclk, rdown, rup, rdblclk, mdown, mup, mdblclk, move, wheel, keydown, keyup, "
                "paint or size)");
  }

  const std::string &text_;
  std::vector<Word> words_;
  ScriptEvent &event_;
  std::string &error_;
};

}  // namespace

bool ParseEvent(const std::string &line, ScriptEvent &event, std::string &error) {
  event = ScriptEvent();
  event.text = WithoutComment(line);
  if (event.text.empty()) return true;
  return CParser(event.text, event, error).Parse();
}

bool RunsBeforeStart(EventKind kind) {
  switch (kind) {
    case EventKind::Answer:
    case EventKind::Dialog:
    case EventKind::Menu:
    case EventKind::Set:
    case EventKind::Push:
    case EventKind::Print:
      return true;
    default:
      return false;
  }
}

std::vector<unsigned> PointerMessages() {
  std::vector<unsigned> messages;
  for (const PointerMessage &p : kPointerMessages) messages.push_back(p.message);
  return messages;
}

}  // namespace KVSHELL
