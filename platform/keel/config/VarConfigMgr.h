// The variable manager "AppVarConfigMgr": named text variables of the
// program ("OpenTip", "AppDimMarkColor", "AppVer", ...), read from
// "config/system/AppVars.xml" under the installation root:
//
//   <KvVars>
//     <Var name="AppVer">1.0.0</Var>
//     <Var name="OpenTip" type="path">config/system/OpenTip.xml</Var>
//   </KvVars>
//
// A variable of type "path" is a path relative to the installation root and
// reads as the full path. A missing file or variable reads as "".
// Threads: any.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "keel/frame/MgrObject.h"

namespace KEEL::CONFIG {

class IVarConfigMgr {
 public:
  virtual ~IVarConfigMgr() {}
  /// The value of variable `name`, or "" when it has none.
  virtual std::wstring GetVar(const std::wstring &name) = 0;
};

class CVarConfigMgr : public KEEL::FRAME::CMgrObject, public IVarConfigMgr {
 public:
  /// Reads the variables from `file` (by default the file named above).
  CVarConfigMgr();
  explicit CVarConfigMgr(const std::wstring &file);

  std::wstring GetVar(const std::wstring &name) override;
  /// Sets one variable for the rest of the process (the file is not
  /// changed).
  void SetVar(const std::wstring &name, const std::wstring &value);
  /// The file the variables came from.
  const std::wstring &GetFile() const { return file_; }

  /// The default file: root + "config/system/AppVars.xml".
  static std::wstring DefaultFile();

 private:
  void Load();

  std::wstring file_;
  std::mutex mutex_;
  std::map<std::wstring, std::wstring> vars_;
};

}  // namespace KEEL::CONFIG
