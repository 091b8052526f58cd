#include "moxmanagers/MoxKeelFramework.h"

#include "journal/Journal.h"
#include "moxmanagers/MoxManagers.h"

namespace MOXMANAGERS::MOXFRAME {

void CMoxKeelFramework::InitLoginInstance(const std::wstring &resFile) {
  const bool first = GetCoreData() == nullptr;
  ::KVOUTSIDE::CJournal::Instance().Record(L"MOXMANAGERS::MOXFRAME::CMoxKeelFramework", L"", L"InitLoginInstance",
                                           {resFile});
  KEEL::FRAME::CKeelFramework::InitLoginInstance(resFile);
  if (first && GetCoreData()) GetCoreData()->AddManager(new MOXMANAGERS::CAS::CCasMgr());
}

}  // namespace MOXMANAGERS::MOXFRAME
