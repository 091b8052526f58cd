// CKvCompAttrCmd: the component placeholders "AppCmd_CompAttr",
// "AppCmd_CompEdit" and "AppCmd_CompCount"; running one does nothing.
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

class CKvCompAttrCmd : public KEEL::CMD::CPushMsgCmdObj {
 public:
  /// `name` is the command's name.
  explicit CKvCompAttrCmd(std::wstring name);
  CKvCompAttrCmd(const CKvCompAttrCmd &other);
  CKvCompAttrCmd &operator=(const CKvCompAttrCmd &other);
  ~CKvCompAttrCmd() override;

  /// The name given to the constructor.
  std::wstring GetName() override;
  /// Does nothing; true.
  bool Executing() override;
  /// True.
  bool PreStop() override;

 private:
  std::wstring m_strName;
};
