#include "keel/frame/KeelData.h"

#include <algorithm>
#include <vector>

#include "ui/UiThread.h"
#include "wrench/LogMsg.h"

namespace KEEL::FRAME {

CKeelData::CKeelData() {}

CKeelData::~CKeelData() {
  std::list<IMgrObject *> managers;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    managers.swap(managers_);
  }
  for (auto it = managers.rbegin(); it != managers.rend(); ++it) {
    UnregisterManager(*it);
    delete *it;
  }
}

IMgrObject *CKeelData::GetManager(const std::wstring &name) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (IMgrObject *m : managers_)
    if (m->GetName() == name) return m;
  return nullptr;
}

bool CKeelData::AddManager(IMgrObject *manager) {
  KVUI::AssertUiThread("CKeelData::AddManager");
  if (!manager) return false;
  std::wstring name = manager->GetName();
  bool sameObject = false;
  bool sameName = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (IMgrObject *m : managers_) {
      sameObject = sameObject || m == manager;
      sameName = sameName || m->GetName() == name;
    }
    if (!sameObject && !sameName) managers_.push_back(manager);
  }
  if (sameObject) {
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, (L"manager \"" + name + L"\" is already held; it is kept as it is").c_str());
    return false;
  }
  if (sameName) {
    // Handed over, so ours to free; the one held stays.
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, (L"manager \"" + name + L"\" is already registered; the new one is dropped").c_str());
    delete manager;
    return false;
  }
  RegisterManager(manager);
  return true;
}

bool CKeelData::RemoveManager(const std::wstring &name) {
  KVUI::AssertUiThread("CKeelData::RemoveManager");
  IMgrObject *found = nullptr;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::find_if(managers_.begin(), managers_.end(), [&](IMgrObject *m) { return m->GetName() == name; });
    if (it == managers_.end()) return false;
    found = *it;
    managers_.erase(it);
  }
  UnregisterManager(found);
  found->ReleaseObject();
  delete found;
  return true;
}

bool CKeelData::InitInstance() {
  KVUI::AssertUiThread("CKeelData::InitInstance");
  std::vector<IMgrObject *> managers;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    managers.assign(managers_.begin(), managers_.end());
  }
  bool ok = true;
  for (IMgrObject *m : managers) ok = m->InitObject() && ok;
  for (IMgrObject *m : managers) ok = m->ConnectObject() && ok;
  return ok;
}

int CKeelData::ExitInstance() {
  KVUI::AssertUiThread("CKeelData::ExitInstance");
  std::vector<IMgrObject *> managers;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    managers.assign(managers_.begin(), managers_.end());
  }
  for (IMgrObject *m : managers) m->ReleaseObject();
  return 0;
}

void CKeelData::CreateMgrs(std::list<IMgrObject *> &) {}

void CKeelData::TakeMgrs() {
  KVUI::AssertUiThread("CKeelData::TakeMgrs");
  std::list<IMgrObject *> managers;
  // A list left part-made by an exception still hands over what it holds.
  try {
    CreateMgrs(managers);
    if (auto *mfc = dynamic_cast<CKeelDataForMFC *>(this)) mfc->CreateMFCMgrs(managers);
  } catch (...) {
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_ERROR, L"making the manager list failed; the managers made so far are kept");
  }
  for (IMgrObject *m : managers)
    if (m) AddManager(m);
}

std::list<std::wstring> CKeelData::GetManagerNames() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::list<std::wstring> names;
  for (IMgrObject *m : managers_) names.push_back(m->GetName());
  return names;
}

}  // namespace KEEL::FRAME
