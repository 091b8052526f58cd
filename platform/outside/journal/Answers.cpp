#include "Answers.h"

#include <cwchar>
#include <stdexcept>

#include "wrench/TextConvert.h"

namespace KVOUTSIDE {

void FailCreateIfAnswered(const std::wstring &object) {
  std::wstring failure;
  if (!CAnswers::Instance().Take(object, L"create", failure)) return;
  if (failure.empty()) throw 0;
  throw std::runtime_error(WRENCH::ConvertGBKToUtf8(failure));
}

CAnswers &CAnswers::Instance() {
  static auto *answers = new CAnswers;
  return *answers;
}

void CAnswers::Set(const std::wstring &object, const std::wstring &op, const std::wstring &value) {
  std::lock_guard<std::mutex> lock(mutex_);
  set_[Key(object, op)] = value;
}

void CAnswers::Push(const std::wstring &object, const std::wstring &op, const std::wstring &value) {
  std::lock_guard<std::mutex> lock(mutex_);
  pushed_[Key(object, op)].push_back(value);
}

bool CAnswers::Take(const std::wstring &object, const std::wstring &op, std::wstring &value) {
  std::lock_guard<std::mutex> lock(mutex_);
  Key key(object, op);
  auto queued = pushed_.find(key);
  if (queued != pushed_.end() && !queued->second.empty()) {
    value = queued->second.front();
    queued->second.pop_front();
    if (queued->second.empty()) pushed_.erase(queued);
    return true;
  }
  auto set = set_.find(key);
  if (set == set_.end()) return false;
  value = set->second;
  return true;
}

std::wstring CAnswers::Text(const std::wstring &object, const std::wstring &op, const std::wstring &fallback) {
  std::wstring value;
  return Take(object, op, value) ? value : fallback;
}

long long CAnswers::Int(const std::wstring &object, const std::wstring &op, long long fallback) {
  std::wstring value;
  if (!Take(object, op, value) || value.empty()) return fallback;
  wchar_t *end = nullptr;
  long long parsed = std::wcstoll(value.c_str(), &end, 10);
  return end && *end == L'\0' ? parsed : fallback;
}

bool CAnswers::Bool(const std::wstring &object, const std::wstring &op, bool fallback) {
  std::wstring value;
  if (!Take(object, op, value)) return fallback;
  if (value == L"1" || value == L"true") return true;
  if (value == L"0" || value == L"false") return false;
  return fallback;
}

void CAnswers::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  set_.clear();
  pushed_.clear();
}

}  // namespace KVOUTSIDE
