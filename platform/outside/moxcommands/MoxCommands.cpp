#include "moxcommands/MoxCommands.h"

#include "journal/Answers.h"
#include "journal/Journal.h"
#include "keel/KeelOutside.h"
#include "keel/frame/KeelData.h"
#include "moxmanagers/MoxManagers.h"

KV_MOXCOMMANDS_COMMANDS(KV_MOXCOMMANDS_DEFINE_COMMAND)

namespace MOXCOMMANDS {

std::wstring MoxParamText(const boost::any &param) {
  using ::KVOUTSIDE::JournalArg;
  if (const auto *kind = boost::any_cast<MOXMANAGERS::DIMMARKMGR::EDimension>(&param))
    return L"EDimension " + JournalArg(int(*kind));
  if (const auto *mode = boost::any_cast<TmplMode>(&param)) return L"TmplMode " + JournalArg(int(*mode));
  if (const auto *p = boost::any_cast<DOWNLOADEXE::DownloadParm>(&param))
    return L"DownloadParm " + JournalArg(p->nDownType) + L" " + JournalArg(p->nDownMode) + L" " +
           JournalArg(p->nProjId) + L" " + JournalArg(p->bWorkSet);
  return ::KVOUTSIDE::CRecordingCmd::CommonParamText(param);
}

}  // namespace MOXCOMMANDS

namespace MOXCOMMANDS::LEFTUI {

CLeftUICmd::CLeftUICmd() : CMoxRecordingCmd(L"MOXCOMMANDS::LEFTUI::CLeftUICmd", L"AppCmd_LEFTUI") {}

bool CLeftUICmd::Executing() {
  if (!CMoxRecordingCmd::Executing()) return false;
  if (auto *panes = KEEL::FRAME::GetManagerAs<MOXMANAGERS::PANE::TaskPaneMgr>(GetKeelData(), L"MoxTaskPaneMgr"))
    panes->CreateLeftPane();
  return true;
}

}  // namespace MOXCOMMANDS::LEFTUI

namespace MOXCOMMANDS::LEFTPANEL {

CLeftPanelCmd::CLeftPanelCmd() : CMoxRecordingCmd(L"MOXCOMMANDS::LEFTPANEL::CLeftPanelCmd", L"AppCmd_LeftPanel") {}

bool CLeftPanelCmd::IsLeftPanelShow() {
  return ::KVOUTSIDE::CAnswers::Instance().Bool(GetName(), L"IsLeftPanelShow", false);
}

}  // namespace MOXCOMMANDS::LEFTPANEL
