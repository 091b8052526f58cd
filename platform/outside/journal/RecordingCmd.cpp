#include "RecordingCmd.h"

#include <string>
#include <utility>

#include "Answers.h"
#include "Journal.h"

namespace KVOUTSIDE {

CRecordingCmd::CRecordingCmd(std::wstring cls, std::wstring name, int group)
    : CCmdObject(group), cls_(std::move(cls)), name_(std::move(name)) {
  FailCreateIfAnswered(name_);
}

std::wstring CRecordingCmd::GetName() { return name_; }

bool CRecordingCmd::Executing() {
  Record(L"Execute", {ParamText(GetParam())});
  const long long fault = CAnswers::Instance().Int(name_, L"Fault", 0);
  if (fault == 0) return true;
  SetFault(int(fault), name_ + L" failed");
  return false;
}

void CRecordingCmd::Stop() { Record(L"Stop"); }

std::wstring CRecordingCmd::ParamText(const boost::any &param) const { return CommonParamText(param); }

std::wstring CRecordingCmd::CommonParamText(const boost::any &param) {
  if (param.empty()) return L"";
  if (const auto *v = boost::any_cast<std::wstring>(&param)) return *v;
  if (const auto *v = boost::any_cast<std::string>(&param)) return JournalArg(*v);
  if (const auto *v = boost::any_cast<int>(&param)) return JournalArg(*v);
  if (const auto *v = boost::any_cast<unsigned>(&param)) return JournalArg(*v);
  if (const auto *v = boost::any_cast<long>(&param)) return JournalArg(*v);
  if (const auto *v = boost::any_cast<bool>(&param)) return JournalArg(*v);
  if (const auto *v = boost::any_cast<double>(&param)) return JournalArg(*v);
  if (const auto *v = boost::any_cast<void *>(&param)) return JournalPtr(*v);
  if (boost::any_cast<std::nullptr_t>(&param)) return L"null";
  return L"?";
}

void CRecordingCmd::Record(const std::wstring &op, std::vector<std::wstring> args) const {
  CJournal::Instance().Record(cls_, name_, op, std::move(args));
}

}  // namespace KVOUTSIDE
