// CColorCmd: the five colour modes "APP_DEFAULT0" to "APP_DEFAULT4"; each
// runs "AppCmd_ColorMode" with the mode of its name's digit.
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

class CColorCmd : public KEEL::CMD::CPushMsgCmdObj {
 public:
  /// `name` is the command's name.
  explicit CColorCmd(std::wstring name);
  CColorCmd(const CColorCmd &other);
  CColorCmd &operator=(const CColorCmd &other);
  ~CColorCmd() override;

  /// The name given to the constructor.
  std::wstring GetName() override;
  /// Logs the choice and runs "AppCmd_ColorMode" with this mode; true.
  bool Executing() override;
  /// True.
  bool PreStop() override;

 private:
  std::wstring m_strName;
};
