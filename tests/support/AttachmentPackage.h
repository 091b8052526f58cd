// Replies whose byte blocks travel as attachments, as servers send them: an
// MTOM or plain MIME package (multipart/related, the envelope as its root
// part) or a DIME message (the envelope as its first record).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "Namespaces.h"

namespace kv::test {

enum class Packaging { kMtom, kMime, kDime };

struct Attachment {
  std::string id;  // the part's Content-ID without its angle brackets, or the DIME record's id
  std::string bytes;
};

/// The element `tag` of a byte block whose bytes are the attachment `id`:
/// an xop:Include child under MTOM, an href attribute otherwise.
inline std::string BlockElement(Packaging packaging, const std::string &tag, const std::string &id) {
  if (packaging == Packaging::kMtom) return "<" + tag + "><xop:Include href=\"cid:" + id + "\"/></" + tag + ">";
  return "<" + tag + " href=\"" + (packaging == Packaging::kMime ? "cid:" : "") + id + "\"/>";
}

namespace package_detail {

inline std::string DimeRecord(unsigned char flags, const std::string &id, const std::string &type,
                              const std::string &data) {
  auto padded = [](std::string s) { return s.append((4 - s.size() % 4) % 4, '\0'); };
  std::string head(12, '\0');
  head[0] = static_cast<char>(0x08 | flags);  // version 1
  head[1] = static_cast<char>(type.find(':') != std::string::npos ? 0x20 : 0x10);  // URI or media type
  head[4] = static_cast<char>(id.size() >> 8);
  head[5] = static_cast<char>(id.size());
  head[6] = static_cast<char>(type.size() >> 8);
  head[7] = static_cast<char>(type.size());
  for (int k = 0; k < 4; ++k) head[8 + k] = static_cast<char>(data.size() >> (24 - 8 * k));
  return head + padded(id) + padded(type) + padded(data);
}

inline std::string Envelope(const std::string &body) {
  return "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
         "xmlns:xop=\"http://www.w3.org/2004/08/xop/include\"><SOAP-ENV:Body>" +
         body + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

}  // namespace package_detail

/// An HTTP 200 reply: a SOAP envelope around `body` (the prefix xop is
/// declared on it) followed by `parts`, packaged as `packaging`. A MIME
/// package may put its first `beforeRoot` parts before the root part (its
/// start names the root); a DIME message always begins with the envelope.
inline std::string PackagedReply(Packaging packaging, const std::string &body, const std::vector<Attachment> &parts,
                                 size_t beforeRoot = 0) {
  const std::string envelope = package_detail::Envelope(body);
  if (packaging == Packaging::kDime) {
    const unsigned char kBegin = 0x04, kEnd = 0x02;
    std::string message = package_detail::DimeRecord(parts.empty() ? kBegin | kEnd : kBegin, "",
                                                     "http://schemas.xmlsoap.org/soap/envelope/", envelope);
    for (size_t i = 0; i < parts.size(); ++i)
      message += package_detail::DimeRecord(i + 1 == parts.size() ? kEnd : 0, parts[i].id, "application/octet-stream",
                                            parts[i].bytes);
    return LoopbackServer::Http(200, message, "", "application/dime");
  }
  const bool mtom = packaging == Packaging::kMtom;
  const std::string root =
      std::string("--B\r\nContent-Type: ") +
      (mtom ? "application/xop+xml; charset=UTF-8; type=\"text/xml\"" : "text/xml; charset=UTF-8") +
      "\r\nContent-ID: <root>\r\n\r\n" + envelope + "\r\n";
  std::string message;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i == beforeRoot) message += root;
    message += "--B\r\nContent-ID: <" + parts[i].id + ">\r\n\r\n" + parts[i].bytes + "\r\n";
  }
  if (beforeRoot >= parts.size()) message += root;
  message += "--B--\r\n";
  return LoopbackServer::Http(200, message, "",
                              mtom ? "multipart/related; boundary=\"B\"; type=\"application/xop+xml\"; "
                                     "start=\"<root>\"; start-info=\"text/xml\""
                                   : "multipart/related; boundary=\"B\"; type=\"text/xml\"; start=\"<root>\"");
}

/// A DIME reply: the envelope around `body`, then the attachment `id` sent
/// in records of `chunks` bytes each, every one but the last with the chunk
/// flag; the records after the first carry no id or type ("unchanged").
inline std::string DimeChunkedReply(const std::string &body, const std::string &id, const std::vector<size_t> &chunks) {
  std::string message = package_detail::DimeRecord(0x04, "", "http://schemas.xmlsoap.org/soap/envelope/",
                                                   package_detail::Envelope(body));
  for (size_t i = 0; i < chunks.size(); ++i) {
    std::string record = package_detail::DimeRecord(i + 1 == chunks.size() ? 0x02 : 0x01, i ? "" : id,
                                                    i ? "" : "application/octet-stream", std::string(chunks[i], 'c'));
    if (i) record[1] = 0;
    message += record;
  }
  return LoopbackServer::Http(200, message, "", "application/dime");
}

/// The picture of device i: a few bytes of binary data and the number.
inline std::string Picture(size_t i) { return std::string("\x89PNG\0\x1a\xff ", 8) + std::to_string(i); }

/// The body of a getListDevicePicFile reply for the devices "d0" up to
/// "d<count - 1>"; `picFile(i)` is the picture element of device i.
inline std::string PicturesBody(size_t count, const std::function<std::string(size_t)> &picFile) {
  std::string body =
      std::string("<ns:getListDevicePicFileResponse xmlns:ns=\"") + kv::wire::kPathwalkAreaUri + "\">";
  for (size_t i = 0; i < count; ++i)
    body += "<return><deviceId>d" + std::to_string(i) + "</deviceId>" + picFile(i) + "</return>";
  return body + "</ns:getListDevicePicFileResponse>";
}

}  // namespace kv::test
