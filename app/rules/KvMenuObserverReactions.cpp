// The observer's reactions to project loads, web errors, the record log,
// login and colour-mode changes. Until they are built, each does nothing
// beyond what its interface promises.
#include "KvMenuObserver.h"

using MOXMANAGERS::MOXCURPROJ::StOpenInfo;

void CKvMenuObserver::SaveOldProjInfo(const StOpenInfo &) {}

void CKvMenuObserver::CleanOldProjInfo(const StOpenInfo &) {}

void CKvMenuObserver::PrepareLoadProjInfo(const StOpenInfo &) {}

bool CKvMenuObserver::LoadNewProjInfo(const StOpenInfo &) { return true; }

bool CKvMenuObserver::RestoreNewProjInfo(const StOpenInfo &) { return true; }

void CKvMenuObserver::OnWebError(KEEL::WEB::IWebServ *) {}

void CKvMenuObserver::GetRecordLogName(std::map<std::wstring, std::wstring> &) {}

void CKvMenuObserver::OnLoginBegin() {}

void CKvMenuObserver::OnLoginReset() {}

void CKvMenuObserver::OnLoginClosePanes() {}

void CKvMenuObserver::OnLoginEnd() {}

void CKvMenuObserver::OnColorModeChange(const KEEL::HOOPSDATACOLOR::StColorModeInfo &) {}

// No pane is made before the project-load reaction makes one.
void CKvMenuObserver::DeleteDisplayCtrlDlg() {}
