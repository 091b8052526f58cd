#include "ServerArg.h"

#include "keel/web/HttpUrl.h"
#include "ui/TextEscape.h"
#include "wrench/TextConvert.h"

namespace KVSHELL {
namespace {

// Characters of an argument that a message shows.
constexpr size_t kShownChars = 200;

}  // namespace

std::string ServerArgProblem(const std::string &arg) {
  KEEL::WEB::HttpUrl url;
  if (KEEL::WEB::ParseServAddr(WRENCH::UTF8ToUnicode(arg), url)) return std::string();
  return "is no server address (host[:port]): '" + KVUI::EscapeText(arg, kShownChars) + "'";
}

}  // namespace KVSHELL
