// A fixture for the application and its main frame: an installation root
// of its own, a login command whose fault the test sets, an exit command
// that posts WM_CLOSE, a fresh journal and answers, scripted boxes and
// recorded sleeps.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "KestrovaApp.h"
#include "MainFrame.h"
#include "journal/Answers.h"
#include "journal/Journal.h"
#include "support/UiTesting.h"
#include "ui/PlatformTrace.h"

namespace kv::test {

/// The login command's fault code and the texts it was given.
extern int g_loginFault;
extern std::vector<std::string> g_loginTexts;

class ShellTest : public ::testing::Test {
 protected:
  ShellTest();
  ~ShellTest() override;
  /// A new application object and a fresh journal, answers and flags.
  void Reset();
  /// Destroys the frame and the application object.
  void DropApp();
  /// Runs the start sequence with `args` as the command line.
  BOOL Start(const std::vector<std::wstring> &args = {});
  /// The frame (null before the start made it).
  CMainFrame *Frame() const;
  /// Journal lines whose text contains `part`, in order.
  std::vector<std::wstring> Lines(const std::wstring &part = L"") const;
  /// Index of the first journal line containing `part` at or after `from`;
  /// -1 when none.
  int Find(const std::wstring &part, int from = 0) const;
  /// Writes `text` to `relative` under the installation root.
  void WriteFile(const std::string &relative, const std::string &text) const;
  std::string root;
  KVUI::UiTestResponder responder;
  KVUI::UiHookRecorder hooks;
  std::unique_ptr<CKestrovaApp> app;

 private:
  CMainFrame *frame_ = nullptr;
};

}  // namespace kv::test
