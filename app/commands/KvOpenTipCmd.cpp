#include "KvOpenTipCmd.h"

#include "keel/config/VarConfigMgr.h"
#include "keel/frame/KeelData.h"
#include "wrench/XMLConfig.h"

CKvOpenTipCmd::CKvOpenTipCmd() {}

CKvOpenTipCmd::CKvOpenTipCmd(const CKvOpenTipCmd &other) : CPushMsgCmdObj(other), m_bOpenTip(other.m_bOpenTip) {}

CKvOpenTipCmd &CKvOpenTipCmd::operator=(const CKvOpenTipCmd &other) {
  CPushMsgCmdObj::operator=(other);
  m_bOpenTip = other.m_bOpenTip;
  return *this;
}

CKvOpenTipCmd::~CKvOpenTipCmd() {}

std::wstring CKvOpenTipCmd::GetName() { return L"APP_STARTUP_TIP_CMD"; }

bool CKvOpenTipCmd::Executing() {
  WriteOpenTipSel();
  return true;
}

bool CKvOpenTipCmd::PreStop() { return true; }

bool CKvOpenTipCmd::GetOpenTipMenu() const { return m_bOpenTip; }

void CKvOpenTipCmd::SetOpenTipMenu(bool show) { m_bOpenTip = show; }

void CKvOpenTipCmd::WriteOpenTipSel() {
  m_bOpenTip = !m_bOpenTip;
  auto *vars = KEEL::FRAME::GetManagerAs<KEEL::CONFIG::IVarConfigMgr>(GetKeelData(), L"AppVarConfigMgr");
  if (!vars) return;
  const std::wstring path = vars->GetVar(L"OpenTip");
  if (path.empty()) return;
  WRENCH::CXMLConfig config(path);
  config.WriteXmlInt(m_bOpenTip ? 1 : 0, L"/KvConfig/OpenTip");
}
