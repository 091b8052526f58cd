// A failed call of a real manager through the program's web-service host
// against the independent test server: the server's fault reaches the
// program's web-error reaction on the user-interface thread.
#include <gtest/gtest.h>

#include <chrono>

#include "AppState.h"
#include "KvCoreData.h"
#include "KvWebServiceManager.h"
#include "PeerControl.h"
#include "ShellTestSupport.h"
#include "keel/web/AppWebServiceMgr.h"
#include "wrench/TextConvert.h"

namespace kv::test {
namespace {

using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleMgr;
using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery;
using namespace KEEL::KVWEBSERVICE;

// Counts the answers of the clash-rule calls and where they arrive.
class RuleAnswers : public IClashRuleQuery {
 public:
  int answers = 0;
  int offUiThread = 0;
  void OnServiceListClashRules(void *, boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> &) override {
    Count();
  }
  void OnServiceRemoveClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &) override { Count(); }
  void OnServiceAddClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &) override { Count(); }
  void OnServiceEditClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &) override { Count(); }
  void OnServiceRenameClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &) override { Count(); }
  void OnServiceCloneClashRule(void *, boost::shared_ptr<MOXAPP::IMOXUserData<StClashRule>> &) override { Count(); }

 private:
  void Count() {
    ++answers;
    if (!KVUI::IsUiThread()) ++offUiThread;
  }
};

class WebErrorPeerTest : public ShellTest {
 protected:
  WebErrorPeerTest() : peer(KV_PEER_STATE) {}

  void SetUp() override {
    peer.Post("/control/reset");
    ASSERT_TRUE(Start());
    data = g_pKvCoreData;
    auto *host = KEEL::FRAME::GetManagerAs<KEEL::WEB::CAppWebServiceMgr>(data, L"AppWebServiceMgr");
    ASSERT_NE(host, nullptr);
    host->Session().SetDefaultServAddr(WRENCH::AnsiToUnicode(peer.Address()));
    rules = KEEL::FRAME::GetManagerAs<IClashRuleMgr>(data, L"MOX_ClashRule_MGR");
    ASSERT_NE(rules, nullptr);
  }

  void TearDown() override { peer.Post("/control/reset"); }

  // The next `count` clash-rule lists fail with info code `code`.
  void QueueFault(int code, const std::string &message, int count) {
    Json::Value fault;
    fault["operation"] = "listClashRules";
    fault["infoCode"] = code;
    fault["message"] = message;
    fault["count"] = count;
    peer.Post("/control/fault", fault);
  }

  // Lists the clash rules `n` times at once, then runs the user-interface
  // thread until every answer has come back.
  void ListRules(int n) {
    RuleAnswers answers;
    for (int i = 0; i < n; ++i) rules->ServiceListClashRules(&answers);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (answers.answers < n && std::chrono::steady_clock::now() < end)
      KVUI::PumpOne(std::chrono::milliseconds(50));
    KVUI::PumpPending();
    ASSERT_EQ(answers.answers, n);
    EXPECT_EQ(answers.offUiThread, 0);
  }

  PeerControl peer;
  KEEL::FRAME::IKeelData *data = nullptr;
  IClashRuleMgr *rules = nullptr;
};

TEST_F(WebErrorPeerTest, InfoCode1000FromTheServerShowsItsMessageAndTheProgramGoesOn) {
  QueueFault(1000, "规则服务暂不可用", 1);
  responder.ExpectMessageBox(IDOK, L"规则服务暂不可用");
  ListRules(1);
  EXPECT_EQ(KVUI::GetShownBoxes().size(), 1u);
  ListRules(1);
  EXPECT_EQ(KVUI::GetShownBoxes().size(), 1u);
  EXPECT_TRUE(Lines(L"CReStartUp").empty());
  EXPECT_TRUE(hooks.processEnds.empty());
  EXPECT_EQ(g_nLoginEnded, 0);
}

TEST_F(WebErrorPeerTest, ALoginEndedByTheServerRestartsTheProgramAndEndsTheProcessOnce) {
  for (int code : {1007, 1002}) {
    SCOPED_TRACE(code);
    g_bLoginEndHandled = false;
    g_nLoginEnded = 0;
    hooks.processEnds.clear();
    KVOUTSIDE::CJournal::Instance().Clear();
    KVUI::ClearShownBoxes();
    QueueFault(code, "账号已在别处登录", 2);
    responder.ExpectMessageBox(IDOK, L"账号已在别处登录");
    ListRules(2);
    EXPECT_EQ(KVUI::GetShownBoxes().size(), 1u);
    EXPECT_EQ(Lines(L"CReStartUp||create|" + KVOUTSIDE::JournalPtr(data)).size(), 1u);
    EXPECT_EQ(Lines(L"CReStartUp||StartUp").size(), 1u);
    EXPECT_EQ(hooks.processEnds, std::vector<UINT>{0});
    EXPECT_EQ(g_nLoginEnded, 1);
  }
}

// A close the user or a busy check refused keeps the window, and with it
// the restart: the server ending the login afterwards starts the program
// anew.
TEST_F(WebErrorPeerTest, AfterARefusedCloseALoginEndedByTheServerStillRestarts) {
  const wchar_t kQuit[] = L"确定要退出软件？";
  struct Case {
    const char *what;
    const wchar_t *busy;  // the manager whose check answers "busy"
    const wchar_t *check;
    const wchar_t *box;
    int answer;
  } const cases[] = {
      {"clash check runs", L"APP_COLLISION_MODEL_MGR", L"GetIsChecking", L"碰撞检查正在进行中，请稍后再试", IDOK},
      {"hole check runs", L"APP_HOLE_CHECK_MGR", L"IsChecking", L"孔洞检查正在进行中，请稍后再试", IDOK},
      {"pending task kept", L"MoxProjDataProcMgr", L"IsHaveTask",
       L"本机处理任务中存在未处理完的\n工程继续退出 将放弃本次处理", IDNO},
      {"exit not confirmed", nullptr, nullptr, kQuit, IDNO},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    SetUp();
    if (c.busy) KVOUTSIDE::CAnswers::Instance().Set(c.busy, c.check, L"1");
    responder.ExpectMessageBox(c.answer, std::wstring(c.box));
    Frame()->PostMessage(WM_CLOSE);
    KVUI::PumpPending();
    ASSERT_TRUE(Frame()->IsWindow());
    KVOUTSIDE::CAnswers::Instance().Clear();
    KVOUTSIDE::CJournal::Instance().Clear();
    QueueFault(1007, "账号已在别处登录", 1);
    responder.ExpectMessageBox(IDOK, L"账号已在别处登录");
    ListRules(1);
    EXPECT_EQ(Lines(L"CReStartUp||StartUp"), std::vector<std::wstring>{L"MOXCOMMANDS::LOGIN::CReStartUp||StartUp|true"});
    EXPECT_EQ(hooks.processEnds, std::vector<UINT>{0});
    hooks.processEnds.clear();
  }
}

TEST_F(WebErrorPeerTest, AServerFaultDuringClosingOrWithoutAnInfoCodeIsIgnored) {
  peer.Post("/control/fault", [] {
    Json::Value fault;
    fault["text"] = "no info code";
    return fault;
  }());
  ListRules(1);
  QueueFault(1007, "closing", 1);
  g_bAppRunning = false;
  ListRules(1);
  g_bAppRunning = true;
  EXPECT_TRUE(KVUI::GetShownBoxes().empty());
  EXPECT_TRUE(Lines(L"CReStartUp").empty());
  EXPECT_TRUE(hooks.processEnds.empty());
}

}  // namespace
}  // namespace kv::test
