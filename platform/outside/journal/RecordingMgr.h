// CRecordingMgr: the base of every outside manager stand-in. It is a
// registry manager under its name that records its construction (with the
// constructor's arguments) and its life-cycle calls in the journal, and
// gives the stand-ins built on it one-line recording and answers.
#pragma once

#include <string>
#include <vector>

#include "Answers.h"
#include "Journal.h"
#include "keel/frame/MgrObject.h"

namespace KVOUTSIDE {

class CRecordingMgr : public KEEL::FRAME::CMgrObject {
 public:
  /// Records "create" with `ctorArgs` (the constructor's arguments other
  /// than the name, as journal text). An answer of "create" makes it fail
  /// instead (FailCreateIfAnswered).
  CRecordingMgr(const std::wstring &cls, const std::wstring &name, std::vector<std::wstring> ctorArgs = {});

  bool InitObject() override;
  bool ConnectObject() override;
  void ReleaseObject() override;

  /// The qualified class (or factory) name the entries carry.
  const std::wstring &GetClassName() const { return cls_; }

 protected:
  /// Records one call of this object.
  void Record(const std::wstring &op, std::vector<std::wstring> args = {}) const;
  /// The next answer of `op` of this object (under its name, or its class
  /// when it has no name).
  std::wstring AnswerText(const std::wstring &op, const std::wstring &fallback = L"") const;
  long long AnswerInt(const std::wstring &op, long long fallback = 0) const;
  bool AnswerBool(const std::wstring &op, bool fallback = false) const;
  /// The answer of `op` for argument `arg` ("<op>:<arg>"), else of `op`.
  bool AnswerBoolFor(const std::wstring &op, const std::wstring &arg, bool fallback = false) const;

 private:
  std::wstring AnswerKey() const;

  std::wstring cls_;
  std::wstring name_;
};

}  // namespace KVOUTSIDE
