// CKvLableClrCmd: "AppCmd_DimMarkColor", the ribbon colour button of the
// dimension marks. Stores a newly chosen colour under "/KvConfig/DimClr"
// of the file of variable "AppDimMarkColor", then recolours the marks and
// redraws the view.
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

class CKvLableClrCmd : public KEEL::CMD::CPushMsgCmdObj {
 public:
  CKvLableClrCmd();
  CKvLableClrCmd(const CKvLableClrCmd &other);
  CKvLableClrCmd &operator=(const CKvLableClrCmd &other);
  ~CKvLableClrCmd() override;

  /// "AppCmd_DimMarkColor".
  std::wstring GetName() override;
  /// Stores the button's colour when it changed, recolours, redraws; true.
  bool Executing() override;
  /// True.
  bool PreStop() override;

 private:
  /// The stored colour; 0 without variable manager, path or value.
  unsigned long GetOldLableValue();
  /// Stores `value`; nothing without variable manager or path.
  void WriteClrLableValue(const unsigned long &value);
};
