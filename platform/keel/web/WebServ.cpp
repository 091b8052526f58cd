#include "keel/web/WebServ.h"

#include <exception>

#include "keel/web/IWebSession.h"
#include "keel/web/WorkerPool.h"
#include "wrench/TextConvert.h"

namespace KEEL::WEB {
namespace {

constexpr int kRedirect = 302;
constexpr int kMaxRedirects = 2;

}  // namespace

CWebServ::CWebServ(std::unique_ptr<IWebRunner> runner, IWebServHost &host)
    : runner_(std::move(runner)), host_(host), name_(runner_->GetServName()) {}

CWebServ::~CWebServ() = default;

void CWebServ::SetObserver(IWSObserver *observer, int) {
  std::lock_guard<std::recursive_mutex> lock(observerMutex_);
  observer_ = observer;
}

WebServError &CWebServ::GetServError(WebServError &out) {
  std::lock_guard<std::mutex> lock(stateMutex_);
  out = error_;
  return out;
}

bool CWebServ::IsFinished() {
  std::lock_guard<std::mutex> lock(stateMutex_);
  return finished_;
}

std::wstring CWebServ::GetServName() { return name_; }

IInput *CWebServ::GetInput() { return runner_->GetInput(); }

IOutput *CWebServ::GetOutput() { return runner_->GetOutput(); }

void CWebServ::Start() {
  {
    std::lock_guard<std::mutex> lock(stateMutex_);
    if (started_) return;
    started_ = true;
  }
  boost::shared_ptr<CWebServ> self = shared_from_this();
  const bool posted = host_.Workers().Post([self] {
    if (self->Claim()) self->Run();
  });
  if (!posted) RefuseStopped();
}

// The host's workers have ended: the request fails without a run, and its
// completion is handed on as for any other.
void CWebServ::RefuseStopped() {
  {
    std::lock_guard<std::mutex> lock(stateMutex_);
    if (claimed_) return;
    claimed_ = finished_ = true;
    error_ = WebServError();
    error_.code = -1;
    error_.faultMessage = L"Web-service request not run: the web-service host has stopped";
  }
  finishedCv_.notify_all();
  host_.Complete(shared_from_this());
}

// A waiting caller runs a request that no worker has taken yet on its own
// thread: it would only block meanwhile, and the hand-over to a worker and
// back costs more than a small call itself.
void CWebServ::Wait() {
  {
    std::unique_lock<std::mutex> lock(stateMutex_);
    if (!started_ || claimed_) {
      finishedCv_.wait(lock, [this] { return finished_; });
      return;
    }
    claimed_ = true;
  }
  Run();
}

void CWebServ::RunHere() {
  {
    std::unique_lock<std::mutex> lock(stateMutex_);
    if (started_) {
      lock.unlock();
      Wait();
      return;
    }
    started_ = claimed_ = true;
  }
  Run(false);
}

bool CWebServ::Claim() {
  std::lock_guard<std::mutex> lock(stateMutex_);
  if (claimed_) return false;
  claimed_ = true;
  return true;
}

void CWebServ::Run(bool notify) {
  WebServError error;
  try {
    RunFollowingRedirects();
    runner_->GetServError(error);
  } catch (const std::exception &e) {
    error.code = -1;
    error.faultMessage = L"Web-service request failed: " + WRENCH::AnsiToUnicode(e.what());
  } catch (...) {
    error.code = -1;
    error.faultMessage = L"Web-service request failed";
  }
  // The runner's record keeps the fault of a redirect it answered before;
  // a request that succeeded in the end reports no fault.
  if (error.code == 0) {
    error = WebServError();
    error.code = 0;
  }
  {
    std::lock_guard<std::mutex> lock(stateMutex_);
    error_ = error;
    finished_ = true;
  }
  finishedCv_.notify_all();
  if (notify || error.code != 0) host_.Complete(shared_from_this());
}

// A redirect is followed only to the same server, at most twice, so the
// session's cookies never go to another host.
void CWebServ::RunFollowingRedirects() {
  runner_->RunServ();
  WebServError error;
  runner_->GetServError(error);
  if (error.code != kRedirect) return;
  std::wstring addr = runner_->GetServAddr();
  if (addr.empty() && runner_->GetServSession()) addr = runner_->GetServSession()->GetDefaultServAddr();
  auto *redirect = dynamic_cast<IWebRedirect *>(runner_.get());
  for (int hop = 0; redirect && error.code == kRedirect && hop < kMaxRedirects; ++hop) {
    std::string target = RedirectTarget(addr, error.redirectUrl);
    if (target.empty()) return;
    redirect->SetRedirectUrl(target);
    runner_->RunServ();
    runner_->GetServError(error);
  }
}

void CWebServ::Notify() {
  std::lock_guard<std::recursive_mutex> lock(observerMutex_);
  if (observer_) observer_->NotifyWSEvent(this);
}

}  // namespace KEEL::WEB
