#include "keel/config/VarConfigMgr.h"

#include <pugixml.hpp>

#include <cstring>

#include "wrench/ConfigFile.h"
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
  pugi::xml_document doc;
  switch (WRENCH::LoadConfigXml(file_, doc)) {
    case WRENCH::ConfigRead::kLoaded:
      break;
    case WRENCH::ConfigRead::kMissing:
      WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, (L"no program variables: no file " + file_).c_str());
      return;
    case WRENCH::ConfigRead::kBroken:  // reported with its reason
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
