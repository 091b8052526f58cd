// CRecordingCmd: the base of the outside command stand-ins. It reports the
// name it was made with, records each run ("Execute" with its parameter as
// text) and each stop ("Stop") in the journal under its class and name, and
// fails a run with the code answered for "Fault" of its name (default 0).
// An answer of "create" for its name makes its constructor fail
// (FailCreateIfAnswered).
// Nothing of the closed command's own work is done.
#pragma once

#include <boost/any.hpp>

#include <string>
#include <vector>

#include "keel/cmd/CmdObject.h"

namespace KVOUTSIDE {

class CRecordingCmd : public KEEL::CMD::CCmdObject {
 public:
  /// `cls` is the qualified class name the entries carry; `group` an
  /// ECmdGroup.
  CRecordingCmd(std::wstring cls, std::wstring name, int group = KEEL::CMD::CMD_GROUP_PUSH);

  std::wstring GetName() override;
  bool Executing() override;
  void Stop() override;

  /// A parameter as journal text: empty, text, numbers, flags, pointers;
  /// "?" for other types.
  static std::wstring CommonParamText(const boost::any &param);

 protected:
  /// The run's parameter as journal text (CommonParamText by default).
  virtual std::wstring ParamText(const boost::any &param) const;
  /// Records one call of this command.
  void Record(const std::wstring &op, std::vector<std::wstring> args = {}) const;

 private:
  std::wstring cls_;
  std::wstring name_;
};

}  // namespace KVOUTSIDE

/// Command class CLS of namespace NS, named NAME, of group GROUP.
#define KV_OUTSIDE_DECLARE_COMMAND(NS, CLS, NAME, GROUP) \
  namespace NS {                                         \
  class CLS : public ::KVOUTSIDE::CRecordingCmd {        \
   public:                                               \
    CLS();                                               \
  };                                                     \
  }
#define KV_OUTSIDE_DEFINE_COMMAND(NS, CLS, NAME, GROUP) \
  NS::CLS::CLS() : ::KVOUTSIDE::CRecordingCmd(L"" #NS "::" #CLS, NAME, GROUP) {}
