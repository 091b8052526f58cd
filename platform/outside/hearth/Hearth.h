// Stand-in of the log singleton of Hearth: records its calls in the
// journal under "KVLOG::CKvLog".
#pragma once

#include <string>

#include "keel/frame/KeelData.h"

namespace KVLOG {

class CKvLog {
 public:
  /// Hands the log the registry.
  void SetKeelData(KEEL::FRAME::IKeelData *data);
  /// Logs `text`.
  void LogInfo(const std::wstring &text);
  /// Closes the log.
  void Close();
};

/// The process's log.
CKvLog &Instance();

}  // namespace KVLOG
