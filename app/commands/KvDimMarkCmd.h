// CKvDimMarkCmd: the three dimension-mark toggles "AppCmd_DISTANCE",
// "AppCmd_DUIQI" and "AppCmd_XIANXING", one class told apart by name. A
// click presses the button and runs the dimension command "AppCmd_DimMark"
// with this kind (a pressed sister is released first); a second click
// releases it and ends dimensioning.
#pragma once

#include <string>

#include "CommandBase.h"
#include "keel/cmd/CmdObject.h"

class CKvDimMarkCmd : public CCommandBase, public KEEL::CMD::CPushMsgCmdObj {
 public:
  /// `name` is the command's name.
  explicit CKvDimMarkCmd(std::wstring name);
  CKvDimMarkCmd(const CKvDimMarkCmd &other);
  CKvDimMarkCmd &operator=(const CKvDimMarkCmd &other);
  ~CKvDimMarkCmd() override;

  /// The name given to the constructor.
  std::wstring GetName() override;
  /// Counts one more placed point.
  void OnLButtonUp(UINT flags, CPoint point) override;
  /// One point placed: drops it; otherwise ends dimensioning and releases.
  void OnRButtonUp(UINT flags, CPoint point) override;
  /// Toggles the button and runs or stops "AppCmd_DimMark"; true.
  bool Executing() override;
  /// Clears the point count; true.
  bool PreStop() override;

  /// Whether the button is pressed.
  bool IsClickButton() const override;
  /// Presses or releases the button; releasing it clears the point count.
  void SetClickButton(bool click) override;
  /// The number of points placed so far.
  int GetCurDimCount() const;
  /// Adds one placed point.
  void SetCurDimCount();
  /// Sets the point count to 0.
  void ClearCurDimCount();

 protected:
  /// Releases the first pressed sister command (not this one).
  void SetOtherCmd();

 private:
  bool m_bClickButton = false;
  int m_nCurDimCount = 0;
  std::wstring m_strName;
};
