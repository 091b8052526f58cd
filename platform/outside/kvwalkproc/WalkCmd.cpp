#include "kvwalkproc/WalkCmd.h"

#include "journal/Answers.h"
#include "journal/Journal.h"

namespace WalkModule::WalkCmd {

CWalkCmdStandIn::CWalkCmdStandIn(const wchar_t *cls, const wchar_t *name) : cls_(cls), name_(name) {}

std::wstring CWalkCmdStandIn::GetName() { return name_; }

bool CWalkCmdStandIn::Query(const wchar_t *op) const {
  const bool answer = ::KVOUTSIDE::CAnswers::Instance().Bool(name_, op, false);
  ::KVOUTSIDE::CJournal::Instance().Record(cls_, name_, op, {::KVOUTSIDE::JournalArg(answer)});
  return answer;
}

#define KV_WALK_DEFINE_COMMON(CLS, NAME) \
  CLS::CLS() : CWalkCmdStandIn(L"WalkModule::WalkCmd::" #CLS, NAME) {}
#define KV_WALK_DEFINE(CLS, NAME, ENABLE, CHECK)            \
  KV_WALK_DEFINE_COMMON(CLS, NAME)                          \
  bool CLS::ENABLE() const { return Query(L"" #ENABLE); }   \
  bool CLS::CHECK() const { return Query(L"" #CHECK); }
#define KV_WALK_DEFINE_ENABLE(CLS, NAME, ENABLE) \
  KV_WALK_DEFINE_COMMON(CLS, NAME)               \
  bool CLS::ENABLE() const { return Query(L"" #ENABLE); }
KV_WALK_COMMANDS(KV_WALK_DEFINE)
KV_WALK_ENABLE_COMMANDS(KV_WALK_DEFINE_ENABLE)

}  // namespace WalkModule::WalkCmd
