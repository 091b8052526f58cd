// The one user-interface thread and its posted-message queue.
//
// Windows, dialogs, message boxes and the ribbon are used on this thread
// only. Messages posted to a window and tasks posted from other threads
// wait in one queue, in the order they were posted, and run one at a time
// from the message loop: a message posted by a handler runs after that
// handler has returned, never inside it. The queue is never pumped from
// inside a handler (modal boxes are answered by the responder and do not
// pump).
#pragma once

#include <chrono>
#include <functional>

#include "ui/MsgMap.h"

namespace KVUI {

/// A function that posts a task to some thread (the web host's completion
/// dispatcher takes one).
using Dispatcher = std::function<void(std::function<void()>)>;

/// Makes the calling thread the user-interface thread. Until a thread is
/// bound, the first thread that asserts it is the user-interface thread
/// becomes it.
void BindUiThread();
/// True on the user-interface thread (binding it when none is bound).
bool IsUiThread();
/// Reports `what` through the assertion handler when called off the
/// user-interface thread.
void AssertUiThread(const char *what);
/// Asserts that the enclosing function runs on the user-interface thread.
#define KVUI_ASSERT_UI_THREAD() ::KVUI::AssertUiThread(__func__)
/// Replaces the handler of a failed AssertUiThread (default: message on
/// standard error, then abort); an empty function restores the default.
void SetAssertHandler(std::function<void(const char *what)> handler);

/// Queues a window message (any thread). FALSE when the window is gone.
bool PostWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
/// Queues a task to run on the user-interface thread (any thread).
void PostTask(std::function<void()> task);
/// A dispatcher that posts to the user-interface thread.
Dispatcher UiDispatcher();
/// Asks the message loop to end with `exitCode` once the queue is empty.
void PostQuit(int exitCode);
/// Whether a quit was posted, and its exit code.
bool IsQuitPosted(int *exitCode = nullptr);

/// Runs the next queued message or task; with a wait, waits up to `wait`
/// for one. False when there was none or when called from inside a handler.
bool PumpOne(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
/// Runs queued items until the queue is empty (also what they post); the
/// number run.
int PumpPending();
/// The message loop: runs queued items until a quit is posted and the queue
/// is empty; returns the quit's exit code.
int RunMessageLoop();
/// Marks a handler running on the user-interface thread for its lifetime;
/// the queue is not pumped while one runs.
class HandlerScope {
 public:
  HandlerScope();
  ~HandlerScope();
  HandlerScope(const HandlerScope &) = delete;
  HandlerScope &operator=(const HandlerScope &) = delete;
};
/// Whether a handler is running.
bool InHandler();

/// Number of queued items.
size_t QueuedCount();
/// Drops everything queued and any posted quit (tests start clean).
void ResetQueue();

}  // namespace KVUI

/// Posts a quit with `exitCode` to the message loop.
void PostQuitMessage(int exitCode);
