#include "hole/Hole.h"

KV_HOLE_CLASSES(KV_OUTSIDE_DEFINE_CLASS)
KV_HOLE_FACTORIES(KV_OUTSIDE_DEFINE_FACTORY)

namespace Hole {
namespace {

class CHoleCheckMgrStandIn : public IHoleCheckMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  CHoleCheckMgrStandIn() : CRecordingMgr(L"Hole::CreateHoleCheckMgr", L"APP_HOLE_CHECK_MGR") {}
  bool IsChecking() override {
    const bool busy = AnswerBool(L"IsChecking");
    Record(L"IsChecking", {::KVOUTSIDE::JournalArg(busy)});
    return busy;
  }
};

class CTransHoleMgrStandIn : public ITransHoleMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CTransHoleMgrStandIn(const std::wstring &name) : CRecordingMgr(L"Hole::CreateTransHoleMgr", name) {}
  void OnTransHoleMsg(LPARAM lParam) override { Record(L"OnTransHoleMsg", {::KVOUTSIDE::JournalArg(lParam)}); }
};

}  // namespace

IHoleCheckMgr *CreateHoleCheckMgr() { return new CHoleCheckMgrStandIn(); }

ITransHoleMgr *CreateTransHoleMgr(const std::wstring &name) { return new CTransHoleMgrStandIn(name); }

}  // namespace Hole
