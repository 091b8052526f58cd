#include "LogMsg.h"

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "LineEscape.h"
#include "TextConvert.h"

namespace WRENCH {
namespace {

std::string ProgramDirectory() {
  char path[4096];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string exe(path, static_cast<size_t>(n));
  size_t slash = exe.rfind('/');
  return slash == std::string::npos || slash == 0 ? "/" : exe.substr(0, slash);
}

std::string DefaultRoot() {
  const char *env = std::getenv("KV_INSTALL_ROOT");
  return env && *env ? env : ProgramDirectory();
}

// Entries of level LV_DEBUG and more severe reach the file at once, with
// every entry before them. Trace entries are collected and written by a
// flusher thread at most kTraceDelay later, or sooner when kTraceBytes
// have gathered, so that a busy client pays no write per trace entry.
class LogFile {
 public:
  static LogFile &Instance() {
    static LogFile log;
    return log;
  }

  void SetRoot(const std::string &dir) {
    std::lock_guard<std::mutex> lock(mutex_);
    Close();
    root_ = dir;
    reported_ = false;
  }

  std::string Root() {
    std::lock_guard<std::mutex> lock(mutex_);
    return root_;
  }

  void Write(int level, const std::string &text) {
    char stamp[48];
    auto now = std::chrono::system_clock::now();
    std::time_t secs = std::chrono::system_clock::to_time_t(now);
    long millis = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    // The date and time to the second, made once per second and thread.
    thread_local std::time_t madeFor = -1;
    thread_local char seconds[24];
    thread_local size_t secondsLen = 0;
    if (secs != madeFor) {
      std::tm local{};
      localtime_r(&secs, &local);
      secondsLen = std::strftime(seconds, sizeof seconds, "%Y-%m-%d %H:%M:%S", &local);
      madeFor = secs;
    }
    std::memcpy(stamp, seconds, secondsLen);
    char *at = stamp + secondsLen;
    *at++ = '.';
    *at++ = static_cast<char>('0' + millis / 100);
    *at++ = static_cast<char>('0' + millis / 10 % 10);
    *at++ = static_cast<char>('0' + millis % 10);
    *at++ = ' ';
    *at++ = '[';
    at = std::to_chars(at, stamp + sizeof stamp - 3, level).ptr;
    *at++ = ']';
    *at++ = ' ';
    *at = '\0';

    std::lock_guard<std::mutex> lock(mutex_);
    const bool wasEmpty = pending_.empty();
    pending_ += stamp;
    pending_ += text;
    pending_ += '\n';
    if (level < LV_TRACE || pending_.size() >= kTraceBytes || forked_) {
      WritePending();
    } else if (wasEmpty) {
      if (!flusher_) flusher_ = new std::thread([this] { FlushLoop(); });
      wake_.notify_one();
    }
  }

  void Flush() {
    std::lock_guard<std::mutex> lock(mutex_);
    WritePending();
  }

 private:
  static constexpr size_t kTraceBytes = 8192;
  static constexpr std::chrono::milliseconds kTraceDelay{200};

  LogFile() : root_(DefaultRoot()) {
    // A forked child writes every entry at once (it may not start threads)
    // and drops the parent's unwritten entries (the parent writes those).
    pthread_atfork([] { Instance().mutex_.lock(); }, [] { Instance().mutex_.unlock(); },
                   [] {
                     LogFile &log = Instance();
                     log.pending_.clear();
                     log.flusher_ = nullptr;
                     log.stop_ = false;
                     log.forked_ = true;
                     new (&log.wake_) std::condition_variable();
                     log.mutex_.unlock();
                   });
  }

  ~LogFile() {
    std::thread *flusher = nullptr;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
      std::swap(flusher, flusher_);
    }
    wake_.notify_all();
    if (flusher) {
      flusher->join();
      delete flusher;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    Close();
  }

  void FlushLoop() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
      wake_.wait(lock, [this] { return stop_ || !pending_.empty(); });
      wake_.wait_for(lock, kTraceDelay, [this] { return stop_ || pending_.empty(); });
      WritePending();
    }
  }

  // Called with mutex_ held.
  void WritePending() {
    if (pending_.empty()) return;
    if (file_ || Open()) {
      std::fwrite(pending_.data(), 1, pending_.size(), file_);
      std::fflush(file_);
    }
    pending_.clear();
  }

  bool Open() {
    std::string dir = root_ + "/log";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    const std::string path = dir + "/log.log";
    file_ = std::fopen(path.c_str(), "a");
    if (file_) return true;
    // Said once for a root: every later entry fails the same way.
    const std::string reason = std::error_code(errno, std::generic_category()).message();
    if (!reported_)
      std::cerr << program_invocation_short_name << ": the log "
                << ConvertGBKToUtf8(CLogMsg::OneLine(UTF8ToUnicode(path))) << " cannot be opened: " << reason
                << "; nothing is logged" << std::endl;
    reported_ = true;
    return false;
  }

  // Called with mutex_ held; what is collected goes to the current file.
  void Close() {
    WritePending();
    if (file_) std::fclose(file_);
    file_ = nullptr;
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::string root_;
  std::string pending_;
  std::FILE *file_ = nullptr;
  bool reported_ = false;
  std::thread *flusher_ = nullptr;
  bool stop_ = false;
  bool forked_ = false;
};

}  // namespace

std::wstring CLogMsg::OneLine(const std::wstring &text) {
  const size_t kept = std::min(text.size(), kMaxLoggedChars);
  std::wstring line;
  line.reserve(kept + 16);
  for (size_t i = 0; i < kept; ++i)
    if (!AppendLineEscape(static_cast<char32_t>(text[i]), false, line)) line += text[i];
  if (kept < text.size()) AppendCutNote(text.size(), line);
  return line;
}

void CLogMsg::LogMsg(loglv level, const wchar_t *text) {
  if (!text) text = L"";
  // Most entries are one short plain line, taken as they stand.
  const wchar_t *end = text;
  while (*end && !BreaksLine(static_cast<char32_t>(*end)) && static_cast<size_t>(end - text) < kMaxLoggedChars) ++end;
  const std::wstring line = *end ? OneLine(text) : std::wstring(text, end);
  LogFile::Instance().Write(static_cast<int>(level), ConvertGBKToUtf8(line));
}

void CLogMsg::SetInstallRoot(const std::string &dir) { LogFile::Instance().SetRoot(dir); }

std::string CLogMsg::GetInstallRoot() { return LogFile::Instance().Root(); }

std::string CLogMsg::GetLogPath() { return GetInstallRoot() + "/log/log.log"; }

void CLogMsg::Flush() { LogFile::Instance().Flush(); }

}  // namespace WRENCH
