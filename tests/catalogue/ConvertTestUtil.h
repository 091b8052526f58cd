// Writing converted requests as XML and reading response fixtures, for the
// conversion tests.
#pragma once

#include <regex>

#include <boost/make_shared.hpp>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "Namespaces.h"
#include "WireIo.h"
#include "catalogue/convert/Conversions.h"
#include "TypeNames.h"
#include "soapH.h"

namespace kv::test {

/// An engine with one service's namespace table and UTF-8 text, as the
/// runner sets its proxies.
class ConvertEngine {
 public:
  explicit ConvertEngine(const std::string &prefix) : prefix_(prefix) {
    soap_init(&engine_);
    soap_set_namespaces(&engine_, kv::wire::NamespacesOf(prefix.c_str()));
    kv::wire::UseWireTypeNames(&engine_);
    engine_.imode |= SOAP_C_UTFSTRING;
    engine_.omode |= SOAP_C_UTFSTRING;
  }
  ~ConvertEngine() {
    soap_destroy(&engine_);
    soap_end(&engine_);
    soap_done(&engine_);
  }
  ConvertEngine(const ConvertEngine &) = delete;
  ConvertEngine &operator=(const ConvertEngine &) = delete;

  /// The request element "<PREFIX>:<op>" as text, namespace declarations
  /// removed.
  template <class Request>
  std::string Write(const Request &request, const std::string &op) {
    static const std::regex kDeclaration(R"( xmlns:[A-Za-z-]+="[^"]*")");
    return std::regex_replace(WriteElement(&engine_, request, (prefix_ + ":" + op).c_str()), kDeclaration, "");
  }

  /// Reads "<PREFIX>:<op>Response" holding `children` into `response`;
  /// false when the fixture does not parse.
  template <class Response>
  bool Read(const std::string &op, const std::string &children, Response &response) {
    const std::string tag = prefix_ + ":" + op + "Response";
    const std::string xml = "<" + tag + " xmlns:" + prefix_ + "=\"" + Uri() +
                            "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">" + children + "</" +
                            tag + ">";
    return ReadElement(&engine_, xml, tag.c_str(), &response) != nullptr;
  }

  struct soap *get() { return &engine_; }

 private:
  std::string Uri() const {
    if (prefix_ == "DEVICE" || prefix_ == "WALKPATH") return kv::wire::kPathwalkAreaUri;
    if (prefix_.compare(0, 4, "HOLE") == 0) return kv::wire::kHoleAreaUri;
    return kv::wire::kClashAreaUri;
  }

  std::string prefix_;
  struct soap engine_;
};

/// What a converted request document starts with.
inline constexpr char kXmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

/// Writes `input` into a new Request and returns the request element as
/// XML (namespace declarations removed).
template <class Request, class... Input>
std::function<std::string()> Writes(const char *prefix, const char *op, Input... input) {
  return [=] {
    ConvertEngine engine(prefix);
    KEEL::KVWEBSERVICE::CValueKeeper keeper;
    Request request;
    KEEL::KVWEBSERVICE::WriteRequest(request, keeper, input...);
    return engine.Write(request, op);
  };
}

template <class T>
boost::shared_ptr<T> Make(T value) {
  return boost::make_shared<T>(value);
}

template <class T>
std::vector<boost::shared_ptr<T>> List(std::initializer_list<boost::shared_ptr<T>> entries) {
  return entries;
}

}  // namespace kv::test
