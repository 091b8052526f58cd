#include "KvLableClrCmd.h"

#include "keel/KeelOutside.h"
#include "keel/config/VarConfigMgr.h"
#include "keel/frame/KeelData.h"
#include "modula/Modula.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/Ribbon.h"
#include "wrench/XMLConfig.h"

namespace {

using KEEL::FRAME::GetManagerAs;

const wchar_t kColorVar[] = L"AppDimMarkColor";
const wchar_t kColorKey[] = L"/KvConfig/DimClr";

}  // namespace

CKvLableClrCmd::CKvLableClrCmd() {}

CKvLableClrCmd::CKvLableClrCmd(const CKvLableClrCmd &other) : CPushMsgCmdObj(other) {}

CKvLableClrCmd &CKvLableClrCmd::operator=(const CKvLableClrCmd &other) {
  CPushMsgCmdObj::operator=(other);
  return *this;
}

CKvLableClrCmd::~CKvLableClrCmd() {}

std::wstring CKvLableClrCmd::GetName() { return L"AppCmd_DimMarkColor"; }

bool CKvLableClrCmd::Executing() {
  auto *ribbonMgr = GetManagerAs<MODKIT::MFC::IRibbonMenuMgr>(GetKeelData(), L"AppRibbonMenuMgr");
  GUI::IGUIRibbon *ribbon = ribbonMgr ? ribbonMgr->GetRibbonMenu() : nullptr;
  if (!ribbon) return true;
  auto *button = dynamic_cast<CBCGPRibbonColorButton *>(ribbon->FindElementByName(CString(GetName()), 0));
  if (!button) return true;
  const unsigned long color = button->GetColor();
  if (color != GetOldLableValue()) WriteClrLableValue(color);

  auto *dimMarks = GetManagerAs<MOXMANAGERS::DIMMARKMGR::IDimMarkMgr>(GetKeelData(), L"MoxDimMarkMgr");
  if (!dimMarks) return true;
  dimMarks->UpdateDimMarkColor();
  auto *hoops = GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(GetKeelData(), L"AppHoopsBaseMgr");
  KEEL::HOOPS::IHoopsOperator *view = hoops ? hoops->GetOperator(L"AppHoopsOperator") : nullptr;
  if (!view) return true;
  view->RefreshView();
  return true;
}

bool CKvLableClrCmd::PreStop() { return true; }

unsigned long CKvLableClrCmd::GetOldLableValue() {
  auto *vars = GetManagerAs<KEEL::CONFIG::IVarConfigMgr>(GetKeelData(), L"AppVarConfigMgr");
  if (!vars) return 0;
  const std::wstring path = vars->GetVar(kColorVar);
  // No file is named: nothing stored.
  if (path.empty()) return 0;
  WRENCH::CXMLConfig config(path);
  return static_cast<unsigned long>(config.GetXmlInt(kColorKey));
}

void CKvLableClrCmd::WriteClrLableValue(const unsigned long &value) {
  auto *vars = GetManagerAs<KEEL::CONFIG::IVarConfigMgr>(GetKeelData(), L"AppVarConfigMgr");
  if (!vars) return;
  const std::wstring path = vars->GetVar(kColorVar);
  // Without a file name there is nowhere to write.
  if (path.empty()) return;
  WRENCH::CXMLConfig config(path);
  config.WriteXmlInt(static_cast<int>(value), kColorKey);
}
