#include "moxcommands/SharedUi.h"

#include "journal/Answers.h"
#include "journal/Journal.h"

namespace MOXCOMMANDS::SHARED_UI {

IMPLEMENT_DYNAMIC(CSelfAdaptDialog, CBCGPDialog)
IMPLEMENT_DYNAMIC(CHoopsTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CHoopsDisplayTree, CHoopsTreeCtrl)

namespace {

const wchar_t kDialog[] = L"MOXCOMMANDS::SHARED_UI::CSelfAdaptDialog";
const wchar_t kTree[] = L"MOXCOMMANDS::SHARED_UI::CHoopsDisplayTree";

std::wstring Join(const std::vector<std::wstring> &items) {
  std::wstring text;
  for (const std::wstring &item : items) text += (text.empty() ? L"" : L",") + item;
  return text;
}

}  // namespace

CSelfAdaptDialog::CSelfAdaptDialog(UINT templateId, CWnd *parent) : CBCGPDialog(templateId, parent) {
  ::KVOUTSIDE::FailCreateIfAnswered(kDialog);
}

BOOL CSelfAdaptDialog::OnInitDialog() {
  const BOOL done = CBCGPDialog::OnInitDialog();
  SetCtrlLayout();
  return done;
}

void CSelfAdaptDialog::SetControlProperty(const std::vector<StDlgCtrlInfo> &controls) {
  controls_ = controls;
  std::vector<std::wstring> args;
  for (const StDlgCtrlInfo &c : controls)
    args.push_back(std::to_wstring(c.nCtrlID) + L"/" + std::to_wstring(c.nFlags) + L"/" + std::to_wstring(c.nPercent));
  ::KVOUTSIDE::CJournal::Instance().Record(kDialog, L"", L"SetControlProperty", args);
}

CHoopsTreeCtrl::~CHoopsTreeCtrl() = default;

void CHoopsTreeCtrl::Record(const std::wstring &op, std::vector<std::wstring> args) const {
  ::KVOUTSIDE::CJournal::Instance().Record(kTree, L"", op, std::move(args));
}

void CHoopsTreeCtrl::BatchExpand(bool expand) {
  expanded_ = expand;
  Record(L"BatchExpand", {::KVOUTSIDE::JournalArg(expand)});
}

void CHoopsTreeCtrl::SetTreeStatus(const StTreeStatus &status) {
  status_.vecExpanded = status.vecExpanded;
  status_.vecChecked = status.vecChecked;
  Record(L"SetTreeStatus", {status.strName, Join(status.vecExpanded), Join(status.vecChecked)});
}

void CHoopsTreeCtrl::GetTreeStatus(StTreeStatus &status) {
  status = status_;
  Record(L"GetTreeStatus", {status_.strName});
}

CHoopsDisplayTree::CHoopsDisplayTree(ITreeCheckNotifier *notifier) : notifier_(notifier) {
  ::KVOUTSIDE::FailCreateIfAnswered(kTree);
  Record(L"create", {notifier ? L"notifier" : L"null"});
}

CHoopsDisplayTree::~CHoopsDisplayTree() {
  Record(L"delete", {status_.strName});
}

BOOL CHoopsDisplayTree::CreateDisplayTree(CWnd *parent, KEEL::HOOPS::IHoopsCtrlMgr *ctrl, const std::wstring &op,
                                          const std::wstring &segment) {
  (void)ctrl;
  Record(L"CreateDisplayTree", {parent ? L"window" : L"null", op, segment});
  if (!parent || !parent->IsWindow() || IsWindow()) return FALSE;
  status_.strName = op;
  segment_ = segment;
  return Create(L"SysTreeView32", segment.c_str(), WS_CHILD, CRect(), parent, kCtrlId);
}

void CHoopsDisplayTree::RefreshDisplayTree() { Record(L"RefreshDisplayTree", {status_.strName}); }

}  // namespace MOXCOMMANDS::SHARED_UI
