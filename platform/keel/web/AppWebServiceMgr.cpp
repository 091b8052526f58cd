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

CAppWebServiceMgr::CAppWebServiceMgr() : CMgrObject(L"AppWebServiceMgr"), servicePaths_(DefaultServicePaths()) {}

CAppWebServiceMgr::~CAppWebServiceMgr() {
  // Runs and notifications still queued finish first.
  workers_.reset();
  completions_.reset();
}

bool CAppWebServiceMgr::Load(const WebHostConfig &config, std::string &error) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!runners_.empty()) {
    error = "the web-service runners are already loaded";
    return false;
  }
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
  completions_.reset(new CWorkerPool(1));
  return true;
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
  return boost::shared_ptr<IWebServ>(new CWebServ(std::move(clone), *this));
}

void CAppWebServiceMgr::SetWebErrorObserver(IWebErrorObserver *observer) {
  std::lock_guard<std::recursive_mutex> lock(errorMutex_);
  errorObserver_ = observer;
}

void CAppWebServiceMgr::ReportError(IWebServ *failed) {
  std::lock_guard<std::recursive_mutex> lock(errorMutex_);
  if (errorObserver_) errorObserver_->OnWebError(failed);
}

}  // namespace KEEL::WEB
