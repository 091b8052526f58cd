#include "keel/KeelOutside.h"

KV_KEELOUTSIDE_CLASSES(KV_OUTSIDE_DEFINE_CLASS)
KV_KEELOUTSIDE_FACTORIES(KV_OUTSIDE_DEFINE_FACTORY)

namespace KEEL::HOOPS {

namespace {
const wchar_t kOperatorName[] = L"AppHoopsOperator";
}

class CHoopsBaseMgr::COperator : public IHoopsViewOperator,
                                 public IHoopsSelection,
                                 public ::KVOUTSIDE::CRecordingMgr {
 public:
  COperator() : CRecordingMgr(L"KEEL::HOOPS::CHoopsViewOperator", kOperatorName) {}
  void RefreshView() override { Record(L"RefreshView"); }
  IHoopsSelection *GetSelection() override {
    Record(L"GetSelection");
    return AnswerBool(L"GetSelection", true) ? this : nullptr;
  }
  void GetSelectedComps(SelCompMap &comps) override {
    Record(L"GetSelectedComps");
    std::wstring text = AnswerText(L"GetSelectedComps");
    std::wstring::size_type start = 0;
    while (start < text.size()) {
      std::wstring::size_type end = text.find(L',', start);
      if (end == std::wstring::npos) end = text.size();
      const std::wstring item = text.substr(start, end - start);
      start = end + 1;
      const std::wstring::size_type eq = item.find(L'=');
      const std::wstring key = item.substr(0, eq);
      int count = 1;
      if (eq != std::wstring::npos) {
        try {
          count = std::stoi(item.substr(eq + 1));
        } catch (...) {
          count = 0;
        }
      }
      std::vector<StSelComp> &list = comps[key];
      for (int i = 0; i < count; ++i) {
        StSelComp comp;
        comp.strFields[0] = key;
        comp.strFields[1] = std::to_wstring(i + 1);
        list.push_back(comp);
      }
    }
  }
};

CHoopsBaseMgr::CHoopsBaseMgr(const std::wstring &name) : CRecordingMgr(L"KEEL::HOOPS::CHoopsBaseMgr", name) {}

CHoopsBaseMgr::~CHoopsBaseMgr() = default;

IHoopsViewOperator *CHoopsBaseMgr::GetOperator(const std::wstring &name) {
  Record(L"GetOperator", {name});
  if (name != kOperatorName || !AnswerBool(L"GetOperator", true)) return nullptr;
  if (!operator_) operator_ = std::make_unique<COperator>();
  return operator_.get();
}

CHoopsPinMgr::CHoopsPinMgr(const std::wstring &name) : CRecordingMgr(L"KEEL::HOOPS::CHoopsPinMgr", name) {}

void CHoopsPinMgr::LoadPinImage(const std::vector<StPinImage> &images) {
  for (const StPinImage &image : images) {
    std::vector<std::wstring> args{image.strAppKey};
    for (const auto &module : image.vecModules) args.push_back(module.first + L"=" + module.second);
    Record(L"LoadPinImage", args);
  }
}

}  // namespace KEEL::HOOPS
