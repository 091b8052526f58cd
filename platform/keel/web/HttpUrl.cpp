#include "keel/web/HttpUrl.h"

#include <uriparser/Uri.h>

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/predicate.hpp>

#include <cctype>
#include <cwctype>

#include "wrench/TextConvert.h"

namespace KEEL::WEB {
namespace {

// The engine keeps 1023 bytes of an endpoint and of a Location header; a
// longer text may have been cut, so it is not trusted.
constexpr size_t kEngineUrlMax = 1023;

std::string Range(const UriTextRangeA &range) {
  return range.first ? std::string(range.first, range.afterLast) : std::string();
}

// Owns the parsed members for the life of one parse.
class ParsedUri {
 public:
  explicit ParsedUri(const std::string &text) {
    const char *error = nullptr;
    ok_ = uriParseSingleUriExA(&uri_, text.data(), text.data() + text.size(), &error) == URI_SUCCESS;
  }
  ~ParsedUri() {
    if (ok_) uriFreeUriMembersA(&uri_);
  }
  ParsedUri(const ParsedUri &) = delete;
  ParsedUri &operator=(const ParsedUri &) = delete;

  bool Ok() const { return ok_; }
  const UriUriA &Uri() const { return uri_; }

 private:
  UriUriA uri_{};
  bool ok_ = false;
};

// Path and query as the parser split them; "@" is encoded so that the
// engine cannot take it for the end of user info.
std::string Target(const UriUriA &uri) {
  std::string target;
  for (const UriPathSegmentA *p = uri.pathHead; p; p = p->next) target += "/" + Range(p->text);
  if (target.empty()) target = "/";
  if (uri.query.first) target += "?" + Range(uri.query);
  std::string encoded;
  for (char c : target) encoded += c == '@' ? std::string("%40") : std::string(1, c);
  return encoded;
}

bool Port(const UriUriA &uri, int &port) {
  port = 80;
  std::string text = Range(uri.portText);
  if (text.empty()) return true;
  if (text.size() > 5) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  port = std::stoi(text);
  return port > 0 && port <= 65535;
}

bool FromAbsolute(const UriUriA &uri, HttpUrl &url) {
  if (!boost::iequals(Range(uri.scheme), "http")) return false;
  if (uri.userInfo.first || !uri.hostText.first || uri.hostText.first == uri.hostText.afterLast) return false;
  HttpUrl parsed;
  parsed.host = boost::to_lower_copy(Range(uri.hostText));
  if (uri.hostData.ip6 || uri.hostData.ipFuture.first) parsed.host = "[" + parsed.host + "]";
  if (!Port(uri, parsed.port)) return false;
  parsed.target = Target(uri);
  if (parsed.Text().size() > kEngineUrlMax) return false;
  url = parsed;
  return true;
}

}  // namespace

std::string HttpUrl::Authority() const { return host + ":" + std::to_string(port); }

std::string HttpUrl::Text() const { return "http://" + Authority() + target; }

bool ParseHttpUrl(const std::string &text, HttpUrl &url) {
  if (text.size() > kEngineUrlMax) return false;
  ParsedUri parsed(text);
  return parsed.Ok() && FromAbsolute(parsed.Uri(), url);
}

bool ParseServAddr(const std::wstring &servAddr, HttpUrl &url) {
  if (servAddr.empty()) return false;
  for (wchar_t c : servAddr)
    if (c == L'/' || c == L'?' || c == L'#' || c == L'@') return false;
  return ParseHttpUrl("http://" + WRENCH::UnicodeToAnsi(servAddr), url);
}

std::string RedirectTarget(const std::wstring &servAddr, const std::string &location) {
  HttpUrl origin;
  if (location.empty() || location.size() >= kEngineUrlMax || !ParseServAddr(servAddr, origin))
    return std::string();
  ParsedUri parsed(location);
  if (!parsed.Ok()) return std::string();
  const UriUriA &uri = parsed.Uri();
  HttpUrl target;
  if (uri.scheme.first) {
    if (!FromAbsolute(uri, target)) return std::string();
  } else {
    // Only a path from the root: a scheme-relative location names a host,
    // and a relative path is not resolved.
    if (uri.hostText.first || uri.userInfo.first || !uri.absolutePath) return std::string();
    target = origin;
    target.target = Target(uri);
    if (target.Text().size() > kEngineUrlMax) return std::string();
  }
  if (target.host != origin.host || target.port != origin.port) return std::string();
  return target.Text();
}

std::wstring MaskSessionIds(const std::wstring &text) {
  static const std::wstring kKey = L"jsessionid=";
  std::wstring lower = text;
  for (wchar_t &c : lower) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  std::wstring out;
  size_t from = 0;
  for (size_t at = lower.find(kKey); at != std::wstring::npos; at = lower.find(kKey, at + 1)) {
    if (at == 0 || (text[at - 1] != L';' && text[at - 1] != L'?' && text[at - 1] != L'&')) continue;
    size_t value = at + kKey.size();
    size_t end = text.find_first_of(L";?&#/ ", value);
    if (end == std::wstring::npos) end = text.size();
    out += text.substr(from, value - from) + L"***";
    from = end;
    at = end > 0 ? end - 1 : end;
  }
  return out + text.substr(from);
}

}  // namespace KEEL::WEB
