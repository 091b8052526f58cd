#include "Journal.h"

#include <cstdio>
#include <unordered_map>

#include "wrench/TextConvert.h"

namespace KVOUTSIDE {
namespace {

std::wstring Escape(const std::wstring &text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    if (c == L'|' || c == L'\\') {
      out += L'\\';
      out += c;
    } else if (c == L'\n') {
      out += L"\\n";
    } else if (c == L'\r') {
      out += L"\\r";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::wstring JournalEntry::Line() const {
  std::wstring line = Escape(cls) + L'|' + Escape(name) + L'|' + Escape(op);
  for (const std::wstring &arg : args) line += L'|' + Escape(arg);
  return line;
}

bool JournalEntry::operator==(const JournalEntry &other) const {
  return cls == other.cls && name == other.name && op == other.op && args == other.args;
}

CJournal &CJournal::Instance() {
  static auto *journal = new CJournal;
  return *journal;
}

void CJournal::Record(const std::wstring &cls, const std::wstring &name, const std::wstring &op,
                      std::vector<std::wstring> args) {
  JournalEntry entry{cls, name, op, std::move(args)};
  std::function<void(const JournalEntry &)> sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.push_back(entry);
    sink = sink_;
  }
  if (sink) sink(entry);
}

std::vector<JournalEntry> CJournal::Entries() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_;
}

std::vector<JournalEntry> CJournal::Find(const std::wstring &name, const std::wstring &op) const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<JournalEntry> found;
  for (const JournalEntry &e : entries_)
    if (e.name == name && (op.empty() || e.op == op)) found.push_back(e);
  return found;
}

void CJournal::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.clear();
}

void CJournal::SetSink(std::function<void(const JournalEntry &)> sink) {
  std::lock_guard<std::mutex> lock(mutex_);
  sink_ = std::move(sink);
}

std::wstring JournalArg(const std::wstring &value) { return value; }
std::wstring JournalArg(const wchar_t *value) { return value ? value : L"null"; }
std::wstring JournalArg(const std::string &value) { return WRENCH::UTF8ToUnicode(value); }
std::wstring JournalArg(const char *value) { return value ? WRENCH::UTF8ToUnicode(value) : L"null"; }
std::wstring JournalArg(bool value) { return value ? L"true" : L"false"; }

std::wstring JournalArg(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return WRENCH::UTF8ToUnicode(text);
}

std::wstring JournalPtr(const void *value) {
  if (!value) return L"null";
  // Numbered in the order objects first appear, so that one script gives
  // the same journal in every run.
  static std::mutex mutex;
  static auto *numbers = new std::unordered_map<const void *, size_t>;
  std::lock_guard<std::mutex> lock(mutex);
  const size_t number = numbers->emplace(value, numbers->size() + 1).first->second;
  return L"@" + std::to_wstring(number);
}

}  // namespace KVOUTSIDE
