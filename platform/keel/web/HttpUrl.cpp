#include "keel/web/HttpUrl.h"

#include <arpa/inet.h>
#include <uriparser/Uri.h>

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/predicate.hpp>

#include <cctype>
#include <cstring>
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

bool AllOf(const std::string &text, int (*is)(int)) {
  for (char c : text)
    if (!is(static_cast<unsigned char>(c))) return false;
  return true;
}

// 1 to 5 decimal digits, 1..65535.
bool PortNumber(const std::string &text, int &port) {
  if (text.empty() || text.size() > 5 || !AllOf(text, isdigit)) return false;
  port = std::stoi(text);
  return port > 0 && port <= 65535;
}

bool Port(const UriUriA &uri, int &port) {
  port = 80;
  std::string text = Range(uri.portText);
  return text.empty() || PortNumber(text, port);
}

// Letters, digits, inner hyphens and underscores (intranet names carry
// them; the resolver takes them), 1 to 63 of them.
bool IsLabel(const std::string &label) {
  if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
  for (char c : label)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') return false;
  return true;
}

// A host name, or a dotted IPv4 address, either in its absolute form (one
// trailing dot) too. A name whose last label is a number ("127.1",
// "0x7f000001") is one the resolver reads as an address of its own making:
// only the four-part form is taken.
bool IsHost(std::string host) {
  if (host.size() > 1 && host.back() == '.') host.pop_back();
  if (host.empty() || host.size() > 253) return false;
  std::string label;
  size_t from = 0;
  for (size_t dot;; from = dot + 1) {
    dot = host.find('.', from);
    label = host.substr(from, dot == std::string::npos ? std::string::npos : dot - from);
    if (!IsLabel(label)) return false;
    if (dot == std::string::npos) break;
  }
  const bool number = AllOf(label, isdigit) ||
                      (label.size() > 2 && label[0] == '0' && (label[1] == 'x' || label[1] == 'X') &&
                       AllOf(label.substr(2), isxdigit));
  in_addr v4;
  return !number || inet_pton(AF_INET, host.c_str(), &v4) == 1;
}

// The host of a server address or URL as the engine is given it: a host
// name, an IPv4 address, or an IPv6 address in brackets.
bool IsServerHost(const std::string &host) {
  if (host.empty() || host[0] != '[') return IsHost(host);
  in6_addr v6;
  return host.back() == ']' && inet_pton(AF_INET6, host.substr(1, host.size() - 2).c_str(), &v6) == 1;
}

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// Every byte but plain path text and "%" escapes percent-encoded; "@"
// too, which the engine would take for the end of user info.
std::string EncodePath(const std::string &path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    const unsigned char u = static_cast<unsigned char>(c);
    const bool escape = c == '%' && i + 2 < path.size() && IsHexDigit(path[i + 1]) && IsHexDigit(path[i + 2]);
    if (escape || std::isalnum(u) || std::strchr("-._~!$&'()*+,;=:/", c) != nullptr) {
      out += c;
    } else {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out;
}

bool FromAbsolute(const UriUriA &uri, HttpUrl &url) {
  if (!boost::iequals(Range(uri.scheme), "http")) return false;
  if (uri.userInfo.first || !uri.hostText.first || uri.hostText.first == uri.hostText.afterLast) return false;
  HttpUrl parsed;
  if (uri.hostData.ipFuture.first) return false;
  parsed.host = boost::to_lower_copy(Range(uri.hostText));
  if (uri.hostData.ip6) parsed.host = "[" + parsed.host + "]";
  if (!IsServerHost(parsed.host) || !Port(uri, parsed.port)) return false;
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
  if (servAddr.empty() || servAddr.size() > kEngineUrlMax) return false;
  std::string text;
  for (wchar_t c : servAddr) {
    if (c <= L' ' || c >= 0x7F) return false;
    text += static_cast<char>(c);
  }
  HttpUrl parsed;
  size_t colon = text.find(':');
  if (text[0] == '[') {
    const size_t close = text.find(']');
    if (close == std::string::npos) return false;
    colon = close + 1;
  }
  parsed.host = boost::to_lower_copy(text.substr(0, colon));
  if (!IsServerHost(parsed.host)) return false;
  if (colon < text.size() && text[colon] != ':') return false;
  if (colon < text.size() && !PortNumber(text.substr(colon + 1), parsed.port)) return false;
  parsed.target = "/";
  url = parsed;
  return true;
}

bool ServEndpoint(const std::wstring &servAddr, const std::wstring &servPath, HttpUrl &url) {
  HttpUrl parsed;
  if (!ParseServAddr(servAddr, parsed)) return false;
  parsed.target = "/" + EncodePath(WRENCH::UnicodeToAnsi(servPath));
  if (parsed.Text().size() > kEngineUrlMax) return false;
  url = parsed;
  return true;
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
