#include "RecordingMgr.h"


namespace KVOUTSIDE {

CRecordingMgr::CRecordingMgr(const std::wstring &cls, const std::wstring &name, std::vector<std::wstring> ctorArgs)
    : CMgrObject(name), cls_(cls), name_(name) {
  FailCreateIfAnswered(AnswerKey());
  Record(L"create", std::move(ctorArgs));
}

bool CRecordingMgr::InitObject() {
  Record(L"InitObject");
  return true;
}

bool CRecordingMgr::ConnectObject() {
  Record(L"ConnectObject");
  return true;
}

void CRecordingMgr::ReleaseObject() { Record(L"ReleaseObject"); }

void CRecordingMgr::Record(const std::wstring &op, std::vector<std::wstring> args) const {
  CJournal::Instance().Record(cls_, name_, op, std::move(args));
}

std::wstring CRecordingMgr::AnswerKey() const { return name_.empty() ? cls_ : name_; }

std::wstring CRecordingMgr::AnswerText(const std::wstring &op, const std::wstring &fallback) const {
  return CAnswers::Instance().Text(AnswerKey(), op, fallback);
}

long long CRecordingMgr::AnswerInt(const std::wstring &op, long long fallback) const {
  return CAnswers::Instance().Int(AnswerKey(), op, fallback);
}

bool CRecordingMgr::AnswerBool(const std::wstring &op, bool fallback) const {
  return CAnswers::Instance().Bool(AnswerKey(), op, fallback);
}

bool CRecordingMgr::AnswerBoolFor(const std::wstring &op, const std::wstring &arg, bool fallback) const {
  CAnswers &answers = CAnswers::Instance();
  std::wstring value;
  if (!answers.Take(AnswerKey(), op + L":" + arg, value) && !answers.Take(AnswerKey(), op, value)) return fallback;
  if (value == L"1" || value == L"true") return true;
  if (value == L"0" || value == L"false") return false;
  return fallback;
}

}  // namespace KVOUTSIDE
