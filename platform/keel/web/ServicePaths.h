// Where each service lives on the server, by the service name that starts
// its operation names ("ClashRule" for "ClashRule_listClashRules").
#pragma once

#include <map>
#include <string>

namespace KEEL::WEB {

inline const std::map<std::wstring, std::wstring> &DefaultServicePaths() {
  static const std::map<std::wstring, std::wstring> paths = {
      {L"Device", L"RUVU/webservice/pathwalk/VXBeingExtractedDeviceWebService"},
      {L"WalkPath", L"RUVU/webservice/pathwork/VXPathWebService"},
      {L"ClashRule", L"RUVU/webservice/clash/VXClashRuleWebService"},
      {L"ClashResultView", L"RUVU/webservice/clash/VXClashResultOverviewWebService"},
      {L"ClashResultRelated", L"RUVU/webservice/clash/VXClashResultRelatedWebService"},
      {L"HoleCheckSituation", L"RUVU/webservice/hole/VXHoleCheckSituationWebService"},
      {L"HoleResultFloor", L"RUVU/webservice/hole/VXHoleResultFloorWebService"},
      {L"HoleResult", L"RUVU/webservice/hole/VXHoleResultWebService"},
      {L"HoleRule", L"RUVU/webservice/hole/VXHoleRuleWebService"},
  };
  return paths;
}

}  // namespace KEEL::WEB
