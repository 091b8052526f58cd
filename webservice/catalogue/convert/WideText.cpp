#include "catalogue/convert/WideText.h"

#include "wrench/TextConvert.h"

namespace KEEL::KVWEBSERVICE {

std::string ToUtf8(const std::wstring &text) { return WRENCH::ConvertGBKToUtf8(text); }

std::wstring ToWide(const std::string *utf8) {
  return utf8 ? WRENCH::ConvertUtf8ToGBK(*utf8) : std::wstring();
}

}  // namespace KEEL::KVWEBSERVICE
