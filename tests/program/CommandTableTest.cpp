// The program's command table: GetCommands of this test program is the
// program's own.
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

#include "ColorCmd.h"
#include "CommandTestSupport.h"
#include "InitCmd.h"
#include "KvCompAttrCmd.h"
#include "KvDimMarkCmd.h"
#include "KvDownloadProjCmd.h"
#include "KvExitCmd.h"
#include "KvIdleCmd.h"
#include "KvLableClrCmd.h"
#include "KvOpenTipCmd.h"
#include "keel/cmd/CmdObject.h"
#include "kvwalkproc/KVWalkProc.h"
#include "kvwalkproc/WalkCmd.h"

extern "C" void GetCommands(std::vector<KEEL::CMD::ICmdObject *> &commands);

namespace kv::test {
namespace {

using KEEL::CMD::ICmdObject;

// The table's names in order.
const std::vector<std::wstring> kNames = {
    L"INIT_HOOPSVIEW_CMD", L"KEEL_IDLE_CMD", L"AppCmd_ViewTranslation", L"AppCmd_ViewZoom", L"AppCmd_ViewCurWindow",
    L"AppCmd_ViewOvweLook", L"AppCmd_ViewLookUp", L"AppCmd_ViewLookLeft", L"AppCmd_ViewLookRight",
    L"AppCmd_LookMainView", L"AppCmd_ViewRearView", L"AppCmd_LookWSView", L"AppCmd_LookESView",
    L"AppCmd_LookEnView", L"AppCmd_LookWNView", L"AppCmd_About", L"AppCmd_QuestionReport", L"APP_LOGINMOX_CMD",
    L"APP_SWITCHENTERPRISE_CMD", L"APP_SWITCHUSER_CMD", L"AppCmd_LEFTUI", L"APP_OPENPROJECT_CMD",
    L"AppCmd_DisplayFilter", L"AppCmd_OpenVPMgr", L"AppCmd_SaveViewPort", L"AppCmd_AxisNetSet",
    L"AppCmd_AxisNetShow", L"AppCmd_LeftPanel", L"AppCmd_Background", L"AppCmd_ModelShadow",
    L"AppCmd_ModelOutline", L"AppCmd_ModelReflect", L"AppCmd_ModelShield", L"AppCmd_ModelFPS",
    L"AppCmd_ModelApertureCompensation", L"AppCmd_AllDriver", L"APP_WORKSET_ADMIN", L"APP_WORKSET_OPEN",
    L"APP_WORKSET_BASEPOINT", L"APP_WORKSET_FLOORINFO", L"APP_WORKSET_CREATE", L"APP_WORKSET_THUMB",
    L"App_DownloadCurProject_CMD", L"AppCmd_CompSearch", L"APP_VIEWPART_CMD", L"APP_KV_IDLE_CMD",
    L"AppCmd_CompFilter", L"AppCmd_CompHide", L"AppCmd_CancelHide", L"AppCmd_BuildingArea",
    L"AppCmd_EnterCuttingPlane", L"AppCmd_ExitCuttingPlane", L"AppCmd_UploadProj", L"AppCmd_LocalDataProc",
    L"APP_DOWNLOAD_PROJ", L"AppCmd_DISTANCE", L"AppCmd_DUIQI", L"AppCmd_XIANXING", L"AppCmd_DimMark",
    L"AppCmd_DimMarkColor", L"AppCmd_CompInfo", L"AppCmd_CompAttr", L"AppCmd_CompEdit", L"AppCmd_CompCount",
    L"APP_ORIGINAL_ELEVATION", L"APP_BUILDING_ELEVATION", L"APP_STRUCTURE_ELEVATION", L"APP_ABSOLUTE_ELEVATION",
    L"APP_ELEVATION_SET", L"AppHoopsSegCmd", L"AppHoopsBoundingSegCmd", L"AppHoopsStaticBoundingSegCmd",
    L"APP_STARTUP_TIP_CMD", L"APP_EXIT_CMD", L"APP_DEFAULT0", L"APP_DEFAULT1", L"APP_DEFAULT2", L"APP_DEFAULT3",
    L"APP_DEFAULT4", L"AppCmd_ColorMode", L"AppCmd_ColorTmp", L"AppCmd_ColorImage",
};

// The program's own classes, by name.
bool IsOwnClassOf(const std::wstring &name, ICmdObject *command) {
  struct Own {
    const wchar_t *name;
    bool (*is)(ICmdObject *);
  };
  static const Own kOwn[] = {
      {L"INIT_HOOPSVIEW_CMD", [](ICmdObject *c) { return dynamic_cast<CInitCmd *>(c) != nullptr; }},
      {L"KEEL_IDLE_CMD", [](ICmdObject *c) { return dynamic_cast<KEEL::CMD::CIdleCmdObj *>(c) != nullptr; }},
      {L"APP_KV_IDLE_CMD", [](ICmdObject *c) { return dynamic_cast<CKvIdleCmd *>(c) != nullptr; }},
      {L"APP_DOWNLOAD_PROJ", [](ICmdObject *c) { return dynamic_cast<CKvDownloadProjCmd *>(c) != nullptr; }},
      {L"AppCmd_DISTANCE", [](ICmdObject *c) { return dynamic_cast<CKvDimMarkCmd *>(c) != nullptr; }},
      {L"AppCmd_DUIQI", [](ICmdObject *c) { return dynamic_cast<CKvDimMarkCmd *>(c) != nullptr; }},
      {L"AppCmd_XIANXING", [](ICmdObject *c) { return dynamic_cast<CKvDimMarkCmd *>(c) != nullptr; }},
      {L"AppCmd_DimMarkColor", [](ICmdObject *c) { return dynamic_cast<CKvLableClrCmd *>(c) != nullptr; }},
      {L"AppCmd_CompInfo", [](ICmdObject *c) { return dynamic_cast<CCompInfoCmd *>(c) != nullptr; }},
      {L"AppCmd_CompAttr", [](ICmdObject *c) { return dynamic_cast<CKvCompAttrCmd *>(c) != nullptr; }},
      {L"AppCmd_CompEdit", [](ICmdObject *c) { return dynamic_cast<CKvCompAttrCmd *>(c) != nullptr; }},
      {L"AppCmd_CompCount", [](ICmdObject *c) { return dynamic_cast<CKvCompAttrCmd *>(c) != nullptr; }},
      {L"APP_STARTUP_TIP_CMD", [](ICmdObject *c) { return dynamic_cast<CKvOpenTipCmd *>(c) != nullptr; }},
      {L"APP_EXIT_CMD", [](ICmdObject *c) { return dynamic_cast<CKvExitCmd *>(c) != nullptr; }},
      {L"APP_DEFAULT0", [](ICmdObject *c) { return dynamic_cast<CColorCmd *>(c) != nullptr; }},
      {L"APP_DEFAULT1", [](ICmdObject *c) { return dynamic_cast<CColorCmd *>(c) != nullptr; }},
      {L"APP_DEFAULT2", [](ICmdObject *c) { return dynamic_cast<CColorCmd *>(c) != nullptr; }},
      {L"APP_DEFAULT3", [](ICmdObject *c) { return dynamic_cast<CColorCmd *>(c) != nullptr; }},
      {L"APP_DEFAULT4", [](ICmdObject *c) { return dynamic_cast<CColorCmd *>(c) != nullptr; }},
  };
  for (const Own &own : kOwn)
    if (name == own.name) return own.is(command);
  return true;
}

std::vector<std::wstring> Names(const std::vector<ICmdObject *> &commands, size_t from = 0) {
  std::vector<std::wstring> names;
  for (size_t i = from; i < commands.size(); ++i) names.push_back(commands[i] ? commands[i]->GetName() : L"null");
  return names;
}

void DeleteAll(std::vector<ICmdObject *> &commands) {
  for (ICmdObject *command : commands) delete command;
  commands.clear();
}

class DummyCmd : public KEEL::CMD::CPushMsgCmdObj {
 public:
  std::wstring GetName() override { return L"DUMMY"; }
};

TEST(CommandTable, AnEmptyVectorGetsEveryRowInOrderWithItsClass) {
  std::vector<ICmdObject *> commands;
  GetCommands(commands);
  EXPECT_EQ(Names(commands), kNames);
  for (size_t i = 0; i < commands.size() && i < kNames.size(); ++i) {
    SCOPED_TRACE(KVUI::Utf8(kNames[i]));
    EXPECT_TRUE(IsOwnClassOf(kNames[i], commands[i]));
  }
  DeleteAll(commands);
}

TEST(CommandTable, EntriesAlreadyThereStayInFrontAndEveryCallMakesNewObjects) {
  DummyCmd first, second;
  std::vector<ICmdObject *> commands{&first, &second};
  GetCommands(commands);
  ASSERT_EQ(commands.size(), 2 + kNames.size());
  EXPECT_EQ(commands[0], &first);
  EXPECT_EQ(commands[1], &second);
  EXPECT_EQ(Names(commands, 2), kNames);

  std::vector<ICmdObject *> again;
  GetCommands(again);
  const std::set<ICmdObject *> earlier(commands.begin(), commands.end());
  for (ICmdObject *command : again) EXPECT_EQ(earlier.count(command), 0u);
  DeleteAll(again);
  commands.erase(commands.begin(), commands.begin() + 2);
  DeleteAll(commands);
}

TEST_F(CommandTest, TheCommandManagerTakesTheProgramsTable) {
  // The table's commands, then those the walk module brings when it is
  // connected.
  std::vector<std::wstring> expected = kNames;
#define KV_WALK_NAME(CLS, NAME, ...) expected.push_back(NAME);
  KV_WALK_COMMANDS(KV_WALK_NAME)
  KV_WALK_ENABLE_COMMANDS(KV_WALK_NAME)
#undef KV_WALK_NAME
  EXPECT_EQ(CmdMgr()->GetCommandNames(), expected);
  // Every command of the table can be found by its name, and the ribbon
  // ids of the program's files reach the program's own commands.
  EXPECT_EQ(CmdMgr()->GetCmdName(5899), L"APP_EXIT_CMD");
  EXPECT_NE(Command<CKvExitCmd>(L"APP_EXIT_CMD"), nullptr);
  EXPECT_NE(Command<CKvLableClrCmd>(CmdMgr()->GetCmdName(5901)), nullptr);
}

}  // namespace
}  // namespace kv::test
