#include "keel/web/WebServ.h"

#include <boost/algorithm/string/case_conv.hpp>

#include <cctype>
#include <exception>

#include "keel/web/IWebSession.h"
#include "keel/web/WorkerPool.h"
#include "wrench/TextConvert.h"

namespace KEEL::WEB {
namespace {

constexpr int kRedirect = 302;
constexpr int kMaxRedirects = 2;

// "host:port" in lower case, with the default port of http made explicit.
std::string NormalAuthority(std::string authority) {
  boost::to_lower(authority);
  size_t colon = authority.rfind(':');
  size_t bracket = authority.rfind(']');
  if (colon != std::string::npos && (bracket == std::string::npos || colon > bracket)) {
    std::string port = authority.substr(colon + 1);
    bool digits = !port.empty();
    for (char c : port) digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (digits) return authority;
    authority.erase(colon);
  }
  return authority + ":80";
}

}  // namespace

std::string RedirectTarget(const std::wstring &servAddr, const std::string &location) {
  const std::string origin = WRENCH::UnicodeToAnsi(servAddr);
  if (location.empty() || origin.empty()) return std::string();
  if (location[0] == '/') {
    if (location.size() > 1 && location[1] == '/') return std::string();  // scheme-relative: another host
    return "http://" + origin + location;
  }
  size_t scheme = location.find("://");
  if (scheme == std::string::npos || boost::to_lower_copy(location.substr(0, scheme)) != "http")
    return std::string();
  size_t start = scheme + 3;
  size_t end = location.find_first_of("/?#", start);
  std::string authority = location.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (authority.empty() || authority.find('@') != std::string::npos) return std::string();
  return NormalAuthority(authority) == NormalAuthority(origin) ? location : std::string();
}

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
  host_.Workers().Post([self] {
    if (self->Claim()) self->Run();
  });
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
  {
    std::lock_guard<std::mutex> lock(stateMutex_);
    error_ = error;
    finished_ = true;
  }
  finishedCv_.notify_all();
  boost::shared_ptr<CWebServ> self = shared_from_this();
  if (notify)
    host_.Completions().Post([self] { self->Notify(); });
  else if (error.code != 0)
    host_.Completions().Post([self] { self->host_.ReportError(self.get()); });
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
  {
    std::lock_guard<std::recursive_mutex> lock(observerMutex_);
    if (observer_) observer_->NotifyWSEvent(this);
  }
  WebServError error;
  if (GetServError(error).code != 0) host_.ReportError(this);
}

}  // namespace KEEL::WEB
