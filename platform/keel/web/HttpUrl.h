// Strict parsing of the http URLs a request is sent to. One parser
// (uriparser, RFC 3986) decides where a URL leads, and the URL handed to
// the SOAP engine is rebuilt from what it found, so that the engine cannot
// read another server out of the same text (it takes everything before an
// "@" anywhere in a URL as user name and password).
#pragma once

#include <string>

namespace KEEL::WEB {

/// An http URL reduced to what a request needs.
struct HttpUrl {
  /// Lower case; an IPv6 address keeps its brackets.
  std::string host;
  int port = 80;
  /// Path and query, starting with "/"; "@" percent-encoded; no fragment.
  std::string target;

  /// "host:port", the port always written.
  std::string Authority() const;
  /// "http://host:port/target": what the engine is given.
  std::string Text() const;
};

/// Parses an absolute "http://" URL without user info whose host and port
/// pass the rules of a server address (below). False for anything else,
/// including text the engine could not hold whole.
bool ParseHttpUrl(const std::string &text, HttpUrl &url);

/// Parses a server address: a host name (its absolute form with a trailing
/// dot too), an IPv4 address or a bracketed IPv6 address, then an optional
/// ":port" of 1 to 5 digits, 1..65535.
/// False for anything else (path, query, user info, blanks, signs, a
/// number the resolver would read as an address otherwise).
bool ParseServAddr(const std::wstring &servAddr, HttpUrl &url);

/// The URL of the service at `servPath` on the server `servAddr`, the path
/// percent-encoded where it is neither plain path text nor a "%XX" escape
/// (which is sent as it stands); false when the address
/// is not valid or the URL is longer than the engine keeps.
bool ServEndpoint(const std::wstring &servAddr, const std::wstring &servPath, HttpUrl &url);

/// The URL to follow for a redirect to `location` answered by the server at
/// `servAddr` (host[:port]): rebuilt from the parsed location, a path
/// location resolved against that server; empty when the location is not a
/// valid http URL or path, carries user info, or leads to another scheme,
/// host or port.
std::string RedirectTarget(const std::wstring &servAddr, const std::string &location);

/// `text` with the value of every "jsessionid=" parameter of a URL
/// (";jsessionid=", "?jsessionid=", "&jsessionid=", any letter case)
/// replaced by "***".
std::wstring MaskSessionIds(const std::wstring &text);

}  // namespace KEEL::WEB
