#include "ProjectLoadReaction.h"

#include <boost/any.hpp>

#include "DisplayControlDlg.h"
#include "InitCmd.h"
#include "OutsideCall.h"
#include "keel/KeelOutside.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/mfc/MFCViewMgr.h"
#include "kvwalkproc/KVWalkProc.h"
#include "modula/Modula.h"

namespace KVREACT {
namespace {

using KEEL::FRAME::GetManagerAs;
using MOXMANAGERS::MOXCURPROJ::StOpenInfo;

constexpr wchar_t kLeftPaneTabs[] = L"APP_KV_TABPSGE_LEFTPANEUI_MGR";
constexpr wchar_t kViewMgr[] = L"HoopsViewMgr";
constexpr wchar_t kOperator[] = L"AppHoopsOperator";
constexpr UINT kDisplayControlPage = 311;
constexpr int kProjectOpened = 2;
constexpr int kWorkSetOpened = 3;
constexpr int kKind4 = 4;
constexpr int kKind6 = 6;
constexpr int kProjectMode = 1;
constexpr int kWorkSetMode = 2;

// The rows a load sets or erases.
const wchar_t *const kDefaultRows[] = {L"APP_DEFAULT1", L"APP_DEFAULT2", L"APP_DEFAULT3"};
const wchar_t *const kColorRows[] = {L"AppCmd_ColorTmp", L"AppCmd_ColorImage"};
constexpr wchar_t kViewPartRow[] = L"APP_VIEWPART_CMD";

template <size_t N>
void SetRows(ProjModeTable &table, const wchar_t *const (&rows)[N], int mode) {
  for (const wchar_t *row : rows) table[row] = mode;
}

template <size_t N>
void EraseRows(ProjModeTable &table, const wchar_t *const (&rows)[N]) {
  for (const wchar_t *row : rows) table.erase(row);
}

// The kind of project `projId`; false when there is no record.
bool ProjectKind(KEEL::FRAME::IKeelData *data, int projId, int &kind) {
  auto *projects = GetManagerAs<MOXMANAGERS::PROJDATA::IProjectDataMgr>(data, L"MoxProjectDataMgr");
  MOXMANAGERS::PROJDATA::StProjData record;
  if (!projects || !projects->GetProjData(projId, record)) return false;
  kind = record.nProjKind;
  return true;
}

// The first load: the left-pane command, the pane's tab-page manager and
// the display-control page.
void MakeLeftPane(KEEL::FRAME::IKeelData *data, MOXMANAGERS::PANE::ITaskPaneMgr &panes, CDisplayControlDlg *&page) {
  if (auto *commands = GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr")) {
    boost::any none = static_cast<void *>(nullptr);
    commands->RunCommand(L"AppCmd_LEFTUI", none);
  }
  boost::shared_ptr<CWnd> leftPane = panes.GetLeftPane();
  // A manager of that name already held is kept (the new one is refused).
  TryOutsideStep(L"the left pane's tab-page manager",
                 [&] { data->AddManager(new MODKIT::MFC::CTabPageMgr(leftPane.get(), kLeftPaneTabs)); });
  auto *tabs = GetManagerAs<MODKIT::MFC::ITabPageMgr>(data, kLeftPaneTabs);
  if (!tabs) return;
  CWnd *host = tabs->GetTabView();
  host->ShowWindow(SW_HIDE);
  panes.SetLeftPaneWnd(host, 0);
  // One page for the program's lifetime, also when the pane had to be
  // made again.
  if (page) return;
  if (!TryOutsideStep(L"the display-control page", [&] { page = new CDisplayControlDlg(); })) return;
  tabs->AddTabPage(page, L"显示控制", kDisplayControlPage, 1);
  if (auto *project = GetManagerAs<MOXMANAGERS::MOXCURPROJ::IMoxCurProjectMgr>(data, L"MoxCurProjectMgr"))
    project->Attach(page, 5);
}

void ColorTheView(KEEL::FRAME::IKeelData *data) {
  auto *hoops = GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(data, L"AppHoopsBaseMgr");
  KEEL::HOOPS::IHoopsOperator *op = hoops ? hoops->GetOperator(kOperator) : nullptr;
  KEEL::HOOPS::IHoopsView *view = op ? op->GetHoopsView() : nullptr;
  KEEL::HOOPS::IHoopsScene *scene = view ? view->GetScene() : nullptr;
  if (!scene) return;
  const unsigned char red[3] = {255, 0, 0};
  scene->SetWindowColor(red);
  scene->Update();
}

void SetProjectRows(KEEL::FRAME::IKeelData *data, int projId, ProjModeTable &table) {
  int kind = 0;
  // A project without a record counts as one of another kind.
  ProjectKind(data, projId, kind);
  if (kind == kKind4 || kind == kKind6) {
    SetRows(table, kDefaultRows, kProjectMode);
    SetRows(table, kColorRows, kProjectMode);
    if (kind == kKind6)
      table.erase(kViewPartRow);
    else
      table[kViewPartRow] = kProjectMode;
    return;
  }
  EraseRows(table, kDefaultRows);
  EraseRows(table, kColorRows);
  table[kViewPartRow] = kProjectMode;
}

void SetWorkSetRows(KEEL::FRAME::IKeelData *data, int workSetId, ProjModeTable &table) {
  EraseRows(table, kDefaultRows);
  SetRows(table, kColorRows, kWorkSetMode);
  if (WorkSetHasKind6(data, workSetId))
    table.erase(kViewPartRow);
  else
    table[kViewPartRow] = kWorkSetMode;
}

}  // namespace

void PrepareProjectLoad(KEEL::FRAME::IKeelData *data, CDisplayControlDlg *&page) {
  if (auto *panes = GetManagerAs<MOXMANAGERS::PANE::ITaskPaneMgr>(data, L"MoxTaskPaneMgr")) {
    if (panes->GetLeftPane())
      panes->ShowLeftPane(true);
    else
      MakeLeftPane(data, *panes, page);
  }
  CreateBimView(data);
}

void CreateBimView(KEEL::FRAME::IKeelData *data) {
  auto *tabs = GetManagerAs<MODKIT::MFC::IMDITabPageMgr>(data, L"AppMDITabPageMgr");
  if (!tabs || tabs->GetTabNum() > 0) return;
  using MODKIT::MFC::CMsgView;
  int tab = -1;
  TryOutsideStep(L"the 3D view tab", [&] { tab = tabs->AddTabPage(RUNTIME_CLASS(CMsgView), L"BIM 视图"); });
  if (tab < 0) return;
  nViewId = tab;
  auto *cutting = GetManagerAs<MOXMANAGERS::ICuttingPlaneMgr>(data, L"MoxCuttingPlaneMgr");
  if (!cutting) return;
  cutting->SetViewId(tab);
  CView *view = dynamic_cast<CView *>(tabs->FindTab(tab));
  auto *viewMgr = new KEEL::MFC::CMFCViewMgr(nullptr, view, kViewMgr);
  data->RemoveManager(kViewMgr);
  if (!data->AddManager(viewMgr)) return;
  if (auto *hoops = GetManagerAs<KEEL::HOOPS::IHoopsBaseMgr>(data, L"AppHoopsBaseMgr"))
    TryOutsideStep(L"the 3D view's operator",
                   [&] { hoops->CreateOperator(kOperator, view ? view->GetSafeHwnd() : nullptr); });
  // The view hands its input to the view manager made for it.
  auto *commands = GetManagerAs<KEEL::CMD::ICmdMgr>(data, L"AppCommandMgr");
  if (!commands) return;
  if (auto *init = dynamic_cast<CInitCmd *>(commands->GetCommand(L"INIT_HOOPSVIEW_CMD")))
    init->RegisterViewEvents(viewMgr);
  commands->SetViewMgr(viewMgr);
}

void LoadNewProject(KEEL::FRAME::IKeelData *data, const StOpenInfo &info, ProjModeTable &projMode) {
  ColorTheView(data);
  auto *viewPorts = GetManagerAs<MOXMANAGERS::VIEWPORT::IViewPortMgr>(data, L"MoxViewPortMgr");
  if (!viewPorts) return;
  viewPorts->LoadProjViewPorts(false);
  if (auto *marks = GetManagerAs<MOXMANAGERS::DIMMARKMGR::IDimMarkMgr>(data, L"MoxDimMarkMgr"))
    marks->LoadProjDimMarks();
  if (info.nOpenType == kProjectOpened)
    SetProjectRows(data, info.nOpenId, projMode);
  else if (info.nOpenType == kWorkSetOpened)
    SetWorkSetRows(data, info.nOpenId, projMode);
}

bool WorkSetHasKind6(KEEL::FRAME::IKeelData *data, int workSetId) {
  auto *workSets = GetManagerAs<MOXMANAGERS::WORKSET::IWorkSetMgr>(data, L"MoxWorkSetMgr");
  if (!workSets) return false;
  std::vector<MOXMANAGERS::WORKSET::StWorkSetProj> members;
  workSets->GetWorkSetProjs(workSetId, members);
  if (!GetManagerAs<MOXMANAGERS::PROJDATA::IProjectDataMgr>(data, L"MoxProjectDataMgr")) return false;
  for (const auto &member : members) {
    int kind = 0;
    if (ProjectKind(data, member.nProjId, kind) && kind == kKind6) return true;
  }
  return false;
}

}  // namespace KVREACT
