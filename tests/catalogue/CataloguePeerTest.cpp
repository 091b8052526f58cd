// Every operation through its runner against the independent test server:
// the typed input set through the runner's IInput, a request that passes
// the server's schema check, and the output read through IWSOut_<op>.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <functional>
#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "PeerControl.h"
#include "catalogue/GetWebServices.h"
#include "catalogue/interfaces/WebInterfaces.h"
#include "keel/web/ServicePaths.h"
#include "keel/web/WebSession.h"
#include "wrench/TextConvert.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;
template <class T>
using Ptr = boost::shared_ptr<T>;
template <class T>
using List = std::vector<boost::shared_ptr<T>>;

const std::int64_t kBeyondDouble = 9007199254740993LL;  // 2^53 + 1
const std::string kPicture("\x89PNG\0\x01\xff\0", 8);
const std::string kPathData("\0path\xfe", 6);

template <class I>
I &Typed(KEEL::WEB::IInput *input) {
  I *typed = dynamic_cast<I *>(input);
  if (!typed) throw std::runtime_error("input is not the operation's IWSIn");
  return *typed;
}

template <class O>
O &Typed(KEEL::WEB::IOutput *output) {
  O *typed = dynamic_cast<O *>(output);
  if (!typed) throw std::runtime_error("output is not the operation's IWSOut");
  return *typed;
}

template <class T, class... Fields>
Ptr<T> Make(Fields... fields) {
  return boost::make_shared<T>(T{fields...});
}

Ptr<StMoxFileAttribute> File(const std::wstring &uuid) {
  return Make<StMoxFileAttribute>(L"md5-" + uuid, kBeyondDouble, uuid);
}

StBinaryData Bytes(const std::string &bytes, bool attachment) {
  StBinaryData data;
  data.isOctetStream = attachment;
  data.ptr = reinterpret_cast<const unsigned char *>(bytes.data());
  data.size = static_cast<int>(bytes.size());
  return data;
}

Ptr<StPoint> Point(double x, double y, double z) { return Make<StPoint>(x, y, z); }

// One step of the walk through all operations.
struct Step {
  std::wstring name;
  std::function<void(KEEL::WEB::IInput *)> setInput;
  std::function<void(KEEL::WEB::IOutput *)> check;
};

class CataloguePeerTest : public ::testing::Test {
 protected:
  CataloguePeerTest() : peer(KV_PEER_STATE), session(WRENCH::AnsiToUnicode(peer.Address())) {}

  void SetUp() override {
    peer.Post("/control/reset");
    GetWebServices(runners);
    for (KEEL::WEB::IWebRunner *runner : runners) {
      std::wstring name = runner->GetServName();
      runner->SetServSession(&session);
      runner->SetServPath(KEEL::WEB::DefaultServicePaths().at(name.substr(0, name.find(L'_'))));
      byName[name] = runner;
    }
  }
  void TearDown() override {
    for (KEEL::WEB::IWebRunner *runner : runners) delete runner;
  }

  void Run(const Step &step) {
    SCOPED_TRACE(WRENCH::ConvertGBKToUtf8(step.name));
    ASSERT_EQ(byName.count(step.name), 1u);
    KEEL::WEB::IWebRunner &runner = *byName[step.name];
    step.setInput(runner.GetInput());
    bool ok = runner.RunServ();
    KEEL::WEB::WebServError error;
    runner.GetServError(error);
    ASSERT_TRUE(ok) << "code " << error.code << ": " << WRENCH::ConvertGBKToUtf8(error.faultMessage);
    step.check(runner.GetOutput());
    ran.insert(step.name);
  }

  PeerControl peer;
  KEEL::WEB::CWebSession session;
  std::list<KEEL::WEB::IWebRunner *> runners;
  std::map<std::wstring, KEEL::WEB::IWebRunner *> byName;
  std::set<std::wstring> ran;
};

auto None = [](KEEL::WEB::IOutput *) {};

TEST_F(CataloguePeerTest, EveryOperationRoundTrips) {
  using namespace KEEL;
  std::wstring deviceId, clonedDeviceId, clashRuleId, clonedClashRuleId, holeRuleId, clonedHoleRuleId, pathId;

  const std::vector<Step> steps = {
      // Devices: seed "device-1", then one added with a picture attachment.
      {L"Device_listDevice", [](WEB::IInput *in) { Typed<DEVICE::IWSIn_listDevice>(in).SetInput(); },
       [](WEB::IOutput *out) {
         List<StDevice> devices;
         Typed<DEVICE::IWSOut_listDevice>(out).GetResult(devices);
         ASSERT_EQ(devices.size(), 1u);
         EXPECT_EQ(devices[0]->deviceId, L"device-1");
         EXPECT_TRUE(devices[0]->isDefaultDevice);
       }},
      {L"Device_addDevice",
       [](WEB::IInput *in) {
         auto device = Make<StDevice4Add>(Make<StDeviceAttribute>(1, kBeyondDouble, -3, 4), File(L"dev-file"),
                                          L"设备甲", Bytes(kPicture, true), std::int64_t(kPicture.size()), L"");
         Typed<DEVICE::IWSIn_addDevice>(in).SetInput({device});
       },
       [&](WEB::IOutput *out) {
         List<StDevice> added;
         Typed<DEVICE::IWSOut_addDevice>(out).GetResult(added);
         ASSERT_EQ(added.size(), 1u);
         deviceId = added[0]->deviceId;
         EXPECT_EQ(added[0]->deviceName, L"设备甲");
         EXPECT_EQ(added[0]->remarks, L"");
         ASSERT_NE(added[0]->attribute, nullptr);
         EXPECT_EQ(added[0]->attribute->length, kBeyondDouble);
         EXPECT_EQ(added[0]->attribute->rotation, -3);
         ASSERT_NE(added[0]->deviceFile, nullptr);
         EXPECT_EQ(added[0]->deviceFile->size, kBeyondDouble);
       }},
      {L"Device_getListDevicePicFile",
       [&](WEB::IInput *in) { Typed<DEVICE::IWSIn_getListDevicePicFile>(in).SetInput({deviceId}); },
       [](WEB::IOutput *out) {
         List<StDevicePicFile> pictures;
         Typed<DEVICE::IWSOut_getListDevicePicFile>(out).GetResult(pictures);
         ASSERT_EQ(pictures.size(), 1u);
         EXPECT_EQ(pictures[0]->picFile.bytes, kPicture);
         EXPECT_EQ(pictures[0]->picFileLength, std::int64_t(kPicture.size()));
       }},
      {L"Device_cloneDevice",
       [&](WEB::IInput *in) { Typed<DEVICE::IWSIn_cloneDevice>(in).SetInput(StCloneDevice{deviceId, L"克隆设备"}); },
       [&](WEB::IOutput *out) {
         Ptr<StDevice> clone;
         Typed<DEVICE::IWSOut_cloneDevice>(out).GetResult(clone);
         ASSERT_NE(clone, nullptr);
         EXPECT_EQ(clone->deviceName, L"克隆设备");
         EXPECT_NE(clone->deviceId, deviceId);
         clonedDeviceId = clone->deviceId;
       }},
      {L"Device_renameDevice",
       [&](WEB::IInput *in) { Typed<DEVICE::IWSIn_renameDevice>(in).SetInput(StRenameDevice{deviceId, L"改名"}); },
       [](WEB::IOutput *out) { EXPECT_TRUE(Typed<DEVICE::IWSOut_renameDevice>(out).GetResult()); }},
      {L"Device_editRemarks",
       [&](WEB::IInput *in) { Typed<DEVICE::IWSIn_editRemarks>(in).SetInput(StEditRemarks{deviceId, L"备注"}); },
       None},
      {L"Device_editDevice",
       [&](WEB::IInput *in) {
         auto edit = boost::make_shared<StDevice4Edit>();
         edit->deviceId = deviceId;
         edit->deviceName = L"编辑后";
         edit->picFile = Bytes(kPicture, false);
         Typed<DEVICE::IWSIn_editDevice>(in).SetInput({edit});
       },
       [&](WEB::IOutput *out) {
         std::vector<std::wstring> ids;
         Typed<DEVICE::IWSOut_editDevice>(out).GetResult(ids);
         EXPECT_EQ(ids, std::vector<std::wstring>{deviceId});
       }},
      {L"Device_removeDevice",
       [&](WEB::IInput *in) { Typed<DEVICE::IWSIn_removeDevice>(in).SetInput({clonedDeviceId}); },
       [&](WEB::IOutput *out) {
         std::vector<std::wstring> ids;
         Typed<DEVICE::IWSOut_removeDevice>(out).GetResult(ids);
         EXPECT_EQ(ids, std::vector<std::wstring>{clonedDeviceId});
       }},

      // Clash rules.
      {L"ClashRule_listClashRules", [](WEB::IInput *in) { Typed<CLASHRULE::IWSIn_listClashRules>(in).SetInput(); },
       [](WEB::IOutput *out) {
         List<StClashRule> rules;
         Typed<CLASHRULE::IWSOut_listClashRules>(out).GetResult(rules);
         ASSERT_EQ(rules.size(), 1u);
         EXPECT_EQ(rules[0]->ruleId, L"clashrule-1");
         EXPECT_TRUE(rules[0]->isDefaultRule);
         EXPECT_NE(rules[0]->ruleFile, nullptr);
       }},
      {L"ClashRule_addClashRule",
       [](WEB::IInput *in) {
         Typed<CLASHRULE::IWSIn_addClashRule>(in).SetInput(Make<StClashRule4Add>(File(L"rule-file"), L"碰撞规则"));
       },
       [&](WEB::IOutput *out) {
         Typed<CLASHRULE::IWSOut_addClashRule>(out).GetResult(clashRuleId);
         EXPECT_FALSE(clashRuleId.empty());
       }},
      {L"ClashRule_editClashRule",
       [&](WEB::IInput *in) {
         Typed<CLASHRULE::IWSIn_editClashRule>(in).SetInput(
             Make<StClashRule4Edit>(Ptr<StMoxFileAttribute>(), clashRuleId, L""));
       },
       None},
      {L"ClashRule_renameClashRule",
       [&](WEB::IInput *in) {
         Typed<CLASHRULE::IWSIn_renameClashRule>(in).SetInput(StRenameClashRule{clashRuleId, L"改名规则"});
       },
       None},
      {L"ClashRule_cloneClashRule",
       [&](WEB::IInput *in) {
         Typed<CLASHRULE::IWSIn_cloneClashRule>(in).SetInput(StCloneClashRule{clashRuleId, L"克隆规则"});
       },
       [&](WEB::IOutput *out) {
         Ptr<StClashRule> rule;
         Typed<CLASHRULE::IWSOut_cloneClashRule>(out).GetResult(rule);
         ASSERT_NE(rule, nullptr);
         EXPECT_EQ(rule->ruleName, L"克隆规则");
         ASSERT_NE(rule->ruleFile, nullptr);
         EXPECT_EQ(rule->ruleFile->uuid, L"rule-file");
         EXPECT_EQ(rule->ruleFile->size, kBeyondDouble);
         clonedClashRuleId = rule->ruleId;
       }},
      {L"ClashRule_removeClashRule",
       [&](WEB::IInput *in) { Typed<CLASHRULE::IWSIn_removeClashRule>(in).SetInput(clonedClashRuleId); }, None},

      // Hole rules.
      {L"HoleRule_listHoleRules", [](WEB::IInput *in) { Typed<HOLERULE::IWSIn_listHoleRules>(in).SetInput(); },
       [](WEB::IOutput *out) {
         List<StHoleRule> rules;
         Typed<HOLERULE::IWSOut_listHoleRules>(out).GetResult(rules);
         ASSERT_EQ(rules.size(), 1u);
         EXPECT_EQ(rules[0]->ruleId, L"holerule-1");
       }},
      {L"HoleRule_addHoleRule",
       [](WEB::IInput *in) {
         Typed<HOLERULE::IWSIn_addHoleRule>(in).SetInput(Make<StHoleRuleAdd>(Ptr<StMoxFileAttribute>(), L"开洞规则"));
       },
       [&](WEB::IOutput *out) {
         Typed<HOLERULE::IWSOut_addHoleRule>(out).GetResult(holeRuleId);
         EXPECT_FALSE(holeRuleId.empty());
       }},
      {L"HoleRule_editHoleRule",
       [&](WEB::IInput *in) {
         Typed<HOLERULE::IWSIn_editHoleRule>(in).SetInput(Make<StHoleRuleEdit>(File(L"hole-file"), holeRuleId, L"编辑"));
       },
       None},
      {L"HoleRule_renameHoleRule",
       [&](WEB::IInput *in) {
         Typed<HOLERULE::IWSIn_renameHoleRule>(in).SetInput(StRenameHoleRule{holeRuleId, L"新名"});
       },
       None},
      {L"HoleRule_cloneHoleRule",
       [&](WEB::IInput *in) {
         Typed<HOLERULE::IWSIn_cloneHoleRule>(in).SetInput(StCloneHoleRule{holeRuleId, L"复制"});
       },
       [&](WEB::IOutput *out) {
         Ptr<StHoleRule> rule;
         Typed<HOLERULE::IWSOut_cloneHoleRule>(out).GetResult(rule);
         ASSERT_NE(rule, nullptr);
         EXPECT_EQ(rule->ruleName, L"复制");
         ASSERT_NE(rule->ruleFile, nullptr);
         EXPECT_EQ(rule->ruleFile->md5, L"md5-hole-file");
         clonedHoleRuleId = rule->ruleId;
       }},
      {L"HoleRule_removeHoleRule",
       [&](WEB::IInput *in) { Typed<HOLERULE::IWSIn_removeHoleRule>(in).SetInput(clonedHoleRuleId); }, None},

      // Walk paths, with path data as bytes.
      {L"WalkPath_addPath",
       [](WEB::IInput *in) {
         auto path = Make<StPath4Add>(7, std::wstring(L"device-1"), std::wstring(L"巡视路径"), Bytes(kPathData, true), 3);
         Typed<WALKPATH::IWSIn_addPath>(in).SetInput({path});
       },
       [&](WEB::IOutput *out) {
         List<StPath> paths;
         Typed<WALKPATH::IWSOut_addPath>(out).GetResult(paths);
         ASSERT_EQ(paths.size(), 1u);
         pathId = paths[0]->pathId;
         EXPECT_EQ(paths[0]->pathName, L"巡视路径");
       }},
      {L"WalkPath_listPath",
       [](WEB::IInput *in) { Typed<WALKPATH::IWSIn_listPath>(in).SetInput(StListPath{3, 7}); },
       [&](WEB::IOutput *out) {
         List<StPath> paths;
         Typed<WALKPATH::IWSOut_listPath>(out).GetResult(paths);
         ASSERT_EQ(paths.size(), 1u);
         EXPECT_EQ(paths[0]->pathId, pathId);
         EXPECT_EQ(paths[0]->pathdata.bytes, kPathData);
         EXPECT_EQ(paths[0]->belongTo, 7);
       }},
      {L"WalkPath_renamePath",
       [&](WEB::IInput *in) { Typed<WALKPATH::IWSIn_renamePath>(in).SetInput(StRenamePath{pathId, L"新路径"}); },
       None},
      {L"WalkPath_editPath",
       [&](WEB::IInput *in) {
         auto path = boost::make_shared<StPath4Edit>();
         path->belongTo = 7;
         path->wsid = 3;
         path->pathId = pathId;
         path->pathName = L"改过";
         path->pathdata = Bytes(kPathData, false);
         Typed<WALKPATH::IWSIn_editPath>(in).SetInput({path});
       },
       [](WEB::IOutput *out) {
         List<StPath> paths;
         Typed<WALKPATH::IWSOut_editPath>(out).GetResult(paths);
         ASSERT_EQ(paths.size(), 1u);
         EXPECT_EQ(paths[0]->pathName, L"改过");
         EXPECT_EQ(paths[0]->pathdata.bytes, kPathData);
       }},
      {L"WalkPath_removePath",
       [&](WEB::IInput *in) { Typed<WALKPATH::IWSIn_removePath>(in).SetInput({pathId}); },
       [&](WEB::IOutput *out) {
         std::vector<std::wstring> ids;
         Typed<WALKPATH::IWSOut_removePath>(out).GetResult(ids);
         EXPECT_EQ(ids, std::vector<std::wstring>{pathId});
       }},

      // Clash-result floors and overview of set (11, 12).
      {L"ClashResultView_addClashResultFoor",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTVIEW::IWSIn_addClashResultFoor>(in).SetInput(
             {Make<StClashResultFloorInfo>(11, 12, std::wstring(L"F1"), std::wstring(L"一层结果"))});
       },
       None},
      {L"ClashResultView_getListClashResultFoor",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTVIEW::IWSIn_getListClashResultFoor>(in).SetInput(Make<StClashResultUnique>(11, 12));
       },
       [](WEB::IOutput *out) {
         List<StClashResultFloorInfo> floors;
         Typed<CLASHRESULTVIEW::IWSOut_getListClashResultFoor>(out).GetResult(floors);
         ASSERT_EQ(floors.size(), 1u);
         EXPECT_EQ(floors[0]->resultName, L"一层结果");
       }},
      {L"ClashResultView_setClashResultOverview",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTVIEW::IWSIn_setClashResultOverview>(in).SetInput(Make<StClashResultOverview>(
             11, 12, std::wstring(L"2026-12-10"), std::wstring(L"clashrule-1"), true));
       },
       None},
      {L"ClashResultView_getClashResultOverview",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTVIEW::IWSIn_getClashResultOverview>(in).SetInput(Make<StClashResultUnique>(11, 12));
       },
       [](WEB::IOutput *out) {
         Ptr<StClashResultOverview> overview;
         Typed<CLASHRESULTVIEW::IWSOut_getClashResultOverview>(out).GetResult(overview);
         ASSERT_NE(overview, nullptr);
         EXPECT_EQ(overview->dateStamp, L"2026-12-10");
         EXPECT_TRUE(overview->unReleaseLock);
       }},
      {L"ClashResultView_removeClashResultFoor",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTVIEW::IWSIn_removeClashResultFoor>(in).SetInput(Make<StClashResultUnique>(11, 12));
       },
       None},

      // Clash results of set (11, 12).
      {L"ClashResultRelated_saveAllClashResult",
       [](WEB::IInput *in) {
         auto result = boost::make_shared<StClashResult>();
         result->clashId = L"c1";
         result->clashPoint = L"1,2,3";
         result->majorFloor = L"F1";
         result->majorProject = 1;
         result->picFile = File(L"clash-pic");
         result->remarks = L"碰撞";
         StSaveAllClashResult save{{result, nullptr}, Make<StClashResultUnique>(11, 12), Make<StBasicPage>(1, 10)};
         Typed<CLASHRESULTRELATED::IWSIn_saveAllClashResult>(in).SetInput(save);
       },
       None},
      {L"ClashResultRelated_getListClashResult",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_getListClashResult>(in).SetInput(
             StGetListClashResult{Make<StClashResultUnique>(11, 12), Make<StBasicPage>(1, 10)});
       },
       [](WEB::IOutput *out) {
         List<StClashResult> results;
         Typed<CLASHRESULTRELATED::IWSOut_getListClashResult>(out).GetResult(results);
         ASSERT_EQ(results.size(), 1u);
         EXPECT_EQ(results[0]->remarks, L"碰撞");
         EXPECT_EQ(results[0]->clashModel, L"");
         ASSERT_NE(results[0]->picFile, nullptr);
         EXPECT_EQ(results[0]->picFile->size, kBeyondDouble);
       }},
      {L"ClashResultRelated_setResultRemarks",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_setResultRemarks>(in).SetInput(
             {Make<StClashResultRemarks>(11, 12, std::wstring(L"c1"), std::wstring(L"新备注"))});
       },
       None},
      {L"ClashResultRelated_setResultDisposeState",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_setResultDisposeState>(in).SetInput(
             {Make<StClashResultDisposeState>(11, 12, std::wstring(L"c1"), 2)});
       },
       None},
      {L"ClashResultRelated_setResultPicViewport",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_setResultPicViewport>(in).SetInput(
             {Make<StClashResultPicViewport>(11, 12, std::wstring(L"c1"), File(L"vp"), std::wstring(L"viewport"))});
       },
       None},
      {L"ClashResultRelated_removeFloorClashResult",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_removeFloorClashResult>(in).SetInput(
             {Make<StClashResultFloor>(11, 12, std::wstring(L"F9"), 1)});
       },
       None},
      {L"ClashResultRelated_removeSignClashResultId",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_removeSignClashResultId>(in).SetInput(
             StRemoveSignClashResultId{{L"c1"}, Make<StClashResultUnique>(11, 12), Make<StBasicPage>(1, 10)});
       },
       None},
      {L"ClashResultRelated_removeSignAllClashResult",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_removeSignAllClashResult>(in).SetInput(Make<StClashResultUnique>(11, 12));
       },
       None},
      {L"ClashResultRelated_clearRemovedClashResult",
       [](WEB::IInput *in) {
         Typed<CLASHRESULTRELATED::IWSIn_clearRemovedClashResult>(in).SetInput(Make<StClashResultUnique>(11, 12));
       },
       None},

      // Hole check situation, floors and results of set (21, 22).
      {L"HoleCheckSituation_setHoleCheckSituation",
       [](WEB::IInput *in) {
         Typed<HOLECHECKSITUATION::IWSIn_setHoleCheckSituation>(in).SetInput(Make<StHoleCheckSituation>(
             21, 22, std::wstring(L"2026-12-10 10:00"), std::wstring(L"holerule-1"), false));
       },
       None},
      {L"HoleCheckSituation_getHoleCheckSitaution",
       [](WEB::IInput *in) {
         Typed<HOLECHECKSITUATION::IWSIn_getHoleCheckSitaution>(in).SetInput(Make<StAffiliateQueryParam>(21, 22));
       },
       [](WEB::IOutput *out) {
         Ptr<StHoleCheckSituation> situation;
         Typed<HOLECHECKSITUATION::IWSOut_getHoleCheckSitaution>(out).GetResult(situation);
         ASSERT_NE(situation, nullptr);
         EXPECT_EQ(situation->ruleId, L"holerule-1");
         EXPECT_FALSE(situation->unReleaseLock);
       }},
      {L"HoleResultFloor_addHoleResultFloors",
       [](WEB::IInput *in) {
         Typed<HOLERESULTFLOOR::IWSIn_addHoleResultFloors>(in).SetInput(
             {Make<StHoleResultFloorInfo>(21, 22, std::wstring(L"B1"), std::wstring(L"地下一层"))});
       },
       None},
      {L"HoleResultFloor_findHoleResultFloors",
       [](WEB::IInput *in) {
         Typed<HOLERESULTFLOOR::IWSIn_findHoleResultFloors>(in).SetInput(Make<StAffiliateQueryParam>(21, 22));
       },
       [](WEB::IOutput *out) {
         List<StHoleResultFloorInfo> floors;
         Typed<HOLERESULTFLOOR::IWSOut_findHoleResultFloors>(out).GetResult(floors);
         ASSERT_EQ(floors.size(), 1u);
         EXPECT_EQ(floors[0]->resultName, L"地下一层");
       }},
      {L"HoleResultFloor_removeHoleResultFloors",
       [](WEB::IInput *in) {
         Typed<HOLERESULTFLOOR::IWSIn_removeHoleResultFloors>(in).SetInput(Make<StAffiliateQueryParam>(21, 22));
       },
       None},
      {L"HoleResult_saveAllHoleResults",
       [](WEB::IInput *in) {
         auto hole = boost::make_shared<StHoleResult>();
         hole->holeId = L"h1";
         hole->clashPoint = Point(1.5, -2.25, 1e10);
         hole->holePoint = Point(0, 0, 0.125);
         hole->normalVector = Point(0, 0, 1);
         hole->directionVector = Make<StDirection>(Point(1, 1, 1), Point(0, 0, 0));
         hole->pipelineVector = Make<StDirection>(Point(2, 0, 0), Point(-2, 0, 0));
         hole->elevation = Make<StElevation>(-1.75, 3.5);
         hole->majorFloor = L"B1";
         hole->size = L"300×300";
         hole->holeShape = 2;
         StSaveAllHoleResults save{{hole}, Make<StAffiliateQueryParam>(21, 22), Make<StBasicPage>(1, 10)};
         Typed<HOLERESULT::IWSIn_saveAllHoleResults>(in).SetInput(save);
       },
       None},
      {L"HoleResult_findHoleResults",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_findHoleResults>(in).SetInput(
             StFindHoleResults{Make<StAffiliateQueryParam>(21, 22), Make<StBasicPage>(1, 10)});
       },
       [](WEB::IOutput *out) {
         List<StHoleResult> holes;
         Typed<HOLERESULT::IWSOut_findHoleResults>(out).GetResult(holes);
         ASSERT_EQ(holes.size(), 1u);
         const StHoleResult &h = *holes[0];
         EXPECT_EQ(h.size, L"300×300");
         ASSERT_TRUE(h.clashPoint && h.directionVector && h.directionVector->end && h.elevation && h.pipelineVector);
         EXPECT_EQ(h.clashPoint->y, -2.25);
         EXPECT_EQ(h.clashPoint->z, 1e10);
         EXPECT_EQ(h.directionVector->end->x, 1);
         EXPECT_EQ(h.pipelineVector->start->x, -2);
         EXPECT_EQ(h.elevation->bottom, -1.75);
         EXPECT_EQ(h.elevation->top, 3.5);
         EXPECT_EQ(h.holeShape, 2);
         EXPECT_EQ(h.remarks, L"");
       }},
      {L"HoleResult_changeHoleResultHoleSize",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_changeHoleResultHoleSize>(in).SetInput(
             Make<StHoleResultHoleSize>(21, 22, std::wstring(L"h1"), std::wstring(L"200×200")));
       },
       None},
      {L"HoleResult_changeHoleResultPicViewports",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_changeHoleResultPicViewports>(in).SetInput(
             {Make<StHoleResultPicViewport>(21, 22, std::wstring(L"h1"), File(L"hp"), std::wstring(L"vp"))});
       },
       None},
      {L"HoleResult_changeHoleResultStates",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_changeHoleResultStates>(in).SetInput(
             {Make<StHoleResultState>(21, 22, std::wstring(L"h1"), 3)});
       },
       None},
      {L"HoleResult_changeHoleResultRemarks",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_changeHoleResultRemarks>(in).SetInput(
             {Make<StHoleResultRemarks>(21, 22, std::wstring(L"h1"), std::wstring(L"需复核"))});
       },
       None},
      {L"HoleResult_changeHoleResultDigStats",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_changeHoleResultDigStats>(in).SetInput(
             {Make<StHoleResultDigState>(21, 22, std::wstring(L"h1"), 1)});
       },
       None},
      {L"HoleResult_removeHoleResultsByIds",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_removeHoleResultsByIds>(in).SetInput(
             StRemoveHoleResultsByIds{{L"h1"}, Make<StAffiliateQueryParam>(21, 22), Make<StBasicPage>(1, 10)});
       },
       None},
      {L"HoleResult_removeHoleResultsByFloor",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_removeHoleResultsByFloor>(in).SetInput(
             {Make<StHoleResultFloor>(21, 22, std::wstring(L"B1"), 1)});
       },
       None},
      {L"HoleResult_removeHoleResultsByWorkset",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_removeHoleResultsByWorkset>(in).SetInput(Make<StAffiliateQueryParam>(21, 22));
       },
       None},
      {L"HoleResult_clearRemovedHoleResults",
       [](WEB::IInput *in) {
         Typed<HOLERESULT::IWSIn_clearRemovedHoleResults>(in).SetInput(Make<StAffiliateQueryParam>(21, 22));
       },
       None},
  };

  for (const Step &step : steps) {
    Run(step);
    if (HasFatalFailure()) return;
  }
  EXPECT_EQ(ran.size(), runners.size());
}

}  // namespace
}  // namespace kv::test
