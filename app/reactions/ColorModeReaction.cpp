#include "ColorModeReaction.h"

#include <boost/any.hpp>

#include "keel/cmd/CmdMgr.h"
#include "modula/Modula.h"
#include "moxcommands/MoxCommands.h"

namespace KVREACT {
namespace {

constexpr int kFlagMode = 4;
constexpr int kLastMode = 4;

using MODKIT::MFC::CMOXRibbonButton;

CMOXRibbonButton *FindColorModeButton(GUI::IGUIRibbon &ribbon, const std::vector<std::wstring> &names) {
  for (const std::wstring &name : names) {
    auto *button = dynamic_cast<CMOXRibbonButton *>(ribbon.FindElementByName(CString(name), 0));
    if (button && !button->GetSubItems().empty()) return button;
  }
  return nullptr;
}

void TakeOver(CMOXRibbonButton &button, const CMOXRibbonButton &item) {
  button.SetID(item.GetID());
  button.SetData(item.GetData());
  button.SetToolTipText(item.GetToolTipText().c_str());
  button.SetDescription(item.GetDescription().c_str());
  button.SetImageIndex(item.GetImageIndex(FALSE), FALSE);
  button.SetImageIndex(item.GetImageIndex(TRUE), TRUE);
}

}  // namespace

int ColorModeOf(int mode, bool flag) { return flag ? kFlagMode : mode; }

void ShowColorMode(KEEL::FRAME::IKeelData *data, const std::vector<std::wstring> &colorModeCmds, int mode) {
  auto *menus = KEEL::FRAME::GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(data, L"AppRibbonMenuMgr");
  GUI::IGUIRibbon *ribbon = menus ? menus->GetRibbonMenu() : nullptr;
  if (!ribbon) return;
  CMOXRibbonButton *button = FindColorModeButton(*ribbon, colorModeCmds);
  if (!button || mode < 0 || mode >= int(button->GetSubItems().size())) return;
  const auto *item = dynamic_cast<const CMOXRibbonButton *>(button->GetSubItems()[size_t(mode)]);
  if (!item) return;
  TakeOver(*button, *item);
  CBCGPRibbonBar *bar = ribbon->GetRibbonWnd();
  if (!bar) return;
  InvalidateRect(bar->GetSafeHwnd(), nullptr, TRUE);
  if (mode > kLastMode) return;
  auto *commands = KEEL::FRAME::GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr");
  if (!commands) return;
  boost::any param = TmplMode(mode);
  commands->RunCommand(L"AppCmd_ColorMode", param);
}

}  // namespace KVREACT
