// The observer's reactions to project loads, web errors, the record log,
// login and colour-mode changes (app/reactions does the work).
#include "ColorModeReaction.h"
#include "DisplayControlDlg.h"
#include "KvMenuObserver.h"
#include "LoginReactions.h"
#include "ProjectLoadReaction.h"
#include "RecordLogNames.h"
#include "WebErrorReaction.h"

using MOXMANAGERS::MOXCURPROJ::StOpenInfo;

void CKvMenuObserver::SaveOldProjInfo(const StOpenInfo &) {}

void CKvMenuObserver::CleanOldProjInfo(const StOpenInfo &) {}

void CKvMenuObserver::PrepareLoadProjInfo(const StOpenInfo &) {
  KVREACT::PrepareProjectLoad(m_pKeelData, m_pDisplayCtrlDlg);
}

bool CKvMenuObserver::LoadNewProjInfo(const StOpenInfo &info) {
  KVREACT::LoadNewProject(m_pKeelData, info, m_mapProjMode);
  return true;
}

bool CKvMenuObserver::RestoreNewProjInfo(const StOpenInfo &) { return true; }

void CKvMenuObserver::CreateBimView() { KVREACT::CreateBimView(m_pKeelData); }

bool CKvMenuObserver::WorkSetHasKind6(int workSetId) { return KVREACT::WorkSetHasKind6(m_pKeelData, workSetId); }

void CKvMenuObserver::OnWebError(KEEL::WEB::IWebServ *failed) { KVREACT::ReactToWebError(m_pKeelData, failed); }

void CKvMenuObserver::GetRecordLogName(std::map<std::wstring, std::wstring> &names) {
  KVREACT::SetRecordLogNames(names);
}

void CKvMenuObserver::OnLoginBegin() {}

void CKvMenuObserver::OnLoginReset() { KVREACT::ResetViewOnLogin(m_pKeelData); }

void CKvMenuObserver::OnLoginClosePanes() { KVREACT::ClosePanesOnLogin(m_pKeelData); }

void CKvMenuObserver::OnLoginEnd() {}

void CKvMenuObserver::OnColorModeChange(const KEEL::HOOPSDATACOLOR::StColorModeInfo &info) {
  KVREACT::ShowColorMode(m_pKeelData, m_vecColorModeCmds, KVREACT::ColorModeOf(info.nMode, info.bFlag));
}

// The page detaches itself from the subjects still alive.
void CKvMenuObserver::DeleteDisplayCtrlDlg() { delete m_pDisplayCtrlDlg; }
