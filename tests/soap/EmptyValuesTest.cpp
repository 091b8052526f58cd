// Booleans and numbers without text: an element with no text reads as false
// or 0, a self-closed one leaves the member at its default; neither fails
// the record or the list around it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "LoopbackServer.h"
#include "Proxies.h"
#include "WireIo.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

const std::string kHoleNs = std::string(" xmlns:ns=\"") + kv::wire::kHoleAreaUri + "\"";

std::string HoleResults(const std::string &firstRecord) {
  return "<ns:findHoleResultsResponse" + kHoleNs + "><return>" + firstRecord +
         "</return><return><holeId>h2</holeId><disposeState>4</disposeState></return>"
         "</ns:findHoleResultsResponse>";
}

TEST(EmptyValues, NumbersInRecordsOfAList) {
  using Check = std::function<void(const HOLERESULT__holeResult &)>;
  const struct {
    const char *name;
    const char *record;
    Check check;
  } kCases[] = {
      {"int with no text", "<disposeState></disposeState>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.disposeState, nullptr);
         EXPECT_EQ(*r.disposeState, 0);
       }},
      {"int with white space only", "<disposeState> </disposeState>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.disposeState, nullptr);
         EXPECT_EQ(*r.disposeState, 0);
       }},
      {"int self-closed", "<disposeState/>", [](const HOLERESULT__holeResult &r) { EXPECT_EQ(r.disposeState, nullptr); }},
      {"int self-closed, then a value", "<disposeState/><disposeState>3</disposeState>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.disposeState, nullptr);
         EXPECT_EQ(*r.disposeState, 3);
       }},
      {"int with a value", "<disposeState>-7</disposeState>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.disposeState, nullptr);
         EXPECT_EQ(*r.disposeState, -7);
       }},
      {"long with no text", "<picFile><size></size><uuid>u</uuid></picFile>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.picFile, nullptr);
         ASSERT_NE(r.picFile->size, nullptr);
         EXPECT_EQ(*r.picFile->size, 0);
         EXPECT_EQ(*r.picFile->uuid, "u");
       }},
      {"long self-closed", "<picFile><size/><uuid>u</uuid></picFile>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.picFile, nullptr);
         EXPECT_EQ(r.picFile->size, nullptr);
         EXPECT_EQ(*r.picFile->uuid, "u");
       }},
      {"optional double with no text, self-closed", "<elevation><bottom></bottom><top/></elevation>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.elevation, nullptr);
         ASSERT_NE(r.elevation->bottom, nullptr);
         EXPECT_EQ(*r.elevation->bottom, 0.0);
         EXPECT_EQ(r.elevation->top, nullptr);
       }},
      {"required doubles", "<holePoint><x></x><y/><z>2.5</z></holePoint>",
       [](const HOLERESULT__holeResult &r) {
         ASSERT_NE(r.holePoint, nullptr);
         EXPECT_EQ(r.holePoint->x, 0.0);
         EXPECT_EQ(r.holePoint->y, 0.0);
         EXPECT_EQ(r.holePoint->z, 2.5);
       }},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    Engine e("HOLERESULT");
    HOLERESULT__findHoleResultsResponse response;
    ASSERT_NE(ReadElement(e.get(), HoleResults(c.record), "HOLERESULT:findHoleResultsResponse", &response),
              nullptr)
        << e.engine.error;
    ASSERT_EQ(response.return_.size(), 2u);
    c.check(*response.return_[0]);
    EXPECT_EQ(*response.return_[1]->holeId, "h2");
    EXPECT_EQ(*response.return_[1]->disposeState, 4);
  }
}

TEST(EmptyValues, BooleansInRecordsOfAList) {
  const struct {
    const char *element;
    int expected;  // -1: absent
  } kCases[] = {
      {"<isDefaultRule></isDefaultRule>", 0}, {"<isDefaultRule/>", -1}, {"<isDefaultRule>true</isDefaultRule>", 1},
      {"<isDefaultRule>0</isDefaultRule>", 0}, {"<isDefaultRule> 1 </isDefaultRule>", 1},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.element);
    Engine e("HOLERULE");
    const std::string xml = std::string("<ns:listHoleRulesResponse xmlns:ns=\"") + kv::wire::kHoleAreaUri +
                            "\"><return>" + c.element + "<ruleId>1</ruleId></return><return><ruleId>2</ruleId>"
                            "</return></ns:listHoleRulesResponse>";
    HOLERULE__listHoleRulesResponse response;
    ASSERT_NE(ReadElement(e.get(), xml, "HOLERULE:listHoleRulesResponse", &response), nullptr) << e.engine.error;
    ASSERT_EQ(response.return_.size(), 2u);
    EXPECT_EQ(*response.return_[0]->ruleId, "1");
    if (c.expected < 0) {
      EXPECT_EQ(response.return_[0]->isDefaultRule, nullptr);
    } else {
      ASSERT_NE(response.return_[0]->isDefaultRule, nullptr);
      EXPECT_EQ(*response.return_[0]->isDefaultRule, c.expected == 1);
    }
  }
}

TEST(EmptyValues, BadTextsStillFail) {
  for (const char *record : {"<disposeState>x</disposeState>", "<disposeState>1x</disposeState>"}) {
    SCOPED_TRACE(record);
    Engine e("HOLERESULT");
    HOLERESULT__findHoleResultsResponse response;
    EXPECT_EQ(ReadElement(e.get(), HoleResults(record), "HOLERESULT:findHoleResultsResponse", &response), nullptr);
    EXPECT_EQ(e.engine.error, SOAP_TYPE);
  }
  for (const char *text : {"yes", "2", "-1", "TRUE"}) {
    SCOPED_TRACE(text);
    Engine e("HOLERULE");
    const std::string xml = std::string("<ns:listHoleRulesResponse xmlns:ns=\"") + kv::wire::kHoleAreaUri +
                            "\"><return><isDefaultRule>" + text + "</isDefaultRule></return></ns:listHoleRulesResponse>";
    HOLERULE__listHoleRulesResponse response;
    EXPECT_EQ(ReadElement(e.get(), xml, "HOLERULE:listHoleRulesResponse", &response), nullptr);
    EXPECT_EQ(e.engine.error, SOAP_TYPE);
  }
}

TEST(EmptyValues, ARecordWithAnEmptyNumberKeepsTheWholeReplyThroughTheProxy) {
  LoopbackServer server;
  server.ReplySoap(HoleResults("<holeId>h1</holeId><disposeState/><holeType></holeType>"));
  VXHoleResultWebServiceSoapBindingProxy proxy;
  const std::string url = server.Url("/RUVU/x");
  proxy.soap_endpoint = url.c_str();
  HOLERESULT__findHoleResults request;
  HOLERESULT__findHoleResultsResponse response;
  ASSERT_EQ(proxy.findHoleResults(&request, &response), SOAP_OK);
  ASSERT_EQ(response.return_.size(), 2u);
  EXPECT_EQ(response.return_[0]->disposeState, nullptr);
  ASSERT_NE(response.return_[0]->holeType, nullptr);
  EXPECT_EQ(*response.return_[0]->holeType, 0);
}

}  // namespace
}  // namespace kv::test
