// Walk-path records: recorded walk-through paths.
#pragma once

#include <string>

#include "records/StBinaryData.h"

namespace KEEL::KVWEBSERVICE {

struct StListPath {
  int id = 0;
  int belongTo = 0;
};

struct StPath4Add {
  int belongTo = 0;
  std::wstring deviceId;
  std::wstring pathName;
  StBinaryData pathdata;
  int wsid = 0;
};

struct StPath4Edit {
  int belongTo = 0;
  std::wstring deviceId;
  std::wstring pathName;
  StBinaryData pathdata;
  int wsid = 0;
  std::wstring pathId;
};

struct StPath {
  int belongTo = 0;
  std::wstring deviceId;
  std::wstring pathName;
  StBinaryData pathdata;
  int wsid = 0;
  std::wstring pathId;
};

struct StRenamePath {
  std::wstring pathId;
  std::wstring pathName;
};

}  // namespace KEEL::KVWEBSERVICE
