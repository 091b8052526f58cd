#include "keel/config/VarConfigMgr.h"

#include <pugixml.hpp>

#include <cstring>
#include <filesystem>

#include "wrench/LogMsg.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"

namespace KEEL::CONFIG {

CVarConfigMgr::CVarConfigMgr() : CVarConfigMgr(DefaultFile()) {}

CVarConfigMgr::CVarConfigMgr(const std::wstring &file) : CMgrObject(L"AppVarConfigMgr"), file_(file) { Load(); }

std::wstring CVarConfigMgr::DefaultFile() { return WRENCH::GetSysRoot() + L"config/system/AppVars.xml"; }

std::wstring CVarConfigMgr::GetVar(const std::wstring &name) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = vars_.find(name);
  return it == vars_.end() ? std::wstring() : it->second;
}

void CVarConfigMgr::SetVar(const std::wstring &name, const std::wstring &value) {
  std::lock_guard<std::mutex> lock(mutex_);
  vars_[name] = value;
}

void CVarConfigMgr::Load() {
  const std::string file = WRENCH::ConvertGBKToUtf8(file_);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, (L"no program variables: no file " + file_).c_str());
    return;
  }
  pugi::xml_document doc;
  pugi::xml_parse_result parsed = doc.load_file(file.c_str());
  if (!parsed) {
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, (L"no program variables read from " + file_ + L": " +
                                              WRENCH::UTF8ToUnicode(parsed.description()))
                                                 .c_str());
    return;
  }
  const std::wstring root = WRENCH::GetSysRoot();
  for (pugi::xml_node var : doc.child("KvVars").children("Var")) {
    std::wstring name = WRENCH::UTF8ToUnicode(var.attribute("name").value());
    if (name.empty()) continue;
    std::wstring value = WRENCH::UTF8ToUnicode(var.child_value());
    if (std::strcmp(var.attribute("type").value(), "path") == 0 && !value.empty() && value[0] != L'/')
      value = root + value;
    vars_[name] = value;
  }
}

}  // namespace KEEL::CONFIG
