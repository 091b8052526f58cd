// The bounds that keep the runtime's work on a reply linear: attributes of
// one element, attribute names of one reply, parts of a MIME or DIME
// package; each taken up to its bound and refused (5) one past it, wherever
// the pieces of the reply are cut, before the runtime sees the markup past
// the bound. Markup that the runtime would read otherwise than the check
// (and so hide attributes from it) is refused too.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AttachmentPackage.h"
#include "LoopbackServer.h"
#include "MemoryReply.h"
#include "Namespaces.h"
#include "Proxies.h"
#include "TextCheckDiff.h"

namespace kv::test {
namespace {

using kv::wire::ReplyTextFilter;

std::string Attributes(int count, const char *prefix = "a") {
  std::string text;
  for (int i = 0; i < count; ++i) text += " " + std::string(prefix) + std::to_string(i) + "=''";
  return text;
}

const std::string kPathNs = std::string(" xmlns:ns=\"") + kv::wire::kPathwalkAreaUri + "\"";

std::string PathReply(const std::string &inside) {
  return LoopbackServer::Http(200, LoopbackServer::Envelope("<ns:listPathResponse" + kPathNs +
                                                            "><return><pathName>p</pathName></return>" + inside +
                                                            "</ns:listPathResponse>"));
}

struct Outcome {
  int rc = -1;
  std::string detail;
  int attributesSeen = 0;  // the most attributes the runtime parsed on one element
};

// The most attributes the runtime parsed on one element in the last call:
// counted by the hook it calls after it parsed a start tag.
int mostAttributes = 0;
int CountAttributes(struct soap *engine, const char *) {
  int seen = 0;
  for (const struct soap_attribute *a = engine->attributes; a; a = a->next) seen += a->visible != 0;
  mostAttributes = std::max(mostAttributes, seen);
  return SOAP_OK;
}

template <class Proxy, class Request, class Response>
Outcome Call(const std::string &reply, int (Proxy::*operation)(Request *, Response *)) {
  MemoryReply memory(reply.data(), reply.size());
  Outcome outcome;
  mostAttributes = 0;
  outcome.rc = memory.Call(operation, [](Proxy &proxy) { proxy.feltbegin = CountAttributes; },
                           [&](Proxy &proxy, Response &, int) {
                             if (const char *detail = proxy.soap_fault_detail()) outcome.detail = detail;
                           });
  outcome.attributesSeen = mostAttributes;
  return outcome;
}

Outcome ListPaths(const std::string &reply) { return Call(reply, &VXPathWebServiceSoapBindingProxy::listPath); }

// The check alone, fed `text` cut at every `step` bytes (and in one piece).
void ExpectEverywhere(const std::string &text, const char *refusal, size_t step = 1) {
  for (size_t cut = 0; cut <= text.size(); cut += step) {
    ReplyTextFilter check;
    const TextCheckRun run = Drive(check, text, {cut}, false, 0);
    if (refusal) {
      ASSERT_STREQ(run.refusal, refusal) << "cut at " << cut;
    } else {
      ASSERT_EQ(run.refusal, nullptr) << run.refusal << ", cut at " << cut;
    }
  }
}

TEST(ReplyBounds, EachBoundHoldsWhereverTheReplyIsCut) {
  std::string names;
  for (int i = 0; i < 256; ++i) names += "<e n" + std::to_string(i) + "=''/>";
  const struct {
    const char *name;
    std::string within, past;
    const char *refusal;
    size_t step;
  } kCases[] = {
      {"attributes of one element", "<r" + Attributes(64) + "/>", "<r" + Attributes(65) + "/>",
       "The reply holds an element with more than 64 attributes", 1},
      {"attribute names of one reply", "<r>" + names + "</r>", "<r>" + names + "<e x=''/></r>",
       "The reply holds more than 256 different attribute names", 7},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    ExpectEverywhere(c.within, nullptr, c.step);
    ExpectEverywhere(c.past, c.refusal, c.step);
  }
}

// The runtime never parses more attributes on one element than the bound
// (it reads the envelope, its declarations and the elements before the
// hostile one).
TEST(ReplyBounds, TheRuntimeNeverSeesTheAttributesPastTheBound) {
  std::string before;
  while (before.size() < 100000) before += "<x>y</x>";
  const Outcome o = ListPaths(PathReply(before + "<return" + Attributes(100000) + "/>"));
  EXPECT_EQ(o.rc, SOAP_SYNTAX_ERROR);
  EXPECT_EQ(o.detail, "The reply holds an element with more than 64 attributes");
  EXPECT_GT(o.attributesSeen, 0);
  EXPECT_LE(o.attributesSeen, 64);
}

std::string Package(int parts) {
  // The part the reference names comes last, so the runtime reads them all.
  std::vector<Attachment> attachments;
  for (int i = parts - 1; i >= 0; --i) attachments.push_back({std::to_string(i), "x"});
  return PackagedReply(Packaging::kMtom,
                       "<ns:listDeviceResponse xmlns:ns=\"" + std::string(kv::wire::kPathwalkAreaUri) + "\"><return>" +
                           BlockElement(Packaging::kMtom, "picFile", "0") + "</return></ns:listDeviceResponse>",
                       attachments);
}

TEST(ReplyBounds, AttachmentPartsPastTheBoundAreRefused) {
  // Each part's delimiter counts, the closing one too.
  const Outcome within = Call(Package(9999), &VXBeingExtractedDeviceWebServiceSoapBindingProxy::listDevice);
  EXPECT_EQ(within.rc, SOAP_OK) << within.detail;
  const Outcome past = Call(Package(10000), &VXBeingExtractedDeviceWebServiceSoapBindingProxy::listDevice);
  EXPECT_EQ(past.rc, SOAP_SYNTAX_ERROR);
  EXPECT_EQ(past.detail, "The reply holds more than 10000 attachment parts");
}

// Each would hide elements from the check that the runtime reads.
TEST(ReplyBounds, MarkupTheRuntimeReadsOtherwiseIsRefused) {
  const std::string hidden = "<return" + Attributes(100) + "/>";
  std::string emptyEnvelope = PathReply(hidden);
  const size_t body = emptyEnvelope.find("<SOAP-ENV:Body>");
  emptyEnvelope.replace(body - 1, 1, "/>");
  const struct {
    const char *name;
    std::string reply;
    const char *refusal;
  } kCases[] = {
      {"a quote that opens no value", PathReply("<return a=x\" " + Attributes(100) + "\"/>"),
       "The reply holds a malformed tag"},
      {"a value without quotes", PathReply("<return a=x" + Attributes(100) + "/>"), "The reply holds a malformed tag"},
      {"'<' in a value", PathReply("<return a=\"<!--\"> -- > \"" + Attributes(100) + "/>"),
       "The reply holds a malformed tag"},
      {"\"--\" in a comment", PathReply("<!-- -- > " + hidden + " -->"), "The reply holds a malformed comment"},
      {"'?' in a processing instruction", PathReply("<?pi ? > " + hidden + " ?>"),
       "The reply holds a malformed processing instruction"},
      {"an empty envelope, then a body", emptyEnvelope, "The reply holds an element with more than 64 attributes"},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    const Outcome o = ListPaths(c.reply);
    EXPECT_EQ(o.rc, SOAP_SYNTAX_ERROR);
    EXPECT_EQ(o.detail, c.refusal);
  }
}

}  // namespace
}  // namespace kv::test
