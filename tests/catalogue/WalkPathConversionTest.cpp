// Walk-path conversions: every path member is always sent; path data as
// bytes; results appended to the caller's list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConvertTestUtil.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;

TEST(WalkPathConversion, WritesRequests) {
  ConvertEngine engine("WALKPATH");
  CValueKeeper keeper;

  auto empty = boost::make_shared<StPath4Add>();
  auto filled = boost::make_shared<StPath4Add>();
  filled->belongTo = 3;
  filled->deviceId = L"d1";
  filled->pathName = L"巡视路线";
  const unsigned char data[] = {'a', 0, 'b'};
  filled->pathdata.ptr = data;
  filled->pathdata.size = sizeof data;
  filled->pathdata.isOctetStream = false;
  filled->wsid = -1;
  WALKPATH__addPath add;
  WriteRequest(add, keeper, std::vector<boost::shared_ptr<StPath4Add>>{empty, filled});
  EXPECT_EQ(engine.Write(add, "addPath"),
            kXmlHead + std::string("<WALKPATH:addPath>"
                                   "<paths><belongTo>0</belongTo><deviceId/><pathName/><pathdata></pathdata>"
                                   "<wsid>0</wsid></paths>"
                                   "<paths><belongTo>3</belongTo><deviceId>d1</deviceId><pathName>巡视路线</pathName>"
                                   "<pathdata>YQBi</pathdata><wsid>-1</wsid></paths>"
                                   "</WALKPATH:addPath>"));

  auto edited = boost::make_shared<StPath4Edit>();
  edited->pathId = L"p1";
  WALKPATH__editPath edit;
  WriteRequest(edit, keeper, std::vector<boost::shared_ptr<StPath4Edit>>{nullptr, edited});
  EXPECT_EQ(engine.Write(edit, "editPath"),
            kXmlHead + std::string("<WALKPATH:editPath><path xsi:type=\"WALKPATH:path4Edit\"><belongTo>0</belongTo><deviceId/><pathName/>"
                                   "<pathdata></pathdata><wsid>0</wsid><pathId>p1</pathId></path>"
                                   "</WALKPATH:editPath>"));

  WALKPATH__listPath list;
  WriteRequest(list, keeper, StListPath{0, 12});
  EXPECT_EQ(engine.Write(list, "listPath"),
            kXmlHead + std::string("<WALKPATH:listPath><id>0</id><belongTo>12</belongTo></WALKPATH:listPath>"));

  WALKPATH__renamePath rename;
  WriteRequest(rename, keeper, StRenamePath{L"p1", L"新路线"});
  EXPECT_EQ(engine.Write(rename, "renamePath"),
            kXmlHead + std::string("<WALKPATH:renamePath><pathId>p1</pathId><pathName>新路线</pathName>"
                                   "</WALKPATH:renamePath>"));

  WALKPATH__removePath remove;
  WriteRequest(remove, keeper, std::vector<std::wstring>{L"p1", L"p2"});
  EXPECT_EQ(engine.Write(remove, "removePath"),
            kXmlHead + std::string("<WALKPATH:removePath><pathId>p1</pathId><pathId>p2</pathId>"
                                   "</WALKPATH:removePath>"));
}

TEST(WalkPathConversion, ReadsPathsAfterTheCallersOwn) {
  const char kPaths[] =
      "<return><belongTo>3</belongTo><deviceId>d1</deviceId><pathName>路线</pathName>"
      "<pathdata>YQBi</pathdata><wsid>8</wsid><pathId>p1</pathId></return>"
      "<return><pathId>p2</pathId></return>";
  ConvertEngine engine("WALKPATH");
  WALKPATH__listPathResponse listed;
  WALKPATH__addPathResponse added;
  WALKPATH__editPathResponse edited;
  ASSERT_TRUE(engine.Read("listPath", kPaths, listed));
  ASSERT_TRUE(engine.Read("addPath", kPaths, added));
  ASSERT_TRUE(engine.Read("editPath", kPaths, edited));
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE(pass);
    auto earlier = boost::make_shared<StPath>();
    std::vector<boost::shared_ptr<StPath>> paths{earlier};
    EXPECT_TRUE(pass == 0   ? ReadResponse(listed, paths)
                : pass == 1 ? ReadResponse(added, paths)
                            : ReadResponse(edited, paths));
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], earlier);
    EXPECT_EQ(paths[1]->belongTo, 3);
    EXPECT_EQ(paths[1]->deviceId, L"d1");
    EXPECT_EQ(paths[1]->pathName, L"路线");
    EXPECT_EQ(paths[1]->pathdata.bytes, std::string("a\0b", 3));
    EXPECT_EQ(paths[1]->pathdata.size, 0);
    EXPECT_EQ(paths[1]->wsid, 8);
    EXPECT_EQ(paths[1]->pathId, L"p1");
    EXPECT_EQ(paths[2]->belongTo, 0);
    EXPECT_EQ(paths[2]->wsid, 0);
    EXPECT_EQ(paths[2]->pathdata.bytes, "");
    EXPECT_EQ(paths[2]->pathId, L"p2");
  }

  WALKPATH__removePathResponse removed;
  ASSERT_TRUE(engine.Read("removePath", "<return>p1</return><return>路线2</return>", removed));
  std::vector<std::wstring> ids;
  EXPECT_TRUE(ReadResponse(removed, ids));
  EXPECT_EQ(ids, (std::vector<std::wstring>{L"p1", L"路线2"}));
}

}  // namespace
}  // namespace kv::test
