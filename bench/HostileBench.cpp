// Processor time of hostile replies of up to 2 MB, each read by a proxy call
// from memory (no socket, one thread): constructs on which the runtime's
// parser (or the proxy) does more than linear work unless bounded, those just
// within the bounds, and like constructs it reads in linear time; and the
// largest picture package the parts bound admits beside the same pictures as
// inline base64.
//   kv_bench_hostile [NAME-PART]   only the cases whose name holds NAME-PART
// Prints each case's result code, the check's reason when it refused, and
// the processor time; the exit code is 1 when a case took 1 s or more.
#include <time.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "AttachmentPackage.h"
#include "AttachmentParts.h"
#include "LoopbackServer.h"
#include "MemoryReply.h"
#include "Namespaces.h"
#include "Proxies.h"

namespace {

using kv::test::Attachment;
using kv::test::BlockElement;
using kv::test::DimeChunkedReply;
using kv::test::LoopbackServer;
using kv::test::PackagedReply;
using kv::test::Packaging;
using kv::test::Picture;
using kv::test::PicturesBody;

constexpr size_t kMaxReply = 2u << 20;

const std::string kPathNs = std::string("xmlns:ns=\"") + kv::wire::kPathwalkAreaUri + "\"";

// A listPath reply whose response holds `inside` after one path; the
// envelope start tag carries `envelopeAttributes`.
std::string PathReply(const std::string &inside, const std::string &envelopeAttributes = "") {
  std::string envelope = LoopbackServer::Envelope("<ns:listPathResponse " + kPathNs +
                                                  "><return><pathName>p</pathName></return>" + inside +
                                                  "</ns:listPathResponse>");
  if (!envelopeAttributes.empty()) envelope.insert(envelope.find("<SOAP-ENV:Body>") - 1, " " + envelopeAttributes);
  return LoopbackServer::Http(200, envelope);
}

// Repeats `piece(i)` for i = 0, 1, ... while the result stays within `room`.
std::string Fill(size_t room, const std::function<std::string(size_t)> &piece) {
  std::string out;
  for (size_t i = 0;; ++i) {
    std::string next = piece(i);
    if (out.size() + next.size() > room) return out;
    out += next;
  }
}

const size_t kRoom = kMaxReply - 600;  // the envelope and HTTP head around it

// Which part the i-th device of a listDevice package names, of parts with
// ids "0" up to the last.
enum class Names { kOwn, kLast, kOne, kMissing };

// A listDevice reply with `refs` devices, each with its picture in one of
// `parts` attachments (MIME parts or DIME records).
std::string DevicePackage(Packaging packaging, size_t refs, size_t parts, Names names = Names::kOwn) {
  std::string body = "<ns:listDeviceResponse xmlns:ns=\"" + std::string(kv::wire::kPathwalkAreaUri) + "\">";
  for (size_t i = 0; i < refs; ++i) {
    const std::string id = names == Names::kOwn       ? std::to_string(i)
                           : names == Names::kLast    ? std::to_string(parts - 1)
                           : names == Names::kOne     ? "0"
                                                      : "m" + std::to_string(i);
    body += "<return>" + BlockElement(packaging, "picFile", id) + "</return>";
  }
  std::vector<Attachment> attachments;
  for (size_t i = 0; i < parts; ++i) attachments.push_back({std::to_string(i), "x"});
  return PackagedReply(packaging, body + "</ns:listDeviceResponse>", attachments);
}

// The largest getListDevicePicFile package the parts bound admits: the root
// and a picture in each other part.
const size_t kPictures = kv::wire::AttachmentParts::kMaxParts - 1;

std::string PicturesInParts() {
  std::vector<Attachment> parts;
  for (size_t i = 0; i < kPictures; ++i) parts.push_back({"pic" + std::to_string(i), Picture(i)});
  return PackagedReply(
      Packaging::kMtom,
      PicturesBody(kPictures, [](size_t i) { return BlockElement(Packaging::kMtom, "picFile", "pic" + std::to_string(i)); }),
      parts);
}

std::string PicturesInline() {
  return LoopbackServer::Http(200, LoopbackServer::Envelope(PicturesBody(kPictures, [](size_t i) {
                                const std::string bytes = Picture(i);
                                std::string text((bytes.size() + 2) / 3 * 4 + 1, '\0');
                                soap_s2base64(nullptr, reinterpret_cast<const unsigned char *>(bytes.data()), &text[0],
                                              static_cast<int>(bytes.size()));
                                return "<picFile>" + std::string(text.c_str()) + "</picFile>";
                              })));
}

enum class Operation { kListPath, kListDevice, kPictures };

struct Case {
  const char *name;
  std::function<std::string()> reply;
  Operation operation = Operation::kListPath;
};

// Attributes "a0='' a1='' ..." up to `room` bytes.
std::string Attributes(size_t room, size_t first = 0) {
  return Fill(room, [first](size_t i) { return "a" + std::to_string(first + i) + "='' "; });
}

// Elements of 64 attributes, of 250 names in all (with the envelope's
// namespace declarations, just within the bound of 256).
std::string AttributesAtTheLimits(size_t room) {
  return Fill(room, [](size_t i) {
    std::string e = "<u";
    for (size_t k = 0; k < 64; ++k) e += " n" + std::to_string((i * 64 + k) % 250) + "=''";
    return e + "/>";
  });
}

const Case kCases[] = {
    // The runtime looks every attribute name up in the list of the names the
    // reply used so far.
    {"one element, attributes filling 2 MB", [] { return PathReply("<return " + Attributes(kRoom - 20) + "/>"); }},
    {"one element, 100,000 attributes in 1.5 MB",
     [] {
       std::string attributes;
       for (int i = 0; i < 100000; ++i) attributes += "attr" + std::to_string(i) + "='x' ";
       return PathReply("<return " + attributes + "/>");
     }},
    {"the envelope, attributes filling 2 MB", [] { return PathReply("", Attributes(kRoom)); }},
    {"elements of 60 new attribute names each",
     [] {
       return PathReply(Fill(kRoom, [](size_t i) {
         std::string e = "<u";
         for (int k = 0; k < 60; ++k) e += " n" + std::to_string(i * 60 + k) + "=''";
         return e + "/>";
       }));
     }},
    {"64 attributes on each element, 250 names in all", [] { return PathReply(AttributesAtTheLimits(kRoom)); }},
    {"250 attribute names, then empty elements",
     [] { return PathReply(AttributesAtTheLimits(20000) + Fill(kRoom - 20000, [](size_t) { return "<u/>"; })); }},
    // Markup that the runtime would read otherwise than the check, hiding
    // attributes from it.
    {"attributes behind a quote that opens no value",
     [] { return PathReply("<return a=x\" " + Attributes(kRoom - 40) + "\"/>"); }},
    {"attributes after \"--\" in a comment",
     [] { return PathReply("<!-- -- > <return " + Attributes(kRoom - 40) + "/> -->"); }},
    {"attributes after '?' in a processing instruction",
     [] { return PathReply("<?pi ? > <return " + Attributes(kRoom - 40) + "/> ?>"); }},
    {"attributes after an empty envelope",
     [] {
       std::string reply = PathReply("<return " + Attributes(kRoom - 300) + "/>");
       const size_t body = reply.find("<SOAP-ENV:Body>");
       return reply.insert(body, "/>").erase(body - 1, 1);
     }},
    // Namespaces, names, values, nesting, references.
    {"namespace declarations, 60 on every nested element",
     [] {
       std::string open, close;
       for (size_t i = 0;; ++i) {
         std::string e = "<u";
         for (int k = 0; k < 60; ++k) e += " xmlns:q" + std::to_string(k) + "='urn:" + std::to_string(i) + "'";
         e += ">";
         if (open.size() + close.size() + e.size() + 4 > kRoom) break;
         open += e;
         close += "</u>";
       }
       return PathReply(open + close);
     }},
    {"prefixed elements under 60 declarations",
     [] {
       std::string declarations;
       for (int k = 0; k < 60; ++k) declarations += " xmlns:q" + std::to_string(k) + "='urn:q" + std::to_string(k) + "'";
       return PathReply("<u" + declarations + ">" + Fill(kRoom - 2000, [](size_t) { return "<q0:x/>"; }) + "</u>");
     }},
    {"a 2 MB element name", [] { return PathReply("<" + std::string(kRoom - 10, 'n') + "/>"); }},
    {"a 2 MB attribute name", [] { return PathReply("<u " + std::string(kRoom - 20, 'n') + "=''/>"); }},
    {"a 2 MB attribute value", [] { return PathReply("<u a='" + std::string(kRoom - 20, 'v') + "'/>"); }},
    {"nesting 2 MB deep",
     [] {
       std::string open, close;
       while (open.size() + close.size() + 7 <= kRoom) {
         open += "<u>";
         close += "</u>";
       }
       return PathReply(open + close);
     }},
    {"id and href on every element",
     [] {
       return PathReply(Fill(kRoom, [](size_t i) {
         return "<return id='r" + std::to_string(i) + "' href='#r" + std::to_string(i + 1) + "'/>";
       }));
     }},
    {"xsi:type of unknown types",
     [] {
       return PathReply(Fill(kRoom, [](size_t i) {
         return "<return xsi:type='ns:t" + std::to_string(i) + "'><pathName>p</pathName></return>";
       }));
     }},
    {"character references",
     [] { return PathReply("<return><pathName>" + Fill(kRoom - 60, [](size_t) { return "&#x4E2D;"; }) + "</pathName></return>"); }},
    {"comments", [] { return PathReply(Fill(kRoom, [](size_t) { return "<!--c-->"; })); }},
    {"unknown elements", [] { return PathReply(Fill(kRoom, [](size_t) { return "<x>y</x>"; })); }},
    // The runtime walks every pending attachment reference for each part it
    // reads; the proxy binds them through an index of its own instead.
    {"MTOM, 1,000 references to the last of 9,999 parts",
     [] { return DevicePackage(Packaging::kMtom, 1000, 9999, Names::kLast); }, Operation::kListDevice},
    {"MTOM, 2 MB of pictures in parts of their own",
     [] { return DevicePackage(Packaging::kMtom, kRoom / 105, kRoom / 105); }, Operation::kListDevice},
    {"MTOM, 1 reference, 2 MB of parts", [] { return DevicePackage(Packaging::kMtom, 1, kRoom / 32); },
     Operation::kListDevice},
    {"MTOM, 1,000 references to the last of 40,000 parts",
     [] { return DevicePackage(Packaging::kMtom, 1000, 40000, Names::kLast); }, Operation::kListDevice},
    {"MTOM, 9,999 parts referenced once each",
     [] { return DevicePackage(Packaging::kMtom, 9999, 9999); }, Operation::kListDevice},
    {"MTOM, 10,000 references to one part", [] { return DevicePackage(Packaging::kMtom, 10000, 1, Names::kOne); },
     Operation::kListDevice},
    {"MTOM, 10,000 references to the last of 9,999 parts",
     [] { return DevicePackage(Packaging::kMtom, 10000, 9999, Names::kLast); }, Operation::kListDevice},
    {"MTOM, 10,000 references to missing parts, 9,999 parts",
     [] { return DevicePackage(Packaging::kMtom, 10000, 9999, Names::kMissing); }, Operation::kListDevice},
    {"MTOM, references to missing parts filling 2 MB, 1 part",
     [] { return DevicePackage(Packaging::kMtom, kRoom / 68, 1, Names::kMissing); }, Operation::kListDevice},
    {"DIME, 1,000 references to the last of 9,999 records",
     [] { return DevicePackage(Packaging::kDime, 1000, 9999, Names::kLast); }, Operation::kListDevice},
    {"DIME, 1,000 references to the last of 20,000 records",
     [] { return DevicePackage(Packaging::kDime, 1000, 20000, Names::kLast); }, Operation::kListDevice},
    {"DIME, 10,000 references to the last of 9,999 records",
     [] { return DevicePackage(Packaging::kDime, 10000, 9999, Names::kLast); }, Operation::kListDevice},
    {"DIME, 10,000 references to missing records, 9,999 records",
     [] { return DevicePackage(Packaging::kDime, 10000, 9999, Names::kMissing); }, Operation::kListDevice},
    // The runtime joins a record's chunks into one part, a block each.
    {"DIME, one record in chunks of 4 bytes filling 2 MB",
     [] {
       return DimeChunkedReply("<ns:listDeviceResponse xmlns:ns=\"" + std::string(kv::wire::kPathwalkAreaUri) +
                                   "\"><return>" + BlockElement(Packaging::kDime, "picFile", "0") +
                                   "</return></ns:listDeviceResponse>",
                               "0", std::vector<size_t>(kRoom / 16, 4));
     },
     Operation::kListDevice},
    // Not hostile: the largest picture package the parts bound admits, and
    // the same pictures as inline base64.
    {"getListDevicePicFile, 9,999 pictures in MTOM parts", PicturesInParts, Operation::kPictures},
    {"getListDevicePicFile, the same pictures inline", PicturesInline, Operation::kPictures},
};

// One call of `operation` answered by `reply`; the check's reason when it
// refused goes to `refusal`.
template <class Proxy, class Request, class Response>
int Read(const std::string &reply, int (Proxy::*operation)(Request *, Response *), std::string &refusal) {
  kv::test::MemoryReply memory(reply.data(), reply.size());
  return memory.Call(
      operation, [](Proxy &) {},
      [&](Proxy &proxy, Response &, int result) {
        if (result == SOAP_SYNTAX_ERROR && proxy.soap_fault_detail()) refusal = proxy.soap_fault_detail();
      });
}

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

}  // namespace

int main(int argc, char **argv) {
  const char *only = argc > 1 ? argv[1] : nullptr;
  bool ok = true;
  std::printf("hostile replies read by a proxy call from memory; goal: under 1 s of processor time each\n");
  std::printf("  %-55s %9s %5s %10s  %s\n", "reply", "bytes", "rc", "cpu ms", "refusal");
  for (const Case &c : kCases) {
    if (only && !std::strstr(c.name, only)) continue;
    const std::string reply = c.reply();
    if (reply.size() > kMaxReply) {
      std::fprintf(stderr, "%s: %zu bytes, over 2 MB\n", c.name, reply.size());
      return 2;
    }
    const double start = CpuSeconds();
    std::string detail;
    using DeviceProxy = VXBeingExtractedDeviceWebServiceSoapBindingProxy;
    const int rc = c.operation == Operation::kListDevice ? Read(reply, &DeviceProxy::listDevice, detail)
                   : c.operation == Operation::kPictures ? Read(reply, &DeviceProxy::getListDevicePicFile, detail)
                                                         : Read(reply, &VXPathWebServiceSoapBindingProxy::listPath, detail);
    const double seconds = CpuSeconds() - start;
    const bool met = seconds < 1.0;
    ok = ok && met;
    std::printf("  %-55s %9zu %5d %10.1f  %s%s\n", c.name, reply.size(), rc, seconds * 1e3, detail.c_str(),
                met ? "" : "  MISSED");
  }
  return ok ? 0 : 1;
}
