// A stand-in for the host "AppWebServiceMgr": hands out operation objects
// over real runners of the catalogue that never run. Start only queues a
// request; Wait, or CompleteAll on the test's thread, completes it: the
// test's filler sets the output's wire members, then the observer is told.
// One thread only.
#pragma once

#include <boost/shared_ptr.hpp>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "keel/frame/MgrObject.h"
#include "keel/web/IWebMgr.h"
#include "keel/web/IWebServ.h"
#include "runner/IWebRunner.h"

namespace kv::test {

class FakeHost;

class FakeServ : public KEEL::WEB::IWebServ {
 public:
  FakeServ(FakeHost &host, std::unique_ptr<KEEL::WEB::IWebRunner> runner, const std::wstring &reportedName);

  void SetObserver(KEEL::WEB::IWSObserver *observer, int key) override;
  KEEL::WEB::WebServError &GetServError(KEEL::WEB::WebServError &out) override;
  bool IsFinished() override { return finished_; }
  std::wstring GetServName() override;
  KEEL::WEB::IInput *GetInput() override { return runner_->GetInput(); }
  KEEL::WEB::IOutput *GetOutput() override { return runner_->GetOutput(); }
  void Start() override { started_ = true; }
  void Wait() override { Complete(); }

  /// Fills the output through the host's filler and notifies, once.
  void Complete();
  bool Started() const { return started_; }

 private:
  FakeHost &host_;
  std::unique_ptr<KEEL::WEB::IWebRunner> runner_;
  std::wstring reportedName_;
  KEEL::WEB::IWSObserver *observer_ = nullptr;
  KEEL::WEB::WebServError error_;
  bool started_ = false;
  bool finished_ = false;
};

/// Registered under "AppWebServiceMgr" while it lives.
class FakeHost : public KEEL::WEB::IWebMgr, public KEEL::FRAME::CMgrObject {
 public:
  FakeHost();
  ~FakeHost() override;

  boost::shared_ptr<KEEL::WEB::IWebServ> GetWebServ(const std::wstring &servName) override;
  void SetWebErrorObserver(KEEL::WEB::IWebErrorObserver *) override {}

  /// Completes every started request not yet completed, in start order.
  void CompleteAll();
  FakeServ &Last() { return *served.back(); }

  /// Sets the output of a request as it completes.
  std::function<void(FakeServ &)> filler;
  /// The name the next operation objects report; empty: their own.
  std::wstring reportedName;
  /// GetWebServ answers nothing.
  bool refuse = false;
  /// The outcome every request reports.
  int errorCode = 0;

  std::vector<std::wstring> requested;
  std::vector<boost::shared_ptr<FakeServ>> served;
};

}  // namespace kv::test
