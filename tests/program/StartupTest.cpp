// The start sequence, the launcher's hand-over, the start-up tip and the
// ways start-up ends early.
#include <json/json.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "ShellTestSupport.h"
#include "wrench/LogMsg.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"
#include "wrench/XMLConfig.h"

namespace kv::test {
namespace {

TEST_F(ShellTest, StartRunsItsStepsInOrder) {
  ASSERT_TRUE(Start({L"user$$secret$$127.0.0.1:1$$event$$file"}));
  // The journal excerpt of the start, in the sequence's order.
  const wchar_t *const steps[] = {
      L"MOXMANAGERS::MOXFRAME::CMoxKeelFramework||InitLoginInstance|config/System/resources.cfg",
      L"CStartUpEve||EnabeMultiInstance|false",
      L"CStartUpEve||SetMutexName|",
      L"CStartUpEve||SetSynEventName|event",
      L"CStartUpEve||SetSynFileName|file",
      L"CStartUpEve||StartFromShell|true",
      L"MoxPushDllMgr|StartProgramFileUpdateService",
      L"AppFunctionLogMgr|AddLogInfo|打开软件|打开软件|false",
      L"KVLOG::CKvLog||SetKeelData",
      L"AppStatusBarMgr|CreateStatusBar|3",
      L"AppStatusBarMgr|SetPaneInfo|1|[u,e]|",
      L"AppStatusBarMgr|SetPaneInfo|2|V1.0.5|",
      L"AppHoopsPinMgr|LoadPinImage|KV|Clash=",
      L"GlideSbInterface||SetGlobalVisualTheme|20",
      L"Mox_StartView_Mgr|SetParentWnd|window",
      L"Mox_StartView_Mgr|ShowStartView|1",
  };
  int at = 0;
  for (const wchar_t *step : steps) {
    SCOPED_TRACE(KVUI::Utf8(step));
    const int found = Find(step, at);
    ASSERT_GE(found, 0) << "missing or out of order";
    at = found + 1;
  }
  EXPECT_EQ(Frame()->m_pFramework, app->m_pFramework);
  EXPECT_TRUE(Frame()->IsWindowVisible());
  EXPECT_EQ(Frame()->GetShowCommand(), SW_SHOWMAXIMIZED);
  EXPECT_EQ(KEEL::FRAME::CKeelFramework::GetLogSysLogFile(), WRENCH::GetSysRoot() + L"log/log.log");
  EXPECT_EQ(KEEL::FRAME::CKeelFramework::GetLanguageRes(), WRENCH::GetSysRoot() + L"config/system/chs.lang");
  EXPECT_EQ(app->m_dwRestartManagerSupportFlags, 63u);
  EXPECT_EQ(app->GetAppID(), L"Kestrova.AppID.NoVersion");
  const std::vector<std::wstring> pins = Lines(L"LoadPinImage");
  ASSERT_EQ(pins.size(), 1u);
  const std::wstring ui = GetUIConfigDir();
  EXPECT_EQ(pins[0], L"KEEL::HOOPS::CHoopsPinMgr|AppHoopsPinMgr|LoadPinImage|KV|Clash=" + ui + L"|Walker=" + ui +
                         L"|Hole=" + ui);
  app->ExitInstance();
}

// Platform set-up and the outside calls in one trace, in the order made.
TEST_F(ShellTest, PlatformStepsOfStartAndExitInOrder) {
  std::vector<std::wstring> trace;
  KVUI::SetPlatformTrace([&](const std::wstring &call) { trace.push_back(call); });
  KVOUTSIDE::CJournal::Instance().SetSink(
      [&](const KVOUTSIDE::JournalEntry &entry) { trace.push_back(entry.Line()); });
  ASSERT_TRUE(Start());
  app->ExitInstance();
  KVUI::SetPlatformTrace(nullptr);
  KVOUTSIDE::CJournal::Instance().SetSink(nullptr);
  const wchar_t *const steps[] = {
      L"InitCommonControlsEx 8 0xFF", L"AfxOleInit TRUE", L"AfxEnableControlContainer", L"LoadStdProfileSettings 4",
      L"EnableTaskBarInteraction FALSE", L"SetTooltipParams 0xFFFF CBCGPToolTipCtrl",
      L"CBCGPVisualManager2013::SetStyle 1", L"SetDefaultManager CBCGPVisualManager2013", L"SetDockMode 128 0",
      L"LoadLibraryW BCGCBProResChs.dll", L"BCGCBProSetResourceHandle module", L"CMoxKeelFramework||InitLoginInstance",
      L"StartFromShell|false", L"StartProgramFileUpdateService", L"AppStatusBarMgr|CreateStatusBar", L"AfxInitRichEdit", L"AppHoopsPinMgr|LoadPinImage",
      L"CoInitializeEx 0x2", L"AfxEnableControlContainer", L"SetGlobalVisualTheme|20", L"ShowStartView",
      // ExitInstance
      L"AfxOleTerm FALSE", L"FreeLibrary", L"BCGCBProCleanUp", L"|ReleaseObject", L"CoUninitialize"};
  size_t at = 0;
  for (const wchar_t *step : steps) {
    SCOPED_TRACE(KVUI::Utf8(step));
    while (at < trace.size() && trace[at].find(step) == std::wstring::npos) ++at;
    ASSERT_LT(at, trace.size()) << "missing or out of order";
    ++at;
  }
}

// A launcher hands over exactly five fields; anything else is no hand-over.
TEST_F(ShellTest, HandOverNeedsExactlyFiveFields) {
  struct Case {
    const wchar_t *arg;
    bool fromShell;
  } const cases[] = {
      {nullptr, false},
      {L"a$$b$$c$$d", false},
      {L"a$$b$$c$$d$$e", true},
      {L"a$$b$$c$$d$$e$$f", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arg ? KVUI::Utf8(c.arg) : "no argument");
    CKestrovaApp local;
    hooks.sleeps.clear();
    CCommandLineInfo info;
    if (c.arg) info.m_strFileName = c.arg;
    local.ParseShellArgs(info);
    EXPECT_EQ(local.m_bFromShell, c.fromShell);
    EXPECT_EQ(hooks.sleeps, c.fromShell ? std::vector<DWORD>{600} : std::vector<DWORD>{});
    EXPECT_EQ(local.m_strUserName, c.fromShell ? "a" : "");
    EXPECT_EQ(local.m_strSynFileName, c.fromShell ? "e" : "");
    EXPECT_EQ(local.MakeLoginText().empty(), !c.fromShell);
  }
}

TEST_F(ShellTest, LoginTextIsOneObjectOfThreeStrings) {
  ASSERT_TRUE(Start({L"张三$$p\"w$$host:8080$$ev$$f"}));
  ASSERT_EQ(g_loginTexts.size(), 1u);
  Json::Value login;
  std::istringstream in(g_loginTexts[0]);
  in >> login;
  ASSERT_TRUE(login.isObject());
  EXPECT_EQ(login.getMemberNames(), (std::vector<std::string>{"Password", "ServAddr", "UserName"}));
  EXPECT_EQ(login["UserName"].asString(), "张三");
  EXPECT_EQ(login["Password"].asString(), "p\"w");
  EXPECT_EQ(login["ServAddr"].asString(), "host:8080");
  app->ExitInstance();
}

TEST_F(ShellTest, WithoutHandOverTheLoginGetsAnEmptyText) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(g_loginTexts, std::vector<std::string>{""});
  EXPECT_GE(Find(L"StartFromShell|false"), 0);
  EXPECT_TRUE(hooks.sleeps.empty());
  app->ExitInstance();
}

// The password reaches the login command only: not the journal, not the log.
TEST_F(ShellTest, PasswordStaysOutOfJournalAndLog) {
  ASSERT_TRUE(Start({L"user$$Pa55-secret$$127.0.0.1:1$$ev$$f"}));
  app->ExitInstance();
  EXPECT_TRUE(Lines(L"Pa55-secret").empty());
  WRENCH::CLogMsg::Flush();
  std::ifstream log(root + "/log/log.log");
  std::stringstream text;
  text << log.rdbuf();
  EXPECT_EQ(text.str().find("Pa55-secret"), std::string::npos);
}

// The three ways the start ends early, each followed by ExitInstance.
TEST_F(ShellTest, FailedStartsAndTheirShutDown) {
  responder.ExpectMessageBox(IDOK, std::wstring(L"OLE 初始化失败。请确保 OLE 库是正确的版本。"));
  KVUI::SetOleAvailable(false);
  EXPECT_FALSE(Start());
  EXPECT_EQ(app->m_pMainWnd, nullptr);
  EXPECT_EQ(app->m_pFramework, nullptr);
  EXPECT_EQ(app->ExitInstance(), 0);
}

// Every way the start ends early names its cause, which the program says
// on standard error; a start that succeeds has none.
TEST_F(ShellTest, EveryFailedStartSaysWhy) {
  struct Case {
    const char *name;
    std::function<void()> arrange;
    const wchar_t *why;
  } const cases[] = {
      {"OLE",
       [this] {
         responder.ExpectMessageBox(IDOK, std::wstring(L"OLE 初始化失败。请确保 OLE 库是正确的版本。"));
         KVUI::SetOleAvailable(false);
       },
       L"OLE could not be started"},
      {"login framework",
       [] {
         KVOUTSIDE::CAnswers::Instance().Set(L"CENTRALAUTHENTICATIONSERVICE_MGR ", L"create", L"no-login");
       },
       L"the login framework could not be set up: no-login"},
      {"command manager",
       [this] {
         KVOUTSIDE::CJournal::Instance().SetSink([this](const KVOUTSIDE::JournalEntry &entry) {
           if (entry.Line().find(L"StartFromShell") != std::wstring::npos)
             app->m_pFramework->GetCoreData()->RemoveManager(L"AppCommandMgr");
         });
       },
       L"there is no command manager, so nobody can log in"},
      {"login", [] { g_loginFault = 5; },
       L"the login command APP_LOGINMOX_CMD failed with fault 5: refused"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    c.arrange();
    EXPECT_FALSE(Start());
    KVOUTSIDE::CJournal::Instance().SetSink(nullptr);
    EXPECT_EQ(app->GetStartFailure(), c.why);
    app->ExitInstance();
  }
  Reset();
  ASSERT_TRUE(Start());
  EXPECT_EQ(app->GetStartFailure(), L"");
  app->ExitInstance();
}

TEST_F(ShellTest, LoginFaultEndsStartBeforeAnyWindow) {
  g_loginFault = 3;
  EXPECT_FALSE(Start());
  ASSERT_NE(Frame(), nullptr);
  EXPECT_FALSE(Frame()->IsWindow());
  EXPECT_NE(app->m_pFramework, nullptr);
  EXPECT_EQ(Find(L"SetKeelData"), -1);
  KVOUTSIDE::CJournal::Instance().Clear();
  EXPECT_EQ(app->ExitInstance(), 0);
  // The framework on which only the login set-up ran is shut down too.
  EXPECT_GE(Find(L"|ReleaseObject"), 0);
}

// Without a command manager nobody can log in: the start ends before any
// window, and ExitInstance still releases the managers.
TEST_F(ShellTest, MissingCommandManagerEndsStart) {
  KVOUTSIDE::CJournal::Instance().SetSink([this](const KVOUTSIDE::JournalEntry &entry) {
    if (entry.Line().find(L"StartFromShell") != std::wstring::npos)
      app->m_pFramework->GetCoreData()->RemoveManager(L"AppCommandMgr");
  });
  const BOOL started = Start();
  KVOUTSIDE::CJournal::Instance().SetSink(nullptr);
  EXPECT_FALSE(started);
  EXPECT_TRUE(g_loginTexts.empty());
  ASSERT_NE(Frame(), nullptr);
  EXPECT_FALSE(Frame()->IsWindow());
  EXPECT_EQ(Find(L"SetKeelData"), -1);
  KVOUTSIDE::CJournal::Instance().Clear();
  EXPECT_EQ(app->ExitInstance(), 0);
  EXPECT_GE(Find(L"|ReleaseObject"), 0);
}

TEST_F(ShellTest, TipFollowsTheStoredSetting) {
  // 0: no tip, the update log is not asked.
  ASSERT_TRUE(Start());
  EXPECT_EQ(Find(L"ServiceGetProjUpdateLog"), -1);
  EXPECT_FALSE(app->GetOpenTipConfig());
  // Nonzero: the tip is wanted; the stored value is written back as given.
  EXPECT_TRUE(app->WriteOpenTipConfig(true));
  EXPECT_TRUE(app->GetOpenTipConfig());
  EXPECT_EQ(WRENCH::CXMLConfig(WRENCH::UTF8ToUnicode(root) + L"/config/system/OpenTip.xml").GetXmlInt(L"/KvConfig/OpenTip"),
            1);
  std::vector<std::wstring> names;
  KVOUTSIDE::CAnswers::Instance().Push(L"MOX_VxProjStatusService_MGR", L"ServiceGetProjUpdateLog", L"A;B");
  EXPECT_TRUE(app->GetUpdatedProjects(names, app->m_pFramework->GetCoreData()));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"A", L"B"}));
  KVOUTSIDE::CAnswers::Instance().Push(L"MOX_VxProjStatusService_MGR", L"ServiceGetProjUpdateLog.failed", L"1");
  names.clear();
  EXPECT_FALSE(app->GetUpdatedProjects(names, app->m_pFramework->GetCoreData()));
  EXPECT_TRUE(names.empty());
  app->ExitInstance();
}

TEST_F(ShellTest, ExitInstanceRunsItsStepsInOrder) {
  ASSERT_TRUE(Start());
  KVOUTSIDE::CJournal::Instance().Clear();
  EXPECT_EQ(app->ExitInstance(), 0);
  // The framework's exit releases the managers.
  EXPECT_GE(Find(L"|ReleaseObject"), 0);
}

}  // namespace
}  // namespace kv::test
