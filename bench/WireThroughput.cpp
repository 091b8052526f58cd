// Writes and reads back, in memory, a findHoleResults response of 10,000
// fully filled hole results; prints MB/s and microseconds per record.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Namespaces.h"
#include "Proxies.h"
#include "WireIo.h"

namespace {

struct HoleData {
  HOLERESULT__point points[6];
  HOLERESULT__direction directions[2];
  HOLERESULT__elevation elevation;
  HOLERESULT__moxFileAttribute file;
  HOLERESULT__holeResult hole;
  std::string texts[10];
  int ints[6];
  double bottom = -1.25, top = 3.5;
  LONG64 size = 5000000000LL;
};

void Fill(HoleData &d, int i) {
  for (int k = 0; k < 6; ++k) {
    d.points[k].soap_default(nullptr);
    d.points[k].x = i * 0.001 + k;
    d.points[k].y = -i * 0.5;
    d.points[k].z = 1e-3 * k;
  }
  for (int k = 0; k < 2; ++k) {
    d.directions[k].soap_default(nullptr);
    d.directions[k].start = &d.points[2 + 2 * k];
    d.directions[k].end = &d.points[3 + 2 * k];
  }
  d.elevation.soap_default(nullptr);
  d.elevation.bottom = &d.bottom;
  d.elevation.top = &d.top;
  const char *samples[10] = {"hole-", "主体构件-", "一层", "次要构件-", "二层", "d41d8cd98f00b204e9800998ecf8427e",
                             "uuid-", "备注：需要复核", "200x300", "viewport:1,2,3,4"};
  for (int k = 0; k < 10; ++k) d.texts[k] = samples[k] + std::to_string(i);
  for (int k = 0; k < 6; ++k) d.ints[k] = i + k;
  d.file.soap_default(nullptr);
  d.file.md5 = &d.texts[5];
  d.file.size = &d.size;
  d.file.uuid = &d.texts[6];
  HOLERESULT__holeResult &h = d.hole;
  h.soap_default(nullptr);
  h.clashPoint = &d.points[0];
  h.directionVector = &d.directions[0];
  h.disposeState = &d.ints[0];
  h.elevation = &d.elevation;
  h.holeId = &d.texts[0];
  h.holePoint = &d.points[1];
  h.holeShape = &d.ints[1];
  h.holeType = &d.ints[2];
  h.majorComp = &d.texts[1];
  h.majorFloor = &d.texts[2];
  h.majorProject = &d.ints[3];
  h.minorComp = &d.texts[3];
  h.minorFloor = &d.texts[4];
  h.minorProject = &d.ints[4];
  h.normalVector = &d.points[5];
  h.picFile = &d.file;
  h.pipelineVector = &d.directions[1];
  h.remarks = &d.texts[7];
  h.size = &d.texts[8];
  h.viewport = &d.texts[9];
}

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
