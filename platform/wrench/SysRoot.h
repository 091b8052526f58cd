// The installation root and the crash report of the client.
#pragma once

#include <string>

namespace WRENCH {

/// The installation root with its trailing '/': $KV_INSTALL_ROOT, else the
/// directory of the running program (the root the log uses; see
/// CLogMsg::SetInstallRoot). Relative paths are appended to it directly.
std::wstring GetSysRoot();

/// Starts crash reporting. Here it only records that it was asked for
/// (no crash dumps are written) and logs one line.
void StartCrashReport();
/// Whether StartCrashReport was called in this process.
bool IsCrashReportStarted();

}  // namespace WRENCH
