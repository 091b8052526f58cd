// Reads the log lines written since the capture began.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "wrench/LogMsg.h"

namespace kv::test {

class LogCapture {
 public:
  LogCapture() : start_(Size()) {}

  /// The new lines without their time stamp: "[<level>] <text>".
  std::vector<std::string> Lines() const {
    WRENCH::CLogMsg::Flush();
    std::ifstream in(WRENCH::CLogMsg::GetLogPath());
    in.seekg(static_cast<std::streamoff>(start_));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      size_t at = line.find(" [");
      lines.push_back(at == std::string::npos ? line : line.substr(at + 1));
    }
    return lines;
  }

 private:
  static size_t Size() {
    WRENCH::CLogMsg::Flush();
    std::ifstream in(WRENCH::CLogMsg::GetLogPath(), std::ios::ate);
    return in ? static_cast<size_t>(in.tellg()) : 0;
  }
  size_t start_;
};

}  // namespace kv::test
