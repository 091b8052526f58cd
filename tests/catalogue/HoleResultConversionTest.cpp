// Hole-result, hole-result floor and hole check-situation conversions:
// points, directions and elevations both ways, keys under each request's
// own element name.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ConvertTestUtil.h"
#include "runner/ReplyRelease.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;

boost::shared_ptr<StAffiliateQueryParam> Key(int belongTo, int wsid) {
  return Make(StAffiliateQueryParam{belongTo, wsid});
}

const char kKey[] = "<belongTo>1</belongTo><wsid>2</wsid>";

TEST(HoleResultConversion, WritesHoleResults) {
  auto full = boost::make_shared<StHoleResult>();
  full->clashPoint = Make(StPoint{0, 0, 0});
  full->directionVector = Make(StDirection{Make(StPoint{1.5, -2, 3}), nullptr});
  full->disposeState = 1;
  full->elevation = Make(StElevation{-0.5, 0});
  full->holeId = L"h1";
  full->holePoint = Make(StPoint{4, 5, 6});
  full->holeShape = 2;
  full->holeType = 3;
  full->majorComp = L"梁";
  full->normalVector = Make(StPoint{0, 0, 1});
  full->picFile = Make(StMoxFileAttribute{L"m", 1, L"u"});
  full->pipelineVector = Make(StDirection{nullptr, Make(StPoint{7, 8, 9})});
  full->size = L"200x300";
  auto bare = boost::make_shared<StHoleResult>();
  bare->holeId = L"h2";

  ConvertEngine engine("HOLERESULT");
  CValueKeeper keeper;
  HOLERESULT__saveAllHoleResults request;
  WriteRequest(request, keeper,
               StSaveAllHoleResults{List({full, boost::shared_ptr<StHoleResult>(), bare}), Key(1, 2),
                                    Make(StBasicPage{1, 20})});
  EXPECT_EQ(engine.Write(request, "saveAllHoleResults"),
            kXmlHead + std::string("<HOLERESULT:saveAllHoleResults>"
                                   "<holeResults><clashPoint><x>0</x><y>0</y><z>0</z></clashPoint>"
                                   "<directionVector><end><x>1.5</x><y>-2</y><z>3</z></end></directionVector>"
                                   "<disposeState>1</disposeState><elevation><bottom>-0.5</bottom><top>0</top></elevation>"
                                   "<holeId>h1</holeId><holePoint><x>4</x><y>5</y><z>6</z></holePoint>"
                                   "<holeShape>2</holeShape><holeType>3</holeType><majorComp>梁</majorComp>"
                                   "<majorFloor/><majorProject>0</majorProject><minorComp/><minorFloor/>"
                                   "<minorProject>0</minorProject><normalVector><x>0</x><y>0</y><z>1</z></normalVector>"
                                   "<picFile><md5>m</md5><size>1</size><uuid>u</uuid></picFile>"
                                   "<pipelineVector><start><x>7</x><y>8</y><z>9</z></start></pipelineVector>"
                                   "<remarks/><size>200x300</size><viewport/></holeResults>"
                                   "<holeResults><disposeState>0</disposeState><holeId>h2</holeId>"
                                   "<holeShape>0</holeShape><holeType>0</holeType><majorComp/><majorFloor/>"
                                   "<majorProject>0</majorProject><minorComp/><minorFloor/>"
                                   "<minorProject>0</minorProject><remarks/><size/><viewport/></holeResults>"
                                   "<queryParam><belongTo>1</belongTo><wsid>2</wsid></queryParam>"
                                   "<all><currentPage>1</currentPage><pageSize>20</pageSize></all>"
                                   "</HOLERESULT:saveAllHoleResults>"));
}

TEST(HoleResultConversion, WritesKeysItemsAndQueries) {
  const std::string key = kKey;
  const struct {
    const char *name;
    std::function<std::string()> write;
    std::string expected;
  } kCases[] = {
      {"remove by workset", Writes<HOLERESULT__removeHoleResultsByWorkset>("HOLERESULT", "removeHoleResultsByWorkset",
                                                                           Key(1, 2)),
       "<HOLERESULT:removeHoleResultsByWorkset><workset>" + key + "</workset></HOLERESULT:removeHoleResultsByWorkset>"},
      {"clear removed",
       Writes<HOLERESULT__clearRemovedHoleResults>("HOLERESULT", "clearRemovedHoleResults", Key(1, 2)),
       "<HOLERESULT:clearRemovedHoleResults><queryParam>" + key + "</queryParam></HOLERESULT:clearRemovedHoleResults>"},
      {"clear removed with a null key",
       Writes<HOLERESULT__clearRemovedHoleResults>("HOLERESULT", "clearRemovedHoleResults",
                                                   boost::shared_ptr<StAffiliateQueryParam>()),
       "<HOLERESULT:clearRemovedHoleResults></HOLERESULT:clearRemovedHoleResults>"},
      {"hole size", Writes<HOLERESULT__changeHoleResultHoleSize>("HOLERESULT", "changeHoleResultHoleSize",
                                                                 Make(StHoleResultHoleSize{1, 2, L"h1", L"D100"})),
       "<HOLERESULT:changeHoleResultHoleSize><holeSize xsi:type=\"HOLERESULT:holeResultHoleSize\">" + key +
           "<holeId>h1</holeId><size>D100</size></holeSize></HOLERESULT:changeHoleResultHoleSize>"},
      {"pictures", Writes<HOLERESULT__changeHoleResultPicViewports>(
                       "HOLERESULT", "changeHoleResultPicViewports",
                       List({Make(StHoleResultPicViewport{1, 2, L"h1", nullptr, L"v"}),
                             Make(StHoleResultPicViewport{1, 2, L"h2", Make(StMoxFileAttribute{}), L""})})),
       "<HOLERESULT:changeHoleResultPicViewports><picViewports xsi:type=\"HOLERESULT:holeResultPicViewport\">" + key +
           "<holeId>h1</holeId><viewport>v</viewport></picViewports><picViewports xsi:type=\"HOLERESULT:holeResultPicViewport\">" + key +
           "<holeId>h2</holeId><picFile><md5/><size>0</size><uuid/></picFile><viewport/></picViewports>"
           "</HOLERESULT:changeHoleResultPicViewports>"},
      {"states", Writes<HOLERESULT__changeHoleResultStates>("HOLERESULT", "changeHoleResultStates",
                                                            List({Make(StHoleResultState{1, 2, L"h1", 0})})),
       "<HOLERESULT:changeHoleResultStates><handleStates xsi:type=\"HOLERESULT:holeResultState\">" + key +
           "<holeId>h1</holeId><state>0</state></handleStates></HOLERESULT:changeHoleResultStates>"},
      {"dig states", Writes<HOLERESULT__changeHoleResultDigStats>("HOLERESULT", "changeHoleResultDigStats",
                                                                  List({Make(StHoleResultDigState{1, 2, L"h1", 4})})),
       "<HOLERESULT:changeHoleResultDigStats><digStates xsi:type=\"HOLERESULT:holeResultDigState\">" + key +
           "<holeId>h1</holeId><state>4</state></digStates></HOLERESULT:changeHoleResultDigStats>"},
      {"remarks", Writes<HOLERESULT__changeHoleResultRemarks>("HOLERESULT", "changeHoleResultRemarks",
                                                              List({Make(StHoleResultRemarks{1, 2, L"h1", L"已开洞"})})),
       "<HOLERESULT:changeHoleResultRemarks><remarks xsi:type=\"HOLERESULT:holeResultRemarks\">" + key +
           "<holeId>h1</holeId><remarks>已开洞</remarks></remarks></HOLERESULT:changeHoleResultRemarks>"},
      {"floors", Writes<HOLERESULT__removeHoleResultsByFloor>("HOLERESULT", "removeHoleResultsByFloor",
                                                              List({Make(StHoleResultFloor{1, 2, L"F2", 3})})),
       "<HOLERESULT:removeHoleResultsByFloor><holeResultFloors xsi:type=\"HOLERESULT:holeResultFloor\">" + key +
           "<majorFloor>F2</majorFloor><majorProject>3</majorProject></holeResultFloors>"
           "</HOLERESULT:removeHoleResultsByFloor>"},
      {"find", Writes<HOLERESULT__findHoleResults>("HOLERESULT", "findHoleResults",
                                                   StFindHoleResults{Key(1, 2), Make(StBasicPage{0, 0})}),
       "<HOLERESULT:findHoleResults><queryParam>" + key +
           "</queryParam><all><currentPage>0</currentPage><pageSize>0</pageSize></all></HOLERESULT:findHoleResults>"},
      {"remove by ids",
       Writes<HOLERESULT__removeHoleResultsByIds>("HOLERESULT", "removeHoleResultsByIds",
                                                  StRemoveHoleResultsByIds{{L"h2", L"h1"}, Key(1, 2), nullptr}),
       "<HOLERESULT:removeHoleResultsByIds><holeIds>h2</holeIds><holeIds>h1</holeIds><queryParam>" + key +
           "</queryParam></HOLERESULT:removeHoleResultsByIds>"},
      {"find floors", Writes<HOLERESULTFLOOR__findHoleResultFloors>("HOLERESULTFLOOR", "findHoleResultFloors",
                                                                    Key(1, 2)),
       "<HOLERESULTFLOOR:findHoleResultFloors><queryParam>" + key +
           "</queryParam></HOLERESULTFLOOR:findHoleResultFloors>"},
      {"remove floors", Writes<HOLERESULTFLOOR__removeHoleResultFloors>("HOLERESULTFLOOR", "removeHoleResultFloors",
                                                                        Key(1, 2)),
       "<HOLERESULTFLOOR:removeHoleResultFloors><queryParam>" + key +
           "</queryParam></HOLERESULTFLOOR:removeHoleResultFloors>"},
      {"add floors",
       Writes<HOLERESULTFLOOR__addHoleResultFloors>("HOLERESULTFLOOR", "addHoleResultFloors",
                                                    List({Make(StHoleResultFloorInfo{1, 2, L"二层", L""})})),
       "<HOLERESULTFLOOR:addHoleResultFloors><resultFloors xsi:type=\"HOLERESULTFLOOR:holeResultFloorInfo\">" + key +
           "<floor>二层</floor><resultName/></resultFloors></HOLERESULTFLOOR:addHoleResultFloors>"},
      {"get situation", Writes<HOLECHECKSITUATION__getHoleCheckSitaution>("HOLECHECKSITUATION",
                                                                           "getHoleCheckSitaution", Key(1, 2)),
       "<HOLECHECKSITUATION:getHoleCheckSitaution><uniqueparam>" + key +
           "</uniqueparam></HOLECHECKSITUATION:getHoleCheckSitaution>"},
      {"set situation",
       Writes<HOLECHECKSITUATION__setHoleCheckSituation>("HOLECHECKSITUATION", "setHoleCheckSituation",
                                                         Make(StHoleCheckSituation{1, 2, L"", L"r", true})),
       "<HOLECHECKSITUATION:setHoleCheckSituation><hcsituation xsi:type=\"HOLECHECKSITUATION:holeCheckSituation\">" + key +
           "<dateStamp/><ruleId>r</ruleId><unReleaseLock>true</unReleaseLock></hcsituation>"
           "</HOLECHECKSITUATION:setHoleCheckSituation>"},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.write(), kXmlHead + c.expected);
  }
}

void ExpectPoint(const boost::shared_ptr<StPoint> &point, double x, double y, double z) {
  ASSERT_TRUE(point);
  EXPECT_EQ(point->x, x);
  EXPECT_EQ(point->y, y);
  EXPECT_EQ(point->z, z);
}

// Read as it stands, and taken from an engine that frees each entry once it
// is converted (as the host has its results read): the same records, and
// the taken reply leaves nothing behind.
TEST(HoleResultConversion, ReadsHoleResultsWithEveryPartMade) {
  for (const bool taken : {false, true}) {
    SCOPED_TRACE(taken ? "taken" : "read");
    ConvertEngine engine("HOLERESULT");
    HOLERESULT__findHoleResultsResponse response;
    ASSERT_TRUE(engine.Read(
        "findHoleResults",
        "<return><clashPoint><x>1.5</x><y>-2</y><z>1e3</z></clashPoint>"
        "<directionVector><end><x>1</x><y>2</y><z>3</z></end></directionVector>"
        "<disposeState>1</disposeState><elevation><top>12.5</top></elevation><holeId>h1</holeId>"
        "<holePoint><x>4</x><y>5</y><z>6</z></holePoint><holeShape>2</holeShape><holeType>3</holeType>"
        "<majorComp>梁</majorComp><majorFloor>F1</majorFloor><majorProject>7</majorProject>"
        "<minorComp>管</minorComp><minorFloor>F2</minorFloor><minorProject>8</minorProject>"
        "<normalVector><x>0</x><y>0</y><z>1</z></normalVector><picFile><md5>m</md5></picFile>"
        "<pipelineVector><start><x>7</x><y>8</y><z>9</z></start><end><x>10</x><y>11</y><z>12</z></end>"
        "</pipelineVector><remarks>r</remarks><size>D100</size><viewport>v</viewport></return>"
        "<return><holeId>h2</holeId></return>"
        "<return xsi:nil=\"true\"/>",
        response));
    auto earlier = boost::make_shared<StHoleResult>();
    std::vector<boost::shared_ptr<StHoleResult>> results{earlier};
    if (taken) {
      KEEL::WEB::detail::LetReplyGoAsRead(engine.get(), true);
      EXPECT_TRUE(TakeResponse(response, results));
      EXPECT_TRUE(response.return_.empty());
      EXPECT_EQ(engine.get()->clist, nullptr);
    } else {
      EXPECT_TRUE(ReadResponse(response, results));
    }
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0], earlier);

    const StHoleResult &full = *results[1];
    ExpectPoint(full.clashPoint, 1.5, -2, 1000);
    ASSERT_TRUE(full.directionVector);
    ExpectPoint(full.directionVector->end, 1, 2, 3);
    ExpectPoint(full.directionVector->start, 0, 0, 0);
    EXPECT_EQ(full.disposeState, 1);
    ASSERT_TRUE(full.elevation);
    EXPECT_EQ(full.elevation->bottom, 0.0);
    EXPECT_EQ(full.elevation->top, 12.5);
    EXPECT_EQ(full.holeId, L"h1");
    ExpectPoint(full.holePoint, 4, 5, 6);
    EXPECT_EQ(full.holeShape, 2);
    EXPECT_EQ(full.holeType, 3);
    EXPECT_EQ(full.majorComp, L"梁");
    EXPECT_EQ(full.majorFloor, L"F1");
    EXPECT_EQ(full.majorProject, 7);
    EXPECT_EQ(full.minorComp, L"管");
    EXPECT_EQ(full.minorFloor, L"F2");
    EXPECT_EQ(full.minorProject, 8);
    ExpectPoint(full.normalVector, 0, 0, 1);
    ASSERT_TRUE(full.picFile);
    EXPECT_EQ(full.picFile->md5, L"m");
    ASSERT_TRUE(full.pipelineVector);
    ExpectPoint(full.pipelineVector->start, 7, 8, 9);
    ExpectPoint(full.pipelineVector->end, 10, 11, 12);
    EXPECT_EQ(full.remarks, L"r");
    EXPECT_EQ(full.size, L"D100");
    EXPECT_EQ(full.viewport, L"v");

    const StHoleResult &bare = *results[2];
    ExpectPoint(bare.clashPoint, 0, 0, 0);
    ExpectPoint(bare.holePoint, 0, 0, 0);
    ExpectPoint(bare.normalVector, 0, 0, 0);
    ASSERT_TRUE(bare.directionVector);
    EXPECT_FALSE(bare.directionVector->end);
    EXPECT_FALSE(bare.directionVector->start);
    ASSERT_TRUE(bare.pipelineVector);
    EXPECT_FALSE(bare.pipelineVector->end);
    ASSERT_TRUE(bare.elevation);
    EXPECT_EQ(bare.elevation->bottom, 0.0);
    EXPECT_EQ(bare.elevation->top, 0.0);
    ASSERT_TRUE(bare.picFile);
    EXPECT_EQ(bare.picFile->md5, L"");
    EXPECT_EQ(bare.disposeState, 0);
    EXPECT_EQ(bare.minorProject, 0);
    EXPECT_EQ(bare.holeId, L"h2");

    ASSERT_TRUE(results[3]);
    EXPECT_FALSE(results[3]->clashPoint);
    EXPECT_EQ(results[3]->holeId, L"");
  }
}

// An engine that lets its reply go frees only entries of its own, listed in
// the order it made them: any other list is read whole, nothing freed.
TEST(HoleResultConversion, TakenListOfOtherEntriesFreesNothing) {
  std::string ids[2] = {"x", "y"};
  HOLERESULT__holeResult others[2];
  for (int i = 0; i < 2; ++i) {
    others[i].soap_default(nullptr);
    others[i].holeId = &ids[i];
  }
  struct Case {
    const char *name;
    std::function<std::vector<HOLERESULT__holeResult *>(const std::vector<HOLERESULT__holeResult *> &)> list;
    std::vector<std::wstring> expected;
  } kTests[] = {
      {"made elsewhere", [&](const auto &) { return std::vector<HOLERESULT__holeResult *>{&others[0], &others[1]}; },
       {L"x", L"y"}},
      {"out of order", [](const auto &made) { return std::vector<HOLERESULT__holeResult *>{made[1], made[0]}; },
       {L"b", L"a"}},
      {"listed twice", [](const auto &made) { return std::vector<HOLERESULT__holeResult *>{made[0], made[0]}; },
       {L"a", L"a"}},
  };
  for (const Case &c : kTests) {
    SCOPED_TRACE(c.name);
    ConvertEngine engine("HOLERESULT");
    HOLERESULT__findHoleResultsResponse parsed;
    ASSERT_TRUE(engine.Read("findHoleResults",
                            "<return><holeId>a</holeId></return><return><holeId>b</holeId></return>", parsed));
    const soap_clist *before = engine.get()->clist;
    HOLERESULT__findHoleResultsResponse response;
    response.soap_default(engine.get());
    response.return_ = c.list(parsed.return_);
    KEEL::WEB::detail::LetReplyGoAsRead(engine.get(), true);
    std::vector<boost::shared_ptr<StHoleResult>> results;
    EXPECT_TRUE(TakeResponse(response, results));
    ASSERT_EQ(results.size(), c.expected.size());
    for (size_t i = 0; i < results.size(); ++i) EXPECT_EQ(results[i]->holeId, c.expected[i]);
    EXPECT_EQ(engine.get()->clist, before);
    EXPECT_EQ(*parsed.return_[0]->holeId, "a");
  }
}

// A hole result's nested records share storage; each stays its own record
// and lives as long as it is held, not as long as its hole result.
TEST(HoleResultConversion, NestedRecordsAreDistinctAndOutliveTheirHoleResult) {
  ConvertEngine engine("HOLERESULT");
  HOLERESULT__findHoleResultsResponse response;
  ASSERT_TRUE(engine.Read("findHoleResults",
                          "<return><clashPoint><x>1</x><y>1</y><z>1</z></clashPoint>"
                          "<directionVector><end/><start/></directionVector>"
                          "<pipelineVector><start><x>7</x><y>8</y><z>9</z></start><end/></pipelineVector>"
                          "<picFile><md5>m</md5></picFile></return>",
                          response));
  std::vector<boost::shared_ptr<StHoleResult>> results;
  ReadResponse(response, results);
  ASSERT_EQ(results.size(), 1u);
  boost::shared_ptr<StPoint> clash = results[0]->clashPoint;
  boost::shared_ptr<StDirection> pipeline = results[0]->pipelineVector;
  boost::shared_ptr<StMoxFileAttribute> file = results[0]->picFile;
  const std::vector<const void *> parts{clash.get(), results[0]->holePoint.get(), results[0]->normalVector.get(),
                                        results[0]->directionVector->end.get(),
                                        results[0]->directionVector->start.get(), pipeline->end.get(),
                                        pipeline->start.get(), results[0]->elevation.get(), file.get()};
  for (size_t i = 0; i < parts.size(); ++i)
    for (size_t k = i + 1; k < parts.size(); ++k) EXPECT_NE(parts[i], parts[k]) << i << " and " << k;
  results.clear();
  ExpectPoint(clash, 1, 1, 1);
  ExpectPoint(pipeline->start, 7, 8, 9);
  EXPECT_EQ(file->md5, L"m");
  clash->x = 2;
  ExpectPoint(pipeline->start, 7, 8, 9);
}

TEST(HoleResultConversion, ReadsFloorsAndSituation) {
  ConvertEngine floorEngine("HOLERESULTFLOOR");
  HOLERESULTFLOOR__findHoleResultFloorsResponse floors;
  ASSERT_TRUE(floorEngine.Read("findHoleResultFloors",
                               "<return><belongTo>1</belongTo><wsid>2</wsid><floor>一层</floor>"
                               "<resultName>n</resultName></return><return/>",
                               floors));
  std::vector<boost::shared_ptr<StHoleResultFloorInfo>> infos{boost::make_shared<StHoleResultFloorInfo>()};
  EXPECT_TRUE(ReadResponse(floors, infos));
  ASSERT_EQ(infos.size(), 3u);
  EXPECT_EQ(infos[1]->belongTo, 1);
  EXPECT_EQ(infos[1]->wsid, 2);
  EXPECT_EQ(infos[1]->floor, L"一层");
  EXPECT_EQ(infos[1]->resultName, L"n");
  EXPECT_EQ(infos[2]->belongTo, 0);
  EXPECT_EQ(infos[2]->floor, L"");

  ConvertEngine engine("HOLECHECKSITUATION");
  auto earlier = Make(StHoleCheckSituation{5, 5, L"d", L"r", true});
  boost::shared_ptr<StHoleCheckSituation> situation = earlier;
  HOLECHECKSITUATION__getHoleCheckSitautionResponse empty;
  ASSERT_TRUE(engine.Read("getHoleCheckSitaution", "", empty));
  EXPECT_TRUE(ReadResponse(empty, situation));
  ASSERT_TRUE(situation);
  EXPECT_NE(situation, earlier);
  EXPECT_EQ(earlier->belongTo, 5);
  EXPECT_EQ(situation->belongTo, 0);
  EXPECT_EQ(situation->ruleId, L"");
  EXPECT_FALSE(situation->unReleaseLock);

  HOLECHECKSITUATION__getHoleCheckSitautionResponse filled;
  ASSERT_TRUE(engine.Read("getHoleCheckSitaution",
                          "<return><wsid>3</wsid><dateStamp>2024</dateStamp><ruleId>规则</ruleId>"
                          "<unReleaseLock>1</unReleaseLock></return>",
                          filled));
  EXPECT_TRUE(ReadResponse(filled, situation));
  EXPECT_EQ(situation->belongTo, 0);
  EXPECT_EQ(situation->wsid, 3);
  EXPECT_EQ(situation->dateStamp, L"2024");
  EXPECT_EQ(situation->ruleId, L"规则");
  EXPECT_TRUE(situation->unReleaseLock);
}

}  // namespace
}  // namespace kv::test
