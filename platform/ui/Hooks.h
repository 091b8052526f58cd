// Sleeping, ending the process, the keyboard state and the cursor, each
// through the model so that tests see them without sleeping or dying.
#pragma once

#include <functional>

#include "ui/WinTypes.h"

struct HANDLE__;
using HANDLE = HANDLE__ *;
struct HCURSOR__;
using HCURSOR = HCURSOR__ *;

/// Pauses the calling thread for `ms` milliseconds (through the sleep hook).
void Sleep(DWORD ms);
/// The pseudo handle of the running process.
HANDLE GetCurrentProcess();
/// Ends `process` with `exitCode` at once, without clean-up (through the
/// process-end hook). Only the running process can be ended.
BOOL TerminateProcess(HANDLE process, UINT exitCode);
/// Bit 15 set while virtual key `vk` is down (the model's keyboard state).
short GetAsyncKeyState(int vk);
/// As GetAsyncKeyState, for the key state of the current message.
short GetKeyState(int vk);

/// The standard arrow cursor id.
inline const wchar_t *const IDC_ARROW = reinterpret_cast<const wchar_t *>(32512);
inline const wchar_t *const IDC_WAIT = reinterpret_cast<const wchar_t *>(32514);
inline const wchar_t *const IDC_CROSS = reinterpret_cast<const wchar_t *>(32515);
/// The cursor `id` (a standard cursor when `instance` is null).
HCURSOR LoadCursor(HINSTANCE instance, const wchar_t *id);
/// Makes `cursor` the current cursor; returns the former one.
HCURSOR SetCursor(HCURSOR cursor);

namespace KVUI {
/// Replaces what Sleep does (default: really sleep); empty restores it.
void SetSleepHook(std::function<void(DWORD ms)> hook);
/// Replaces what ending the process does (default: flush standard output
/// and end at once with the code); empty restores it. A hook that returns
/// lets TerminateProcess return TRUE.
void SetProcessEndHook(std::function<void(UINT exitCode)> hook);
/// Sets whether virtual key `vk` is down.
void SetKeyDown(int vk, bool down);
/// Releases every key.
void ReleaseAllKeys();
/// The id of the current cursor (IDC_ARROW's number, ...), 0 when none.
UINT GetCursorId();
}  // namespace KVUI
