// Each test process logs under its own installation root, so that a test
// reads only its own log lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include "wrench/LogMsg.h"

namespace {

const bool kLogRootSet = [] {
  WRENCH::CLogMsg::SetInstallRoot(::testing::TempDir() + "kv_test_root_" + std::to_string(getpid()));
  return true;
}();

}  // namespace
