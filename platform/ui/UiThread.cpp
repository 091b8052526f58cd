#include "ui/UiThread.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

#include "ui/App.h"
#include "ui/Wnd.h"

namespace KVUI {
namespace {

struct Item {
  MSG msg;
  std::function<void()> task;  // set for a task
};

struct Queue {
  std::mutex lock;
  std::condition_variable ready;
  std::deque<Item> items;
  bool quit = false;
  int exitCode = 0;
};
Queue &queue() {
  static Queue *q = new Queue;  // outlives static objects that post
  return *q;
}

std::mutex g_bindLock;
std::thread::id g_uiThread;
bool g_bound = false;
std::function<void(const char *)> g_assertHandler;
// Depth of running handlers on the user-interface thread.
thread_local int g_dispatching = 0;

void Deliver(Item &item) {
  if (item.task) {
    item.task();
    return;
  }
  MSG &m = item.msg;
  CWnd *wnd = CWnd::FromHandle(m.hwnd);
  if (!wnd) return;  // the window went away after the message was posted
  if (CWinThread *app = AfxGetThread()) {
    if (app->PreTranslateMessage(&m)) return;
  } else {
    for (CWnd *w = wnd; w; w = w->GetParent())
      if (w->PreTranslateMessage(&m)) return;
  }
  if ((wnd = CWnd::FromHandle(m.hwnd)) != nullptr) wnd->WindowProc(m.message, m.wParam, m.lParam);
}

}  // namespace

void BindUiThread() {
  std::lock_guard<std::mutex> g(g_bindLock);
  g_uiThread = std::this_thread::get_id();
  g_bound = true;
}

bool IsUiThread() {
  std::lock_guard<std::mutex> g(g_bindLock);
  if (!g_bound) {
    g_uiThread = std::this_thread::get_id();
    g_bound = true;
  }
  return g_uiThread == std::this_thread::get_id();
}

void AssertUiThread(const char *what) {
  if (IsUiThread()) return;
  std::function<void(const char *)> handler;
  {
    std::lock_guard<std::mutex> g(g_bindLock);
    handler = g_assertHandler;
  }
  if (handler) {
    handler(what);
    return;
  }
  std::fprintf(stderr, "KvUi: %s called off the user-interface thread\n", what);
  std::abort();
}

void SetAssertHandler(std::function<void(const char *)> handler) {
  std::lock_guard<std::mutex> g(g_bindLock);
  g_assertHandler = std::move(handler);
}

bool PostWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!CWnd::FromHandle(hwnd)) return false;
  Item item;
  item.msg.hwnd = hwnd;
  item.msg.message = message;
  item.msg.wParam = wParam;
  item.msg.lParam = lParam;
  Queue &q = queue();
  {
    std::lock_guard<std::mutex> g(q.lock);
    q.items.push_back(std::move(item));
  }
  q.ready.notify_all();
  return true;
}

void PostTask(std::function<void()> task) {
  if (!task) return;
  Item item;
  item.task = std::move(task);
  Queue &q = queue();
  {
    std::lock_guard<std::mutex> g(q.lock);
    q.items.push_back(std::move(item));
  }
  q.ready.notify_all();
}

Dispatcher UiDispatcher() {
  return [](std::function<void()> task) { PostTask(std::move(task)); };
}

void PostQuit(int exitCode) {
  Queue &q = queue();
  {
    std::lock_guard<std::mutex> g(q.lock);
    if (!q.quit) q.exitCode = exitCode;  // the first quit's code counts
    q.quit = true;
  }
  q.ready.notify_all();
}

bool IsQuitPosted(int *exitCode) {
  Queue &q = queue();
  std::lock_guard<std::mutex> g(q.lock);
  if (exitCode) *exitCode = q.exitCode;
  return q.quit;
}

bool PumpOne(std::chrono::milliseconds wait) {
  AssertUiThread("PumpOne");
  if (g_dispatching > 0) return false;
  Item item;
  {
    Queue &q = queue();
    std::unique_lock<std::mutex> g(q.lock);
    if (q.items.empty() && wait.count() > 0)
      q.ready.wait_for(g, wait, [&] { return !q.items.empty() || q.quit; });
    if (q.items.empty()) return false;
    item = std::move(q.items.front());
    q.items.pop_front();
  }
  HandlerScope scope;
  Deliver(item);
  return true;
}

HandlerScope::HandlerScope() { ++g_dispatching; }
HandlerScope::~HandlerScope() { --g_dispatching; }
bool InHandler() { return g_dispatching > 0; }

int PumpPending() {
  int n = 0;
  while (PumpOne()) ++n;
  return n;
}

int RunMessageLoop() {
  AssertUiThread("RunMessageLoop");
  Queue &q = queue();
  if (g_dispatching > 0) return -1;  // never nested inside a handler
  for (;;) {
    while (PumpOne()) {
    }
    std::unique_lock<std::mutex> g(q.lock);
    if (q.items.empty() && q.quit) return q.exitCode;
    q.ready.wait(g, [&] { return !q.items.empty() || q.quit; });
  }
}

size_t QueuedCount() {
  Queue &q = queue();
  std::lock_guard<std::mutex> g(q.lock);
  return q.items.size();
}

void ResetQueue() {
  Queue &q = queue();
  std::lock_guard<std::mutex> g(q.lock);
  q.items.clear();
  q.quit = false;
  q.exitCode = 0;
}

}  // namespace KVUI

void PostQuitMessage(int exitCode) { KVUI::PostQuit(exitCode); }
