#include "KvDownloadProjCmd.h"

#include <boost/any.hpp>

#include "keel/KeelOutside.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelData.h"
#include "moxmanagers/MoxManagers.h"

namespace {
// The current project's state while one of its work sets is open.
constexpr int kWorkSetOpen = 3;
}  // namespace

CKvDownloadProjCmd::CKvDownloadProjCmd() {}

CKvDownloadProjCmd::CKvDownloadProjCmd(const CKvDownloadProjCmd &other) : CPushPullMsgCmdObj(other) {}

CKvDownloadProjCmd &CKvDownloadProjCmd::operator=(const CKvDownloadProjCmd &other) {
  CPushPullMsgCmdObj::operator=(other);
  return *this;
}

CKvDownloadProjCmd::~CKvDownloadProjCmd() {}

std::wstring CKvDownloadProjCmd::GetName() { return L"APP_DOWNLOAD_PROJ"; }

bool CKvDownloadProjCmd::Executing() {
  using KEEL::FRAME::GetManagerAs;
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(GetKeelData(), L"AppCommandMgr");
  auto *project = GetManagerAs<MOXMANAGERS::MOXCURPROJ::IMoxCurProjectMgr>(GetKeelData(), L"MoxCurProjectMgr");
  if (!cmdMgr || !project) return true;
  const MOXMANAGERS::MOXCURPROJ::StCurProjState state = project->GetCurProjState();
  DOWNLOADEXE::DownloadParm download;
  download.nDownType = 0;
  download.nDownMode = 3;
  download.nProjId = state.nProjId;
  download.bWorkSet = state.nState == kWorkSetOpen;
  boost::any param = download;
  cmdMgr->RunCommand(L"App_DownloadCurProject_CMD", param);
  return true;
}

bool CKvDownloadProjCmd::PreStop() { return true; }
