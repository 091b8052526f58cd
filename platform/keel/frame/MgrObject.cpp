#include "keel/frame/MgrObject.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

namespace KEEL::FRAME {
namespace {

std::mutex g_mutex;

// Per name, the managers in the order they were entered.
std::map<std::wstring, std::vector<IMgrObject *>> &Index() {
  static auto *index = new std::map<std::wstring, std::vector<IMgrObject *>>;
  return *index;
}

}  // namespace

void RegisterManager(IMgrObject *manager) {
  if (!manager) return;
  std::wstring name = manager->GetName();
  std::lock_guard<std::mutex> lock(g_mutex);
  std::vector<IMgrObject *> &entries = Index()[name];
  entries.erase(std::remove(entries.begin(), entries.end(), manager), entries.end());
  entries.push_back(manager);
}

void UnregisterManager(IMgrObject *manager) {
  if (!manager) return;
  std::lock_guard<std::mutex> lock(g_mutex);
  // Looked up by pointer: the name may not be asked of a manager that is
  // being destroyed.
  for (auto it = Index().begin(); it != Index().end(); ++it) {
    std::vector<IMgrObject *> &entries = it->second;
    auto found = std::find(entries.begin(), entries.end(), manager);
    if (found == entries.end()) continue;
    entries.erase(found);
    if (entries.empty()) Index().erase(it);
    return;
  }
}

IMgrObject *FindManager(const std::wstring &name) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = Index().find(name);
  return it == Index().end() || it->second.empty() ? nullptr : it->second.back();
}

}  // namespace KEEL::FRAME
