// Clash-result and clash-result overview conversions.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ConvertTestUtil.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;

boost::shared_ptr<StClashResultUnique> Key(int belongTo, int wsid) { return Make(StClashResultUnique{belongTo, wsid}); }

boost::shared_ptr<StClashResult> Result(const std::wstring &id) {
  auto result = boost::make_shared<StClashResult>();
  result->clashId = id;
  return result;
}

TEST(ClashResultConversion, WritesRequests) {
  auto withFile = Make(StClashResultPicViewport{1, 2, L"c1", Make(StMoxFileAttribute{L"m", 4294967296LL, L"u"}), L"v"});
  auto full = Result(L"c1");
  full->clashModel = L"结构";
  full->clashPoint = L"1,2,3";
  full->disposeState = 2;
  full->lesserProject = 7;
  full->majorProject = -1;
  full->picFile = Make(StMoxFileAttribute{});

  const struct {
    const char *name;
    std::function<std::string()> write;
    const char *expected;
  } kCases[] = {
      {"remarks", Writes<CLASHRESULTRELATED__setResultRemarks>("CLASHRESULTRELATED", "setResultRemarks",
                                                               List({Make(StClashResultRemarks{1, 2, L"c1", L"已处理"}),
                                                                     Make(StClashResultRemarks{})})),
       "<CLASHRESULTRELATED:setResultRemarks>"
       "<remarks xsi:type=\"CLASHRESULTRELATED:clashResultRemarks\"><belongTo>1</belongTo><wsid>2</wsid><clashId>c1</clashId><remarks>已处理</remarks></remarks>"
       "<remarks xsi:type=\"CLASHRESULTRELATED:clashResultRemarks\"><belongTo>0</belongTo><wsid>0</wsid><clashId/><remarks/></remarks>"
       "</CLASHRESULTRELATED:setResultRemarks>"},
      {"dispose states",
       Writes<CLASHRESULTRELATED__setResultDisposeState>("CLASHRESULTRELATED", "setResultDisposeState",
                                                         List({Make(StClashResultDisposeState{1, 2, L"c1", 0})})),
       "<CLASHRESULTRELATED:setResultDisposeState><disposeStates xsi:type=\"CLASHRESULTRELATED:clashResultDisposeState\"><belongTo>1</belongTo><wsid>2</wsid>"
       "<clashId>c1</clashId><disposeState>0</disposeState></disposeStates>"
       "</CLASHRESULTRELATED:setResultDisposeState>"},
      {"pictures with and without file",
       Writes<CLASHRESULTRELATED__setResultPicViewport>(
           "CLASHRESULTRELATED", "setResultPicViewport",
           List({withFile, Make(StClashResultPicViewport{0, 0, L"c2", nullptr, L""})})),
       "<CLASHRESULTRELATED:setResultPicViewport>"
       "<picViewport xsi:type=\"CLASHRESULTRELATED:clashResultPicViewport\"><belongTo>1</belongTo><wsid>2</wsid><clashId>c1</clashId>"
       "<picFile><md5>m</md5><size>4294967296</size><uuid>u</uuid></picFile><viewport>v</viewport></picViewport>"
       "<picViewport xsi:type=\"CLASHRESULTRELATED:clashResultPicViewport\"><belongTo>0</belongTo><wsid>0</wsid><clashId>c2</clashId><viewport/></picViewport>"
       "</CLASHRESULTRELATED:setResultPicViewport>"},
      {"floors", Writes<CLASHRESULTRELATED__removeFloorClashResult>(
                     "CLASHRESULTRELATED", "removeFloorClashResult", List({Make(StClashResultFloor{1, 2, L"F1", 5})})),
       "<CLASHRESULTRELATED:removeFloorClashResult><clashResultFloors xsi:type=\"CLASHRESULTRELATED:clashResultFloor\"><belongTo>1</belongTo><wsid>2</wsid>"
       "<majorFloor>F1</majorFloor><majorProject>5</majorProject></clashResultFloors>"
       "</CLASHRESULTRELATED:removeFloorClashResult>"},
      {"clear removed", Writes<CLASHRESULTRELATED__clearRemovedClashResult>("CLASHRESULTRELATED",
                                                                             "clearRemovedClashResult", Key(1, 0)),
       "<CLASHRESULTRELATED:clearRemovedClashResult><clashResultUnique><belongTo>1</belongTo><wsid>0</wsid>"
       "</clashResultUnique></CLASHRESULTRELATED:clearRemovedClashResult>"},
      {"remove signs with a null key",
       Writes<CLASHRESULTRELATED__removeSignAllClashResult>("CLASHRESULTRELATED", "removeSignAllClashResult",
                                                            boost::shared_ptr<StClashResultUnique>()),
       "<CLASHRESULTRELATED:removeSignAllClashResult></CLASHRESULTRELATED:removeSignAllClashResult>"},
      {"save all without page",
       Writes<CLASHRESULTRELATED__saveAllClashResult>(
           "CLASHRESULTRELATED", "saveAllClashResult",
           StSaveAllClashResult{List({full, boost::shared_ptr<StClashResult>(), Result(L"c2")}), Key(1, 2), nullptr}),
       "<CLASHRESULTRELATED:saveAllClashResult>"
       "<clashResultInfos><clashId>c1</clashId><clashModel>结构</clashModel><clashPoint>1,2,3</clashPoint>"
       "<disposeState>2</disposeState><lesserComp/><lesserFloor/><lesserProject>7</lesserProject>"
       "<majorComp/><majorFloor/><majorProject>-1</majorProject>"
       "<picFile><md5/><size>0</size><uuid/></picFile><remarks/><viewport/></clashResultInfos>"
       "<clashResultInfos><clashId>c2</clashId><clashModel/><clashPoint/><disposeState>0</disposeState>"
       "<lesserComp/><lesserFloor/><lesserProject>0</lesserProject><majorComp/><majorFloor/>"
       "<majorProject>0</majorProject><remarks/><viewport/></clashResultInfos>"
       "<clashResultUnique><belongTo>1</belongTo><wsid>2</wsid></clashResultUnique>"
       "</CLASHRESULTRELATED:saveAllClashResult>"},
      {"list with key and page",
       Writes<CLASHRESULTRELATED__getListClashResult>("CLASHRESULTRELATED", "getListClashResult",
                                                      StGetListClashResult{Key(1, 2), Make(StBasicPage{0, 50})}),
       "<CLASHRESULTRELATED:getListClashResult><clashResultUnique><belongTo>1</belongTo><wsid>2</wsid>"
       "</clashResultUnique><page><currentPage>0</currentPage><pageSize>50</pageSize></page>"
       "</CLASHRESULTRELATED:getListClashResult>"},
      {"remove signs by id",
       Writes<CLASHRESULTRELATED__removeSignClashResultId>(
           "CLASHRESULTRELATED", "removeSignClashResultId",
           StRemoveSignClashResultId{{L"c3", L"c1", L"c2"}, nullptr, Make(StBasicPage{2, 10})}),
       "<CLASHRESULTRELATED:removeSignClashResultId><clashId>c3</clashId><clashId>c1</clashId>"
       "<clashId>c2</clashId><page><currentPage>2</currentPage><pageSize>10</pageSize></page>"
       "</CLASHRESULTRELATED:removeSignClashResultId>"},
      {"overview floors", Writes<CLASHRESULTVIEW__getListClashResultFoor>("CLASHRESULTVIEW", "getListClashResultFoor",
                                                                           Key(4, 5)),
       "<CLASHRESULTVIEW:getListClashResultFoor><unique><belongTo>4</belongTo><wsid>5</wsid></unique>"
       "</CLASHRESULTVIEW:getListClashResultFoor>"},
      {"remove overview floors",
       Writes<CLASHRESULTVIEW__removeClashResultFoor>("CLASHRESULTVIEW", "removeClashResultFoor", Key(4, 5)),
       "<CLASHRESULTVIEW:removeClashResultFoor><unique><belongTo>4</belongTo><wsid>5</wsid></unique>"
       "</CLASHRESULTVIEW:removeClashResultFoor>"},
      {"get overview with a null key",
       Writes<CLASHRESULTVIEW__getClashResultOverview>("CLASHRESULTVIEW", "getClashResultOverview",
                                                       boost::shared_ptr<StClashResultUnique>()),
       "<CLASHRESULTVIEW:getClashResultOverview></CLASHRESULTVIEW:getClashResultOverview>"},
      {"add overview floors",
       Writes<CLASHRESULTVIEW__addClashResultFoor>("CLASHRESULTVIEW", "addClashResultFoor",
                                                   List({Make(StClashResultFloorInfo{1, 2, L"一层", L"结果"})})),
       "<CLASHRESULTVIEW:addClashResultFoor><resultFoors xsi:type=\"CLASHRESULTVIEW:clashResultFloorInfo\"><belongTo>1</belongTo><wsid>2</wsid>"
       "<floor>一层</floor><resultName>结果</resultName></resultFoors></CLASHRESULTVIEW:addClashResultFoor>"},
      {"set overview, unlocked flag still sent",
       Writes<CLASHRESULTVIEW__setClashResultOverview>(
           "CLASHRESULTVIEW", "setClashResultOverview",
           Make(StClashResultOverview{1, 2, L"2024-01-01", L"r1", false})),
       "<CLASHRESULTVIEW:setClashResultOverview><overview xsi:type=\"CLASHRESULTVIEW:clashResultOverview\"><belongTo>1</belongTo><wsid>2</wsid>"
       "<dateStamp>2024-01-01</dateStamp><ruleId>r1</ruleId><unReleaseLock>false</unReleaseLock></overview>"
       "</CLASHRESULTVIEW:setClashResultOverview>"},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.write(), kXmlHead + std::string(c.expected));
  }
}

TEST(ClashResultConversion, ReadsResultsAfterTheCallersOwn) {
  ConvertEngine engine("CLASHRESULTRELATED");
  CLASHRESULTRELATED__getListClashResultResponse response;
  ASSERT_TRUE(engine.Read("getListClashResult",
                          "<return><clashId>c1</clashId><clashModel>m</clashModel><clashPoint>p</clashPoint>"
                          "<disposeState>3</disposeState><lesserComp>lc</lesserComp><lesserFloor>lf</lesserFloor>"
                          "<lesserProject>4</lesserProject><majorComp>mc</majorComp><majorFloor>mf</majorFloor>"
                          "<majorProject>5</majorProject><picFile><uuid>u</uuid></picFile>"
                          "<remarks>需要返工</remarks><viewport>v</viewport></return>"
                          "<return><clashId>c2</clashId></return>"
                          "<return><clashId>c3</clashId></return>",
                          response));
  auto earlier = Result(L"c0");
  std::vector<boost::shared_ptr<StClashResult>> results{earlier};
  EXPECT_TRUE(ReadResponse(response, results));
  ASSERT_EQ(results.size(), 4u);
  EXPECT_EQ(results[0], earlier);
  const StClashResult &full = *results[1];
  EXPECT_EQ(full.clashId, L"c1");
  EXPECT_EQ(full.clashModel, L"m");
  EXPECT_EQ(full.clashPoint, L"p");
  EXPECT_EQ(full.disposeState, 3);
  EXPECT_EQ(full.lesserComp, L"lc");
  EXPECT_EQ(full.lesserFloor, L"lf");
  EXPECT_EQ(full.lesserProject, 4);
  EXPECT_EQ(full.majorComp, L"mc");
  EXPECT_EQ(full.majorFloor, L"mf");
  EXPECT_EQ(full.majorProject, 5);
  ASSERT_TRUE(full.picFile);
  EXPECT_EQ(full.picFile->uuid, L"u");
  EXPECT_EQ(full.picFile->size, 0);
  EXPECT_EQ(full.remarks, L"需要返工");
  EXPECT_EQ(full.viewport, L"v");

  const StClashResult &sparse = *results[2];
  EXPECT_EQ(sparse.clashId, L"c2");
  EXPECT_EQ(sparse.disposeState, 0);
  EXPECT_EQ(sparse.lesserProject, 0);
  EXPECT_EQ(sparse.majorProject, 0);
  EXPECT_EQ(sparse.remarks, L"");
  ASSERT_TRUE(sparse.picFile);
  EXPECT_EQ(sparse.picFile->md5, L"");
  EXPECT_EQ(sparse.picFile->uuid, L"");
  EXPECT_EQ(results[3]->clashId, L"c3");
}

TEST(ClashResultConversion, ReadsOverviewAndFloors) {
  ConvertEngine engine("CLASHRESULTVIEW");
  auto earlier = Make(StClashResultOverview{9, 9, L"d", L"r", true});
  boost::shared_ptr<StClashResultOverview> overview = earlier;
  CLASHRESULTVIEW__getClashResultOverviewResponse empty;
  ASSERT_TRUE(engine.Read("getClashResultOverview", "", empty));
  EXPECT_TRUE(ReadResponse(empty, overview));
  ASSERT_TRUE(overview);
  EXPECT_NE(overview, earlier);
  EXPECT_EQ(earlier->belongTo, 9);
  EXPECT_EQ(overview->belongTo, 0);
  EXPECT_EQ(overview->wsid, 0);
  EXPECT_EQ(overview->dateStamp, L"");
  EXPECT_EQ(overview->ruleId, L"");
  EXPECT_FALSE(overview->unReleaseLock);

  CLASHRESULTVIEW__getClashResultOverviewResponse filled;
  ASSERT_TRUE(engine.Read("getClashResultOverview",
                          "<return><belongTo>1</belongTo><wsid>2</wsid><dateStamp>今天</dateStamp>"
                          "<unReleaseLock>true</unReleaseLock></return>",
                          filled));
  EXPECT_TRUE(ReadResponse(filled, overview));
  EXPECT_EQ(overview->belongTo, 1);
  EXPECT_EQ(overview->wsid, 2);
  EXPECT_EQ(overview->dateStamp, L"今天");
  EXPECT_EQ(overview->ruleId, L"");
  EXPECT_TRUE(overview->unReleaseLock);

  CLASHRESULTVIEW__getListClashResultFoorResponse floors;
  ASSERT_TRUE(engine.Read("getListClashResultFoor",
                          "<return><belongTo>1</belongTo><floor>一层</floor><resultName>n</resultName></return>"
                          "<return xsi:nil=\"true\"/><return><wsid>2</wsid></return>",
                          floors));
  std::vector<boost::shared_ptr<StClashResultFloorInfo>> infos;
  EXPECT_TRUE(ReadResponse(floors, infos));
  ASSERT_EQ(infos.size(), 3u);
  EXPECT_EQ(infos[0]->belongTo, 1);
  EXPECT_EQ(infos[0]->wsid, 0);
  EXPECT_EQ(infos[0]->floor, L"一层");
  EXPECT_EQ(infos[0]->resultName, L"n");
  ASSERT_TRUE(infos[1]);
  EXPECT_EQ(infos[1]->floor, L"");
  EXPECT_EQ(infos[2]->wsid, 2);
}

}  // namespace
}  // namespace kv::test
