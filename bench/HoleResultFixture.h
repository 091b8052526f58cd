// Fully filled hole results for the benchmarks.
#pragma once

#include <string>

#include "soapH.h"

namespace kv::bench {

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

inline void Fill(HoleData &d, int i) {
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

}  // namespace kv::bench
