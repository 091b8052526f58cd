#include "keel/web/ServMgrBase.h"

#include <boost/make_shared.hpp>

#include <atomic>
#include <charconv>
#include <cstdint>
#include <vector>

#include "keel/web/IWebMgr.h"

namespace KEEL::WEB {
namespace {

const std::wstring kWebHost = L"AppWebServiceMgr";
constexpr int kObserverKey = 5;

// The code as decimal text, without the wide printf behind std::to_wstring.
std::wstring CodeText(int code) {
  char digits[16];
  const char *end = std::to_chars(digits, digits + sizeof digits, code).ptr;
  return std::wstring(static_cast<const char *>(digits), end);
}

// The holder's status comes from the request's outcome, so a failed call
// never looks like a success.
void SetStatus(const boost::shared_ptr<IServiceObject> &holder, IWebServ &serv) {
  auto *status = dynamic_cast<IServiceObjectSet *>(holder.get());
  if (!status) return;
  WebServError error;
  serv.GetServError(error);
  status->SetFinished();
  status->SetState(error.code == 0 ? 1 : 0);
  status->SetCode(CodeText(error.code));
  status->SetText(error.faultMessage);
  status->SetFlag(error.isClientFault);
}

// Counted for the life of the process, so that no two requests ever share a
// handle (operation objects' addresses are reused once they are freed).
void *NewHandle() {
  static std::atomic<std::uintptr_t> last{0};
  return reinterpret_cast<void *>(++last);
}

}  // namespace

// A request record with its handle, the lock that orders its delivery
// against ReSet, and its holder once made.
struct CServMgrBase::Pending : WebServData {
  void *handle = nullptr;
  std::recursive_mutex delivery;

  // The output gives its result once: the first take makes the holder,
  // every take gets that one.
  boost::shared_ptr<IServiceObject> Take(IWebServ &serv) {
    std::lock_guard<std::mutex> lock(take);
    if (!taken) {
      taken = true;
      if (response) holder = response(&serv);
      SetStatus(holder, serv);
    }
    return holder;
  }

 private:
  std::mutex take;
  bool taken = false;
  boost::shared_ptr<IServiceObject> holder;
};

CServMgrBase::CServMgrBase(const std::wstring &name) : CMgrObject(name) {}

CServMgrBase::CServMgrBase(const CServMgrBase &other) : CMgrObject(other) {}

CServMgrBase &CServMgrBase::operator=(const CServMgrBase &other) {
  CMgrObject::operator=(other);
  return *this;
}

CServMgrBase::~CServMgrBase() {
  std::vector<boost::shared_ptr<IWebServ>> pending;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    for (auto &entry : requests_) pending.push_back(entry.second->request);
  }
  // Outside the lock: detaching waits for a delivery in progress.
  for (auto &serv : pending)
    if (serv) serv->SetObserver(nullptr, kObserverKey);
}

boost::shared_ptr<IWebServ> CServMgrBase::GetWebServ(const std::wstring &servName, const std::wstring &hostName) {
  auto *host = dynamic_cast<IWebMgr *>(KEEL::FRAME::FindManager(hostName));
  if (!host) return boost::shared_ptr<IWebServ>();
  return host->GetWebServ(servName);
}

void *CServMgrBase::Request(IWebServ **place, const std::function<bool(IInput *)> &setInput,
                            const ResponseFn &response, IServiceCB *binding, const std::wstring &servName) {
  boost::shared_ptr<IServiceCB> callback(binding);
  auto data = boost::make_shared<Pending>();
  data->callback = callback;
  if (place) *place = nullptr;
  data->request = GetWebServ(servName, kWebHost);
  if (!data->request || !setInput(data->request->GetInput())) return nullptr;
  IWebServ *raw = data->request.get();
  if (place) *place = raw;
  data->response = response;
  data->handle = NewHandle();
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    requests_[raw] = data;
    handles_[data->handle] = raw;
  }
  raw->SetObserver(this, kObserverKey);
  // A synchronous request runs on this thread where the host offers it:
  // the caller would only block while a worker ran it.
  auto *here = place ? dynamic_cast<IWebServRunHere *>(raw) : nullptr;
  if (here) {
    here->RunHere();
  } else {
    raw->Start();
    if (place) raw->Wait();
  }
  return data->handle;
}

boost::shared_ptr<IServiceObject> CServMgrBase::DoServResponse(IWebServ *request) {
  boost::shared_ptr<Pending> data;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto it = requests_.find(request);
    if (it == requests_.end()) return boost::shared_ptr<IServiceObject>();
    data = boost::static_pointer_cast<Pending>(it->second);
  }
  return data->Take(*request);
}

void CServMgrBase::UnRegister(IWebServ *request) {
  boost::shared_ptr<WebServData> dropped;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto it = requests_.find(request);
    if (it == requests_.end()) return;
    dropped = it->second;
    requests_.erase(it);
    handles_.erase(static_cast<Pending &>(*dropped).handle);
  }
  // The request may still be about to report its completion: detach, so
  // that no report reaches this manager once it is gone.
  if (dropped->request) dropped->request->SetObserver(nullptr, kObserverKey);
}

void CServMgrBase::ReSet(void *handle, boost::any &observer) {
  boost::shared_ptr<Pending> data;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto named = handles_.find(handle);
    if (named == handles_.end()) return;
    auto it = requests_.find(named->second);
    if (it == requests_.end()) return;
    data = boost::static_pointer_cast<Pending>(it->second);
  }
  if (!data->callback) return;
  // Waits for a delivery of this request in progress on another thread.
  std::lock_guard<std::recursive_mutex> delivery(data->delivery);
  data->callback->ReSetObserver(observer);
}

std::size_t CServMgrBase::PendingRequests() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  return requests_.size();
}

void CServMgrBase::ReleaseObject() { CMgrObject::ReleaseObject(); }

boost::shared_ptr<IServiceObject> CServMgrBase::ServResponse(IWebServ *) {
  return boost::shared_ptr<IServiceObject>();
}

void CServMgrBase::NotifyWSEvent(IWebServ *serv) {
  boost::shared_ptr<Pending> data;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto it = requests_.find(serv);
    // A synchronous request's caller takes its result itself.
    if (it == requests_.end() || !it->second->callback) return;
    data = boost::static_pointer_cast<Pending>(it->second);
  }
  boost::shared_ptr<IServiceObject> holder = data->Take(*serv);

  {
    // Only this request's lock: other requests deliver meanwhile.
    std::lock_guard<std::recursive_mutex> delivery(data->delivery);
    data->callback->CallBack(data->handle, holder);
  }
  bool mine = false;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    auto it = requests_.find(serv);
    mine = it != requests_.end() && it->second == data;
    if (mine) {
      requests_.erase(it);
      handles_.erase(data->handle);
    }
  }
  if (mine) serv->SetObserver(nullptr, kObserverKey);
}

}  // namespace KEEL::WEB
