// CKvDownloadProjCmd: "APP_DOWNLOAD_PROJ", downloads the current project
// through "App_DownloadCurProject_CMD".
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

class CKvDownloadProjCmd : public KEEL::CMD::CPushPullMsgCmdObj {
 public:
  CKvDownloadProjCmd();
  CKvDownloadProjCmd(const CKvDownloadProjCmd &other);
  CKvDownloadProjCmd &operator=(const CKvDownloadProjCmd &other);
  ~CKvDownloadProjCmd() override;

  /// "APP_DOWNLOAD_PROJ".
  std::wstring GetName() override;
  /// Runs the download with the current project and whether a work set is
  /// open; true.
  bool Executing() override;
  /// True.
  bool PreStop() override;
};
