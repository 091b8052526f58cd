// CServObjectBase: the request status every result holder carries. The
// holder classes derive from it and from their holder interface; the
// interface's IServiceObject readers answer from these same fields
// (MOXAPP_SERVICE_OBJECT_READERS), so a holder has one status however it
// is reached. No lock: see the holders' threading note.
#pragma once

#include <string>

#include "keel/web/IServiceObject.h"

namespace MOXAPP {

class CServObjectBase : public KEEL::WEB::IServiceObjectSet {
 public:
  CServObjectBase() = default;
  ~CServObjectBase() override;

  void SetFinished() override;
  /// True when `value` is not 0.
  void SetState(int value) override;
  void SetCode(const std::wstring &code) override;
  void SetText(const std::wstring &text) override;
  void SetFlag(bool flag) override;

  virtual bool IsFinished();
  virtual bool GetState();
  virtual std::wstring GetCode();
  virtual std::wstring GetText();
  virtual bool GetFlag();

 private:
  bool finished = false;
  bool state = false;
  bool flag = false;
  std::wstring code;
  std::wstring text;
};

}  // namespace MOXAPP

/// In a holder class: the IServiceObject readers of its interface,
/// answered by its CServObjectBase part.
#define MOXAPP_SERVICE_OBJECT_READERS \
  bool IsFinished() override { return CServObjectBase::IsFinished(); } \
  bool GetState() override { return CServObjectBase::GetState(); } \
  std::wstring GetCode() override { return CServObjectBase::GetCode(); } \
  std::wstring GetText() override { return CServObjectBase::GetText(); } \
  bool GetFlag() override { return CServObjectBase::GetFlag(); }
