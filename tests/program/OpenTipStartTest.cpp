// The start-up tip as the start sequence shows it, with the program's own
// command table: the names of the update log in their order, and the check
// box's final state stored and set on the tip command.
#include "DialogResource.h"
#include "KvOpenTipCmd.h"
#include "ShellTestSupport.h"
#include "keel/cmd/CmdMgr.h"
#include "wrench/TextConvert.h"
#include "wrench/XMLConfig.h"

namespace kv::test {
namespace {

TEST_F(ShellTest, StartShowsTheTipAndKeepsTheUsersChoice) {
  struct Case {
    const char *what;
    const char *setting;  // the stored "/KvConfig/OpenTip"
    const wchar_t *log;  // null: no update log answer
    std::vector<std::wstring> names;
    int clicks;
    bool stored;
  } const cases[] = {
      {"left ticked", "1", L"工程C;工程A;工程B", {L"工程C", L"工程A", L"工程B"}, 0, true},
      {"unticked", "1", L"zeta;Alpha;mid", {L"zeta", L"Alpha", L"mid"}, 1, false},
      {"no update", "1", nullptr, {}, 0, true},
      {"tip off", "0", L"A;B", {}, 0, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    WriteFile("config/system/OpenTip.xml", std::string("<KvConfig><OpenTip>") + c.setting + "</OpenTip></KvConfig>");
    if (c.log) KVOUTSIDE::CAnswers::Instance().Set(L"MOX_VxProjStatusService_MGR", L"ServiceGetProjUpdateLog", c.log);
    std::vector<std::wstring> listed;
    if (!c.names.empty())
      responder.ExpectDialog(IDD_OPEN_TIP, [&](CDialog &dlg) {
        listed = static_cast<CListBox *>(dlg.GetDlgItem(IDC_LIST_PROJECTS))->GetItems();
        for (int i = 0; i < c.clicks; ++i) static_cast<CButton *>(dlg.GetDlgItem(IDC_CHECK_SHOW_TIP))->Click();
        return IDOK;
      });
    // The tip command's flag starts opposite to the expected one, so that
    // the start sequence must set it.
    KVOUTSIDE::CJournal::Instance().SetSink([&](const KVOUTSIDE::JournalEntry &entry) {
      if (entry.Line().find(L"StartFromShell") == std::wstring::npos) return;
      auto *commands =
          KEEL::FRAME::GetManagerAs<KEEL::CMD::ICmdMgr>(app->m_pFramework->GetCoreData(), L"AppCommandMgr");
      if (auto *tip = commands ? dynamic_cast<CKvOpenTipCmd *>(commands->GetCommand(L"APP_STARTUP_TIP_CMD")) : nullptr)
        tip->SetOpenTipMenu(!c.stored);
    });
    const BOOL started = Start();
    KVOUTSIDE::CJournal::Instance().SetSink(nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(listed, c.names);
    EXPECT_EQ(Find(L"ServiceGetProjUpdateLog") >= 0, std::string(c.setting) != "0");
    EXPECT_EQ(WRENCH::CXMLConfig(WRENCH::UTF8ToUnicode(root) + L"/config/system/OpenTip.xml")
                  .GetXmlInt(L"/KvConfig/OpenTip"),
              c.stored ? 1 : 0);
    auto *commands =
        KEEL::FRAME::GetManagerAs<KEEL::CMD::ICmdMgr>(app->m_pFramework->GetCoreData(), L"AppCommandMgr");
    ASSERT_NE(commands, nullptr);
    auto *tip = dynamic_cast<CKvOpenTipCmd *>(commands->GetCommand(L"APP_STARTUP_TIP_CMD"));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->GetOpenTipMenu(), c.stored);
    app->ExitInstance();
  }
}

}  // namespace
}  // namespace kv::test
