// Processor time of hostile replies of up to 2 MB, each read by a proxy call
// from memory (no socket, one thread): constructs on which the runtime's
// parser does more than linear work unless the reply check bounds them,
// those just within the bounds, and like constructs it reads in linear time.
//   kv_bench_hostile [NAME-PART]   only the cases whose name holds NAME-PART
// Prints each case's result code, the check's reason when it refused, and
// the processor time; the exit code is 1 when a case took 1 s or more.
#include <time.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "LoopbackServer.h"
#include "MemoryReply.h"
#include "Namespaces.h"
#include "Proxies.h"

namespace {

using kv::test::LoopbackServer;

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

// A listDevice reply as an MTOM package: `items` devices, each with its
// picture in a MIME part of its own.
std::string DevicePackage(size_t items, size_t parts = 0, bool reversed = false, bool last = false) {
  if (!parts) parts = items;
  std::string xml = "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                    "xmlns:xop=\"http://www.w3.org/2004/08/xop/include\"><SOAP-ENV:Body><ns:listDeviceResponse "
                    "xmlns:ns=\"" + std::string(kv::wire::kPathwalkAreaUri) + "\">";
  for (size_t i = 0; i < items; ++i)
    xml += "<return><picFile><xop:Include href=\"cid:" + std::to_string(last ? parts - 1 : i) + "\"/></picFile></return>";
  std::string tail;
  for (size_t i = 0; i < parts; ++i)
    tail += "\r\n--B\r\nContent-ID: <" + std::to_string(reversed ? parts - 1 - i : i) + ">\r\n\r\nx";
  xml += "</ns:listDeviceResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>";
  const std::string body = "--B\r\nContent-Type: application/xop+xml; charset=UTF-8; type=\"text/xml\"\r\n"
                           "Content-ID: <root>\r\n\r\n" + xml + tail + "\r\n--B--\r\n";
  return LoopbackServer::Http(200, body, "",
                              "multipart/related; boundary=\"B\"; type=\"application/xop+xml\"; "
                              "start=\"<root>\"; start-info=\"text/xml\"");
}

// A listDevice reply as a DIME message: `refs` devices whose pictures all
// name the last of `records` records.
std::string DeviceDime(size_t refs, size_t records) {
  auto record = [](unsigned char flags, const std::string &id, const std::string &type, const std::string &data) {
    auto pad = [](std::string s) { return s.append((4 - s.size() % 4) % 4, '\0'); };
    std::string head(12, '\0');
    head[0] = static_cast<char>(0x08 | flags);  // version 1
    head[1] = static_cast<char>(type.empty() ? 0x00 : (type.find(':') != std::string::npos ? 0x20 : 0x10));
    head[4] = static_cast<char>(id.size() >> 8);
    head[5] = static_cast<char>(id.size());
    head[6] = static_cast<char>(type.size() >> 8);
    head[7] = static_cast<char>(type.size());
    for (int k = 0; k < 4; ++k) head[8 + k] = static_cast<char>(data.size() >> (24 - 8 * k));
    return head + pad(id) + pad(type) + pad(data);
  };
  std::string xml = "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>"
                    "<ns:listDeviceResponse xmlns:ns=\"" + std::string(kv::wire::kPathwalkAreaUri) + "\">";
  for (size_t i = 0; i < refs; ++i)
    xml += "<return><picFile href=\"" + std::to_string(records - 1) + "\"/></return>";
  xml += "</ns:listDeviceResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>";
  std::string body = record(0x04, "", "http://schemas.xmlsoap.org/soap/envelope/", xml);  // MB
  for (size_t i = 0; i < records; ++i)
    body += record(i + 1 == records ? 0x02 : 0x00, std::to_string(i), "application/octet-stream", "x");
  return LoopbackServer::Http(200, body, "", "application/dime");
}

struct Case {
  const char *name;
  std::function<std::string()> reply;
  bool devices = false;  // a listDevice call, else listPath
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
    // The runtime looks every attachment part up in the list of references.
    {"MTOM, 1,000 references to the last of 9,999 parts", [] { return DevicePackage(1000, 9999, false, true); },
     true},
    {"MTOM, 2 MB of pictures in parts of their own", [] { return DevicePackage(kRoom / 105); }, true},
    {"MTOM, 1 reference, 2 MB of parts", [] { return DevicePackage(1, kRoom / 32); }, true},
    {"MTOM, 1,000 references to the last of 40,000 parts", [] { return DevicePackage(1000, 40000, false, true); },
     true},
    {"DIME, 1,000 references to the last of 9,999 records", [] { return DeviceDime(1000, 9999); }, true},
    {"DIME, 1,000 references to the last of 20,000 records", [] { return DeviceDime(1000, 20000); }, true},
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
    const int rc = c.devices ? Read<VXBeingExtractedDeviceWebServiceSoapBindingProxy>(
                                   reply, &VXBeingExtractedDeviceWebServiceSoapBindingProxy::listDevice, detail)
                             : Read<VXPathWebServiceSoapBindingProxy>(reply, &VXPathWebServiceSoapBindingProxy::listPath,
                                                                      detail);
    const double seconds = CpuSeconds() - start;
    const bool met = seconds < 1.0;
    ok = ok && met;
    std::printf("  %-55s %9zu %5d %10.1f  %s%s\n", c.name, reply.size(), rc, seconds * 1e3, detail.c_str(),
                met ? "" : "  MISSED");
  }
  return ok ? 0 : 1;
}
