#include "ShellTestSupport.h"

#include <boost/any.hpp>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "AppState.h"
#include "keel/cmd/CmdObject.h"
#include "moxcommands/Login.h"
#include "ui/Afx.h"
#include "wrench/LogMsg.h"

namespace kv::test {

int g_loginFault = 0;
std::vector<std::string> g_loginTexts;

namespace {

class LoginCmd : public KEEL::CMD::CCmdObject {
 public:
  LoginCmd() : CCmdObject(KEEL::CMD::CMD_GROUP_PUSH) {}
  std::wstring GetName() override { return L"APP_LOGINMOX_CMD"; }
  bool Executing() override {
    const boost::any param = GetParam();
    if (const auto *text = boost::any_cast<std::string>(&param)) g_loginTexts.push_back(*text);
    if (g_loginFault) SetFault(g_loginFault, L"refused");
    return g_loginFault == 0;
  }
};

class ExitCmd : public KEEL::CMD::CCmdObject {
 public:
  ExitCmd() : CCmdObject(KEEL::CMD::CMD_GROUP_PUSH) {}
  std::wstring GetName() override { return L"APP_EXIT_CMD"; }
  bool Executing() override {
    if (CWnd *frame = AfxGetMainWnd()) frame->PostMessage(WM_CLOSE);
    return true;
  }
};

}  // namespace

ShellTest::ShellTest() {
  root = (std::filesystem::temp_directory_path() /
          ("kv_program_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name()))
             .string();
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root + "/config/system");
  WRENCH::CLogMsg::SetInstallRoot(root);
  WriteFile("config/system/AppVars.xml",
            "<KvVars><Var name=\"AppVer\">1.0</Var>"
            "<Var name=\"OpenTip\" type=\"path\">config/system/OpenTip.xml</Var>"
            "<Var name=\"AppDimMarkColor\" type=\"path\">config/system/DimMarkColor.xml</Var></KvVars>");
  WriteFile("config/system/OpenTip.xml", "<KvConfig><OpenTip>0</OpenTip></KvConfig>");
  WriteFile("config/system/DimMarkColor.xml", "<KvConfig><DimClr>255</DimClr></KvConfig>");
  WriteFile("config/system/CmdIds.xml",
            "<KvCmdIds><Cmd id=\"5899\" name=\"APP_EXIT_CMD\"/><Cmd id=\"5900\" name=\"APP_SWITCHENTERPRISE_CMD\"/>"
            "<Cmd id=\"8899\" name=\"AppCmd_Last\"/><Cmd id=\"5898\" name=\"AppCmd_Below\"/>"
            "<Cmd id=\"8900\" name=\"AppCmd_Above\"/><Cmd id=\"5901\" name=\"AppCmd_DimMarkColor\"/></KvCmdIds>");
  Reset();
}

void ShellTest::Reset() {
  DropApp();
  KVOUTSIDE::CJournal::Instance().Clear();
  KVOUTSIDE::CAnswers::Instance().Clear();
  KVOUTSIDE::CAnswers::Instance().Set(L"CENTRALAUTHENTICATIONSERVICE_MGR ", L"GetUserName", L"u");
  KVOUTSIDE::CAnswers::Instance().Set(L"CENTRALAUTHENTICATIONSERVICE_MGR ", L"GetEnterpriseName", L"e");
  KVOUTSIDE::CAnswers::Instance().Set(L"MoxPushDllMgr", L"GetProgramFileVersion", L"5");
  KVUI::SetOleAvailable(true);
  g_loginFault = 0;
  g_loginTexts.clear();
  g_bAppRunning = true;
  g_nLoginEnded = 0;
  g_bLoginEndHandled = false;
  MOXCOMMANDS::LOGIN::CReStartUp::m_bEnableStart = true;
  app = std::make_unique<CKestrovaApp>();
}

void ShellTest::DropApp() {
  CWnd *frame = frame_ ? frame_ : (app ? app->m_pMainWnd : nullptr);
  if (frame && frame->IsWindow()) frame->DestroyWindow();
  delete frame;
  frame_ = nullptr;
  if (app) app->m_pMainWnd = nullptr;
  app.reset();
  KVUI::ResetQueue();
  KVUI::ClearShownBoxes();
}

ShellTest::~ShellTest() {
  DropApp();
  KVUI::SetOleAvailable(true);
  std::filesystem::remove_all(root);
}

BOOL ShellTest::Start(const std::vector<std::wstring> &args) {
  KVUI::SetCommandLine(args);
  const BOOL started = app->InitInstance();
  frame_ = dynamic_cast<CMainFrame *>(app->m_pMainWnd);
  return started;
}

CMainFrame *ShellTest::Frame() const { return frame_; }

std::vector<std::wstring> ShellTest::Lines(const std::wstring &part) const {
  std::vector<std::wstring> lines;
  for (const auto &entry : KVOUTSIDE::CJournal::Instance().Entries()) {
    std::wstring line = entry.Line();
    if (line.find(part) != std::wstring::npos) lines.push_back(line);
  }
  return lines;
}

int ShellTest::Find(const std::wstring &part, int from) const {
  const std::vector<std::wstring> lines = Lines();
  for (int i = from; i < int(lines.size()); ++i)
    if (lines[i].find(part) != std::wstring::npos) return i;
  return -1;
}

void ShellTest::WriteFile(const std::string &relative, const std::string &text) const {
  std::ofstream(root + "/" + relative) << text;
}

}  // namespace kv::test

using KEEL::CMD::ICmdObject;

// Weak: a test program that links the program's own table exports that one.
extern "C" __attribute__((weak, visibility("default"))) void GetCommands(std::vector<ICmdObject *> &commands) {
  commands.push_back(new kv::test::LoginCmd());
  commands.push_back(new kv::test::ExitCmd());
}
