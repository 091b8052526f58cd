#include "moxmanagers/MoxManagers.h"
#include "ui/Afx.h"

KV_MOXMANAGERS_CLASSES(KV_OUTSIDE_DEFINE_CLASS)
KV_MOXMANAGERS_FACTORIES(KV_OUTSIDE_DEFINE_FACTORY)
KV_MOXMANAGERS_NAMED_FACTORIES(KV_OUTSIDE_DEFINE_NAMED_FACTORY)

namespace MOXMANAGERS::FUNCTIONLOG {

CFunctionLogMgr::CFunctionLogMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::FUNCTIONLOG::CFunctionLogMgr", name) {}

void CFunctionLogMgr::AddLogInfo(const std::wstring &first, const std::wstring &second, bool flag) {
  Record(L"AddLogInfo", ::KVOUTSIDE::JournalArgs(first, second, flag));
}

void CFunctionLogMgr::AddLogInfo(const std::wstring &first, const std::wstring &second, int value) {
  Record(L"AddLogInfo", ::KVOUTSIDE::JournalArgs(first, second, value));
}

}  // namespace MOXMANAGERS::FUNCTIONLOG

namespace MOXMANAGERS::CAS {

const wchar_t *const CCasMgr::kName = L"CENTRALAUTHENTICATIONSERVICE_MGR ";

CCasMgr::CCasMgr() : CRecordingMgr(L"MOXMANAGERS::CAS::CCasMgr", kName) {}

std::wstring CCasMgr::GetUserName() { return AnswerText(L"GetUserName"); }

StEnterprise CCasMgr::GetCurEnterprise() {
  StEnterprise enterprise;
  enterprise.nId = int(AnswerInt(L"GetEnterpriseId"));
  enterprise.strName = AnswerText(L"GetEnterpriseName");
  enterprise.strCode = AnswerText(L"GetEnterpriseCode");
  return enterprise;
}

void CCasMgr::LogOut() { Record(L"LogOut"); }

}  // namespace MOXMANAGERS::CAS

namespace MOXMANAGERS::ORVELNET {

COrvelNetMgr::COrvelNetMgr(const std::wstring &name) : CRecordingMgr(L"MOXMANAGERS::ORVELNET::COrvelNetMgr", name) {}

void COrvelNetMgr::StartProgramFileUpdateService() { Record(L"StartProgramFileUpdateService"); }

int COrvelNetMgr::GetProgramFileVersion() { return int(AnswerInt(L"GetProgramFileVersion")); }

}  // namespace MOXMANAGERS::ORVELNET

namespace MOXMANAGERS::MOXCURPROJ {

CMoxCurProjectMgr::CMoxCurProjectMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::MOXCURPROJ::CMoxCurProjectMgr", name) {}

void CMoxCurProjectMgr::CleanCurOpenInfo() { Record(L"CleanCurOpenInfo"); }

StCurProjState CMoxCurProjectMgr::GetCurProjState() {
  Record(L"GetCurProjState");
  StCurProjState state;
  state.nState = int(AnswerInt(L"GetCurProjState"));
  state.nProjId = int(AnswerInt(L"GetCurProjId"));
  return state;
}

bool CMoxCurProjectMgr::LoadProject(const StOpenInfo &info) {
  Record(L"LoadProject", ::KVOUTSIDE::JournalArgs(info.nOpenType, info.nOpenId));
  bool ok = true;
  Notify(5, [&](IMoxProjLoadObserver *o) { o->SaveOldProjInfo(info); });
  Notify(5, [&](IMoxProjLoadObserver *o) { o->CleanOldProjInfo(info); });
  Notify(5, [&](IMoxProjLoadObserver *o) { o->PrepareLoadProjInfo(info); });
  Notify(5, [&](IMoxProjLoadObserver *o) { ok = o->LoadNewProjInfo(info) && ok; });
  Notify(5, [&](IMoxProjLoadObserver *o) { ok = o->RestoreNewProjInfo(info) && ok; });
  return ok;
}

}  // namespace MOXMANAGERS::MOXCURPROJ

namespace MOXMANAGERS::DISPCTRLUI {

using MOXCOMMANDS::SHARED_UI::StTreeStatus;

CDisplayControlUIMgr::CDisplayControlUIMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::DISPCTRLUI::CDisplayControlUIMgr", name) {}

void CDisplayControlUIMgr::SetFilterState(bool on) {
  Record(L"SetFilterState", {::KVOUTSIDE::JournalArg(on)});
  Notify(5, [&](IDisplayControlUIObserver *o) { o->OnFilterStateChanged(on); });
}

void CDisplayControlUIMgr::RefreshTree(const std::wstring &name) {
  Record(L"RefreshTree", {name});
  Notify(5, [&](IDisplayControlUIObserver *o) { o->OnRefreshTree(name); });
}

void CDisplayControlUIMgr::SetTreeStatus(const StTreeStatus &status) {
  Record(L"SetTreeStatus", {status.strName});
  Notify(5, [&](IDisplayControlUIObserver *o) { o->OnSetTreeStatus(status); });
}

StTreeStatus CDisplayControlUIMgr::GetTreeStatus() {
  Record(L"GetTreeStatus");
  StTreeStatus status;
  Notify(5, [&](IDisplayControlUIObserver *o) { o->OnGetTreeStatus(status); });
  return status;
}

}  // namespace MOXMANAGERS::DISPCTRLUI

namespace MOXMANAGERS::PROJDATA_PROC {

CProjDataProcessMgr::CProjDataProcessMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::PROJDATA_PROC::CProjDataProcessMgr", name) {}

bool CProjDataProcessMgr::IsHaveTask() {
  const bool task = AnswerBool(L"IsHaveTask");
  Record(L"IsHaveTask", {::KVOUTSIDE::JournalArg(task)});
  return task;
}

bool CProjDataProcessMgr::OnCopyData(COPYDATASTRUCT *data) {
  const bool taken = AnswerBool(L"OnCopyData");
  Record(L"OnCopyData", ::KVOUTSIDE::JournalArgs(data ? data->dwData : 0, taken));
  return taken;
}

}  // namespace MOXMANAGERS::PROJDATA_PROC

namespace MOXMANAGERS::PROCESSPOLLING {

CProcessPollingMgr::CProcessPollingMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::PROCESSPOLLING::CProcessPollingMgr", name) {}

void CProcessPollingMgr::StartPolling(COPYDATASTRUCT *data) {
  Record(L"StartPolling", ::KVOUTSIDE::JournalArgs(data ? data->dwData : 0));
}

}  // namespace MOXMANAGERS::PROCESSPOLLING

namespace MOXMANAGERS::FRAME {
namespace {

class CMoxStartViewMgrStandIn : public IMoxStartViewMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CMoxStartViewMgrStandIn(const std::wstring &name)
      : CRecordingMgr(L"MOXMANAGERS::FRAME::CreateMoxStartViewMgr", name) {}
  void SetParentWnd(CWnd *parent) override { Record(L"SetParentWnd", {parent ? L"window" : L"null"}); }
  void ShowStartView(BOOL show) override { Record(L"ShowStartView", ::KVOUTSIDE::JournalArgs(show)); }
  void OnResize(const CRect &rect) override {
    Record(L"OnResize", ::KVOUTSIDE::JournalArgs(rect.Width(), rect.Height()));
  }
};

}  // namespace

IMoxStartViewMgr *CreateMoxStartViewMgr(const std::wstring &name) { return new CMoxStartViewMgrStandIn(name); }

}  // namespace MOXMANAGERS::FRAME

namespace MOXMANAGERS::DIMMARKMGR {
namespace {

class CDimMarkMgrStandIn : public IDimMarkMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CDimMarkMgrStandIn(const std::wstring &name)
      : CRecordingMgr(L"MOXMANAGERS::DIMMARKMGR::CreateDimMarkMgr", name) {}
  void ResetDimMark() override { Record(L"ResetDimMark"); }
  void CancelDimPoint() override { Record(L"CancelDimPoint"); }
  void UpdateDimMarkColor() override { Record(L"UpdateDimMarkColor"); }
  bool IsDimMark(HC_KEY key) override {
    const std::wstring marks = L"," + AnswerText(L"IsDimMark") + L",";
    std::wstring list;
    for (wchar_t c : marks) list += c == L' ' ? L',' : c;
    const bool mark = list.find(L"," + std::to_wstring(key) + L",") != std::wstring::npos;
    Record(L"IsDimMark", ::KVOUTSIDE::JournalArgs(key, mark));
    return mark;
  }
  void DeleteDimMarks(const std::set<HC_KEY> &keys) override {
    std::vector<std::wstring> args;
    for (HC_KEY key : keys) args.push_back(std::to_wstring(key));
    Record(L"DeleteDimMarks", args);
  }
  void LoadProjDimMarks() override { Record(L"LoadProjDimMarks"); }
};

}  // namespace

IDimMarkMgr *CreateDimMarkMgr(const std::wstring &name) { return new CDimMarkMgrStandIn(name); }

}  // namespace MOXMANAGERS::DIMMARKMGR

namespace MOXMANAGERS::PANE {

TaskPaneMgr::TaskPaneMgr(const std::wstring &name) : CRecordingMgr(L"MOXMANAGERS::PANE::TaskPaneMgr", name) {}

bool TaskPaneMgr::IsTaskPaneVisible() { return visible_; }

void TaskPaneMgr::ToggleTaskPane() {
  visible_ = !visible_;
  Record(L"ToggleTaskPane", {::KVOUTSIDE::JournalArg(visible_)});
}

TaskPaneMgr::~TaskPaneMgr() {
  if (leftPane_ && leftPane_->IsWindow()) leftPane_->DestroyWindow();
}

boost::shared_ptr<CWnd> TaskPaneMgr::GetLeftPane() {
  Record(L"GetLeftPane", {::KVOUTSIDE::JournalArg(bool(leftPane_))});
  return leftPane_;
}

void TaskPaneMgr::ShowLeftPane(bool show) {
  Record(L"ShowLeftPane", {::KVOUTSIDE::JournalArg(show)});
  if (leftPane_ && leftPane_->IsWindow()) leftPane_->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void TaskPaneMgr::SetLeftPaneWnd(CWnd *wnd, int flag) {
  Record(L"SetLeftPaneWnd", ::KVOUTSIDE::JournalArgs(wnd, flag));
  content_ = wnd;
}

void TaskPaneMgr::CreateLeftPane() {
  if (leftPane_) return;
  Record(L"CreateLeftPane");
  boost::shared_ptr<CWnd> pane(new CWnd);
  CWnd *main = AfxGetMainWnd();
  if (!pane->Create(nullptr, L"LeftPane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 600),
                    main && main->IsWindow() ? main : nullptr, 0))
    return;
  leftPane_ = pane;
}

}  // namespace MOXMANAGERS::PANE

namespace MOXMANAGERS::AUTH {
namespace {

class CAuthInfoMgrStandIn : public IAuthInfoMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CAuthInfoMgrStandIn(const std::wstring &name) : CRecordingMgr(L"MOXMANAGERS::AUTH::CreateAuthInfoMgr", name) {}
  bool HasAuthority(const std::wstring &code) override {
    const bool held = AnswerBoolFor(L"HasAuthority", code);
    Record(L"HasAuthority", ::KVOUTSIDE::JournalArgs(code, held));
    return held;
  }
};

}  // namespace

IAuthInfoMgr *CreateAuthInfoMgr(const std::wstring &name) { return new CAuthInfoMgrStandIn(name); }

}  // namespace MOXMANAGERS::AUTH

namespace MOXMANAGERS::UISTATE {

CUIStateMgr::CUIStateMgr(const std::wstring &name) : CRecordingMgr(L"MOXMANAGERS::UISTATE::CUIStateMgr", name) {}

bool CUIStateMgr::GetAxisNetCheck() {
  const bool on = AnswerBool(L"GetAxisNetCheck");
  Record(L"GetAxisNetCheck", {::KVOUTSIDE::JournalArg(on)});
  return on;
}

bool CUIStateMgr::GetViewPartCheck() {
  const bool on = AnswerBool(L"GetViewPartCheck");
  Record(L"GetViewPartCheck", {::KVOUTSIDE::JournalArg(on)});
  return on;
}

}  // namespace MOXMANAGERS::UISTATE

namespace MOXMANAGERS::MODELEFFECTOPTION {

CModelEffectOptionMgr::CModelEffectOptionMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::MODELEFFECTOPTION::CModelEffectOptionMgr", name) {}

bool CModelEffectOptionMgr::IsEffectOn(std::wstring key) {
  const bool on = AnswerBoolFor(L"IsEffectOn", key);
  Record(L"IsEffectOn", ::KVOUTSIDE::JournalArgs(key, on));
  return on;
}

}  // namespace MOXMANAGERS::MODELEFFECTOPTION

namespace MOXMANAGERS::ELEVATION {
namespace {

class CElevCatMgrStandIn : public IElevCatMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  CElevCatMgrStandIn() : CRecordingMgr(L"MOXMANAGERS::ELEVATION::CreateElevCatMgr", L"MoxElevCatMgr") {}
  bool IsElevCatEnable(int kind) override {
    const bool enabled = AnswerBoolFor(L"IsElevCatEnable", std::to_wstring(kind));
    Record(L"IsElevCatEnable", ::KVOUTSIDE::JournalArgs(kind, enabled));
    return enabled;
  }
};

}  // namespace

IElevCatMgr *CreateElevCatMgr() { return new CElevCatMgrStandIn(); }

}  // namespace MOXMANAGERS::ELEVATION

namespace MOXMANAGERS::LOG {

CRecordLogMgr::CRecordLogMgr() : CRecordingMgr(L"MOXMANAGERS::LOG::CreateRecordLogMgr", L"MoxRecordLogMgr") {}

IRecordLogMgr *CreateRecordLogMgr() { return new CRecordLogMgr(); }

}  // namespace MOXMANAGERS::LOG
