// Clash-result records of the clash-result and clash-result overview
// services, and the page record that the hole results share.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "records/FileRuleRecords.h"

namespace KEEL::KVWEBSERVICE {

struct StClashResultUnique {
  int belongTo = 0;
  int wsid = 0;
};

struct StBasicPage {
  int currentPage = 0;
  int pageSize = 0;
};

struct StClashResultRemarks {
  int belongTo = 0;
  int wsid = 0;
  std::wstring clashId;
  std::wstring remarks;
};

struct StClashResultDisposeState {
  int belongTo = 0;
  int wsid = 0;
  std::wstring clashId;
  int disposeState = 0;
};

struct StClashResultPicViewport {
  int belongTo = 0;
  int wsid = 0;
  std::wstring clashId;
  boost::shared_ptr<StMoxFileAttribute> picFile;
  std::wstring viewport;
};

struct StClashResultFloor {
  int belongTo = 0;
  int wsid = 0;
  std::wstring majorFloor;
  int majorProject = 0;
};

struct StClashResult {
  std::wstring clashId;
  std::wstring clashModel;
  std::wstring clashPoint;
  int disposeState = 0;
  std::wstring lesserComp;
  std::wstring lesserFloor;
  int lesserProject = 0;
  std::wstring majorComp;
  std::wstring majorFloor;
  int majorProject = 0;
  boost::shared_ptr<StMoxFileAttribute> picFile;
  std::wstring remarks;
  std::wstring viewport;
};

struct StGetListClashResult {
  boost::shared_ptr<StClashResultUnique> clashResultUnique;
  boost::shared_ptr<StBasicPage> page;
};

struct StSaveAllClashResult {
  std::vector<boost::shared_ptr<StClashResult>> clashResultInfos;
  boost::shared_ptr<StClashResultUnique> clashResultUnique;
  boost::shared_ptr<StBasicPage> page;
};

struct StRemoveSignClashResultId {
  std::vector<std::wstring> clashId;
  boost::shared_ptr<StClashResultUnique> clashResultUnique;
  boost::shared_ptr<StBasicPage> page;
};

struct StClashResultFloorInfo {
  int belongTo = 0;
  int wsid = 0;
  std::wstring floor;
  std::wstring resultName;
};

struct StClashResultOverview {
  int belongTo = 0;
  int wsid = 0;
  std::wstring dateStamp;
  std::wstring ruleId;
  bool unReleaseLock = false;
};

}  // namespace KEEL::KVWEBSERVICE
