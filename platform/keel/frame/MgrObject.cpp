#include "keel/frame/MgrObject.h"

#include <map>
#include <mutex>

namespace KEEL::FRAME {
namespace {

std::mutex g_mutex;

std::map<std::wstring, IMgrObject *> &Registry() {
  static std::map<std::wstring, IMgrObject *> registry;
  return registry;
}

}  // namespace

void RegisterManager(IMgrObject *manager) {
  std::lock_guard<std::mutex> lock(g_mutex);
  Registry()[manager->GetName()] = manager;
}

void UnregisterManager(IMgrObject *manager) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = Registry().find(manager->GetName());
  if (it != Registry().end() && it->second == manager) Registry().erase(it);
}

IMgrObject *FindManager(const std::wstring &name) {
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

}  // namespace KEEL::FRAME
