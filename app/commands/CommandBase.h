// CCommandBase: the program's small interface of toggle commands (a ribbon
// button that stays pressed while its command is on).
#pragma once

class CCommandBase {
 public:
  CCommandBase() = default;
  CCommandBase(const CCommandBase &) = default;
  CCommandBase &operator=(const CCommandBase &) = default;
  virtual ~CCommandBase();
  /// Whether the button is pressed; false here.
  virtual bool IsClickButton() const;
  /// Presses or releases the button; nothing here.
  virtual void SetClickButton(bool click);
};
