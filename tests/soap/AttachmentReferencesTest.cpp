// Attachment references bound through an index of the parts' ids: each
// reference gets the part the runtime would give it, replies read as the
// runtime alone reads them, and a reply with as many parts as the parts
// bound admits, each referenced once, is read whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AttachmentPackage.h"
#include "AttachmentParts.h"
#include "AttachmentReferences.h"
#include "MemoryReply.h"
#include "Proxies.h"

namespace kv::test {
namespace {

using kv::wire::AttachmentReferences;

// What soap_attachment_forward points a reference at.
struct Target {
  unsigned char *ptr = nullptr;
  int size = -1;
  char *id = nullptr;
  char *type = nullptr;
  char *options = nullptr;
};

TEST(AttachmentReferences, EachReferenceGetsThePartTheRuntimeWouldGiveIt) {
  const std::string longText(1100, 'x');
  const std::vector<std::string> kReferences = {
      "cid:a",     "a",         "<a>",        "cid:<a>", "cid:a%40b", "cid:a@b",         "cid:%61",   "cid:%6",
      "cid:\"a\"", "cid: a",    " cid:a",     "cid:A",   "cid:",      "cid:%00a",        "cid:%2561", "%3Ca%3E",
      "cid:<",     "cid:a%zz",  "cid:" + longText};
  const std::vector<std::string> kPartIds = {
      "<a>", "a",      "<a@b>",    "<A>",  "<a", "<", "", "cid:a", "<cid:a>", "<<a>>", "<%61>", "<a%zz>",
      "<\"a\">", "<" + std::string(1023, 'x') + ">", "<" + longText + ">"};
  // Each part alone, then all of them in order and in reverse order, and
  // two parts with one id.
  std::vector<std::vector<size_t>> lists;
  std::vector<size_t> all, reversed;
  for (size_t k = 0; k < kPartIds.size(); ++k) {
    lists.push_back({k});
    all.push_back(k);
    reversed.insert(reversed.begin(), k);
  }
  lists.push_back(all);
  lists.push_back(reversed);
  lists.push_back({1, 0, 1});
  for (const auto &list : lists) {
    for (bool dime : {false, true}) {
      std::string names;
      for (size_t k : list) names += "[" + kPartIds[k].substr(0, 8) + "]";
      SCOPED_TRACE(names + (dime ? " as DIME records" : " as MIME parts"));
      struct soap engine;
      soap_init(&engine);
      engine.mode |= SOAP_ENC_MTOM;
      std::vector<Target> targets(kReferences.size());
      for (size_t r = 0; r < kReferences.size(); ++r) {
        soap_strcpy(engine.href, sizeof engine.href, kReferences[r].c_str());
        Target &t = targets[r];
        ASSERT_EQ(soap_attachment_forward(&engine, &t.ptr, &t.size, &t.id, &t.type, &t.options), SOAP_OK);
      }
      std::vector<soap_multipart> parts(list.size());
      std::vector<std::string> bytes(list.size());
      for (size_t i = 0; i < list.size(); ++i) {
        bytes[i] = "part " + std::to_string(i);
        parts[i] = soap_multipart{};
        parts[i].next = i + 1 < parts.size() ? &parts[i + 1] : nullptr;
        parts[i].ptr = bytes[i].c_str();
        parts[i].size = i;
        parts[i].id = kPartIds[list[i]].c_str();
        parts[i].type = "application/octet-stream";
        parts[i].description = "picture";
      }
      (dime ? engine.dime.list : engine.mime.list) = parts.data();
      // The runtime binds each reference to the first part it matches.
      std::vector<int> expected(kReferences.size(), -1);
      for (size_t r = 0; r < kReferences.size(); ++r)
        for (size_t i = 0; i < parts.size() && expected[r] < 0; ++i)
          if (!soap_match_cid(&engine, targets[r].id, parts[i].id)) expected[r] = static_cast<int>(i);

      AttachmentReferences references;
      references.Take(&engine, nullptr);
      EXPECT_EQ(engine.xlist, nullptr);
      const int rc = references.Resolve(&engine);
      size_t unbound = 0;
      for (size_t r = 0; r < kReferences.size(); ++r) {
        SCOPED_TRACE(kReferences[r].substr(0, 12));
        const Target &t = targets[r];
        if (expected[r] < 0) {
          ++unbound;
          EXPECT_EQ(t.ptr, nullptr);
          continue;
        }
        const soap_multipart &part = parts[static_cast<size_t>(expected[r])];
        EXPECT_EQ(reinterpret_cast<const char *>(t.ptr), part.ptr);
        EXPECT_EQ(t.size, static_cast<int>(part.size));
        EXPECT_EQ(t.type, part.type);
        EXPECT_EQ(t.options, part.description);
      }
      EXPECT_EQ(rc, unbound ? SOAP_MIME_HREF : SOAP_OK);
      size_t givenBack = 0;
      for (const struct soap_xlist *x = engine.xlist; x; x = x->next) ++givenBack;
      EXPECT_EQ(givenBack, unbound);
      engine.mime.list = engine.dime.list = nullptr;
      soap_end(&engine);
      soap_done(&engine);
    }
  }
}

const char *Name(Packaging packaging) {
  return packaging == Packaging::kMtom ? "MTOM" : packaging == Packaging::kMime ? "MIME" : "DIME";
}

using PictureResponse = DEVICE__getListDevicePicFileResponse;

// One getListDevicePicFile call answered by `reply`; `runtimeAlone` leaves
// the references to the runtime. `check` sees the response.
template <class Check>
int ReadPictures(const std::string &reply, bool runtimeAlone, Check check) {
  MemoryReply memory(reply.data(), reply.size());
  return memory.Call(
      &VXBeingExtractedDeviceWebServiceSoapBindingProxy::getListDevicePicFile,
      [&](VXBeingExtractedDeviceWebServiceSoapBindingProxy &proxy) {
        if (!runtimeAlone) return;
        proxy.fmimewriteopen = nullptr;
        proxy.fdimewriteopen = nullptr;
        proxy.fpreparefinalrecv = nullptr;
      },
      [&](VXBeingExtractedDeviceWebServiceSoapBindingProxy &, PictureResponse &response, int) { check(response); });
}

// Each record's picture as read: its bytes, type and options, or "-".
std::vector<std::string> Pictures(const PictureResponse &response) {
  std::vector<std::string> out;
  for (const DEVICE__devicePicFile *record : response.return_) {
    const xsd__base64Binary *picture = record ? record->picFile : nullptr;
    if (!picture || !picture->__ptr) {
      out.push_back("-");
      continue;
    }
    out.push_back(std::string(reinterpret_cast<const char *>(picture->__ptr), static_cast<size_t>(picture->__size)) +
                  "|" + (picture->type ? picture->type : "") + "|" + (picture->options ? picture->options : ""));
  }
  return out;
}

// Good and broken replies with few parts: the proxy reads each as the
// runtime alone reads it.
TEST(AttachmentReferences, RepliesReadAsTheRuntimeAloneReadsThem) {
  struct Case {
    const char *name;
    std::vector<std::string> references;  // one device each
    std::vector<std::string> partIds;
    size_t beforeRoot = 0;  // MIME: parts placed before the root part
  };
  const Case kCases[] = {
      {"each part once, in order", {"p0", "p1", "p2"}, {"p0", "p1", "p2"}},
      {"each part once, in reverse order", {"p0", "p1", "p2"}, {"p2", "p1", "p0"}},
      {"one part for every device", {"p0", "p0", "p0"}, {"p0"}},
      {"a part no device names", {"p0", "p1"}, {"p0", "spare", "p1"}},
      {"a device names a missing part", {"p0", "gone", "p1"}, {"p0", "p1"}},
      {"two parts with one id", {"p0", "p1"}, {"p0", "p0", "p1"}},
      {"an id written URL-encoded", {"p%400", "p1"}, {"p@0", "p1"}},
      {"a reference to the root part", {"root", "p0"}, {"p0"}},
      {"no parts", {"p0"}, {}},
      {"one id before and after the root", {"p0", "p1"}, {"p0", "p1", "p0"}, 2},
      {"a part before the root only", {"p0", "p1"}, {"p0", "p1"}, 1},
  };
  for (Packaging packaging : {Packaging::kMtom, Packaging::kMime, Packaging::kDime}) {
    for (const Case &c : kCases) {
      SCOPED_TRACE(std::string(Name(packaging)) + ", " + c.name);
      std::vector<Attachment> parts;
      for (size_t i = 0; i < c.partIds.size(); ++i) parts.push_back({c.partIds[i], Picture(i)});
      const std::string reply = PackagedReply(
          packaging, PicturesBody(c.references.size(),
                                  [&](size_t i) { return BlockElement(packaging, "picFile", c.references[i]); }),
          parts, c.beforeRoot);
      std::vector<std::string> ours, runtime;
      const int rc = ReadPictures(reply, false, [&](const PictureResponse &r) { ours = Pictures(r); });
      const int runtimeRc = ReadPictures(reply, true, [&](const PictureResponse &r) { runtime = Pictures(r); });
      EXPECT_EQ(rc, runtimeRc);
      EXPECT_EQ(ours, runtime);
      EXPECT_EQ(ours.size(), c.references.size());
    }
  }
}

// As many parts as the parts bound admits: the root and a picture in each
// other part, for as many devices.
TEST(AttachmentReferences, TheLargestPackageIsReadWhole) {
  const size_t devices = kv::wire::AttachmentParts::kMaxParts - 1;
  std::vector<Attachment> parts;
  for (size_t i = 0; i < devices; ++i) parts.push_back({"pic" + std::to_string(i), Picture(i)});
  for (Packaging packaging : {Packaging::kMtom, Packaging::kMime, Packaging::kDime}) {
    SCOPED_TRACE(Name(packaging));
    const std::string reply = PackagedReply(
        packaging,
        PicturesBody(devices, [&](size_t i) { return BlockElement(packaging, "picFile", "pic" + std::to_string(i)); }),
        parts);
    size_t whole = 0;
    const int rc = ReadPictures(reply, false, [&](const PictureResponse &response) {
      ASSERT_EQ(response.return_.size(), devices);
      for (size_t i = 0; i < devices; ++i) {
        const DEVICE__devicePicFile *record = response.return_[i];
        ASSERT_TRUE(record && record->deviceId && record->picFile && record->picFile->__ptr) << i;
        EXPECT_EQ(*record->deviceId, "d" + std::to_string(i));
        const std::string picture(reinterpret_cast<const char *>(record->picFile->__ptr),
                                  static_cast<size_t>(record->picFile->__size));
        if (picture == Picture(i)) ++whole;
      }
    });
    EXPECT_EQ(rc, SOAP_OK);
    EXPECT_EQ(whole, devices);
  }
}

}  // namespace
}  // namespace kv::test
