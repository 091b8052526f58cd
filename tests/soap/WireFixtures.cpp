#include "WireTestUtil.h"

#include <regex>

namespace kv::test {

std::string BodyChild(const std::string &envelope) {
  size_t bodyStart = envelope.find(":Body>");
  size_t bodyEnd = envelope.rfind("</SOAP-ENV:Body>");
  if (bodyStart == std::string::npos || bodyEnd == std::string::npos) return "";
  bodyStart += 6;
  return envelope.substr(bodyStart, bodyEnd - bodyStart);
}

std::string WithoutNamespaceDeclarations(std::string xml) {
  static const std::regex kDeclaration(R"( xmlns:[A-Za-z-]+="[^"]*")");
  return std::regex_replace(xml, kDeclaration, "");
}

}  // namespace kv::test
