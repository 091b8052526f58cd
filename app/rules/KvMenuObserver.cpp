#include "KvMenuObserver.h"

#include "keel/cmd/CmdMgr.h"

namespace {

using KEEL::FRAME::GetManagerAs;

struct CmdStateRow {
  const wchar_t *name;
  const wchar_t *authCode;
  bool enableNoProj;
};

const CmdStateRow kCmdStateRows[] = {
    {L"APP_WORKSET_CREATE", L"29001001", true},
    {L"APP_WORKSET_FLOORINFO", L"29001002", false},
    {L"APP_WORKSET_BASEPOINT", L"29001003", false},
    {L"APP_WORKSET_ADMIN", L"29001004", true},
    {L"APP_ORIGINAL_ELEVATION", L"", false},
    {L"APP_ELEVATION_SET", L"", false},
    {L"APP_DOWNLOAD_PROJ", L"", false},
    {L"AppCmd_UploadProj", L"29004001", true},
    {L"AppCmd_CompInfo", L"", false},
    {L"AppCmd_BuildingArea", L"", false},
    {L"AppCmd_DISTANCE", L"", false},
    {L"AppCmd_SaveViewPort", L"", false},
    {L"AppCmd_OpenVPMgr", L"", false},
    {L"AppCmd_AxisNetShow", L"", false},
    {L"AppCmd_AxisNetSet", L"", false},
    {L"AppCmd_LeftPanel", L"", false},
    {L"APP_DEFAULT0", L"", false},
    {L"APP_DEFAULT1", L"", false},
    {L"APP_DEFAULT2", L"", false},
    {L"APP_DEFAULT3", L"", false},
    {L"AppCmd_ColorTmp", L"", false},
    {L"AppCmd_ColorImage", L"", false},
    {L"APP_VIEWPART_CMD", L"", false},
    {L"APP_WALK_SWITCH_CMD", L"29003001", false},
    {L"APP_WALK_ATTRIBUTE_CMD", L"29003001", false},
    {L"APP_WALK_TYPE_CMD", L"", false},
    {L"APP_WALK_CLASH_CMD", L"", false},
    {L"APP_WALK_GRAVITY_CMD", L"", false},
    {L"APP_WALK_LOCK_CMD", L"", false},
    {L"APP_RECORD_PATH_CMD", L"29003002", false},
    {L"APP_CREATE_PATH_CMD", L"29003003", false},
    {L"APP_PICK_EQUIPMENT_CMD", L"29003004", false},
    {L"APP_WALK_LOCATE_CMD", L"", false},
    {L"APP_WALK_PROMPT_CMD", L"", false},
    {L"APP_CLASH_DETECT_CMD", L"29002001", false},
    {L"APP_CLASH_RULE_CMD", L"29002002", true},
    {L"APP_CLASH_RESULT_CMD", L"29002003", false},
    {L"APP_HOLE_CHECK_CMD", L"29003101", false},
    {L"APP_HOLE_RULE_CMD", L"29003102", false},
    {L"APP_HOLE_RESULT_CMD", L"29003103", false},
    {L"APP_CREATE_HOLE_CMD", L"29003104", false},
    {L"APP_SEND_HOLE_DATA_CMD", L"29003105", false},
    {L"APP_EXPORT_HOLE_DATA_CMD", L"29003106", false},
};

struct ProjModeRow {
  const wchar_t *name;
  int mode;
};

const ProjModeRow kProjModeRows[] = {
    {L"APP_WORKSET_FLOORINFO", 1}, {L"APP_WORKSET_BASEPOINT", 1}, {L"AppCmd_SaveViewPort", 2},
    {L"AppCmd_OpenVPMgr", 2},      {L"AppCmd_ColorTmp", 2},       {L"AppCmd_ColorImage", 2},
    {L"APP_VIEWPART_CMD", 1},
};

}  // namespace

CmdStateRec::CmdStateRec(const std::wstring &authCode, bool enableNoProj)
    : strAuthCode(authCode), bEnableNoProj(enableNoProj) {}

CKvMenuObserver::CKvMenuObserver(KEEL::FRAME::IKeelData *pKeelData)
    : m_pKeelData(pKeelData), m_pDisplayCtrlDlg(nullptr) {
  InitCmdStateTable();
  InitProjModeTable();
  BindCmdStateTests();
  for (const wchar_t *name : {L"APP_DEFAULT0", L"APP_DEFAULT1", L"APP_DEFAULT2", L"APP_DEFAULT3", L"APP_DEFAULT4"})
    m_vecColorModeCmds.push_back(name);
}

CKvMenuObserver::~CKvMenuObserver() {
  if (m_pDisplayCtrlDlg) DeleteDisplayCtrlDlg();
  m_pDisplayCtrlDlg = nullptr;
  m_vecColorModeCmds.clear();
  m_mapProjMode.clear();
  m_mapCmdState.clear();
}

void CKvMenuObserver::InitCmdStateTable() {
  m_mapCmdState.clear();
  for (const CmdStateRow &row : kCmdStateRows)
    m_mapCmdState.emplace(row.name, CmdStateRec(row.authCode, row.enableNoProj));
}

void CKvMenuObserver::InitProjModeTable() {
  m_mapProjMode.clear();
  for (const ProjModeRow &row : kProjModeRows) m_mapProjMode[row.name] = row.mode;
}

void CKvMenuObserver::UpdateCmdUI(const std::wstring &cmdName, CCmdUI *pCmdUI) {
  if (!pCmdUI) return;
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(m_pKeelData, L"AppCommandMgr");
  if (!cmdMgr) return;
  cmdMgr->QueryCmdId(pCmdUI->m_nID);
  auto *curProj = GetManagerAs<MOXMANAGERS::MOXCURPROJ::IMoxCurProjectMgr>(m_pKeelData, L"MoxCurProjectMgr");
  if (!curProj) return;
  UpdateCmdState(cmdName, pCmdUI, ProjModeOfState(curProj->GetCurProjState().nState));
}

void CKvMenuObserver::OnRibbonChanged() {}

void CKvMenuObserver::UpdateCmdState(const std::wstring &cmdName, CCmdUI *pCmdUI, int projMode) {
  const auto row = m_mapCmdState.find(cmdName);
  if (row == m_mapCmdState.end() || !pCmdUI) return;
  const CmdStateRec &rec = row->second;

  bool right = true;
  if (!rec.strAuthCode.empty()) {
    auto *auth = GetManagerAs<MOXMANAGERS::AUTH::IAuthInfoMgr>(m_pKeelData, L"MoxAuthMgr");
    right = auth && auth->HasAuthority(rec.strAuthCode);
  }

  bool ok = rec.bEnableNoProj;
  if (projMode != 0) {
    const auto mode = m_mapProjMode.find(cmdName);
    ok = mode == m_mapProjMode.end() || mode->second != projMode;
  }

  bool enabled = right && ok;
  if (enabled && rec.fnEnable) enabled = rec.fnEnable();
  pCmdUI->Enable(enabled);
  pCmdUI->SetCheck(rec.fnCheck && rec.fnCheck() ? 1 : 0);
}

int CKvMenuObserver::ProjModeOfState(int state) {
  if (state == 2) return 1;
  if (state == 3) return 2;
  return 0;
}

void CKvMenuObserver::SetProjModeRow(const std::wstring &cmdName, int mode) { m_mapProjMode[cmdName] = mode; }

void CKvMenuObserver::EraseProjModeRow(const std::wstring &cmdName) { m_mapProjMode.erase(cmdName); }

bool CKvMenuObserver::GetProjModeRow(const std::wstring &cmdName, int &mode) const {
  const auto row = m_mapProjMode.find(cmdName);
  if (row == m_mapProjMode.end()) return false;
  mode = row->second;
  return true;
}

const CmdStateRec *CKvMenuObserver::FindCmdStateRow(const std::wstring &cmdName) const {
  const auto row = m_mapCmdState.find(cmdName);
  return row == m_mapCmdState.end() ? nullptr : &row->second;
}
