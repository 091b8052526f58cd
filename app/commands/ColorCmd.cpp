#include "ColorCmd.h"

#include <boost/any.hpp>

#include <utility>

#include "hearth/Hearth.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelData.h"
#include "moxcommands/MoxCommands.h"

namespace {

struct ColorMode {
  const wchar_t *name;
  TmplMode mode;
};
const ColorMode kModes[] = {
    {L"APP_DEFAULT0", TMPL_MODE0}, {L"APP_DEFAULT1", TMPL_MODE1}, {L"APP_DEFAULT2", TMPL_MODE2},
    {L"APP_DEFAULT3", TMPL_MODE3}, {L"APP_DEFAULT4", TMPL_MODE4},
};

}  // namespace

CColorCmd::CColorCmd(std::wstring name) : m_strName(std::move(name)) {}

CColorCmd::CColorCmd(const CColorCmd &other) : CPushMsgCmdObj(other), m_strName(other.m_strName) {}

CColorCmd &CColorCmd::operator=(const CColorCmd &other) {
  CPushMsgCmdObj::operator=(other);
  m_strName = other.m_strName;
  return *this;
}

CColorCmd::~CColorCmd() {}

std::wstring CColorCmd::GetName() { return m_strName; }

bool CColorCmd::Executing() {
  KVLOG::Instance().LogInfo(L"模型颜色选择");
  auto *cmdMgr = KEEL::FRAME::GetManagerAs<KEEL::CMD::ICmdMgr>(GetKeelData(), L"AppCommandMgr");
  if (!cmdMgr) return true;
  for (const ColorMode &mode : kModes) {
    if (m_strName != mode.name) continue;
    boost::any param = mode.mode;
    cmdMgr->RunCommand(L"AppCmd_ColorMode", param);
    break;
  }
  return true;
}

bool CColorCmd::PreStop() { return true; }
