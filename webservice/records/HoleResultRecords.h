// Hole-result records of the hole-result, hole-result floor and hole
// check-situation services.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "records/ClashResultRecords.h"
#include "records/FileRuleRecords.h"

namespace KEEL::KVWEBSERVICE {

struct StAffiliateQueryParam {
  int belongTo = 0;
  int wsid = 0;
};

struct StHoleResultHoleSize {
  int belongTo = 0;
  int wsid = 0;
  std::wstring holeId;
  std::wstring size;
};

struct StHoleResultPicViewport {
  int belongTo = 0;
  int wsid = 0;
  std::wstring holeId;
  boost::shared_ptr<StMoxFileAttribute> picFile;
  std::wstring viewport;
};

struct StHoleResultState {
  int belongTo = 0;
  int wsid = 0;
  std::wstring holeId;
  int state = 0;
};

struct StHoleResultRemarks {
  int belongTo = 0;
  int wsid = 0;
  std::wstring holeId;
  std::wstring remarks;
};

struct StHoleResultDigState {
  int belongTo = 0;
  int wsid = 0;
  std::wstring holeId;
  int state = 0;
};

struct StHoleResultFloor {
  int belongTo = 0;
  int wsid = 0;
  std::wstring majorFloor;
  int majorProject = 0;
};

struct StPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

struct StDirection {
  boost::shared_ptr<StPoint> end;
  boost::shared_ptr<StPoint> start;
};

struct StElevation {
  double bottom = 0.0;
  double top = 0.0;
};

struct StHoleResult {
  boost::shared_ptr<StPoint> clashPoint;
  boost::shared_ptr<StDirection> directionVector;
  int disposeState = 0;
  boost::shared_ptr<StElevation> elevation;
  std::wstring holeId;
  boost::shared_ptr<StPoint> holePoint;
  int holeShape = 0;
  int holeType = 0;
  std::wstring majorComp;
  std::wstring majorFloor;
  int majorProject = 0;
  std::wstring minorComp;
  std::wstring minorFloor;
  int minorProject = 0;
  boost::shared_ptr<StPoint> normalVector;
  boost::shared_ptr<StMoxFileAttribute> picFile;
  boost::shared_ptr<StDirection> pipelineVector;
  std::wstring remarks;
  std::wstring size;
  std::wstring viewport;
};

struct StFindHoleResults {
  boost::shared_ptr<StAffiliateQueryParam> queryParam;
  boost::shared_ptr<StBasicPage> all;
};

struct StRemoveHoleResultsByIds {
  std::vector<std::wstring> holeIds;
  boost::shared_ptr<StAffiliateQueryParam> queryParam;
  boost::shared_ptr<StBasicPage> all;
};

struct StSaveAllHoleResults {
  std::vector<boost::shared_ptr<StHoleResult>> holeResults;
  boost::shared_ptr<StAffiliateQueryParam> queryParam;
  boost::shared_ptr<StBasicPage> all;
};

struct StHoleResultFloorInfo {
  int belongTo = 0;
  int wsid = 0;
  std::wstring floor;
  std::wstring resultName;
};

struct StHoleCheckSituation {
  int belongTo = 0;
  int wsid = 0;
  std::wstring dateStamp;
  std::wstring ruleId;
  bool unReleaseLock = false;
};

}  // namespace KEEL::KVWEBSERVICE
