#include "quilltools/QuillTools.h"

#include "wrench/TextConvert.h"

namespace QuillTools {

std::string CString2String(const std::wstring &text) { return WRENCH::ConvertGBKToUtf8(text); }

std::vector<std::string> Tokenize(const std::string &text, const std::string &sep) {
  if (sep.empty()) return {text};
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(sep, start);
    if (end == std::string::npos) break;
    fields.push_back(text.substr(start, end - start));
    start = end + sep.size();
  }
  fields.push_back(text.substr(start));
  return fields;
}

}  // namespace QuillTools
