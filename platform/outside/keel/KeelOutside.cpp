#include "keel/KeelOutside.h"

#include <boost/algorithm/string.hpp>

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
