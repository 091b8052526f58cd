#include "KvDimMarkCmd.h"

#include <boost/any.hpp>

#include <utility>

#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelData.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/Hooks.h"

namespace {

using KEEL::FRAME::GetManagerAs;
using MOXMANAGERS::DIMMARKMGR::EDimension;
using MOXMANAGERS::DIMMARKMGR::IDimMarkMgr;

const wchar_t kDimMarkCmd[] = L"AppCmd_DimMark";

// The three sisters, in the order they are looked at.
struct DimKind {
  const wchar_t *name;
  EDimension kind;
};
const DimKind kDimKinds[] = {
    {L"AppCmd_DISTANCE", MOXMANAGERS::DIMMARKMGR::DIM_DISTANCE},
    {L"AppCmd_DUIQI", MOXMANAGERS::DIMMARKMGR::DIM_ALIGNED},
    {L"AppCmd_XIANXING", MOXMANAGERS::DIMMARKMGR::DIM_LINEAR},
};

}  // namespace

CKvDimMarkCmd::CKvDimMarkCmd(std::wstring name) : m_strName(std::move(name)) {}

CKvDimMarkCmd::CKvDimMarkCmd(const CKvDimMarkCmd &other)
    : CCommandBase(other),
      CPushMsgCmdObj(other),
      m_bClickButton(other.m_bClickButton),
      m_nCurDimCount(other.m_nCurDimCount),
      m_strName(other.m_strName) {}

CKvDimMarkCmd &CKvDimMarkCmd::operator=(const CKvDimMarkCmd &other) {
  CCommandBase::operator=(other);
  CPushMsgCmdObj::operator=(other);
  m_bClickButton = other.m_bClickButton;
  m_nCurDimCount = other.m_nCurDimCount;
  m_strName = other.m_strName;
  return *this;
}

CKvDimMarkCmd::~CKvDimMarkCmd() {}

std::wstring CKvDimMarkCmd::GetName() { return m_strName; }

void CKvDimMarkCmd::OnLButtonUp(UINT, CPoint) { SetCurDimCount(); }

void CKvDimMarkCmd::OnRButtonUp(UINT, CPoint) {
  auto *dimMarks = GetManagerAs<IDimMarkMgr>(GetKeelData(), L"MoxDimMarkMgr");
  if (!dimMarks) return;
  const int placed = m_nCurDimCount;
  ClearCurDimCount();
  if (placed == 1) {
    dimMarks->CancelDimPoint();
    return;
  }
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(GetKeelData(), L"AppCommandMgr");
  if (!cmdMgr) return;
  dimMarks->ResetDimMark();
  cmdMgr->StopCommand(kDimMarkCmd);
  cmdMgr->StopCommand(GetName());
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  m_bClickButton = false;
}

bool CKvDimMarkCmd::Executing() {
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(GetKeelData(), L"AppCommandMgr");
  auto *dimMarks = GetManagerAs<IDimMarkMgr>(GetKeelData(), L"MoxDimMarkMgr");
  if (!cmdMgr || !dimMarks) return true;
  SetOtherCmd();
  if (m_bClickButton) {
    SetClickButton(false);
    dimMarks->ResetDimMark();
    cmdMgr->StopCommand(kDimMarkCmd);
    return true;
  }
  m_bClickButton = true;
  dimMarks->ResetDimMark();
  cmdMgr->StopCommand(kDimMarkCmd);
  for (const DimKind &kind : kDimKinds) {
    if (m_strName != kind.name) continue;
    boost::any param = kind.kind;
    cmdMgr->RunCommand(kDimMarkCmd, param);
    break;
  }
  return true;
}

bool CKvDimMarkCmd::PreStop() {
  ClearCurDimCount();
  return true;
}

bool CKvDimMarkCmd::IsClickButton() const { return m_bClickButton; }

void CKvDimMarkCmd::SetClickButton(bool click) {
  m_bClickButton = click;
  // A released button has placed no points of the next dimensioning.
  if (!click) ClearCurDimCount();
}

int CKvDimMarkCmd::GetCurDimCount() const { return m_nCurDimCount; }

void CKvDimMarkCmd::SetCurDimCount() { ++m_nCurDimCount; }

void CKvDimMarkCmd::ClearCurDimCount() { m_nCurDimCount = 0; }

void CKvDimMarkCmd::SetOtherCmd() {
  auto *cmdMgr = GetManagerAs<KEEL::CMD::ICmdMgr>(GetKeelData(), L"AppCommandMgr");
  if (!cmdMgr) return;
  for (const DimKind &kind : kDimKinds) {
    auto *sister = dynamic_cast<CKvDimMarkCmd *>(cmdMgr->GetCommand(kind.name));
    if (sister && sister->IsClickButton() && sister->GetName() != GetName()) {
      sister->SetClickButton(false);
      return;
    }
  }
}
