#include "moxwebservicesmanagers/MoxWebServicesManagers.h"

#include <vector>

#include "holders/MOXDataArray.h"

KV_MOXWEBSERVICESMANAGERS_CLASSES(KV_OUTSIDE_DEFINE_CLASS)
KV_MOXWEBSERVICESMANAGERS_GLOBAL_CLASSES(KV_OUTSIDE_DEFINE_GLOBAL_CLASS)

namespace MOXWEBSERVICESMANAGERS::PROJSTATUS {

CVxProjStatusServiceMgr::CVxProjStatusServiceMgr(const std::wstring &name)
    : CRecordingMgr(L"MOXWEBSERVICESMANAGERS::PROJSTATUS::CVxProjStatusServiceMgr", name) {}

void CVxProjStatusServiceMgr::ServiceGetProjUpdateLog(
    boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &holder) {
  const std::wstring text = AnswerText(L"ServiceGetProjUpdateLog");
  const bool failed = AnswerBool(L"ServiceGetProjUpdateLog.failed");
  Record(L"ServiceGetProjUpdateLog");
  std::vector<std::wstring> names;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(L';', start);
    if (end == std::wstring::npos) end = text.size();
    if (end > start) names.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  auto *array = new MOXAPP::CMOXBaseDataArray<std::wstring>(names);
  array->SetFinished();
  array->SetState(failed ? 1 : 0);
  holder.reset(array);
}

}  // namespace MOXWEBSERVICESMANAGERS::PROJSTATUS
