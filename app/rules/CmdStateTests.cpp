// The enable and check tests of the command-state table, each bound once
// to the object found when the observer is made. A test whose manager or
// command is missing then stays empty; its row is made all the same.
#include "KvMenuObserver.h"

#include "KvDimMarkCmd.h"
#include "KvOpenTipCmd.h"
#include "keel/cmd/CmdMgr.h"
#include "kvwalkproc/KVWalkProc.h"
#include "kvwalkproc/WalkCmd.h"
#include "moxcommands/MoxCommands.h"

namespace {

using KEEL::FRAME::GetManagerAs;
using KEEL::FRAME::IKeelData;
using Test = std::function<bool()>;

template <class M>
M *Manager(IKeelData *data, const wchar_t *name) {
  return GetManagerAs<M>(data, name);
}

// The command `name` of "AppCommandMgr" as a C, or null.
template <class C>
C *Command(IKeelData *data, const std::wstring &name) {
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr");
  return cmdMgr ? dynamic_cast<C *>(cmdMgr->GetCommand(name)) : nullptr;
}

// A test calling `query` on `object`, or empty without the object.
template <class T, class Q>
Test Bound(T *object, Q query) {
  if (!object) return Test();
  return [object, query]() { return bool((object->*query)()); };
}

Test ModelEffect(IKeelData *data, const wchar_t *key) {
  auto *effects = Manager<MOXMANAGERS::MODELEFFECTOPTION::IModelEffectOptionMgr>(data, L"MoxModelEffectMgr");
  if (!effects) return Test();
  const std::wstring effect(key);
  return [effects, effect]() { return effects->IsEffectOn(effect); };
}

Test ElevCat(IKeelData *data, int kind) {
  auto *elevations = Manager<MOXMANAGERS::ELEVATION::IElevCatMgr>(data, L"MoxElevCatMgr");
  if (!elevations) return Test();
  return [elevations, kind]() { return elevations->IsElevCatEnable(kind); };
}

}  // namespace

void CKvMenuObserver::BindCmdStateTests() {
  using namespace WalkModule::WalkCmd;
  using MOXMANAGERS::UISTATE::IUIStateMgr;
  IKeelData *data = m_pKeelData;
  auto &rows = m_mapCmdState;

  auto *uiState = Manager<IUIStateMgr>(data, L"MoxUIStateMgr");
  rows[L"AppCmd_AxisNetShow"].fnCheck = Bound(uiState, &IUIStateMgr::GetAxisNetCheck);
  rows[L"APP_VIEWPART_CMD"].fnCheck = Bound(uiState, &IUIStateMgr::GetViewPartCheck);

  rows[L"AppCmd_CompInfo"].fnCheck =
      Bound(Command<CCompInfoCmd>(data, L"AppCmd_CompInfo"), &CCompInfoCmd::GetMenuEnable);
  for (const wchar_t *name : {L"AppCmd_DISTANCE", L"AppCmd_DUIQI", L"AppCmd_XIANXING"})
    rows[name].fnCheck = Bound(Command<CKvDimMarkCmd>(data, name), &CKvDimMarkCmd::IsClickButton);

  const struct {
    const wchar_t *name;
    const wchar_t *key;
  } effects[] = {
      {L"AppCmd_ModelShadow", L"hoops_bsd"}, {L"AppCmd_ModelOutline", L"hoops_bfse"},
      {L"AppCmd_ModelReflect", L"hoops_bbl"}, {L"AppCmd_ModelShield", L"hoops_bao"},
      {L"AppCmd_ModelFPS", L"hoops_bfr"},     {L"AppCmd_ModelApertureCompensation", L"hoops_bli"},
      {L"AppCmd_AllDriver", L"AllDriver"},
  };
  for (const auto &effect : effects) rows[effect.name].fnCheck = ModelEffect(data, effect.key);

  using MOXCOMMANDS::LEFTPANEL::CLeftPanelCmd;
  rows[L"AppCmd_LeftPanel"].fnCheck =
      Bound(Command<CLeftPanelCmd>(data, L"AppCmd_LeftPanel"), &CLeftPanelCmd::IsLeftPanelShow);

  // Walk commands: the enable test, then the check test, of the command
  // registered under the row's name.
#define KV_BIND_WALK(CLS, NAME, ENABLE, CHECK)            \
  {                                                       \
    CLS *walk = Command<CLS>(data, NAME);                 \
    rows[NAME].fnEnable = Bound(walk, &CLS::ENABLE);      \
    rows[NAME].fnCheck = Bound(walk, &CLS::CHECK);        \
  }
  KV_BIND_WALK(CWalkTranscribeCmd, L"APP_RECORD_PATH_CMD", GetTranscribeEnable, IsSetCheck)
  KV_BIND_WALK(CWalkPositionCmd, L"APP_WALK_LOCATE_CMD", GetPositionEnable, IsSetCheck)
  KV_BIND_WALK(CWalkPromptCmd, L"APP_WALK_PROMPT_CMD", GetPromptEnable, IsSetCheck)
  KV_BIND_WALK(CWalkLineCmd, L"APP_CREATE_PATH_CMD", IsCurEnable, IsSetCheck)
  KV_BIND_WALK(CWalkExtractFacilityCmd, L"APP_PICK_EQUIPMENT_CMD", IsCurEnable, IsSetCheck)
  KV_BIND_WALK(CWalkSwitchCmd, L"APP_WALK_SWITCH_CMD", GetSwitchEnable, GetSwitchCheck)
  KV_BIND_WALK(CFreeWalkCmd, L"APP_WALK_CMD", IsWalkEnable, IsSetCheck)
  KV_BIND_WALK(CWalkCameraCmd, L"APP_WALK_LOCK_CMD", IsLockEnable, IsSetCheck)
  KV_BIND_WALK(CWalkCollisionCmd, L"APP_WALK_CLASH_CMD", IsCollisionEnable, IsSetCheck)
  KV_BIND_WALK(CWalkGravityCmd, L"APP_WALK_GRAVITY_CMD", IsGravityEnable, IsSetCheck)
#undef KV_BIND_WALK
  rows[L"APP_WALK_ATTRIBUTE_CMD"].fnEnable =
      Bound(Command<CWalkAttributeCmd>(data, L"APP_WALK_ATTRIBUTE_CMD"), &CWalkAttributeCmd::GetAttributeEnable);

  const struct {
    const wchar_t *name;
    int kind;
  } elevations[] = {
      {L"APP_ORIGINAL_ELEVATION", 0},
      {L"APP_BUILDING_ELEVATION", 1},
      {L"APP_STRUCTURE_ELEVATION", 2},
      {L"APP_ABSOLUTE_ELEVATION", 3},
  };
  for (const auto &elevation : elevations) rows[elevation.name].fnEnable = ElevCat(data, elevation.kind);
  rows[L"APP_STARTUP_TIP_CMD"].fnCheck =
      Bound(Command<CKvOpenTipCmd>(data, L"APP_STARTUP_TIP_CMD"), &CKvOpenTipCmd::GetOpenTipMenu);
}
