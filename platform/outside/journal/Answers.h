// Answers of the outside stand-ins: where the program relies on what a
// closed library answers (a busy check, the project state, an authority
// code, a command's fault...), the stand-in asks this table, which a test
// or the program's event script fills. An answer is kept under the object
// (its registry name, or its class name when it has none) and the
// operation, as text; a stand-in converts it to the type it returns.
//
// Set answers hold for every later call; pushed answers are used once each,
// in order, before the set one. Without either the stand-in's default
// applies.
//
// Threads: any.
#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace KVOUTSIDE {

class CAnswers {
 public:
  /// The process's answers.
  static CAnswers &Instance();

  /// The answer of `op` of `object` for every later call.
  void Set(const std::wstring &object, const std::wstring &op, const std::wstring &value);
  /// One answer of `op` of `object`, used once, after those pushed before.
  void Push(const std::wstring &object, const std::wstring &op, const std::wstring &value);
  /// Takes the next answer; false when there is none.
  bool Take(const std::wstring &object, const std::wstring &op, std::wstring &value);
  /// The next answer as text, or `fallback`.
  std::wstring Text(const std::wstring &object, const std::wstring &op, const std::wstring &fallback = L"");
  /// The next answer as an integer (decimal), or `fallback` when there is
  /// none or it is no integer.
  long long Int(const std::wstring &object, const std::wstring &op, long long fallback = 0);
  /// The next answer as a flag ("1"/"true" or "0"/"false"), or `fallback`.
  bool Bool(const std::wstring &object, const std::wstring &op, bool fallback = false);
  /// Drops every answer.
  void Clear();

 private:
  CAnswers() = default;
  using Key = std::pair<std::wstring, std::wstring>;

  std::mutex mutex_;
  std::map<Key, std::wstring> set_;
  std::map<Key, std::deque<std::wstring>> pushed_;
};

/// Fails as a closed library's constructor or factory may when "create" is
/// answered for `object`: throws a std::runtime_error with the answer's
/// text, or, for an empty text, a value that is no std::exception.
void FailCreateIfAnswered(const std::wstring &object);

}  // namespace KVOUTSIDE
