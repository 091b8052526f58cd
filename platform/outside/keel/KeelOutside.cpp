#include "keel/KeelOutside.h"

KV_KEELOUTSIDE_CLASSES(KV_OUTSIDE_DEFINE_CLASS)
KV_KEELOUTSIDE_FACTORIES(KV_OUTSIDE_DEFINE_FACTORY)

namespace KEEL::HOOPS {

CHoopsPinMgr::CHoopsPinMgr(const std::wstring &name) : CRecordingMgr(L"KEEL::HOOPS::CHoopsPinMgr", name) {}

void CHoopsPinMgr::LoadPinImage(const std::vector<StPinImage> &images) {
  for (const StPinImage &image : images) {
    std::vector<std::wstring> args{image.strAppKey};
    for (const auto &module : image.vecModules) args.push_back(module.first + L"=" + module.second);
    Record(L"LoadPinImage", args);
  }
}

}  // namespace KEEL::HOOPS

namespace KEEL::HOOPSDATACOLOR {

CHoopsColorDataMgr::CHoopsColorDataMgr(const std::wstring &name)
    : CRecordingMgr(L"KEEL::HOOPSDATACOLOR::CreateHoopsColorDataMgr", name) {}

IHoopsColorDataMgr *CreateHoopsColorDataMgr(const std::wstring &name) { return new CHoopsColorDataMgr(name); }

}  // namespace KEEL::HOOPSDATACOLOR
