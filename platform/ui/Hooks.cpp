#include "ui/Hooks.h"

#include <bitset>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "wrench/LogMsg.h"

namespace {

std::mutex g_lock;
std::function<void(DWORD)> g_sleep;
std::function<void(UINT)> g_end;
std::bitset<256> g_keys;
HCURSOR g_cursor = nullptr;

HANDLE const kCurrentProcess = reinterpret_cast<HANDLE>(~std::uintptr_t(0));

}  // namespace

void Sleep(DWORD ms) {
  std::function<void(DWORD)> hook;
  {
    std::lock_guard<std::mutex> g(g_lock);
    hook = g_sleep;
  }
  if (hook)
    hook(ms);
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

HANDLE GetCurrentProcess() { return kCurrentProcess; }

BOOL TerminateProcess(HANDLE process, UINT exitCode) {
  if (process != kCurrentProcess) return FALSE;
  std::function<void(UINT)> hook;
  {
    std::lock_guard<std::mutex> g(g_lock);
    hook = g_end;
  }
  if (hook) {
    hook(exitCode);
    return TRUE;
  }
  WRENCH::CLogMsg::Flush();
  std::fflush(nullptr);
  std::_Exit(int(exitCode));
}

short GetAsyncKeyState(int vk) {
  std::lock_guard<std::mutex> g(g_lock);
  return (vk >= 0 && vk < 256 && g_keys[size_t(vk)]) ? short(0x8000) : short(0);
}

short GetKeyState(int vk) { return GetAsyncKeyState(vk); }

HCURSOR LoadCursor(HINSTANCE, const wchar_t *id) {
  return reinterpret_cast<HCURSOR>(const_cast<wchar_t *>(id));
}

HCURSOR SetCursor(HCURSOR cursor) {
  std::lock_guard<std::mutex> g(g_lock);
  HCURSOR old = g_cursor;
  g_cursor = cursor;
  return old;
}

namespace KVUI {

void SetSleepHook(std::function<void(DWORD)> hook) {
  std::lock_guard<std::mutex> g(g_lock);
  g_sleep = std::move(hook);
}

void SetProcessEndHook(std::function<void(UINT)> hook) {
  std::lock_guard<std::mutex> g(g_lock);
  g_end = std::move(hook);
}

void SetKeyDown(int vk, bool down) {
  std::lock_guard<std::mutex> g(g_lock);
  if (vk >= 0 && vk < 256) g_keys[size_t(vk)] = down;
}

void ReleaseAllKeys() {
  std::lock_guard<std::mutex> g(g_lock);
  g_keys.reset();
}

UINT GetCursorId() {
  std::lock_guard<std::mutex> g(g_lock);
  return UINT(reinterpret_cast<std::uintptr_t>(g_cursor));
}

}  // namespace KVUI
