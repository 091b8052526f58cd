// Writes and reads back, in memory, a findHoleResults response of 10,000
// fully filled hole results; prints MB/s and microseconds per record.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Namespaces.h"
#include "TypeNames.h"
#include "Proxies.h"
#include "HoleResultFixture.h"
#include "WireIo.h"

namespace {

using kv::bench::Fill;
using kv::bench::HoleData;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int main(int argc, char **argv) {
  const int records = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  std::vector<HoleData> data(records);
  HOLERESULT__findHoleResultsResponse response;
  response.soap_default(nullptr);
  for (int i = 0; i < records; ++i) {
    Fill(data[i], i);
    response.return_.push_back(&data[i].hole);
  }
  double bestWrite = 1e9, bestRead = 1e9;
  size_t bytes = 0;
  for (int round = 0; round < rounds; ++round) {
    struct soap engine;
    soap_init(&engine);
    kv::wire::UseWireTypeNames(&engine);
    soap_set_namespaces(&engine, kv::wire::NamespacesOf("HOLERESULT"));
    engine.imode |= SOAP_C_UTFSTRING;
    engine.omode |= SOAP_C_UTFSTRING;
    auto t0 = std::chrono::steady_clock::now();
    std::string xml = kv::test::WriteElement(&engine, response, "HOLERESULT:findHoleResultsResponse");
    auto t1 = std::chrono::steady_clock::now();
    HOLERESULT__findHoleResultsResponse back;
    auto *read = kv::test::ReadElement(&engine, xml, "HOLERESULT:findHoleResultsResponse", &back);
    auto t2 = std::chrono::steady_clock::now();
    if (!read || back.return_.size() != static_cast<size_t>(records) ||
        *back.return_.back()->viewport != *response.return_.back()->viewport) {
      std::fprintf(stderr, "round trip failed (error %d)\n", engine.error);
      return 1;
    }
    bytes = xml.size();
    bestWrite = std::min(bestWrite, Seconds(t1 - t0));
    bestRead = std::min(bestRead, Seconds(t2 - t1));
    soap_destroy(&engine);
    soap_end(&engine);
    soap_done(&engine);
  }
  const double mb = bytes / 1e6;
  std::printf("findHoleResultsResponse, %d hole results, %.2f MB of XML (best of %d)\n", records, mb, rounds);
  std::printf("write: %8.1f MB/s  %6.2f us/record\n", mb / bestWrite, bestWrite * 1e6 / records);
  std::printf("read:  %8.1f MB/s  %6.2f us/record\n", mb / bestRead, bestRead * 1e6 / records);
  return 0;
}
