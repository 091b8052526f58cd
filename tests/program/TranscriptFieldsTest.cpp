// Every text field of kestrova's transcript reads back as it went in.
// Hostile texts go through the program as a user's run takes them: a
// hand-over's user name (the login's journal line), a print (its echo and
// its line) and a fault message of the test server that the program shows
// in a message box (the call's line and the box's line). One simple reader
// takes each field back. A text that reaches the program as an argument or
// over the wire arrives as UTF-8, so bytes that are no UTF-8 come back
// there as U+FFFD; XML has no ESC, so no reply carries one.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PeerControl.h"

namespace {

// Appends code point `c` as UTF-8.
void PutUtf8(unsigned c, std::string &out) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

// The reader: one field of `line` from `at` up to the character `stop`
// (left at it; 0: the end of the line), with \\ \" \| \n \r \t \xNN (a
// byte) and \uNNNN taken back. False for anything the escaping never
// writes: a raw control character, a raw quote, an unknown escape (the
// cut's "\..." among them), a missing stop.
bool ReadField(const std::string &line, size_t &at, char stop, std::string &text) {
  text.clear();
  while (at < line.size()) {
    const unsigned char c = static_cast<unsigned char>(line[at]);
    if (stop && c == static_cast<unsigned char>(stop)) return true;
    if (c < 0x20 || c == 0x7F || c == '"') return false;
    ++at;
    if (c != '\\') {
      text += char(c);
      continue;
    }
    if (at >= line.size()) return false;
    const char e = line[at++];
    const auto hex = [&](size_t digits, unsigned &value) {
      if (at + digits > line.size()) return false;
      const std::string part = line.substr(at, digits);
      char *end = nullptr;
      value = unsigned(std::strtoul(part.c_str(), &end, 16));
      at += digits;
      return *end == '\0';
    };
    unsigned value = 0;
    switch (e) {
      case '\\': case '"': case '|': text += e; break;
      case 'n': text += '\n'; break;
      case 'r': text += '\r'; break;
      case 't': text += '\t'; break;
      case 'x':
        if (!hex(2, value)) return false;
        text += char(value);
        break;
      case 'u':
        if (!hex(4, value)) return false;
        PutUtf8(value, text);
        break;
      default:
        return false;
    }
  }
  return stop == 0;
}

// The field after `prefix` on the first line that starts with it, up to
// `stop`; false when there is none or it does not read.
bool FieldAfter(const std::vector<std::string> &lines, const std::string &prefix, char stop, std::string &text) {
  for (const std::string &line : lines) {
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    size_t at = prefix.size();
    return ReadField(line, at, stop, text);
  }
  return false;
}

class TranscriptFieldsTest : public ::testing::Test {
 protected:
  TranscriptFieldsTest() : peer(KV_PEER_STATE) {}
  void TearDown() override { peer.Post("/control/reset"); }

  // Runs kestrova with `script` and a hand-over of user `user` to the test
  // server; its exit code and transcript lines.
  int Run(const std::string &script, const std::string &user, std::vector<std::string> &lines) {
    const std::string file = ::testing::TempDir() + "kv_fields_" + std::to_string(getpid()) + ".kvs";
    std::ofstream(file, std::ios::binary) << script;
    const std::string handOver = user + "$$pw$$" + peer.Address() + "$$ev$$f";
    std::string quoted = "'";
    for (char c : handOver) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    const std::string command = "'" KV_PROGRAM "' --script '" + file + "' -- " + quoted + " 2>/dev/null";
    FILE *out = popen(command.c_str(), "r");
    std::string text;
    char buffer[4096];
    for (size_t n; out && (n = fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
    const int status = out ? pclose(out) : -1;
    std::remove(file.c_str());
    lines.clear();
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  kv::test::PeerControl peer;
};

TEST_F(TranscriptFieldsTest, HostileTextsReadBackFromEveryField) {
  struct Case {
    const char *what;
    std::string text;
    std::string overWire;  // as an argument or the server's fault arrives
    bool printable;        // a script line can hold it
    bool wire;             // a reply can carry it
  } const cases[] = {
      {"a quote that would end the field", "ok\" -> 2 (forged", "ok\" -> 2 (forged", true, true},
      {"backslashes", "C:\\dir\\ \\\\x41 end\\", "C:\\dir\\ \\\\x41 end\\", true, true},
      {"the two characters \\n", "first\\n# exit 0\\nbox: forged", "first\\n# exit 0\\nbox: forged", true, true},
      {"ESC", "\x1b[2J\x1b[31mred", "\x1b[2J\x1b[31mred", true, false},
      {"U+2028, U+2029 and a C1 control", "a\u2028b\u2029c\u0085d", "a\u2028b\u2029c\u0085d", true, true},
      {"bytes that are no UTF-8", "a\xff" "b\xc3", "a\uFFFD" "b\uFFFD", true, true},
      {"a journal separator", "a|b", "a|b", true, true},
      {"line breaks and a tab", "one\ntwo\r\nthree\tfour", "one\ntwo\r\nthree\tfour", false, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    peer.Post("/control/reset");
    Json::Value fault;
    fault["operation"] = "listDevice";
    fault["infoCode"] = 1000;
    fault["message"] = c.overWire;
    fault["count"] = 1;
    peer.Post("/control/fault", fault);
    std::string script = c.wire ? "answer ok\ncall Device_listDevice\n" : "";
    if (c.printable) script += "print " + c.text + "\n";
    std::vector<std::string> lines;
    ASSERT_EQ(Run(script, c.text, lines), 0);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "# exit 0");

    std::string text;
    ASSERT_TRUE(FieldAfter(lines, "journal: MOXCOMMANDS::LOGIN::CLoginMoxCmd|APP_LOGINMOX_CMD|Execute|", '|', text));
    EXPECT_EQ(text, c.overWire) << "journal";
    if (c.wire) {
      ASSERT_TRUE(FieldAfter(lines, "call: Device_listDevice code 2 fault ", 0, text));
      EXPECT_EQ(text, "[1000] " + c.overWire) << "call";
      ASSERT_TRUE(FieldAfter(lines, "box: message box 0 flags 0x0 \"", '"', text));
      EXPECT_EQ(text, c.overWire) << "box";
    }
    if (!c.printable) continue;
    // The echo, then the printed line.
    size_t echo = 0;
    while (echo < lines.size() && lines[echo].compare(0, 8, "> print ") != 0) ++echo;
    ASSERT_LT(echo + 1, lines.size());
    size_t at = 8;
    ASSERT_TRUE(ReadField(lines[echo], at, 0, text));
    EXPECT_EQ(text, c.text) << "echo";
    ASSERT_EQ(lines[echo + 1].compare(0, 7, "print: "), 0) << lines[echo + 1];
    at = 7;
    ASSERT_TRUE(ReadField(lines[echo + 1], at, 0, text));
    EXPECT_EQ(text, c.text) << "print";
  }
}


// The kind of a transcript line: the prefix it starts with ("" for none).
std::string KindOf(const std::string &line) {
  static const char *const kKinds[] = {"> ",       "journal: ", "platform: ", "box: ",  "call: ", "status: ",
                                       "ribbon: ", "copydata: ", "load: ",    "print: ", "# "};
  for (const char *kind : kKinds)
    if (line.compare(0, std::string(kind).size(), kind) == 0) return kind;
  return "";
}

// A printed text shaped like another entry reads back as a print, right
// after its echo, and no line of the transcript is that text. ("# " lines
// cannot be printed: a script's '#' after a blank begins a comment.)
TEST_F(TranscriptFieldsTest, PrintsShapedLikeOtherEntriesReadBackAsPrints) {
  const std::string texts[] = {
      "> close",
      "journal: MOXCOMMANDS::LOGIN::CLoginMoxCmd|APP_LOGINMOX_CMD|Execute|x",
      "platform: AfxWinInit",
      "box: message box 0 flags 0x0 \"forged\" -> 1",
      "call: Device_listDevice code 0 result 1 item",
      "status: 0 forged (100)",
      "ribbon: 5900 enabled",
      "copydata: 1",
      "load: true",
      "print: forged",
      "<stdin>:1: forged",
  };
  std::string script;
  for (const std::string &text : texts) script += "print " + text + "\n";
  std::vector<std::string> lines;
  ASSERT_EQ(Run(script, "kv", lines), 0);
  for (const std::string &text : texts) {
    SCOPED_TRACE(text);
    for (const std::string &line : lines) EXPECT_NE(line, text);
    std::string read;
    size_t echo = 0;
    for (; echo < lines.size(); ++echo) {
      size_t at = 2;
      if (KindOf(lines[echo]) == "> " && ReadField(lines[echo], at, 0, read) && read == "print " + text) break;
    }
    ASSERT_LT(echo + 1, lines.size());
    EXPECT_EQ(KindOf(lines[echo + 1]), "print: ") << lines[echo + 1];
    size_t at = 7;
    ASSERT_TRUE(ReadField(lines[echo + 1], at, 0, read));
    EXPECT_EQ(read, text);
  }
}

// A text longer than a field holds is cut by one rule in every field kind,
// and the cut is told from a text that ends in the cut's own words: a
// journal field (the user name), a print, a call's fault and a box's text.
TEST_F(TranscriptFieldsTest, LongTextsAreCutAlikeInEveryField) {
  const size_t kField = 4096;
  const std::string cut = "\\... (cut: ";
  const std::string longText(5000, 'a');
  Json::Value fault;
  fault["operation"] = "listDevice";
  fault["infoCode"] = 1000;
  fault["message"] = longText;
  fault["count"] = 1;
  peer.Post("/control/fault", fault);
  const std::string lookalike = "b... (cut: 9 characters)";
  std::vector<std::string> lines;
  ASSERT_EQ(Run("answer ok\ncall Device_listDevice\nprint " + longText + "\nprint " + lookalike + "\n", longText,
                lines),
            0);
  const auto find = [&](const std::string &prefix) {
    for (const std::string &line : lines)
      if (line.compare(0, prefix.size(), prefix) == 0) return line.substr(prefix.size());
    ADD_FAILURE() << "no line " << prefix;
    return std::string();
  };
  const std::string whole = std::string(kField, 'a') + cut + "5000 characters)";
  const std::string login = find("journal: MOXCOMMANDS::LOGIN::CLoginMoxCmd|APP_LOGINMOX_CMD|Execute|");
  EXPECT_EQ(login.substr(0, login.find('|')), whole);
  EXPECT_EQ(find("print: a"), whole.substr(1));
  EXPECT_EQ(find("call: Device_listDevice code 2 fault "),
            "[1000] " + std::string(kField - 7, 'a') + cut + "5007 characters)");
  EXPECT_EQ(find("box: message box 0 flags 0x0 \""), whole + "\" -> 1");
  // Not cut: it reads back whole.
  std::string text;
  ASSERT_TRUE(FieldAfter(lines, "print: b", 0, text));
  EXPECT_EQ("b" + text, lookalike);
}

}  // namespace
