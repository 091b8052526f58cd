// Test helpers for code on the window model: a fixture part that makes the
// test thread the user-interface thread, starts with an empty queue and no
// boxes shown, and installs a scripted responder under which any message
// box, dialog or menu that the test did not script fails the test, as does
// a scripted answer left unused.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Hooks.h"

#include "ui/Responder.h"
#include "ui/UiThread.h"

namespace KVUI {

class UiTestResponder : public CScriptedResponder {
 public:
  UiTestResponder() {
    BindUiThread();
    ResetQueue();
    ClearShownBoxes();
    SetUnexpectedHandler([](const BoxRecord &box) {
      ADD_FAILURE() << "unexpected " << Utf8(DescribeBox(box));
    });
    SetResponder(this);
  }
  ~UiTestResponder() override {
    SetResponder(nullptr);
    EXPECT_EQ(PendingCount(), 0u) << "scripted answers left unused";
    ResetQueue();
  }
};

/// Records Sleep and process-end calls instead of sleeping or ending the
/// process, for its lifetime.
class UiHookRecorder {
 public:
  UiHookRecorder() {
    SetSleepHook([this](DWORD ms) { sleeps.push_back(ms); });
    SetProcessEndHook([this](UINT code) { processEnds.push_back(code); });
  }
  ~UiHookRecorder() {
    SetSleepHook(nullptr);
    SetProcessEndHook(nullptr);
  }
  UiHookRecorder(const UiHookRecorder &) = delete;
  UiHookRecorder &operator=(const UiHookRecorder &) = delete;
  /// The pauses asked for, in milliseconds.
  std::vector<DWORD> sleeps;
  /// The exit codes the process was ended with.
  std::vector<UINT> processEnds;
};

}  // namespace KVUI
