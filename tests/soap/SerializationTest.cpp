// Writing and reading wire classes: member order, absent members, lenient
// reading, required members, 64-bit values, UTF-8 text and byte blocks.
#include <gtest/gtest.h>

#include <string>

#include "LoopbackServer.h"
#include "Proxies.h"
#include "WireIo.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

TEST(Serialization, WritesMembersInOrderAndLeavesOutNullOnes) {
  Engine e("CLASHRULE");
  UseUtf8(e.engine);
  std::string md5 = "d41d8cd9", name = "默认规则";
  LONG64 size = 9007199254740993LL;  // 2^53 + 1
  CLASHRULE__moxFileAttribute file;
  file.md5 = &md5;
  file.size = &size;
  CLASHRULE__clashRule4Add rule;
  rule.ruleFile = &file;
  rule.ruleName = &name;
  CLASHRULE__addClashRule request;
  request.clashRule = &rule;
  std::string xml = WithoutNamespaceDeclarations(WriteElement(e.get(), request, "CLASHRULE:addClashRule"));
  EXPECT_NE(xml.find("<CLASHRULE:addClashRule><clashRule><ruleFile><md5>d41d8cd9</md5>"
                     "<size>9007199254740993</size></ruleFile><ruleName>默认规则</ruleName></clashRule>"
                     "</CLASHRULE:addClashRule>"),
            std::string::npos)
      << xml;
  EXPECT_EQ(xml.find("nil"), std::string::npos);
  EXPECT_EQ(xml.find(" id="), std::string::npos);
  EXPECT_EQ(xml.find("href"), std::string::npos);
}

TEST(Serialization, ReadsLenientlyInAnyOrderFirstValueWins) {
  Engine e("CLASHRULE");
  UseUtf8(e.engine);
  const std::string xml = std::string("<CLASHRULE:listClashRulesResponse xmlns:CLASHRULE=\"") +
                          kv::wire::kClashAreaUri +
                          "\">"
                          "<return><ruleName>甲</ruleName><unknown><deep>x</deep>text</unknown>"
                          "<ruleId>1</ruleId><ruleId>2</ruleId><isDefaultRule>true</isDefaultRule>"
                          "<ruleFile><size>4294967296</size></ruleFile></return>"
                          "<return/>"
                          "<return><ruleId>3</ruleId></return>"
                          "</CLASHRULE:listClashRulesResponse>";
  CLASHRULE__listClashRulesResponse response;
  ASSERT_NE(ReadElement(e.get(), xml, "CLASHRULE:listClashRulesResponse", &response), nullptr)
      << e.engine.error;
  ASSERT_EQ(response.return_.size(), 3u);
  const CLASHRULE__clashRule &first = *response.return_[0];
  EXPECT_EQ(*first.ruleName, "甲");
  EXPECT_EQ(*first.ruleId, "1");
  EXPECT_TRUE(*first.isDefaultRule);
  EXPECT_EQ(*first.ruleFile->size, 4294967296LL);
  EXPECT_EQ(first.ruleFile->md5, nullptr);
  const CLASHRULE__clashRule &empty = *response.return_[1];
  EXPECT_EQ(empty.ruleId, nullptr);
  EXPECT_EQ(empty.ruleName, nullptr);
  EXPECT_EQ(empty.isDefaultRule, nullptr);
  EXPECT_EQ(*response.return_[2]->ruleId, "3");
}

TEST(Serialization, BooleanTexts) {
  const struct {
    const char *text;
    bool value;
  } kCases[] = {{"true", true}, {"false", false}, {"1", true}, {"0", false}};
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.text);
    Engine e("HOLERULE");
    const std::string xml = std::string("<HOLERULE:cloneHoleRuleResponse xmlns:HOLERULE=\"") +
                            kv::wire::kHoleAreaUri + "\"><return><isDefaultRule>" + c.text +
                            "</isDefaultRule></return></HOLERULE:cloneHoleRuleResponse>";
    HOLERULE__cloneHoleRuleResponse response;
    ASSERT_NE(ReadElement(e.get(), xml, "HOLERULE:cloneHoleRuleResponse", &response), nullptr);
    EXPECT_EQ(*response.return_->isDefaultRule, c.value);
  }
}

TEST(Serialization, RequiredMembersAreAlwaysWrittenAndDefaultWhenMissing) {
  Engine e("HOLERESULT");
  HOLERESULT__basicPage page;  // never set: 0 and 0
  page.soap_default(nullptr);
  HOLERESULT__findHoleResults request;
  request.all = &page;
  std::string xml = WithoutNamespaceDeclarations(WriteElement(e.get(), request, "HOLERESULT:findHoleResults"));
  EXPECT_NE(xml.find("<all><currentPage>0</currentPage><pageSize>0</pageSize></all>"), std::string::npos) << xml;

  const std::string reply = std::string("<HOLERESULT:findHoleResultsResponse xmlns:HOLERESULT=\"") +
                            kv::wire::kHoleAreaUri +
                            "\"><return><clashPoint><x>1.5</x><y>-2</y></clashPoint>"
                            "<directionVector><end><x>1</x><y>2</y><z>3</z></end></directionVector>"
                            "<elevation><top>12.25</top></elevation></return>"
                            "</HOLERESULT:findHoleResultsResponse>";
  HOLERESULT__findHoleResultsResponse response;
  ASSERT_NE(ReadElement(e.get(), reply, "HOLERESULT:findHoleResultsResponse", &response), nullptr);
  const HOLERESULT__holeResult &hole = *response.return_.at(0);
  EXPECT_DOUBLE_EQ(hole.clashPoint->x, 1.5);
  EXPECT_DOUBLE_EQ(hole.clashPoint->y, -2);
  EXPECT_DOUBLE_EQ(hole.clashPoint->z, 0.0);
  EXPECT_EQ(hole.directionVector->start, nullptr);
  EXPECT_DOUBLE_EQ(hole.directionVector->end->z, 3);
  EXPECT_EQ(hole.elevation->bottom, nullptr);
  EXPECT_DOUBLE_EQ(*hole.elevation->top, 12.25);
}

TEST(Serialization, NilItemOfAVectorKeepsItsPosition) {
  Engine e("DEVICE");
  const std::string xml = std::string("<DEVICE:listDeviceResponse xmlns:DEVICE=\"") + kv::wire::kPathwalkAreaUri +
                          "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
                          "<return><deviceId>a</deviceId></return><return xsi:nil=\"true\"/>"
                          "<return><deviceId>c</deviceId></return></DEVICE:listDeviceResponse>";
  DEVICE__listDeviceResponse response;
  ASSERT_NE(ReadElement(e.get(), xml, "DEVICE:listDeviceResponse", &response), nullptr);
  ASSERT_EQ(response.return_.size(), 3u);
  EXPECT_EQ(*response.return_[0]->deviceId, "a");
  EXPECT_EQ(response.return_[1], nullptr);
  EXPECT_EQ(*response.return_[2]->deviceId, "c");
}

TEST(Serialization, StringVectorsAndEmptyStrings) {
  Engine e("HOLERESULT");
  HOLERESULT__removeHoleResultsByIds request;
  request.holeIds = {"h1", ""};
  HOLERESULT__affiliateQueryParam query;
  int belongTo = 7;
  query.belongTo = &belongTo;
  request.queryParam = &query;
  std::string xml =
      WithoutNamespaceDeclarations(WriteElement(e.get(), request, "HOLERESULT:removeHoleResultsByIds"));
  EXPECT_NE(xml.find("<holeIds>h1</holeIds><holeIds/><queryParam><belongTo>7</belongTo></queryParam>"),
            std::string::npos)
      << xml;
}

TEST(Serialization, ByteBlocksInlineAndAsMtomAttachment) {
  LoopbackServer server;
  const std::string ok = std::string("<DEVICE:editDeviceResponse xmlns:DEVICE=\"") + kv::wire::kPathwalkAreaUri +
                         "\"/>";
  server.ReplySoap(ok);
  server.ReplySoap(ok);
  unsigned char bytes[] = {0x89, 'P', 'N', 'G', 0, 0xff};
  for (bool attachment : {false, true}) {
    SCOPED_TRACE(attachment ? "mtom" : "inline");
    VXBeingExtractedDeviceWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
    UseUtf8(proxy);
    std::string url = server.Url("/");
    proxy.soap_endpoint = url.c_str();
    xsd__base64Binary picture;
    picture.soap_default(nullptr);
    picture.__ptr = bytes;
    picture.__size = sizeof bytes;
    if (attachment) picture.type = const_cast<char *>("application/octet-stream");
    DEVICE__device4Edit device;
    device.soap_default(nullptr);
    device.picFile = &picture;
    DEVICE__editDevice request;
    request.devices.push_back(&device);
    DEVICE__editDeviceResponse response;
    ASSERT_EQ(proxy.editDevice(&request, &response), SOAP_OK);
    RecordedRequest sent = server.LastRequest();
    if (attachment) {
      EXPECT_NE(sent.Header("Content-Type").find("multipart/related"), std::string::npos);
      EXPECT_NE(sent.body.find("xop:Include"), std::string::npos);
      EXPECT_NE(sent.body.find(std::string(reinterpret_cast<char *>(bytes), sizeof bytes)), std::string::npos);
    } else {
      EXPECT_NE(sent.Header("Content-Type").find("text/xml"), std::string::npos);
      EXPECT_NE(sent.body.find("<picFile>iVBORwD/</picFile>"), std::string::npos) << sent.body;
    }
  }
}

TEST(Serialization, ReadsBase64Bytes) {
  Engine e("DEVICE");
  const std::string xml = std::string("<DEVICE:getListDevicePicFileResponse xmlns:DEVICE=\"") +
                          kv::wire::kPathwalkAreaUri +
                          "\"><return><picFileLength>6</picFileLength><deviceId>d</deviceId>"
                          "<picFile>iVBORwD/</picFile></return></DEVICE:getListDevicePicFileResponse>";
  DEVICE__getListDevicePicFileResponse response;
  ASSERT_NE(ReadElement(e.get(), xml, "DEVICE:getListDevicePicFileResponse", &response), nullptr);
  const DEVICE__devicePicFile &pic = *response.return_.at(0);
  ASSERT_EQ(pic.picFile->__size, 6);
  EXPECT_EQ(std::string(reinterpret_cast<char *>(pic.picFile->__ptr), 6), std::string("\x89PNG\0\xff", 6));
  EXPECT_EQ(*pic.picFileLength, 6);
}

}  // namespace
}  // namespace kv::test
