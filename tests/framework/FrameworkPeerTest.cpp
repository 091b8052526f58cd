// The program's framework end to end: the registry filled by
// InitLoginInstance (the framework's own managers, the program's list, the
// program's commands), its life cycle, and a real call through a manager
// taken from the registry to the independent test server.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <cstdlib>
#include <vector>

#include "KvCoreData.h"
#include "KvCoreFramework.h"
#include "KvWebServiceManager.h"
#include "PeerControl.h"
#include "TestCommands.h"
#include "journal/Journal.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/config/VarConfigMgr.h"
#include "keel/web/AppWebServiceMgr.h"
#include "moxmanagers/MoxManagers.h"
#include "wrench/TextConvert.h"

extern "C" __attribute__((visibility("default"))) void GetCommands(
    std::vector<KEEL::CMD::ICmdObject *> &commands) {
  commands.push_back(new kv::test::TestCmd(L"APP_LOGINMOX_CMD", KEEL::CMD::CMD_GROUP_PUSHPULL, nullptr));
  commands.push_back(new kv::test::TestCmd(L"APP_KV_IDLE_CMD", KEEL::CMD::CMD_GROUP_PUSHPULL, nullptr));
}

namespace {

using KEEL::FRAME::GetManagerAs;

class FrameworkPeerTest : public ::testing::Test {
 protected:
  FrameworkPeerTest() : peer(KV_PEER_STATE) {}

  void SetUp() override {
    peer.Post("/control/reset");
    setenv("KV_WEBSERVICE_LIBRARY", KV_WEBSERVICE_LIBRARY, 1);
    KVOUTSIDE::CJournal::Instance().Clear();
    framework.InitLoginInstance(L"config/System/resources.cfg");
    data = framework.GetCoreData();
    ASSERT_NE(data, nullptr);
  }

  kv::test::PeerControl peer;
  CBCGPMDIFrameWnd frame;
  CKvCoreFramework framework{&frame, nullptr};
  KEEL::FRAME::IKeelData *data = nullptr;
};

TEST_F(FrameworkPeerTest, TheRegistryHoldsTheFrameworksManagersThenTheProgramsList) {
  EXPECT_EQ(data, g_pKvCoreData);
  EXPECT_NE(GetManagerAs<KEEL::WEB::CAppWebServiceMgr>(data, L"AppWebServiceMgr"), nullptr);
  EXPECT_NE(GetManagerAs<KEEL::CONFIG::IVarConfigMgr>(data, L"AppVarConfigMgr"), nullptr);
  auto *commands = GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr");
  ASSERT_NE(commands, nullptr);
  EXPECT_NE(commands->GetCommand(L"APP_LOGINMOX_CMD"), nullptr);
  EXPECT_NE(GetManagerAs<MOXMANAGERS::CAS::ICasMgr>(data, L"CENTRALAUTHENTICATIONSERVICE_MGR "), nullptr);
  EXPECT_EQ(data->GetManager(L"CENTRALAUTHENTICATIONSERVICE_MGR"), nullptr);
  EXPECT_EQ(data->GetManager(L"LocalDataStorageMgr"), nullptr);
  EXPECT_NE(data->GetManager(L"LocalDataStorgeMgr"), nullptr);
  EXPECT_EQ(GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"LocalDataStorgeMgr"), nullptr);

  auto names = dynamic_cast<KEEL::FRAME::CKeelData *>(data)->GetManagerNames();
  ASSERT_EQ(names.size(), 4u + 106u);
  std::vector<std::wstring> front(names.begin(), std::next(names.begin(), 4));
  EXPECT_EQ(front, (std::vector<std::wstring>{L"AppWebServiceMgr", L"AppVarConfigMgr", L"AppCommandMgr",
                                              L"MoxRecordLogMgr"}));
  EXPECT_EQ(names.back(), L"CENTRALAUTHENTICATIONSERVICE_MGR ");

  // The resource file is handed over as written.
  auto calls = KVOUTSIDE::CJournal::Instance().Find(L"", L"InitLoginInstance");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args, std::vector<std::wstring>{L"config/System/resources.cfg"});
}

TEST_F(FrameworkPeerTest, InitAndExitDriveEveryManagerInListOrder) {
  KVOUTSIDE::CJournal::Instance().Clear();
  EXPECT_TRUE(framework.InitInstance());
  EXPECT_EQ(framework.ExitInstance(), 0);
  std::vector<std::wstring> ops;
  for (const auto &e : KVOUTSIDE::CJournal::Instance().Entries())
    if (e.name == L"MoxRecordLogMgr" || e.name == L"AppElevationMgr") ops.push_back(e.op + L" " + e.name);
  EXPECT_EQ(ops, (std::vector<std::wstring>{L"InitObject MoxRecordLogMgr", L"InitObject AppElevationMgr",
                                            L"ConnectObject MoxRecordLogMgr", L"ConnectObject AppElevationMgr",
                                            L"ReleaseObject MoxRecordLogMgr", L"ReleaseObject AppElevationMgr"}));
}

TEST_F(FrameworkPeerTest, ARealCallThroughTheClashRuleManagerOfTheRegistry) {
  auto *host = GetManagerAs<KEEL::WEB::CAppWebServiceMgr>(data, L"AppWebServiceMgr");
  ASSERT_NE(host, nullptr);
  host->Session().SetDefaultServAddr(WRENCH::AnsiToUnicode(peer.Address()));
  using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleMgr;
  auto *rules = GetManagerAs<IClashRuleMgr>(data, L"MOX_ClashRule_MGR");
  ASSERT_NE(rules, nullptr);
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StClashRule>> list;
  rules->ServiceListClashRules(list);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->IsFinished());
  EXPECT_TRUE(list->GetState()) << WRENCH::UnicodeToAnsi(list->GetText());
  std::vector<std::wstring> names;
  for (list->First(); !list->IsDone(); list->Next()) names.push_back(list->CurrentItem()->ruleName);
  EXPECT_EQ(names, std::vector<std::wstring>{L"Default clash rule"});
}

}  // namespace
