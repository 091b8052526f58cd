#include "ui/PlatformTrace.h"

#include <mutex>

namespace {
std::mutex g_lock;
std::function<void(const std::wstring &)> g_trace;
}  // namespace

namespace KVUI {

void SetPlatformTrace(std::function<void(const std::wstring &)> trace) {
  std::lock_guard<std::mutex> g(g_lock);
  g_trace = std::move(trace);
}

void TracePlatformCall(const std::wstring &call) {
  std::function<void(const std::wstring &)> trace;
  {
    std::lock_guard<std::mutex> g(g_lock);
    trace = g_trace;
  }
  if (trace) trace(call);
}

}  // namespace KVUI
