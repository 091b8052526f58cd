// Test helpers for code on the window model: a fixture part that makes the
// test thread the user-interface thread, starts with an empty queue and no
// boxes shown, and installs a scripted responder under which any message
// box, dialog or menu that the test did not script fails the test, as does
// a scripted answer left unused.
#pragma once

#include <gtest/gtest.h>

#include <string>

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

}  // namespace KVUI
