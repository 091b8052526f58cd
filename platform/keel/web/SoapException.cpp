#include "keel/web/SoapException.h"

namespace KEEL::WEB {
namespace {

constexpr size_t kMaxDigits = 9;

}  // namespace

CSoapException::CSoapException() {}

CSoapException::~CSoapException() {}

bool CSoapException::Parse(const std::wstring &faultText) {
  infoCode_ = 0;
  message_.clear();
  if (faultText.empty() || faultText[0] != L'[') return false;
  size_t at = 1;
  int code = 0;
  while (at < faultText.size() && faultText[at] >= L'0' && faultText[at] <= L'9') {
    if (at > kMaxDigits) return false;
    code = code * 10 + int(faultText[at] - L'0');
    ++at;
  }
  if (at == 1 || at >= faultText.size() || faultText[at] != L']') return false;
  ++at;
  if (at < faultText.size() && faultText[at] == L' ') ++at;
  infoCode_ = code;
  message_ = faultText.substr(at);
  return true;
}

int CSoapException::GetInfoCode() const { return infoCode_; }

std::wstring CSoapException::GetMessageW() const { return message_; }

}  // namespace KEEL::WEB
