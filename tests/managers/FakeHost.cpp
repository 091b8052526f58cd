#include "FakeHost.h"

#include <list>

#include "catalogue/GetWebServices.h"

namespace kv::test {
namespace {

// One runner per operation, cloned for each request.
KEEL::WEB::IWebRunner *Prototype(const std::wstring &name) {
  static const std::vector<std::unique_ptr<KEEL::WEB::IWebRunner>> kRunners = [] {
    std::list<KEEL::WEB::IWebRunner *> listed;
    GetWebServices(listed);
    std::vector<std::unique_ptr<KEEL::WEB::IWebRunner>> owned;
    for (auto *runner : listed) owned.emplace_back(runner);
    return owned;
  }();
  for (auto &runner : kRunners)
    if (runner->GetServName() == name) return runner.get();
  return nullptr;
}

}  // namespace

FakeServ::FakeServ(FakeHost &host, std::unique_ptr<KEEL::WEB::IWebRunner> runner, const std::wstring &reportedName)
    : host_(host), runner_(std::move(runner)), reportedName_(reportedName) {}

void FakeServ::SetObserver(KEEL::WEB::IWSObserver *observer, int) { observer_ = observer; }

KEEL::WEB::WebServError &FakeServ::GetServError(KEEL::WEB::WebServError &out) {
  out = error_;
  return out;
}

std::wstring FakeServ::GetServName() { return reportedName_.empty() ? runner_->GetServName() : reportedName_; }

void FakeServ::Complete() {
  if (finished_ || !started_) return;
  if (host_.filler) host_.filler(*this);
  error_.code = host_.errorCode;
  finished_ = true;
  if (observer_) observer_->NotifyWSEvent(this);
}

FakeHost::FakeHost() : CMgrObject(L"AppWebServiceMgr") { KEEL::FRAME::RegisterManager(this); }

FakeHost::~FakeHost() { KEEL::FRAME::UnregisterManager(this); }

boost::shared_ptr<KEEL::WEB::IWebServ> FakeHost::GetWebServ(const std::wstring &servName) {
  requested.push_back(servName);
  KEEL::WEB::IWebRunner *prototype = Prototype(servName);
  if (refuse || !prototype) return boost::shared_ptr<KEEL::WEB::IWebServ>();
  served.push_back(boost::shared_ptr<FakeServ>(
      new FakeServ(*this, std::unique_ptr<KEEL::WEB::IWebRunner>(prototype->Clone()), reportedName)));
  return served.back();
}

void FakeHost::CompleteAll() {
  // By index: a callback may start another request.
  for (size_t i = 0; i < served.size(); ++i) served[i]->Complete();
}

}  // namespace kv::test
