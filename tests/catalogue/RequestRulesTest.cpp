// Rules every conversion shares: repeated writes add to the request,
// kept values stay put, bad text never throws or loses its neighbours,
// received byte blocks are copied whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConvertTestUtil.h"
#include "catalogue/convert/BinaryConvert.h"
#include "catalogue/convert/WideText.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;

TEST(RequestRules, SecondWriteAddsToTheRequestAndKeepsTheFirst) {
  ConvertEngine engine("CLASHRESULTRELATED");
  CValueKeeper keeper;
  CLASHRESULTRELATED__removeSignClashResultId request;
  WriteRequest(request, keeper,
               StRemoveSignClashResultId{{L"c1"}, boost::make_shared<StClashResultUnique>(StClashResultUnique{1, 2}),
                                         boost::make_shared<StBasicPage>(StBasicPage{0, 10})});
  // Identifier texts live in the request; the first kept value is belongTo.
  const int *firstKept = boost::any_cast<int>(&keeper.front());
  ASSERT_NE(firstKept, nullptr);
  EXPECT_EQ(request.clashResultUnique->belongTo, firstKept);
  // A second input with null parts leaves the first parts in place and
  // appends its identifiers.
  WriteRequest(request, keeper, StRemoveSignClashResultId{{L"c2"}, nullptr, nullptr});
  for (int i = 0; i < 1000; ++i) keeper.Add(i);
  EXPECT_EQ(boost::any_cast<int>(&keeper.front()), firstKept);
  EXPECT_EQ(*firstKept, 1);
  EXPECT_EQ(engine.Write(request, "removeSignClashResultId"),
            kXmlHead + std::string("<CLASHRESULTRELATED:removeSignClashResultId><clashId>c1</clashId>"
                                   "<clashId>c2</clashId><clashResultUnique><belongTo>1</belongTo><wsid>2</wsid>"
                                   "</clashResultUnique><page><currentPage>0</currentPage><pageSize>10</pageSize>"
                                   "</page></CLASHRESULTRELATED:removeSignClashResultId>"));

  // Record lists append; single members take the latest value.
  ConvertEngine holes("HOLERESULT");
  HOLERESULT__changeHoleResultStates states;
  const auto one = boost::make_shared<StHoleResultState>(StHoleResultState{0, 0, L"h1", 1});
  WriteRequest(states, keeper, std::vector<boost::shared_ptr<StHoleResultState>>{one});
  WriteRequest(states, keeper, std::vector<boost::shared_ptr<StHoleResultState>>{one});
  EXPECT_EQ(states.handleStates.size(), 2u);
  ConvertEngine rules("CLASHRULE");
  CLASHRULE__renameClashRule rename;
  WriteRequest(rename, keeper, StRenameClashRule{L"r1", L"a"});
  WriteRequest(rename, keeper, StRenameClashRule{L"r2", L"b"});
  EXPECT_EQ(rules.Write(rename, "renameClashRule"),
            kXmlHead + std::string("<CLASHRULE:renameClashRule><ruleId>r2</ruleId><newName>b</newName>"
                                   "</CLASHRULE:renameClashRule>"));
  keeper.Clear();
  EXPECT_TRUE(keeper.empty());
}

TEST(RequestRules, InvalidTextNeverThrowsNorLosesItsNeighbours) {
  const std::wstring kReplacement(1, L'\xFFFD');
  const struct {
    const char *name;
    std::string utf8;
  } kCases[] = {
      {"stray continuation bytes", "ab\x80\xbf中"},
      {"invalid lead bytes", "ab\xff\xfe中"},
      {"truncated sequence", "ab\xe4\xb8"},
      {"overlong encoding", "ab\xc0\xaf中"},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    std::string text = c.utf8;
    CLASHRULE__addClashRuleResponse response;
    response.return_ = &text;
    std::wstring wide;
    ASSERT_NO_THROW(ReadResponse(response, wide));
    EXPECT_EQ(wide.compare(0, 2, L"ab"), 0);
    EXPECT_NE(wide.find(kReplacement), std::wstring::npos);
    if (c.utf8.find("中") != std::string::npos) EXPECT_EQ(wide.back(), L'中');

    DEVICE__removeDeviceResponse list;
    list.return_ = {c.utf8, "ok"};
    std::vector<std::wstring> texts;
    ASSERT_NO_THROW(ReadResponse(list, texts));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], L"ok");
  }

  // Wide text that is no Unicode goes out as valid UTF-8 around a
  // replacement character.
  for (wchar_t bad : {static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000)}) {
    SCOPED_TRACE(static_cast<unsigned>(bad));
    std::wstring input = L"ab";
    input += bad;
    input += L"中";
    CValueKeeper keeper;
    CLASHRULE__removeClashRule request;
    ASSERT_NO_THROW(WriteRequest(request, keeper, input));
    ASSERT_NE(request.ruleId, nullptr);
    EXPECT_EQ(*request.ruleId, "ab\xef\xbf\xbd中");
  }
}

TEST(RequestRules, ReceivedBytesAreCopiedWhole) {
  unsigned char bytes[] = {0, 'a', 0, 0xff};
  const struct {
    const char *name;
    unsigned char *ptr;
    int size;
    std::string expected;
  } kCases[] = {
      {"embedded zero bytes", bytes, 4, std::string("\0a\0\xff", 4)},
      {"empty", bytes, 0, ""},
      {"negative size", bytes, -3, ""},
      {"no data", nullptr, 4, ""},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    xsd__base64Binary binary;
    binary.__ptr = c.ptr;
    binary.__size = c.size;
    const StBinaryData data = ToBinaryData(&binary);
    EXPECT_EQ(data.bytes, c.expected);
    EXPECT_EQ(data.ptr, nullptr);
    EXPECT_EQ(data.size, 0);
    EXPECT_TRUE(data.isOctetStream);
  }
  EXPECT_EQ(ToBinaryData(nullptr).bytes, "");
  EXPECT_EQ(ToWide(nullptr), L"");
}

}  // namespace
}  // namespace kv::test
