#include "moxmanagers/ProjectStandIns.h"

#include <cwchar>

#include "journal/Journal.h"

namespace {

// The fields of an answer list: separated by blanks or commas.
std::vector<std::wstring> Fields(const std::wstring &text) {
  std::vector<std::wstring> fields;
  std::wstring field;
  for (wchar_t c : text + L",") {
    if (c == L',' || c == L' ') {
      if (!field.empty()) fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  return fields;
}

int Number(const std::wstring &text) { return int(std::wcstol(text.c_str(), nullptr, 10)); }

}  // namespace

namespace MOXMANAGERS::PROJDATA {

CProjectDataMgr::CProjectDataMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::PROJDATA::CProjectDataMgr", name) {}

bool CProjectDataMgr::GetProjData(int projId, StProjData &data) {
  bool found = false;
  for (const std::wstring &pair : Fields(AnswerText(L"GetProjData"))) {
    const size_t colon = pair.find(L':');
    if (colon == std::wstring::npos || Number(pair.substr(0, colon)) != projId) continue;
    data.nProjId = projId;
    data.nProjKind = Number(pair.substr(colon + 1));
    found = true;
    break;
  }
  Record(L"GetProjData", ::KVOUTSIDE::JournalArgs(projId, found ? data.nProjKind : -1));
  return found;
}

}  // namespace MOXMANAGERS::PROJDATA

namespace MOXMANAGERS::WORKSET {

CWorkSetMgr::CWorkSetMgr(const std::wstring &name) : CRecordingMgr(L"MOXMANAGERS::WORKSET::CWorkSetMgr", name) {}

void CWorkSetMgr::GetWorkSetProjs(int workSetId, std::vector<StWorkSetProj> &projs) {
  const std::wstring members = AnswerText(L"GetWorkSetProjs");
  Record(L"GetWorkSetProjs", {::KVOUTSIDE::JournalArg(workSetId), members});
  for (const std::wstring &id : Fields(members)) {
    StWorkSetProj proj;
    proj.nProjId = Number(id);
    projs.push_back(proj);
  }
}

}  // namespace MOXMANAGERS::WORKSET

namespace MOXMANAGERS::VIEWPORT {

CViewPortMgr::CViewPortMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXMANAGERS::VIEWPORT::CViewPortMgr", name) {}

void CViewPortMgr::LoadProjViewPorts(bool flag) { Record(L"LoadProjViewPorts", {::KVOUTSIDE::JournalArg(flag)}); }

}  // namespace MOXMANAGERS::VIEWPORT

namespace MOXMANAGERS {
namespace {

class CCuttingPlaneMgr : public ICuttingPlaneMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  CCuttingPlaneMgr() : CRecordingMgr(L"MOXMANAGERS::CreateCuttingPlaneMgr", L"MoxCuttingPlaneMgr") {}
  void SetViewId(int viewId) override { Record(L"SetViewId", {::KVOUTSIDE::JournalArg(viewId)}); }
};

}  // namespace

ICuttingPlaneMgr *CreateCuttingPlaneMgr() { return new CCuttingPlaneMgr(); }

}  // namespace MOXMANAGERS
