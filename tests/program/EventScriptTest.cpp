// The program's event script and command line: which lines are events (and
// what every wrong one says), every message the main frame maps sent with
// garbage parameters, and the hand-over's password leaving argv.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>

#include <boost/make_shared.hpp>

#include "EventScript.h"
#include "KvCoreData.h"
#include "ProgramArgs.h"
#include "ScriptEvent.h"
#include "ShellTestSupport.h"
#include "keel/frame/MgrObject.h"
#include "keel/web/IWebMgr.h"
#include "wrench/TextConvert.h"

namespace kv::test {
namespace {

using KVSHELL::EventKind;
using KVSHELL::ScriptEvent;

TEST(ScriptEventTest, EventsAndTheirArguments) {
  struct Case {
    const char *line;
    EventKind kind;
    std::vector<std::uint64_t> numbers;
    const char *word, *op, *rest, *text;
  } const cases[] = {
      {"", EventKind::None, {}, "", "", "", ""},
      {"   # a comment line", EventKind::None, {}, "", "", "", ""},
      {"set CENTRALAUTHENTICATIONSERVICE_MGR\\s GetUserName 张三   # a stand-in's answer", EventKind::Set, {},
       "CENTRALAUTHENTICATIONSERVICE_MGR\\s", "GetUserName", "张三",
       "set CENTRALAUTHENTICATIONSERVICE_MGR\\s GetUserName 张三"},
      {"push X Op a#b  c", EventKind::Push, {}, "X", "Op", "a#b  c", "push X Op a#b  c"},
      {"set X Op", EventKind::Set, {}, "X", "Op", "", "set X Op"},
      {"copydata 7008 text   # WM_COPYDATA", EventKind::CopyData, {7008}, "", "", "text", "copydata 7008 text"},
      {"copydata 0xFFFFFFFFFFFFFFFF", EventKind::CopyData, {UINT64_MAX}, "", "", "", "copydata 0xFFFFFFFFFFFFFFFF"},
      {"\tcommand 65535\t", EventKind::Command, {65535}, "", "", "", "command 65535"},
      {"answer no", EventKind::Answer, {IDNO}, "", "", "", "answer no"},
      {"dialog 316 ok", EventKind::Dialog, {316, IDOK}, "", "", "", "dialog 316 ok"},
      {"message 0x400 18446744073709551615 -9223372036854775808", EventKind::Message,
       {0x400, UINT64_MAX, 0x8000000000000000ULL}, "", "", "", nullptr},
      {"message 16", EventKind::Message, {16, 0, 0}, "", "", "", nullptr},
      {"load 3 -2147483648", EventKind::Load, {3, std::uint64_t(std::int64_t(INT_MIN))}, "", "", "", nullptr},
      {"colormode 0", EventKind::ColorMode, {0, 0}, "", "", "", nullptr},
      {"view ldown -32768 32767", EventKind::View, {std::uint64_t(-32768), 32767, 0}, "ldown", "", "", nullptr},
      {"view wheel -120 1 2 8", EventKind::View, {std::uint64_t(-120), 1, 2, 8}, "wheel", "", "", nullptr},
      {"view keyup escape", EventKind::View, {VK_ESCAPE}, "keyup", "", "", nullptr},
      {"view size 65535 0", EventKind::View, {65535, 0}, "size", "", "", nullptr},
      {"hold f down", EventKind::Hold, {'F'}, "down", "", "", nullptr},
      {"call Device_cloneDevice", EventKind::Call, {}, "Device_cloneDevice", "", "", nullptr},
      {"print  two  blanks # not printed", EventKind::Print, {}, "", "", "two  blanks", nullptr},
      {"print", EventKind::Print, {}, "", "", "", nullptr},
      {"close", EventKind::Close, {}, "", "", "", nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.line);
    ScriptEvent event;
    std::string error;
    ASSERT_TRUE(KVSHELL::ParseEvent(c.line, event, error)) << error;
    EXPECT_EQ(event.kind, c.kind);
    EXPECT_EQ(event.numbers, c.numbers);
    EXPECT_EQ(event.word, c.word);
    EXPECT_EQ(event.op, c.op);
    EXPECT_EQ(event.rest, c.rest);
    if (c.text) EXPECT_EQ(event.text, c.text);
  }
}

// Each wrong line and a part of what it must say.
TEST(ScriptEventTest, WrongLinesSayWhatIsWrong) {
  struct Case {
    const char *line, *says;
  } const cases[] = {
      {"status   # the status bar's panes extra", ""},  // a comment, so a good line: checked below
      {"frobnicate 1", "unknown event 'frobnicate'"},
      {"command", "too few arguments; use: command <id>"},
      {"command 5900 5901", "too many arguments; use: command <id>"},
      {"command 4294973196", "4294973196 is out of range for a command id (0..65535)"},
      {"command -1", "-1 is out of range for a command id"},
      {"command 59x", "'59x' is not a number, a command id expected"},
      {"command 0x", "'0x' is not a number"},
      {"command 99999999999999999999999", "is out of range for a command id"},
      {"update now", "too many arguments; use: update"},
      {"answer maybe", "'maybe' is not a button"},
      {"answer -6", "'-6' is not a button"},
      {"dialog 316", "too few arguments; use: dialog <id> <button>"},
      {"menu 4294967296", "out of range for an id (0..4294967295)"},
      {"set X", "too few arguments; use: set <object> <op> [value]"},
      {"copydata -1 x", "-1 is out of range for a data code"},
      {"message 74 0 12345", "WM_COPYDATA, whose parameters the main frame reads as pointers: it cannot be sent raw; "
                             "use the event copydata <dwData> [text]"},
      {"message 12 0 12345", "message 12 is WM_SETTEXT"},
      {"message 0x24", "WM_GETMINMAXINFO"},
      {"message 1", "WM_CREATE"},
      {"message 16 -1", "-1 is out of range for a wParam"},
      {"message 16 0 9223372036854775808", "out of range for an lParam"},
      {"message 16 0 0 0", "too many arguments"},
      {"call", "too few arguments; use: call <operation>"},
      {"call Device_noSuchThing", "no operation Device_noSuchThing"},
      {"load 2 2147483648", "out of range for an int"},
      {"colormode 0 2", "2 is out of range for a flag (0..1)"},
      {"view", "too few arguments; use: view <mouse>"},
      {"view ldown 99999999999 1", "99999999999 is out of range for a view co-ordinate (-32768..32767)"},
      {"view ldown 1 -32769", "out of range for a view co-ordinate"},
      {"view ldown 1", "too few arguments; use: view ldown <x> <y> [flags]"},
      {"view wheel 40000 1 1", "out of range for a wheel delta"},
      {"view keydown", "too few arguments; use: view keydown <key>"},
      {"view keydown 256", "'256' is not a key"},
      {"view size -1 10", "out of range for a view size"},
      {"view paint now", "too many arguments; use: view paint"},
      {"view jump 1 2", "unknown view event 'jump'"},
      {"hold ctrl sideways", "use: hold <key> down|up"},
      {"close now", "too many arguments; use: close"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.line);
    ScriptEvent event;
    std::string error;
    const bool good = KVSHELL::ParseEvent(c.line, event, error);
    if (!*c.says) {
      EXPECT_TRUE(good) << error;
      continue;
    }
    EXPECT_FALSE(good);
    EXPECT_NE(error.find(c.says), std::string::npos) << error;
  }
}

class EventScriptTest : public ShellTest {
 protected:
  ~EventScriptTest() override { KVUI::SetResponder(&responder); }
  std::ostringstream transcriptText, errors;
  KVSHELL::CTranscript transcript{transcriptText};
};

// A whole script is checked before anything runs: every wrong line is
// named by file and line, a byte-order mark and CR LF line ends are taken.
TEST_F(EventScriptTest, LoadReportsEveryWrongLine) {
  KVSHELL::CEventScript script(transcript, errors);
  std::istringstream in("\xEF\xBB\xBFstatus\r\ncommand 4294973196\r\n# fine\nview ldown 1\nclose # bye\n");
  EXPECT_FALSE(script.Load(in, "demo.kvs"));
  EXPECT_EQ(errors.str(),
            "demo.kvs:2: 4294973196 is out of range for a command id (0..65535)\n"
            "demo.kvs:4: too few arguments; use: view ldown <x> <y> [flags]\n");
  EXPECT_EQ(transcriptText.str(), "");
  std::istringstream good("\xEF\xBB\xBFstatus\r\nclose\n");
  EXPECT_TRUE(script.Load(good, "<stdin>"));
}

// Once the main window is closed the message loop ends: every line after
// the close is echoed and reported, none runs (the print prints nothing),
// and each counts as an event that could not run. One row per way the
// window closes.
TEST_F(EventScriptTest, LinesAfterTheWindowClosedAreReported) {
  const char *const closes[] = {"close", "message 16", "command 5899"};
  for (const char *close : closes) {
    SCOPED_TRACE(close);
    Reset();
    transcriptText.str("");
    errors.str("");
    ASSERT_TRUE(Start());
    KVSHELL::CEventScript script(transcript, errors);
    std::istringstream in(std::string("answer yes\n") + close +
                          "\nstatus\n# a comment\n\nprint never\ncall ClashRule_listClashRules\n");
    ASSERT_TRUE(script.Load(in, "t.kvs"));
    script.Prelude();
    script.Start();
    KVUI::PumpPending();
    EXPECT_FALSE(Frame()->IsWindow());
    EXPECT_TRUE(KVUI::IsQuitPosted());
    EXPECT_EQ(errors.str(),
              "t.kvs:3: the main window is closed\n"
              "t.kvs:6: the main window is closed\n"
              "t.kvs:7: the main window is closed\n");
    EXPECT_EQ(script.Failures(), 3);
    const std::string text = transcriptText.str();
    EXPECT_NE(text.find("> status\n> print never\n> call ClashRule_listClashRules\n# end of script\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("\nnever\n"), std::string::npos) << text;
    // Nothing is left for the end of the loop.
    script.LoopEnded();
    EXPECT_EQ(script.Failures(), 3);
  }
}

// A call whose operation is still running when the window closes: the
// message loop ends without its report, so it is reported as not finished
// (and its result, should it come later, is not taken), as is every line
// after it.
TEST_F(EventScriptTest, ACallRunningWhenTheLoopEndsIsReportedAsNotFinished) {
  struct Serv : KEEL::WEB::IWebServ {
    KEEL::WEB::IWSObserver *observer = nullptr;
    void SetObserver(KEEL::WEB::IWSObserver *o, int) override { observer = o; }
    KEEL::WEB::WebServError &GetServError(KEEL::WEB::WebServError &out) override { return out; }
    bool IsFinished() override { return false; }
    std::wstring GetServName() override { return L"ClashRule_listClashRules"; }
    KEEL::WEB::IInput *GetInput() override { return nullptr; }
    KEEL::WEB::IOutput *GetOutput() override { return nullptr; }
    // The window closes while the operation runs.
    void Start() override { AfxGetMainWnd()->PostMessage(WM_CLOSE); }
    void Wait() override {}
  };
  struct Host : KEEL::FRAME::CMgrObject, KEEL::WEB::IWebMgr {
    boost::shared_ptr<Serv> serv = boost::make_shared<Serv>();
    Host() : CMgrObject(L"AppWebServiceMgr") {}
    boost::shared_ptr<KEEL::WEB::IWebServ> GetWebServ(const std::wstring &) override { return serv; }
    void SetWebErrorObserver(KEEL::WEB::IWebErrorObserver *) override {}
  };
  ASSERT_TRUE(Start());
  ASSERT_TRUE(g_pKvCoreData->RemoveManager(L"AppWebServiceMgr"));
  auto *host = new Host;
  const boost::shared_ptr<Serv> serv = host->serv;
  ASSERT_TRUE(g_pKvCoreData->AddManager(host));
  KVSHELL::CEventScript script(transcript, errors);
  std::istringstream in("answer yes\ncall ClashRule_listClashRules\nstatus\n");
  ASSERT_TRUE(script.Load(in, "t.kvs"));
  script.Prelude();
  script.Start();
  KVUI::PumpPending();
  ASSERT_FALSE(Frame()->IsWindow());
  EXPECT_EQ(errors.str(), "");
  ASSERT_NE(serv->observer, nullptr);
  script.LoopEnded();
  EXPECT_EQ(errors.str(),
            "t.kvs:2: call ClashRule_listClashRules did not finish: the main window is closed\n"
            "t.kvs:3: the main window is closed\n");
  EXPECT_EQ(script.Failures(), 2);
  EXPECT_EQ(serv->observer, nullptr);
  EXPECT_NE(transcriptText.str().find("> call ClashRule_listClashRules\n"), std::string::npos);
  EXPECT_EQ(transcriptText.str().find("call: "), std::string::npos);
}

// Every message the main frame's map chain handles, every message below
// WM_USER + 0x200 and the frame's own, with garbage parameters, through the
// script: the ones whose parameters are read as pointers are refused when
// the script is checked, all others run without harm (under
// AddressSanitizer as well).
TEST_F(EventScriptTest, EveryMessageWithGarbageParametersIsRefusedOrHarmless) {
  struct FrameMap : CMainFrame {
    static std::set<UINT> Messages() {
      std::set<UINT> messages;
      for (const AFX_MSGMAP *map = GetThisMessageMap(); map;
           map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY *e = map->lpEntries; e->pfn; ++e) messages.insert(e->nMessage);
      return messages;
    }
  };
  std::set<UINT> messages = FrameMap::Messages();
  ASSERT_TRUE(messages.count(WM_COPYDATA) && messages.count(WM_KV_TRANSHOLE) && messages.count(WM_GETMINMAXINFO));
  for (UINT m = 0; m < WM_USER + 0x200; ++m) messages.insert(m);
  const char *const garbage[] = {"12345 12345", "0xFFFFFFFFFFFFFFFF -1",
                                 "0x8000000000000000 -9223372036854775808", "0xDEADBEEF 0x7FFFFFFFDEADBEEF"};
  const std::vector<unsigned> pointers = KVSHELL::PointerMessages();
  std::string text;
  int refused = 0;
  for (UINT m : messages)
    for (const char *params : garbage) {
      const std::string line = "message " + std::to_string(m) + " " + params;
      ScriptEvent event;
      std::string error;
      const bool isPointer = std::find(pointers.begin(), pointers.end(), m) != pointers.end();
      EXPECT_EQ(KVSHELL::ParseEvent(line, event, error), !isPointer) << line << ": " << error;
      if (isPointer) {
        ++refused;
        continue;
      }
      text += line + "\n";
    }
  EXPECT_EQ(refused, int(pointers.size() * std::size(garbage)));

  ASSERT_TRUE(Start());
  KVSHELL::CEventScript script(transcript, errors);
  std::istringstream in(text);
  ASSERT_TRUE(script.Load(in, "garbage.kvs")) << errors.str();
  script.Start();
  KVUI::PumpPending();
  EXPECT_EQ(script.Failures(), 0);
  EXPECT_EQ(errors.str(), "");
  EXPECT_NE(transcriptText.str().find("# end of script"), std::string::npos);
  ASSERT_TRUE(Frame()->IsWindow());
}

TEST(ProgramArgsTest, CommandLines) {
  struct Case {
    std::vector<std::string> args;
    bool good;
    const char *error;
    bool help;
    const char *script;
    std::vector<std::string> appArgs;
    std::vector<std::string> notes;
  } const cases[] = {
      {{}, true, "", false, "", {}},
      {{"--help"}, true, "", true, "", {}},
      {{"--script", "a.kvs", "u$$p$$h$$e$$f"}, true, "", false, "a.kvs", {"u$$p$$h$$e$$f"}},
      {{"u$$p$$h"},
       true,
       "",
       false,
       "",
       {"u$$p$$h"},
       {"argument 1 is no hand-over: it has 3 fields where a hand-over has 5 joined by $$; the program starts "
        "without one"}},
      {{"--", "-u$$p$$h:80$$e$$f"}, true, "", false, "", {"-u$$p$$h:80$$e$$f"}},
      {{"--", "--help"}, true, "", false, "", {"--help"}, {"argument 2 is no hand-over: it has 1 field where a "
                                                             "hand-over has 5 joined by $$; the program starts "
                                                             "without one"}},
      {{"u$$p$$http://h/$$e$$f"},
       true,
       "",
       false,
       "",
       {"u$$p$$http://h/$$e$$f"},
       {"the hand-over's server (argument 1, field 3) is no server address (host[:port]): 'http://h/'"}},
      {{"--script", "a", "--script", "b"}, false, "--script is given twice"},
      {{"--script"}, false, "--script needs a file"},
      {{"--script", ""}, false, "--script needs a file"},
      {{"--verbose"}, false, "unknown option --verbose"},
      {{"-h"}, false, "unknown option -h"},
      {{"-u$$pw$$h$$e$$f"}, false, "unknown option -u$$***$$***$$***$$*** (a hand-over that starts with '-' goes after --)"},
      {{"a$$b$$c$$d$$e", "f$$g$$h$$i$$j"}, false, "one hand-over at most"},
  };
  for (const Case &c : cases) {
    std::string joined;
    for (const std::string &a : c.args) joined += a + " ";
    SCOPED_TRACE(joined);
    std::vector<std::string> storage{"kestrova"};
    storage.insert(storage.end(), c.args.begin(), c.args.end());
    std::vector<char *> argv;
    for (std::string &s : storage) argv.push_back(&s[0]);
    KVSHELL::ProgramArgs args;
    std::string error;
    EXPECT_EQ(KVSHELL::ParseProgramArgs(int(argv.size()), argv.data(), args, error), c.good);
    EXPECT_EQ(error, c.error);
    if (!c.good) continue;
    EXPECT_EQ(args.help, c.help);
    EXPECT_EQ(args.script, c.script);
    EXPECT_EQ(args.appArgs, c.appArgs);
    EXPECT_EQ(args.notes, c.notes);
  }
}

// The password leaves argv's storage (what /proc/PID/cmdline shows), also
// when the argument is no hand-over or the command line is refused; argv
// then points to copies, which still carry it to the login command.
TEST_F(EventScriptTest, PasswordLeavesArgvAndReachesTheLogin) {
  struct Case {
    const char *option;  // an argument before, or null
    const char *arg;
    const char *left;  // argv's bytes afterwards, up to the first NUL
  } const cases[] = {
      {nullptr, "bob$$SECRETPW1$$127.0.0.1:1$$ev$$f", "bob$$$$127.0.0.1:1$$ev$$f"},
      {nullptr, "bob$$$$h$$ev$$f", "bob$$$$h$$ev$$f"},
      {nullptr, "bob$$SECRETPW1$$h", "bob"},  // no hand-over: all but the first field may be a password
      {nullptr, "bob$$SECRET$$PW1$$h$$ev$$f", "bob"},
      {"--", "-bob$$SECRETPW1$$h$$ev$$f", "-bob$$$$h$$ev$$f"},
      {"--bogus", "bob$$SECRETPW1$$h$$ev$$f", "bob$$$$h$$ev$$f"},  // refused
      // Fields as the hand-over splits them: at each "$$" from the end of the one before.
      {nullptr, "bob$$$SECRET$$h$$ev$$f", "bob$$$$h$$ev$$f"},
      {nullptr, "bob$$SECRET$$h$$ev$$", "bob$$$$h$$ev$$"},
      {nullptr, "$$$$$$$$", "$$$$$$$$"},
  };
  std::vector<std::string> handedOver;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arg);
    const std::string option = c.option ? c.option + std::string(1, '\0') : "";
    std::string storage = std::string("kestrova") + '\0' + option + c.arg + '\0';
    const size_t at = 9 + option.size();
    std::vector<char *> argv{&storage[0]};
    if (c.option) argv.push_back(&storage[9]);
    argv.push_back(&storage[at]);
    KVSHELL::HidePasswords(int(argv.size()), argv.data());
    EXPECT_STREQ(&storage[at], c.left);
    // The freed bytes are NUL: nothing of the password is left behind.
    EXPECT_EQ(storage.substr(at + std::strlen(c.left)), std::string(std::strlen(c.arg) - std::strlen(c.left) + 1, '\0'));
    EXPECT_STREQ(argv.back(), c.arg);
    EXPECT_NE(argv.back(), &storage[at]);
    KVSHELL::ProgramArgs args;
    std::string error;
    const bool good = KVSHELL::ParseProgramArgs(int(argv.size()), argv.data(), args, error);
    EXPECT_EQ(good, option.compare(0, 7, "--bogus") != 0) << error;
    std::free(argv.back());  // the program keeps its copies for its life
    if (!good) continue;
    ASSERT_EQ(args.appArgs, std::vector<std::string>{c.arg});
    if (handedOver.empty()) handedOver = args.appArgs;
  }
  ASSERT_TRUE(Start({WRENCH::UTF8ToUnicode(handedOver[0])}));
  ASSERT_EQ(g_loginTexts.size(), 1u);
  EXPECT_NE(g_loginTexts[0].find("\"Password\":\"SECRETPW1\""), std::string::npos) << g_loginTexts[0];
}

}  // namespace
}  // namespace kv::test
