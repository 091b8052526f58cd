#include "kvcollision/KVCollisionComponent.h"

KV_KVCOLLISION_CLASSES(KV_OUTSIDE_DEFINE_CLASS)

namespace KVCOLLISION::LOGIC {

KvCollisionCheckMgr::KvCollisionCheckMgr(const std::wstring &name)
    : CRecordingMgr(L"KVCOLLISION::LOGIC::KvCollisionCheckMgr", name) {}

bool KvCollisionCheckMgr::GetIsChecking() {
  const bool busy = AnswerBool(L"GetIsChecking");
  Record(L"GetIsChecking", {::KVOUTSIDE::JournalArg(busy)});
  return busy;
}

}  // namespace KVCOLLISION::LOGIC

namespace CollisionCommand {

std::wstring CClashResultCmd::GetName() { return L"APP_CLASH_RESULT_CMD"; }

void CClashResultCmd::SetFullScreen(bool fullScreen) {
  ::KVOUTSIDE::CJournal::Instance().Record(L"CollisionCommand::CClashResultCmd", GetName(), L"SetFullScreen",
                                           {::KVOUTSIDE::JournalArg(fullScreen)});
}

}  // namespace CollisionCommand
