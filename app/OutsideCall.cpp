#include "OutsideCall.h"

#include <exception>

#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

bool CallOutside(const std::function<void()> &call, std::wstring &why) {
  try {
    call();
    return true;
  } catch (const std::exception &e) {
    why = WRENCH::UTF8ToUnicode(e.what());
  } catch (...) {
    why = L"an unknown exception";
  }
  return false;
}

bool TryOutsideStep(const std::wstring &step, const std::function<void()> &call) {
  std::wstring why;
  if (CallOutside(call, why)) return true;
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_ERROR, (step + L" was skipped: " + why).c_str());
  return false;
}
