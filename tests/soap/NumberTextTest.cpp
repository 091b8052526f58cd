// Doubles are read as the runtime reads them: the same value to the bit, the
// same failure, for plain decimals and for every other text.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "soapH.h"

namespace kv::test {
namespace {

struct Outcome {
  bool read;
  int error;
  unsigned long long bits;
};

// Reads "<x>TEXT</x>" with `in`.
template <class In>
Outcome ReadX(const std::string &text, In in) {
  struct soap engine;
  soap_init(&engine);
  std::istringstream xml("<x>" + text + "</x>");
  engine.is = &xml;
  Outcome outcome{false, 0, 0};
  if (soap_begin_recv(&engine) == SOAP_OK) {
    double value = -1;
    outcome.read = in(&engine, &value) != nullptr;
    outcome.error = engine.error;
    std::memcpy(&outcome.bits, &value, sizeof value);
  }
  soap_end(&engine);
  soap_done(&engine);
  return outcome;
}

TEST(NumberText, DoublesReadAsTheRuntimeReadsThem) {
  const char *kTexts[] = {"0",       "-0",        "1",        "0.1",       "3.141592653589793", "1e3",   "1E-3",
                          "1e+5",    "-2.5e-7",   "1.",       ".5",        "-.5",                "007",   "1e308",
                          "1.7976931348623157e308", "1e309",  "4.9e-324",  "2e-324",             "1e-400",
                          "2.2250738585072011e-308", "9007199254740993", "0.30000000000000004",
                          "123456789012345678901234567890", "+1", " 1.5", "1.5 ", "1,5", "1e", "e5", "--1", "1-",
                          "INF",     "-INF",      "NaN",      "inf",       "infinity",          "0x1p3", "abc", "",
                          " "};
  for (const char *text : kTexts) {
    SCOPED_TRACE(std::string("\"") + text + "\"");
    const Outcome ours = ReadX(text, [](struct soap *e, double *v) { return soap_in_xsd__double(e, "x", v, ""); });
    // The runtime's reader, with an element without text read as 0.
    const Outcome runtime = ReadX(text, [](struct soap *e, double *v) -> double * {
      double *got = soap_indouble(e, "x", v, "", SOAP_TYPE_xsd__double);
      if (got || e->error != SOAP_EMPTY) return got;
      e->error = SOAP_OK;
      *v = 0.0;
      return v;
    });
    EXPECT_EQ(ours.read, runtime.read);
    EXPECT_EQ(ours.error, runtime.error);
    if (ours.read && runtime.read) EXPECT_EQ(ours.bits, runtime.bits);
  }
}

}  // namespace
}  // namespace kv::test
