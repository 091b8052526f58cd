#include "keel/web/AppWebServiceMgr.h"

#include "keel/web/ServicePaths.h"

#include <dlfcn.h>
#include <malloc.h>

#include <list>

namespace KEEL::WEB {
namespace {

using GetWebServicesFn = void (*)(std::list<IWebRunner *> &);

std::wstring ServiceOf(const std::wstring &servName) { return servName.substr(0, servName.find(L'_')); }

// A large reply's parse result is tens of MB in many small blocks, freed at
// the end of every request. By default the heap gives that memory back to
// the system and faults it in again on the next call of the same thread;
// keep up to this much free memory mapped per heap instead. A fixed
// threshold also fixes the size from which blocks get pages of their own.
constexpr int kKeptHeapBytes = 64 << 20;

void KeepFreedHeapMemory() {
#ifdef __GLIBC__
  mallopt(M_TRIM_THRESHOLD, kKeptHeapBytes);
#endif
}

}  // namespace

CAppWebServiceMgr::CAppWebServiceMgr()
    : CMgrObject(L"AppWebServiceMgr"), servicePaths_(DefaultServicePaths()), errors_(std::make_shared<ErrorReport>()) {}

CAppWebServiceMgr::~CAppWebServiceMgr() {
  // Runs and notifications still queued finish first.
  workers_.reset();
  completions_.reset();
  SetWebErrorObserver(nullptr);
}

bool CAppWebServiceMgr::Load(const WebHostConfig &config, std::string &error) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!runners_.empty()) {
    error = "the web-service runners are already loaded";
    return false;
  }
  if (!LoadRunners(config, error)) {
    loadError_ = error;
    return false;
  }
  loadError_.clear();
  return true;
}

std::string CAppWebServiceMgr::GetLoadError() {
  std::lock_guard<std::mutex> lock(mutex_);
  return loadError_;
}

bool CAppWebServiceMgr::LoadRunners(const WebHostConfig &config, std::string &error) {
  // Never closed: runners handed out run the library's code.
  void *library = dlopen(config.library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    error = std::string("cannot load the web-service library: ") + dlerror();
    return false;
  }
  auto getWebServices = reinterpret_cast<GetWebServicesFn>(dlsym(library, "GetWebServices"));
  if (!getWebServices) {
    error = "the web-service library " + config.library + " has no GetWebServices";
    return false;
  }
  std::list<IWebRunner *> runners;
  try {
    getWebServices(runners);
  } catch (const std::exception &e) {
    for (IWebRunner *r : runners) delete r;
    error = std::string("making the web-service runners failed: ") + e.what();
    return false;
  }
  config_ = config;
  KeepFreedHeapMemory();
  session_.SetDefaultServAddr(config.servAddr);
  for (IWebRunner *r : runners) {
    std::unique_ptr<IWebRunner> runner(r);
    std::wstring name = runner->GetServName();
    runner->SetServSession(&session_);
    runners_[name] = std::move(runner);
  }
  workers_.reset(new CWorkerPool(config.workers, config.maxQueued > 0 ? config.maxQueued : 0));
  if (!config.dispatcher) completions_.reset(new CWorkerPool(1));
  return true;
}

void CAppWebServiceMgr::ReleaseObject() {
  // Workers first: their runs hand completions to the completion thread.
  if (workers_) workers_->Stop();
  if (completions_) completions_->Stop();
}

void CAppWebServiceMgr::SetServicePath(const std::wstring &service, const std::wstring &path) {
  std::lock_guard<std::mutex> lock(mutex_);
  servicePaths_[service] = path;
}

boost::shared_ptr<IWebServ> CAppWebServiceMgr::GetWebServ(const std::wstring &servName) {
  IWebRunner *prototype = nullptr;
  std::wstring path;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = runners_.find(servName);
    if (it == runners_.end()) return boost::shared_ptr<IWebServ>();
    prototype = it->second.get();
    auto found = servicePaths_.find(ServiceOf(servName));
    if (found != servicePaths_.end()) path = found->second;
  }
  // The engine is built outside the lock: the prototypes are not changed
  // after Load, so cloning one on several threads at once is safe.
  std::unique_ptr<IWebRunner> clone(prototype->Clone());
  if (!clone) return boost::shared_ptr<IWebServ>();
  clone->SetServPath(path);
  // Clones do not inherit time-outs.
  clone->SetConnectTimeout(config_.connectTimeout);
  clone->SetSendTimeout(config_.sendTimeout);
  clone->SetRecvTimeout(config_.recvTimeout);
  if (auto *settings = dynamic_cast<IWebRunnerSettings *>(clone.get())) {
    settings->SetTransferTimeout(config_.transferTimeout);
    settings->SetReplyLimits(config_.maxReplyBytes, config_.maxValueBytes);
    // Each request's result is taken once, by its manager's response: the
    // reply is freed as it is converted, so the two are not held in full at
    // the same time.
    settings->SetReadOnce(true);
  }
  return boost::shared_ptr<IWebServ>(new CWebServ(std::move(clone), *this));
}

void CAppWebServiceMgr::ErrorReport::Set(IWebErrorObserver *observer) {
  std::unique_lock<std::mutex> lock(mutex_);
  observer_ = observer;
  // A call on this thread (the observer replacing itself) is not waited for.
  const std::thread::id self = std::this_thread::get_id();
  idle_.wait(lock, [&] { return calling_.size() == calling_.count(self); });
}

void CAppWebServiceMgr::ErrorReport::Report(IWebServ *failed) {
  IWebErrorObserver *observer;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    observer = observer_;
    if (!observer) return;
    calling_.insert(std::this_thread::get_id());
  }
  struct Done {
    ErrorReport &report;
    ~Done() {
      {
        std::lock_guard<std::mutex> lock(report.mutex_);
        report.calling_.erase(report.calling_.find(std::this_thread::get_id()));
      }
      report.idle_.notify_all();
    }
  } done{*this};
  observer->OnWebError(failed);
}

void CAppWebServiceMgr::SetWebErrorObserver(IWebErrorObserver *observer) { errors_->Set(observer); }

void CAppWebServiceMgr::Complete(const boost::shared_ptr<CWebServ> &serv) {
  std::shared_ptr<ErrorReport> errors = errors_;
  std::function<void()> task = [serv, errors] {
    serv->Notify();
    WebServError error;
    if (serv->GetServError(error).code != 0) errors->Report(serv.get());
  };
  if (config_.dispatcher)
    config_.dispatcher(std::move(task));
  else
    completions_->Post(std::move(task));  // refused once the host has stopped
}

}  // namespace KEEL::WEB
