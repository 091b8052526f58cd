#include "keel/KeelOutside.h"

#include <boost/algorithm/string.hpp>
#include <cwchar>

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

namespace {

void AppendSegments(const std::wstring &answer, std::vector<StSegmentInfo> &segments) {
  std::vector<std::wstring> entries;
  boost::split(entries, answer, boost::is_any_of(L";"));
  for (const std::wstring &entry : entries) {
    if (entry.empty()) continue;
    StSegmentInfo segment;
    const size_t colon = entry.rfind(L':');
    segment.strName = entry.substr(0, colon);
    if (colon != std::wstring::npos) {
      try {
        segment.nKind = std::stoi(entry.substr(colon + 1));
      } catch (const std::exception &) {
        segment.nKind = 0;
      }
    }
    segments.push_back(segment);
  }
}

}  // namespace

CHoopsCtrlMgr::CHoopsCtrlMgr(const std::wstring &name) : CRecordingMgr(L"KEEL::HOOPS::CHoopsCtrlMgr", name) {}

void CHoopsCtrlMgr::ListSegments(const std::wstring &op, std::vector<StSegmentInfo> &segments) {
  Record(L"ListSegments", {op});
  AppendSegments(AnswerText(L"ListSegments"), segments);
}

void CHoopsCtrlMgr::ListSegmentsEx(const std::wstring &op, std::vector<StSegmentInfo> &segments, int level) {
  Record(L"ListSegmentsEx", ::KVOUTSIDE::JournalArgs(op, level));
  AppendSegments(AnswerText(L"ListSegmentsEx"), segments);
}

}  // namespace KEEL::HOOPS

namespace KEEL::HOOPSDATACOLOR {

CHoopsColorDataMgr::CHoopsColorDataMgr(const std::wstring &name)
    : CRecordingMgr(L"KEEL::HOOPSDATACOLOR::CreateHoopsColorDataMgr", name) {}

IHoopsColorDataMgr *CreateHoopsColorDataMgr(const std::wstring &name) { return new CHoopsColorDataMgr(name); }

}  // namespace KEEL::HOOPSDATACOLOR
namespace KEEL::HOOPS {
namespace {

// Records under the operator's name and reads its answers.
class CPart {
 public:
  CPart(const wchar_t *cls, std::wstring name) : cls_(cls), name_(std::move(name)) {}

 protected:
  void Record(const std::wstring &op, std::vector<std::wstring> args = {}) const {
    ::KVOUTSIDE::CJournal::Instance().Record(cls_, name_, op, std::move(args));
  }
  std::wstring Answer(const std::wstring &op) const { return ::KVOUTSIDE::CAnswers::Instance().Text(name_, op); }
  bool AnswerBool(const std::wstring &op, bool fallback) const {
    return ::KVOUTSIDE::CAnswers::Instance().Bool(name_, op, fallback);
  }

 private:
  std::wstring cls_;
  std::wstring name_;
};

// The fields of an answer list: separated by blanks or commas.
std::vector<std::wstring> Fields(const std::wstring &text) {
  std::vector<std::wstring> fields;
  std::wstring field;
  for (wchar_t c : text + L",") {
    if (c == L' ' || c == L',') {
      if (!field.empty()) fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  return fields;
}

class CSelection : public IHoopsSelection, public CPart {
 public:
  explicit CSelection(const std::wstring &name) : CPart(L"KEEL::HOOPS::CHoopsSelection", name) {}
  void GetSelectedComps(SelCompMap &comps) override {
    const std::wstring answer = Answer(L"GetSelectedComps");
    Record(L"GetSelectedComps", {answer});
    for (const std::wstring &pair : Fields(answer)) {
      const size_t colon = pair.rfind(L':');
      const std::wstring key = pair.substr(0, colon);
      const int count = colon == std::wstring::npos ? 1 : int(std::wcstol(pair.c_str() + colon + 1, nullptr, 10));
      std::vector<StSelCompInfo> &records = comps[key];
      for (int i = 0; i < count; ++i) {
        StSelCompInfo record;
        record.strInfo[0] = key;
        record.strInfo[1] = std::to_wstring(i);
        records.push_back(record);
      }
    }
  }
};

class CScene : public IHoopsScene, public CPart {
 public:
  explicit CScene(const std::wstring &name) : CPart(L"KEEL::HOOPS::CHoopsScene", name) {}
  void SetWindowExtent(double left, double right, double bottom, double top) override {
    Record(L"SetWindowExtent", ::KVOUTSIDE::JournalArgs(left, right, bottom, top));
  }
  const void *GetSelectSegment() override {
    const bool selected = AnswerBool(L"GetSelectSegment", false);
    Record(L"GetSelectSegment", {::KVOUTSIDE::JournalArg(selected)});
    return selected ? this : nullptr;
  }
  void GetSelectedKeys(std::set<HC_KEY> &keys) override {
    const std::wstring answer = Answer(L"GetSelectedKeys");
    Record(L"GetSelectedKeys", {answer});
    for (const std::wstring &key : Fields(answer)) keys.insert(std::wcstoll(key.c_str(), nullptr, 10));
  }
  void SetWindowColor(const unsigned char rgb[3]) override { Record(L"SetWindowColor", ::KVOUTSIDE::JournalArgs(int(rgb[0]), int(rgb[1]), int(rgb[2]))); }
  void Update() override { Record(L"Update"); }
};

class CView3D : public IHoopsView, public CPart {
 public:
  CView3D(const std::wstring &name, IHoopsScene *scene) : CPart(L"KEEL::HOOPS::CHoopsView", name), scene_(scene) {}
  IHoopsScene *GetScene() override { return AnswerBool(L"GetScene", true) ? scene_ : nullptr; }

 private:
  IHoopsScene *scene_;
};

}  // namespace

class CHoopsBaseMgr::COperator : public IHoopsOperator, public CPart {
 public:
  explicit COperator(const std::wstring &name)
      : CPart(L"KEEL::HOOPS::CHoopsOperator", name), selection_(name), scene_(name), view_(name, &scene_) {
    ::KVOUTSIDE::FailCreateIfAnswered(name);
  }
  void OnMouseEvent(int event, UINT flags, double x, double y) override {
    Record(L"OnMouseEvent", ::KVOUTSIDE::JournalArgs(event, flags, x, y));
  }
  void OnWheelEvent(UINT flags, short delta, double x, double y) override {
    Record(L"OnWheelEvent", ::KVOUTSIDE::JournalArgs(flags, delta, x, y));
  }
  void OnKeyEvent(int event, UINT key, UINT repeat, UINT flags) override {
    Record(L"OnKeyEvent", ::KVOUTSIDE::JournalArgs(event, key, repeat, flags));
  }
  void OnMiddleDblClk() override { Record(L"OnMiddleDblClk"); }
  IHoopsView *GetHoopsView() override { return AnswerBool(L"GetHoopsView", true) ? &view_ : nullptr; }
  IHoopsSelection *GetSelection() override { return AnswerBool(L"GetSelection", true) ? &selection_ : nullptr; }
  void RefreshView() override { Record(L"RefreshView"); }

 private:
  CSelection selection_;
  CScene scene_;
  CView3D view_;
};

CHoopsBaseMgr::CHoopsBaseMgr(const std::wstring &name) : CRecordingMgr(L"KEEL::HOOPS::CHoopsBaseMgr", name) {}

CHoopsBaseMgr::~CHoopsBaseMgr() {}

bool CHoopsBaseMgr::CreateOperator(const std::wstring &name, HWND wnd) {
  Record(L"CreateOperator", {name, wnd ? L"window" : L"null"});
  operators_[name] = std::make_unique<COperator>(name);
  return true;
}

void CHoopsBaseMgr::ResetView() { Record(L"ResetView"); }

IHoopsOperator *CHoopsBaseMgr::GetOperator(const std::wstring &name) {
  auto found = operators_.find(name);
  return found == operators_.end() ? nullptr : found->second.get();
}

}  // namespace KEEL::HOOPS
