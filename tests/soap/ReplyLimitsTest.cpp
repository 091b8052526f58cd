// Limits of one reply: its decoded size and the length of one value. A
// reply over a limit fails with SOAP_LENGTH and a fault that names the
// limit; replies within the limits read as before.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AttachmentPackage.h"
#include "KvProxy.h"
#include "LoopbackServer.h"
#include "Proxies.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

const std::string kClashNs = std::string(" xmlns:CLASHRULE=\"") + kv::wire::kClashAreaUri + "\"";
const std::string kDeviceNs = std::string(" xmlns:DEVICE=\"") + kv::wire::kPathwalkAreaUri + "\"";
constexpr size_t kMaxReply = 1 << 20;  // 1 MiB
constexpr long kMaxValue = 256 << 10;  // 256 KiB

std::string Rules(const std::string &name, int count = 1) {
  std::string items;
  for (int i = 0; i < count; ++i) items += "<return><ruleName>" + name + "</ruleName></return>";
  return LoopbackServer::Envelope("<CLASHRULE:listClashRulesResponse" + kClashNs + ">" + items +
                                  "</CLASHRULE:listClashRulesResponse>");
}

std::string Devices(const std::string &base64) {
  return LoopbackServer::Envelope("<DEVICE:listDeviceResponse" + kDeviceNs + "><return><picFile>" + base64 +
                                  "</picFile><deviceName>d</deviceName></return></DEVICE:listDeviceResponse>");
}

// A DIME reply whose picture record carries `bytes` and declares `declared`
// bytes of data in its head.
std::string DimePicture(const std::string &bytes, uint32_t declared) {
  std::string reply = PackagedReply(Packaging::kDime,
                                    "<DEVICE:listDeviceResponse" + kDeviceNs + "><return>" +
                                        BlockElement(Packaging::kDime, "picFile", "p") +
                                        "</return></DEVICE:listDeviceResponse>",
                                    {{"p", bytes}});
  // The last record: its 12-byte head, the id "p" and the type, each padded.
  const size_t head = reply.size() - ((bytes.size() + 3) & ~size_t{3}) - 24 - 4 - 12;
  for (int k = 0; k < 4; ++k) reply[head + 8 + k] = static_cast<char>(declared >> (24 - 8 * k));
  return reply;
}

// A DIME reply whose picture record is sent in chunks of `chunks` bytes.
std::string DimeChunkedPicture(const std::vector<size_t> &chunks) {
  return DimeChunkedReply("<DEVICE:listDeviceResponse" + kDeviceNs + "><return>" +
                              BlockElement(Packaging::kDime, "picFile", "p") + "</return></DEVICE:listDeviceResponse>",
                          "p", chunks);
}

struct Case {
  const char *name;
  bool device;
  std::string reply;
  int expected;
};

int CallWithLimits(LoopbackServer &server, const Case &c, std::string &faultText) {
  std::string url = server.Url();
  server.Reply(c.reply);
  if (c.device) {
    VXBeingExtractedDeviceWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
    proxy.SetReplyLimits(kMaxReply, kMaxValue);
    UseUtf8(proxy);
    proxy.soap_endpoint = url.c_str();
    DEVICE__listDevice request;
    DEVICE__listDeviceResponse response;
    int rc = proxy.listDevice(&request, &response);
    faultText = proxy.soap_fault_string() ? proxy.soap_fault_string() : "";
    return rc;
  }
  VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
  proxy.SetReplyLimits(kMaxReply, kMaxValue);
  UseUtf8(proxy);
  proxy.soap_endpoint = url.c_str();
  CLASHRULE__listClashRules request;
  CLASHRULE__listClashRulesResponse response;
  int rc = proxy.listClashRules(&request, &response);
  faultText = proxy.soap_fault_string() ? proxy.soap_fault_string() : "";
  return rc;
}

TEST(ReplyLimits, RepliesOverALimitFailWithinIt) {
  const std::string longName(kMaxValue + 1, 'x');
  const std::string nearName(kMaxValue - 100, 'x');
  // Binary data is measured as it arrives, at most one buffer (64 KiB)
  // past the limit.
  const std::string longBase64((kMaxValue / 3 + 30000) * 4, 'A');
  const std::string nearBase64((kMaxValue / 3 - 10) * 4, 'A');
  const std::string bomb = LoopbackServer::Gzip(Rules(std::string(64 << 20, 'x')));
  const std::string manySmall = Rules(std::string(1000, 'y'), 2000);  // 2 MB of short values
  const Case kCases[] = {
      {"value near the limit", false, LoopbackServer::Http(200, Rules(nearName)), SOAP_OK},
      {"value over the limit", false, LoopbackServer::Http(200, Rules(longName)), SOAP_LENGTH},
      {"base64 near the limit", true, LoopbackServer::Http(200, Devices(nearBase64)), SOAP_OK},
      {"base64 over the limit", true, LoopbackServer::Http(200, Devices(longBase64)), SOAP_LENGTH},
      {"gzip of 64 MiB in one value", false,
       LoopbackServer::Http(200, bomb, "Content-Encoding: gzip\r\n"), SOAP_LENGTH},
      {"many short values over the reply limit", false, LoopbackServer::Http(200, manySmall), SOAP_LENGTH},
      {"the same, gzip", false,
       LoopbackServer::Http(200, LoopbackServer::Gzip(manySmall), "Content-Encoding: gzip\r\n"), SOAP_LENGTH},
      {"DIME record near the limit", true, DimePicture(std::string(kMaxValue - 100, 'p'), kMaxValue - 100), SOAP_OK},
      {"DIME record over the limit", true, DimePicture(std::string(kMaxValue + 1, 'p'), kMaxValue + 1), SOAP_LENGTH},
      // Refused from its head, before room for 2 GiB is taken.
      {"DIME record declaring 2 GiB", true, DimePicture("p", 0x80000000u), SOAP_LENGTH},
      // A record in chunks is one value: the sum of its chunks is bound.
      {"DIME chunks summing to the limit", true, DimeChunkedPicture({kMaxValue - 1000, 1000}), SOAP_OK},
      {"DIME chunks one byte over the limit", true, DimeChunkedPicture({kMaxValue - 1000, 1001}), SOAP_LENGTH},
      {"many small DIME chunks over the limit", true,
       DimeChunkedPicture(std::vector<size_t>(kMaxValue / 900 + 1, 900)), SOAP_LENGTH},
      {"many small DIME chunks within the limit", true,
       DimeChunkedPicture(std::vector<size_t>(kMaxValue / 900, 900)), SOAP_OK},
      // The runtime joins the chunks into one part, however many there are.
      {"one DIME record in 12,000 chunks", true, DimeChunkedPicture(std::vector<size_t>(12000, 16)), SOAP_OK},
      {"gzip near the reply limit", false,
       LoopbackServer::Http(200, LoopbackServer::Gzip(Rules(std::string(1000, 'y'), 900)), "Content-Encoding: gzip\r\n"),
       SOAP_OK},
  };
  LoopbackServer server;
  for (const Case &c : kCases) {
    SCOPED_TRACE(c.name);
    std::string text;
    EXPECT_EQ(CallWithLimits(server, c, text), c.expected);
    if (c.expected == SOAP_LENGTH) EXPECT_NE(text.find("limit"), std::string::npos) << text;
  }
}

TEST(ReplyLimits, DefaultsAreFarAboveRealReplies) {
  VXClashRuleWebServiceSoapBindingProxy proxy;
  EXPECT_EQ(proxy.recv_maxlength, kv::wire::kDefaultMaxReplyBytes);
  EXPECT_EQ(proxy.maxlength, kv::wire::kDefaultMaxValueBytes);
  EXPECT_GE(kv::wire::kDefaultMaxReplyBytes, 512ull << 20);
  EXPECT_GE(kv::wire::kDefaultMaxValueBytes, 256L << 20);
}

}  // namespace
}  // namespace kv::test
