// CSoapException: the info code and message a service puts into the fault
// string of a failed operation.
//
// Fault-string format: '[' <info code> ']' [' '] <message>
//   <info code>  1 to 9 decimal digits (no sign, no blanks), e.g. 1007
//   <message>    the rest of the text, as it is (may be empty)
// Examples: "[1000] 项目不存在", "[1007]登录已失效". Any other text (no
// leading '[', no digits, more than 9 digits, no ']') does not parse.
// Codes the program acts on: 1000 (show the message), 1002 and 1007 (the
// server has ended the login).
#pragma once

#include <string>

namespace KEEL::WEB {

class CSoapException {
 public:
  CSoapException();
  ~CSoapException();
  /// Reads `faultText`; false (and code 0, empty message) when it is not in
  /// the format above.
  bool Parse(const std::wstring &faultText);
  /// The info code of the last successful Parse, else 0.
  int GetInfoCode() const;
  /// The message of the last successful Parse, else empty.
  std::wstring GetMessageW() const;

 private:
  int infoCode_ = 0;
  std::wstring message_;
};

}  // namespace KEEL::WEB
