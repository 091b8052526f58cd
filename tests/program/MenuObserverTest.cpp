// The command-state rules: rights, project modes and bound tests of the
// named rows, through the program's registry, command manager, CCmdUI and
// ribbon.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "KvDimMarkCmd.h"
#include "KvMenuObserver.h"
#include "KvOpenTipCmd.h"
#include "ShellParts.h"
#include "ShellTestSupport.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelFramework.h"
#include "kvwalkproc/KVWalkProc.h"
#include "kvwalkproc/WalkCmd.h"
#include "modula/Modula.h"
#include "moxcommands/MoxCommands.h"

namespace kv::test {
namespace {

using KVOUTSIDE::CAnswers;

// The command-state table as the rules give it: name, authority code,
// enabled while no project is open.
struct NamedRow {
  const wchar_t *name;
  const wchar_t *code;
  bool noProj;
};
const NamedRow kNamedRows[] = {
    {L"APP_WORKSET_CREATE", L"29001001", true},      {L"APP_WORKSET_FLOORINFO", L"29001002", false},
    {L"APP_WORKSET_BASEPOINT", L"29001003", false},  {L"APP_WORKSET_ADMIN", L"29001004", true},
    {L"APP_ORIGINAL_ELEVATION", L"", false},         {L"APP_ELEVATION_SET", L"", false},
    {L"APP_DOWNLOAD_PROJ", L"", false},              {L"AppCmd_UploadProj", L"29004001", true},
    {L"AppCmd_CompInfo", L"", false},                {L"AppCmd_BuildingArea", L"", false},
    {L"AppCmd_DISTANCE", L"", false},                {L"AppCmd_SaveViewPort", L"", false},
    {L"AppCmd_OpenVPMgr", L"", false},               {L"AppCmd_AxisNetShow", L"", false},
    {L"AppCmd_AxisNetSet", L"", false},              {L"AppCmd_LeftPanel", L"", false},
    {L"APP_DEFAULT0", L"", false},                   {L"APP_DEFAULT1", L"", false},
    {L"APP_DEFAULT2", L"", false},                   {L"APP_DEFAULT3", L"", false},
    {L"AppCmd_ColorTmp", L"", false},                {L"AppCmd_ColorImage", L"", false},
    {L"APP_VIEWPART_CMD", L"", false},               {L"APP_WALK_SWITCH_CMD", L"29003001", false},
    {L"APP_WALK_ATTRIBUTE_CMD", L"29003001", false}, {L"APP_WALK_TYPE_CMD", L"", false},
    {L"APP_WALK_CLASH_CMD", L"", false},             {L"APP_WALK_GRAVITY_CMD", L"", false},
    {L"APP_WALK_LOCK_CMD", L"", false},              {L"APP_RECORD_PATH_CMD", L"29003002", false},
    {L"APP_CREATE_PATH_CMD", L"29003003", false},    {L"APP_PICK_EQUIPMENT_CMD", L"29003004", false},
    {L"APP_WALK_LOCATE_CMD", L"", false},            {L"APP_WALK_PROMPT_CMD", L"", false},
    {L"APP_CLASH_DETECT_CMD", L"29002001", false},   {L"APP_CLASH_RULE_CMD", L"29002002", true},
    {L"APP_CLASH_RESULT_CMD", L"29002003", false},   {L"APP_HOLE_CHECK_CMD", L"29003101", false},
    {L"APP_HOLE_RULE_CMD", L"29003102", false},      {L"APP_HOLE_RESULT_CMD", L"29003103", false},
    {L"APP_CREATE_HOLE_CMD", L"29003104", false},    {L"APP_SEND_HOLE_DATA_CMD", L"29003105", false},
    {L"APP_EXPORT_HOLE_DATA_CMD", L"29003106", false},
};

// The project-mode table: the mode in which each command is disabled.
const std::map<std::wstring, int> kProjModes = {
    {L"APP_WORKSET_FLOORINFO", 1}, {L"APP_WORKSET_BASEPOINT", 1}, {L"AppCmd_SaveViewPort", 2},
    {L"AppCmd_OpenVPMgr", 2},      {L"AppCmd_ColorTmp", 2},       {L"AppCmd_ColorImage", 2},
    {L"APP_VIEWPART_CMD", 1},
};

// The rows only the bound tests make.
const wchar_t *const kMadeRows[] = {
    L"AppCmd_DUIQI",           L"AppCmd_XIANXING",         L"AppCmd_ModelShadow",     L"AppCmd_ModelOutline",
    L"AppCmd_ModelReflect",    L"AppCmd_ModelShield",      L"AppCmd_ModelFPS",        L"AppCmd_ModelApertureCompensation",
    L"AppCmd_AllDriver",       L"APP_WALK_CMD",            L"APP_BUILDING_ELEVATION", L"APP_STRUCTURE_ELEVATION",
    L"APP_ABSOLUTE_ELEVATION", L"APP_STARTUP_TIP_CMD",
};

// The walk commands' names and their enable and check queries.
struct WalkRow {
  const wchar_t *name;
  const wchar_t *enable;
  const wchar_t *check;  // null: no check test
};
const WalkRow kWalkRows[] = {
    {L"APP_RECORD_PATH_CMD", L"GetTranscribeEnable", L"IsSetCheck"},
    {L"APP_WALK_LOCATE_CMD", L"GetPositionEnable", L"IsSetCheck"},
    {L"APP_WALK_PROMPT_CMD", L"GetPromptEnable", L"IsSetCheck"},
    {L"APP_CREATE_PATH_CMD", L"IsCurEnable", L"IsSetCheck"},
    {L"APP_PICK_EQUIPMENT_CMD", L"IsCurEnable", L"IsSetCheck"},
    {L"APP_WALK_SWITCH_CMD", L"GetSwitchEnable", L"GetSwitchCheck"},
    {L"APP_WALK_CMD", L"IsWalkEnable", L"IsSetCheck"},
    {L"APP_WALK_LOCK_CMD", L"IsLockEnable", L"IsSetCheck"},
    {L"APP_WALK_CLASH_CMD", L"IsCollisionEnable", L"IsSetCheck"},
    {L"APP_WALK_GRAVITY_CMD", L"IsGravityEnable", L"IsSetCheck"},
    {L"APP_WALK_ATTRIBUTE_CMD", L"GetAttributeEnable", nullptr},
};

int ModeOf(int state) { return state == 2 ? 1 : state == 3 ? 2 : 0; }

void Answer(const std::wstring &object, const std::wstring &op, const std::wstring &value) {
  CAnswers::Instance().Set(object, op, value);
}

// The started program with the walk commands in its command manager.
class MenuObserverTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteFile("config/system/CmdIds.xml",
              "<KvCmdIds><Cmd id=\"5899\" name=\"APP_EXIT_CMD\"/><Cmd id=\"5902\" name=\"APP_WORKSET_CREATE\"/>"
              "<Cmd id=\"5903\" name=\"APP_WORKSET_FLOORINFO\"/><Cmd id=\"5904\" name=\"AppCmd_ColorTmp\"/>"
              "<Cmd id=\"5905\" name=\"APP_DEFAULT4\"/><Cmd id=\"5906\" name=\"APP_WORKSET_ADMIN\"/>"
              "<Cmd id=\"5907\" name=\"APP_CLASH_RULE_CMD\"/><Cmd id=\"5908\" name=\"AppCmd_AxisNetShow\"/></KvCmdIds>");
    ASSERT_TRUE(Start());
    auto *cmdMgr = KEEL::FRAME::GetManagerAs<KEEL::CMD::CCmdMgr>(Data(), L"AppCommandMgr");
    ASSERT_NE(cmdMgr, nullptr);
    using namespace WalkModule::WalkCmd;
    // The walk module brought its commands when it was connected.
#define KV_HAS_WALK(CLS, NAME, ...) ASSERT_NE(dynamic_cast<CLS *>(cmdMgr->GetCommand(NAME)), nullptr);
    KV_WALK_COMMANDS(KV_HAS_WALK)
    KV_WALK_ENABLE_COMMANDS(KV_HAS_WALK)
#undef KV_HAS_WALK
    // The commands of the program's table that have tests, unless the
    // table gave them already.
    for (const wchar_t *name : {L"AppCmd_DISTANCE", L"AppCmd_DUIQI", L"AppCmd_XIANXING"})
      if (!cmdMgr->GetCommand(name)) ASSERT_TRUE(cmdMgr->AddCommand(new CKvDimMarkCmd(name)));
    if (!cmdMgr->GetCommand(L"AppCmd_CompInfo")) ASSERT_TRUE(cmdMgr->AddCommand(new CCompInfoCmd()));
    if (!cmdMgr->GetCommand(L"APP_STARTUP_TIP_CMD")) ASSERT_TRUE(cmdMgr->AddCommand(new CKvOpenTipCmd()));
    if (!cmdMgr->GetCommand(L"AppCmd_LeftPanel"))
      ASSERT_TRUE(cmdMgr->AddCommand(new MOXCOMMANDS::LEFTPANEL::CLeftPanelCmd()));
    KVOUTSIDE::CJournal::Instance().Clear();
  }
  void TearDown() override { app->ExitInstance(); }

  KEEL::FRAME::IKeelData *Data() const { return app->m_pFramework->GetCoreData(); }

  // One update of `name` with the current project in `state`.
  CCmdUI Update(CKvMenuObserver &observer, const std::wstring &name, int state) {
    Answer(L"MoxCurProjectMgr", L"GetCurProjState", std::to_wstring(state));
    CCmdUI ui;
    ui.m_nID = 5950;
    observer.UpdateCmdUI(name, &ui);
    return ui;
  }
};

// Every named row by the user's right to its code and the project's state,
// every enable test answering true.
TEST_F(MenuObserverTest, NamedRowsFollowRightAndProjectMode) {
  for (const WalkRow &walk : kWalkRows) Answer(walk.name, walk.enable, L"1");
  Answer(L"MoxElevCatMgr", L"IsElevCatEnable", L"1");
  CKvMenuObserver observer(Data());
  for (const NamedRow &row : kNamedRows) {
    for (bool right : {false, true}) {
      for (int state : {0, 1, 2, 3, 5}) {
        SCOPED_TRACE(::testing::Message() << KVUI::Utf8(row.name) << " right " << right << " state " << state);
        Answer(L"MoxAuthMgr", L"HasAuthority", L"0");
        if (*row.code) Answer(L"MoxAuthMgr", std::wstring(L"HasAuthority:") + row.code, right ? L"1" : L"0");
        const int mode = ModeOf(state);
        const auto disabledIn = kProjModes.find(row.name);
        const bool ok = mode == 0 ? row.noProj : disabledIn == kProjModes.end() || disabledIn->second != mode;
        const CCmdUI ui = Update(observer, row.name, state);
        EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>((!*row.code || right) && ok));
        EXPECT_EQ(ui.GetCheckCount(), 1);
        EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(0));
      }
    }
  }
}

TEST_F(MenuObserverTest, TablesHoldTheirRowsAndTheTestsMakeTheirOwn) {
  CKvMenuObserver observer(Data());
  EXPECT_EQ(observer.GetCmdStateCount(), std::size(kNamedRows) + std::size(kMadeRows));
  for (const wchar_t *name : kMadeRows) {
    SCOPED_TRACE(KVUI::Utf8(name));
    const CmdStateRec *row = observer.FindCmdStateRow(name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->strAuthCode, L"");
    EXPECT_TRUE(row->bEnableNoProj);
  }
  EXPECT_EQ(observer.GetProjModeCount(), kProjModes.size());
  for (const auto &[name, mode] : kProjModes) {
    int found = -1;
    EXPECT_TRUE(observer.GetProjModeRow(name, found));
    EXPECT_EQ(found, mode);
  }
  EXPECT_EQ(observer.FindCmdStateRow(L"APP_DEFAULT4"), nullptr);
}

// A walk command's row: its enable test decides while right and mode
// allow; the check test runs on every update.
TEST_F(MenuObserverTest, WalkTestsDecideEnableAndCheck) {
  Answer(L"MoxAuthMgr", L"HasAuthority", L"1");
  CKvMenuObserver observer(Data());
  for (const WalkRow &walk : kWalkRows) {
    for (bool enable : {false, true}) {
      for (int state : {2, 3}) {
        SCOPED_TRACE(::testing::Message() << KVUI::Utf8(walk.name) << " enable " << enable << " state " << state);
        Answer(walk.name, walk.enable, enable ? L"1" : L"0");
        if (walk.check) Answer(walk.name, walk.check, enable ? L"0" : L"1");
        const CCmdUI ui = Update(observer, walk.name, state);
        EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(enable));
        EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(walk.check && !enable ? 1 : 0));
      }
    }
  }
  // The row the walk test made is enabled in every mode, also with no
  // project open.
  Answer(L"APP_WALK_CMD", L"IsWalkEnable", L"1");
  Answer(L"APP_WALK_CMD", L"IsSetCheck", L"1");
  for (int state : {0, 2, 3}) {
    const CCmdUI ui = Update(observer, L"APP_WALK_CMD", state);
    EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(true));
    EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(1));
  }
}

// Without the right (or in a mode that disables it) the enable test is
// not asked; the check test always is.
TEST_F(MenuObserverTest, EnableTestSkippedWhenDisabledButCheckTestRuns) {
  Answer(L"APP_RECORD_PATH_CMD", L"GetTranscribeEnable", L"1");
  Answer(L"APP_RECORD_PATH_CMD", L"IsSetCheck", L"1");
  CKvMenuObserver observer(Data());
  struct Case {
    bool right;
    int state;
    bool asked;
    bool enabled;
  } const cases[] = {{false, 2, false, false}, {true, 0, false, false}, {true, 2, true, true}, {false, 3, false, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(::testing::Message() << "right " << c.right << " state " << c.state);
    Answer(L"MoxAuthMgr", L"HasAuthority:29003002", c.right ? L"1" : L"0");
    KVOUTSIDE::CJournal::Instance().Clear();
    const CCmdUI ui = Update(observer, L"APP_RECORD_PATH_CMD", c.state);
    EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(c.enabled));
    EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(1));
    EXPECT_EQ(Find(L"|GetTranscribeEnable|") >= 0, c.asked);
    EXPECT_GE(Find(L"APP_RECORD_PATH_CMD|IsSetCheck|true"), 0);
    EXPECT_GE(Find(L"MoxAuthMgr|HasAuthority|29003002"), 0);
  }
}

// The manager tests: each model effect by its own key, each elevation by
// its own kind, the two UI-state checks.
TEST_F(MenuObserverTest, ManagerTestsAskTheirOwnKeys) {
  CKvMenuObserver observer(Data());
  const struct {
    const wchar_t *name;
    const wchar_t *key;
  } effects[] = {
      {L"AppCmd_ModelShadow", L"hoops_bsd"}, {L"AppCmd_ModelOutline", L"hoops_bfse"},
      {L"AppCmd_ModelReflect", L"hoops_bbl"}, {L"AppCmd_ModelShield", L"hoops_bao"},
      {L"AppCmd_ModelFPS", L"hoops_bfr"},     {L"AppCmd_ModelApertureCompensation", L"hoops_bli"},
      {L"AppCmd_AllDriver", L"AllDriver"},
  };
  for (const auto &effect : effects) {
    SCOPED_TRACE(KVUI::Utf8(effect.name));
    CAnswers::Instance().Clear();
    Answer(L"MoxModelEffectMgr", std::wstring(L"IsEffectOn:") + effect.key, L"1");
    for (const auto &other : effects) {
      const CCmdUI ui = Update(observer, other.name, 0);
      EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(true));
      EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(&other == &effect ? 1 : 0));
    }
  }
  const struct {
    const wchar_t *name;
    const wchar_t *kind;
  } elevations[] = {{L"APP_ORIGINAL_ELEVATION", L"0"},
                    {L"APP_BUILDING_ELEVATION", L"1"},
                    {L"APP_STRUCTURE_ELEVATION", L"2"},
                    {L"APP_ABSOLUTE_ELEVATION", L"3"}};
  for (const auto &elevation : elevations) {
    SCOPED_TRACE(KVUI::Utf8(elevation.name));
    CAnswers::Instance().Clear();
    Answer(L"MoxElevCatMgr", std::wstring(L"IsElevCatEnable:") + elevation.kind, L"1");
    for (const auto &other : elevations) {
      const CCmdUI ui = Update(observer, other.name, 2);
      EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(&other == &elevation));
      EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(0));
    }
  }
  Answer(L"MoxUIStateMgr", L"GetAxisNetCheck", L"1");
  Answer(L"MoxUIStateMgr", L"GetViewPartCheck", L"0");
  EXPECT_EQ(Update(observer, L"AppCmd_AxisNetShow", 2).GetCheckCall(), std::optional<int>(1));
  EXPECT_EQ(Update(observer, L"APP_VIEWPART_CMD", 2).GetCheckCall(), std::optional<int>(0));
  Answer(L"MoxUIStateMgr", L"GetViewPartCheck", L"1");
  EXPECT_EQ(Update(observer, L"APP_VIEWPART_CMD", 3).GetCheckCall(), std::optional<int>(1));
}

// The check tests of command objects follow the state of the command
// registered under the row's name.
TEST_F(MenuObserverTest, CommandTestsFollowTheirCommands) {
  auto *cmdMgr = KEEL::FRAME::GetManagerAs<KEEL::CMD::ICmdMgr>(Data(), L"AppCommandMgr");
  auto dimMark = [&](const wchar_t *name) { return dynamic_cast<CKvDimMarkCmd *>(cmdMgr->GetCommand(name)); };
  CKvMenuObserver observer(Data());
  struct Case {
    const wchar_t *name;
    std::function<void(bool)> set;
  } const cases[] = {
      {L"AppCmd_DISTANCE", [&](bool on) { dimMark(L"AppCmd_DISTANCE")->SetClickButton(on); }},
      {L"AppCmd_DUIQI", [&](bool on) { dimMark(L"AppCmd_DUIQI")->SetClickButton(on); }},
      {L"AppCmd_XIANXING", [&](bool on) { dimMark(L"AppCmd_XIANXING")->SetClickButton(on); }},
      {L"AppCmd_LeftPanel", [](bool on) { Answer(L"AppCmd_LeftPanel", L"IsLeftPanelShow", on ? L"1" : L"0"); }},
      {L"AppCmd_CompInfo", [](bool on) { Answer(L"AppCmd_CompInfo", L"GetMenuEnable", on ? L"1" : L"0"); }},
      {L"APP_STARTUP_TIP_CMD",
       [&](bool on) { dynamic_cast<CKvOpenTipCmd *>(cmdMgr->GetCommand(L"APP_STARTUP_TIP_CMD"))->SetOpenTipMenu(on); }},
  };
  for (const Case &c : cases) {
    for (bool on : {true, false}) {
      SCOPED_TRACE(::testing::Message() << KVUI::Utf8(c.name) << " " << on);
      c.set(on);
      const CCmdUI ui = Update(observer, c.name, 2);
      EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(true));
      EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(on ? 1 : 0));
    }
  }
}

// Registration also attaches the component-information command to the
// current project, once however often it runs.
TEST_F(MenuObserverTest, ComponentInfoCommandObservesProjectLoads) {
  auto *cmdMgr = KEEL::FRAME::GetManagerAs<KEEL::CMD::ICmdMgr>(Data(), L"AppCommandMgr");
  auto *compInfo = dynamic_cast<CCompInfoCmd *>(cmdMgr->GetCommand(L"AppCmd_CompInfo"));
  ASSERT_NE(compInfo, nullptr);
  KVSHELL::RegisterObservers(Data());
  KVSHELL::RegisterObservers(Data());
  auto *curProj = KEEL::FRAME::GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(Data(), L"MoxCurProjectMgr");
  const auto observers = curProj->GetObservers(5);
  EXPECT_EQ(std::count(observers.begin(), observers.end(),
                       static_cast<MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver *>(compInfo)),
            1);
}

TEST_F(MenuObserverTest, NamesWithoutRowAreLeftAlone) {
  Answer(L"MoxAuthMgr", L"HasAuthority", L"1");
  CKvMenuObserver observer(Data());
  for (const wchar_t *name : {L"APP_DEFAULT4", L"APP_EXIT_CMD", L"app_workset_create", L""}) {
    for (int state : {0, 2, 3}) {
      SCOPED_TRACE(::testing::Message() << KVUI::Utf8(name) << " state " << state);
      const CCmdUI ui = Update(observer, name, state);
      EXPECT_FALSE(ui.GetEnableCall().has_value());
      EXPECT_EQ(ui.GetCheckCount(), 0);
    }
  }
  observer.UpdateCmdUI(L"APP_WORKSET_CREATE", nullptr);
}

// Rows set and erased through the project-mode interface change the rule
// at once; erasing a missing row is harmless.
TEST_F(MenuObserverTest, ProjectModeRowsSetAndErased) {
  CKvMenuObserver observer(Data());
  observer.SetProjModeRow(L"APP_DEFAULT1", 1);
  EXPECT_EQ(Update(observer, L"APP_DEFAULT1", 2).GetEnableCall(), std::optional<bool>(false));
  EXPECT_EQ(Update(observer, L"APP_DEFAULT1", 3).GetEnableCall(), std::optional<bool>(true));
  observer.SetProjModeRow(L"APP_DEFAULT1", 2);
  EXPECT_EQ(Update(observer, L"APP_DEFAULT1", 2).GetEnableCall(), std::optional<bool>(true));
  EXPECT_EQ(Update(observer, L"APP_DEFAULT1", 3).GetEnableCall(), std::optional<bool>(false));
  observer.EraseProjModeRow(L"APP_VIEWPART_CMD");
  EXPECT_EQ(Update(observer, L"APP_VIEWPART_CMD", 2).GetEnableCall(), std::optional<bool>(true));
  observer.EraseProjModeRow(L"APP_VIEWPART_CMD");
  observer.EraseProjModeRow(L"NoSuchCommand");
  int mode = 0;
  EXPECT_FALSE(observer.GetProjModeRow(L"APP_VIEWPART_CMD", mode));
  EXPECT_EQ(observer.GetProjModeCount(), kProjModes.size());
  // A project-mode row alone makes no command-state row.
  observer.SetProjModeRow(L"APP_DEFAULT4", 1);
  EXPECT_FALSE(Update(observer, L"APP_DEFAULT4", 3).GetEnableCall().has_value());
}

// A registry of its own, missing one manager at a time.
class MenuObserverRegistryTest : public ::testing::Test {
 protected:
  void Build(bool cmdMgr, bool curProj, bool auth, bool uiState) {
    if (cmdMgr) data.AddManager(new KEEL::CMD::CCmdMgr(&data));
    if (curProj) data.AddManager(new MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr(L"MoxCurProjectMgr"));
    if (auth) data.AddManager(dynamic_cast<KEEL::FRAME::IMgrObject *>(MOXMANAGERS::AUTH::CreateAuthInfoMgr(L"MoxAuthMgr")));
    if (uiState) data.AddManager(new MOXMANAGERS::UISTATE::CUIStateMgr(L"MoxUIStateMgr"));
  }
  void SetUp() override {
    KVOUTSIDE::CJournal::Instance().Clear();
    CAnswers::Instance().Clear();
    Answer(L"MoxAuthMgr", L"HasAuthority", L"1");
    Answer(L"MoxCurProjectMgr", L"GetCurProjState", L"2");
    Answer(L"MoxUIStateMgr", L"GetAxisNetCheck", L"1");
    Answer(L"APP_WALK_CMD", L"IsWalkEnable", L"0");
  }
  void TearDown() override { CAnswers::Instance().Clear(); }
  KEEL::FRAME::CKeelData data;
};

TEST_F(MenuObserverRegistryTest, MissingManagers) {
  struct Case {
    const char *what;
    bool cmdMgr, curProj, auth;
    const wchar_t *name;
    std::optional<bool> enabled;
  } const cases[] = {
      {"no command manager: untouched", false, true, true, L"APP_WORKSET_CREATE", std::nullopt},
      {"no current project: untouched", true, false, true, L"APP_WORKSET_CREATE", std::nullopt},
      {"no authority manager: no right", true, true, false, L"APP_WORKSET_CREATE", false},
      {"no authority manager, no code needed", true, true, false, L"AppCmd_ColorTmp", true},
      {"everything there", true, true, true, L"APP_WORKSET_CREATE", true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::wstring &name : data.GetManagerNames()) data.RemoveManager(name);
    Build(c.cmdMgr, c.curProj, c.auth, false);
    CKvMenuObserver observer(&data);
    CCmdUI ui;
    observer.UpdateCmdUI(c.name, &ui);
    EXPECT_EQ(ui.GetEnableCall(), c.enabled);
    EXPECT_EQ(ui.GetCheckCount(), c.enabled ? 1 : 0);
  }
}

// Tests whose manager or command was missing when the observer was made
// stay empty: no check mark, enabled by right and mode alone, even when
// the object turns up later.
TEST_F(MenuObserverRegistryTest, TestsWithoutTheirObjectStayEmpty) {
  Build(true, true, true, false);
  CKvMenuObserver observer(&data);
  data.AddManager(new MOXMANAGERS::UISTATE::CUIStateMgr(L"MoxUIStateMgr"));
  auto *cmdMgr = KEEL::FRAME::GetManagerAs<KEEL::CMD::CCmdMgr>(&data, L"AppCommandMgr");
  ASSERT_TRUE(cmdMgr->AddCommand(new WalkModule::WalkCmd::CFreeWalkCmd()));
  for (const wchar_t *name : {L"AppCmd_AxisNetShow", L"APP_WALK_CMD"}) {
    SCOPED_TRACE(KVUI::Utf8(name));
    CCmdUI ui;
    observer.UpdateCmdUI(name, &ui);
    EXPECT_EQ(ui.GetEnableCall(), std::optional<bool>(true));
    EXPECT_EQ(ui.GetCheckCall(), std::optional<int>(0));
  }
  EXPECT_TRUE(KVOUTSIDE::CJournal::Instance().Find(L"MoxUIStateMgr", L"GetAxisNetCheck").empty());
  EXPECT_TRUE(KVOUTSIDE::CJournal::Instance().Find(L"APP_WALK_CMD").empty());
}

// The program's observer, reached through the main frame's update range
// and the ribbon manager.
TEST_F(MenuObserverTest, RibbonUpdatePassSetsTheElements) {
  auto *ribbonMgr = KEEL::FRAME::GetManagerAs<MODKIT::MFC::CRibbonMenuMgr>(Data(), L"AppRibbonMenuMgr");
  ASSERT_NE(ribbonMgr, nullptr);
  ASSERT_EQ(ribbonMgr->GetObservers(5).size(), 1u);
  EXPECT_NE(dynamic_cast<CKvMenuObserver *>(ribbonMgr->GetObservers(5)[0]), nullptr);
  GUI::IGUIRibbon *ribbon = ribbonMgr->GetRibbonMenu();
  ASSERT_NE(ribbon, nullptr);
  auto element = [&](const wchar_t *name) { return ribbon->FindElementByName(CString(name), FALSE); };

  struct Case {
    int state;
    bool rights;
    bool axisNet;
    // Enabled: workset create, floor info, colour template, clash rule,
    // axis net show.
    bool create, floorInfo, colorTmp, clashRule, axisShow;
  } const cases[] = {
      {0, true, true, true, false, false, true, false},   {2, true, false, true, false, true, true, true},
      {3, true, true, true, true, false, true, true},     {0, false, false, false, false, false, false, false},
      {2, false, true, false, false, true, false, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(::testing::Message() << "state " << c.state << " rights " << c.rights);
    Answer(L"MoxCurProjectMgr", L"GetCurProjState", std::to_wstring(c.state));
    Answer(L"MoxAuthMgr", L"HasAuthority", c.rights ? L"1" : L"0");
    Answer(L"MoxUIStateMgr", L"GetAxisNetCheck", c.axisNet ? L"1" : L"0");
    // A check mark set elsewhere: the row without check test clears it.
    CBCGPRibbonCmdUI mark;
    mark.m_pUpdated = element(L"APP_WORKSET_ADMIN");
    mark.SetCheck(1);
    ASSERT_TRUE(element(L"APP_WORKSET_ADMIN")->IsChecked());
    KVUI::UpdateRibbonBars(Frame());
    EXPECT_EQ(!element(L"APP_WORKSET_CREATE")->IsDisabled(), c.create);
    EXPECT_EQ(!element(L"APP_WORKSET_FLOORINFO")->IsDisabled(), c.floorInfo);
    EXPECT_EQ(!element(L"AppCmd_ColorTmp")->IsDisabled(), c.colorTmp);
    EXPECT_EQ(!element(L"APP_CLASH_RULE_CMD")->IsDisabled(), c.clashRule);
    EXPECT_EQ(!element(L"AppCmd_AxisNetShow")->IsDisabled(), c.axisShow);
    EXPECT_EQ(bool(element(L"AppCmd_AxisNetShow")->IsChecked()), c.axisNet);
    EXPECT_FALSE(element(L"APP_WORKSET_ADMIN")->IsChecked());
    // Outside the tables: left as the ribbon has it, never disabled for
    // lack of a handler.
    EXPECT_FALSE(element(L"APP_DEFAULT4")->IsDisabled());
    EXPECT_FALSE(element(L"APP_EXIT_CMD")->IsDisabled());
  }
}

// The observer is attached to each of its subjects once.
TEST_F(MenuObserverTest, ObserverAttachedToItsSubjects) {
  using KEEL::FRAME::GetManagerAs;
  auto *ribbonMgr = GetManagerAs<MODKIT::MFC::CRibbonMenuMgr>(Data(), L"AppRibbonMenuMgr");
  ASSERT_NE(ribbonMgr, nullptr);
  ASSERT_EQ(ribbonMgr->GetObservers(5).size(), 1u);
  auto *observer = dynamic_cast<CKvMenuObserver *>(ribbonMgr->GetObservers(5)[0]);
  ASSERT_NE(observer, nullptr);
  auto *curProj = GetManagerAs<MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr>(Data(), L"MoxCurProjectMgr");
  ASSERT_NE(curProj, nullptr);
  EXPECT_EQ(curProj->GetObservers(5).front(), static_cast<MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver *>(observer));
  auto *cas = GetManagerAs<MOXMANAGERS::CAS::CCasMgr>(Data(), L"CENTRALAUTHENTICATIONSERVICE_MGR ");
  ASSERT_NE(cas, nullptr);
  EXPECT_EQ(cas->GetObservers(5), std::vector<MOXMANAGERS::CAS::ILoginObserver *>{observer});
  auto *recordLog = GetManagerAs<MOXMANAGERS::LOG::CRecordLogMgr>(Data(), L"MoxRecordLogMgr");
  ASSERT_NE(recordLog, nullptr);
  EXPECT_EQ(recordLog->GetObservers(5), std::vector<MOXMANAGERS::LOG::IRecordLogObserver *>{observer});
  auto *colors = GetManagerAs<KEEL::HOOPSDATACOLOR::CHoopsColorDataMgr>(Data(), L"HoopsDataColorMgr");
  ASSERT_NE(colors, nullptr);
  EXPECT_EQ(colors->GetObservers(8), std::vector<KEEL::HOOPSDATACOLOR::IColorModeObj *>{observer});
}

}  // namespace
}  // namespace kv::test
