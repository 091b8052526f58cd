#include "KvExitCmd.h"

#include "ui/Afx.h"

CKvExitCmd::CKvExitCmd() {}

CKvExitCmd::CKvExitCmd(const CKvExitCmd &other) : CPushPullMsgCmdObj(other) {}

CKvExitCmd &CKvExitCmd::operator=(const CKvExitCmd &other) {
  CPushPullMsgCmdObj::operator=(other);
  return *this;
}

CKvExitCmd::~CKvExitCmd() {}

std::wstring CKvExitCmd::GetName() { return L"APP_EXIT_CMD"; }

bool CKvExitCmd::Executing() {
  if (CWnd *main = AfxGetMainWnd()) main->PostMessage(WM_CLOSE, 0, 0);
  return true;
}

bool CKvExitCmd::PreStop() { return false; }
