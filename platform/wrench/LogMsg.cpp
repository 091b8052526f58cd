#include "LogMsg.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cwchar>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>

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
    std::tm local{};
    localtime_r(&secs, &local);
    size_t len = std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(stamp + len, sizeof stamp - len, ".%03ld [%d] ", millis, level);

    std::lock_guard<std::mutex> lock(mutex_);
    if (!file_ && !Open()) return;
    std::fputs(stamp, file_);
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
  }

 private:
  LogFile() : root_(DefaultRoot()) {}
  ~LogFile() { Close(); }

  bool Open() {
    std::string dir = root_ + "/log";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    file_ = std::fopen((dir + "/log.log").c_str(), "a");
    return file_ != nullptr;
  }

  void Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
  }

  std::mutex mutex_;
  std::string root_;
  std::FILE *file_ = nullptr;
};

}  // namespace

std::wstring CLogMsg::OneLine(const std::wstring &text) {
  const size_t kept = std::min(text.size(), kMaxLoggedChars);
  std::wstring line;
  line.reserve(kept + 16);
  for (size_t i = 0; i < kept; ++i) {
    const wchar_t c = text[i];
    switch (c) {
      case L'\r': line += L"\\r"; continue;
      case L'\n': line += L"\\n"; continue;
      case L'\t': line += L"\\t"; continue;
      default: break;
    }
    // C0, DEL, C1 and the Unicode line and paragraph separators.
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029) {
      wchar_t escape[8];
      std::swprintf(escape, 8, c <= 0xff && c < 0x80 ? L"\\x%02x" : L"\\u%04x", static_cast<unsigned>(c));
      line += escape;
    } else {
      line += c;
    }
  }
  if (kept < text.size()) line += L"... (cut: " + std::to_wstring(text.size()) + L" characters)";
  return line;
}

void CLogMsg::LogMsg(loglv level, const wchar_t *text) {
  LogFile::Instance().Write(static_cast<int>(level), ConvertGBKToUtf8(OneLine(text ? text : L"")));
}

void CLogMsg::SetInstallRoot(const std::string &dir) { LogFile::Instance().SetRoot(dir); }

std::string CLogMsg::GetInstallRoot() { return LogFile::Instance().Root(); }

std::string CLogMsg::GetLogPath() { return GetInstallRoot() + "/log/log.log"; }

}  // namespace WRENCH
