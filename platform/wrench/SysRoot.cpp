#include "wrench/SysRoot.h"

#include <atomic>

#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace WRENCH {
namespace {

std::atomic<bool> g_crashReport{false};

}  // namespace

std::wstring GetSysRoot() {
  std::wstring root = ConvertUtf8ToGBK(CLogMsg::GetInstallRoot());
  if (root.empty() || root.back() != L'/') root += L'/';
  return root;
}

void StartCrashReport() {
  g_crashReport = true;
  CLogMsg::LogMsg(LV_INFO, L"crash report started");
}

bool IsCrashReportStarted() { return g_crashReport; }

}  // namespace WRENCH
