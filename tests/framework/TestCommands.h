// Commands for the command manager's tests: each writes what is called on
// it into a shared log and does what the test sets.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "keel/cmd/CmdObject.h"

namespace kv::test {

class TestCmd : public KEEL::CMD::CCmdObject {
 public:
  TestCmd(std::wstring name, int group, std::vector<std::wstring> *log)
      : CCmdObject(group), name_(std::move(name)), log_(log) {}
  ~TestCmd() override { Note(L"delete"); }

  std::wstring GetName() override { return name_; }
  bool Initialize() override {
    Note(L"Initialize");
    return true;
  }
  void Release() override { Note(L"Release"); }
  bool Executing() override {
    Note(L"Executing");
    if (during) during();
    if (fault) SetFault(fault, L"refused");
    return result;
  }
  bool PreStop() override {
    Note(L"PreStop");
    return agreeToStop;
  }
  void Stop() override { Note(L"Stop"); }
  void OnLButtonDown(UINT flags, CPoint point) override {
    Note(L"OnLButtonDown " + std::to_wstring(flags) + L" " + std::to_wstring(point.x) + L"," +
         std::to_wstring(point.y));
  }
  void OnKeyUp(UINT key, UINT, UINT) override { Note(L"OnKeyUp " + std::to_wstring(key)); }
  int OnMouseWheel(UINT, short delta, CPoint) override {
    Note(L"OnMouseWheel " + std::to_wstring(delta));
    return 1;
  }
  int PreTranslateMessage(MSG *msg) override {
    Note(L"PreTranslateMessage " + std::to_wstring(msg->message));
    return 1;
  }

  bool result = true;
  int fault = 0;
  bool agreeToStop = true;
  std::function<void()> during;

 private:
  void Note(const std::wstring &what) {
    if (log_) log_->push_back(name_ + L" " + what);
  }
  std::wstring name_;
  std::vector<std::wstring> *log_;
};

}  // namespace kv::test
