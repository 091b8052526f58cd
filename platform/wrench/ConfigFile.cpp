#include "wrench/ConfigFile.h"

#include <errno.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace WRENCH {
namespace {

std::wstring ErrnoText(int error) { return UTF8ToUnicode(std::strerror(error)); }

// Reads the whole of `file`; false with the reason when it cannot.
bool ReadAll(const std::string &file, std::vector<char> &data, std::wstring &reason) {
  std::FILE *in = std::fopen(file.c_str(), "rb");
  if (!in) {
    reason = ErrnoText(errno);
    return false;
  }
  char buffer[8192];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) data.insert(data.end(), buffer, buffer + n);
  const bool failed = std::ferror(in) != 0;
  const int error = errno;
  std::fclose(in);
  if (failed) reason = ErrnoText(error);
  return !failed;
}

void Report(const std::wstring &path, const std::wstring &what) {
  static std::mutex mutex;
  static std::set<std::pair<std::wstring, std::wstring>> reported;
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (!reported.emplace(path, what).second) return;
  }
  const std::wstring text = L"configuration file " + path + L" " + what + L"; its values are read as for a missing file";
  CLogMsg::LogMsg(LV_ERROR, text.c_str());
  std::cerr << program_invocation_short_name << ": " << ConvertGBKToUtf8(CLogMsg::OneLine(text)) << std::endl;
}

}  // namespace

ConfigRead LoadConfigXml(const std::wstring &path, pugi::xml_document &doc, std::wstring *reason) {
  doc.reset();
  const std::string file = ConvertGBKToUtf8(path);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  // Also a path through something that is no directory.
  if (status.type() == std::filesystem::file_type::not_found) return ConfigRead::kMissing;
  std::wstring why = error ? UTF8ToUnicode(error.message()) : std::wstring();
  std::vector<char> data;
  if (why.empty()) {
    if (std::filesystem::is_directory(status))
      why = ErrnoText(EISDIR);
    else if (!std::filesystem::is_regular_file(status))
      why = L"not a regular file";
    else
      ReadAll(file, data, why);
  }
  if (!why.empty()) {
    why = L"cannot be read: " + why;
  } else {
    pugi::xml_parse_result parsed = doc.load_buffer(data.data(), data.size());
    if (parsed) return ConfigRead::kLoaded;
    doc.reset();
    why = L"is not XML: " + UTF8ToUnicode(parsed.description()) + L" at byte " + std::to_wstring(parsed.offset);
  }
  Report(path, why);
  if (reason) *reason = why;
  return ConfigRead::kBroken;
}

}  // namespace WRENCH
