// A block of bytes inside a record: the picture of a device, the data of a
// walk path.
#pragma once

#include <cstdint>
#include <string>

namespace KEEL::KVWEBSERVICE {

struct StBinaryData {
  /// Request side: sent typed "application/octet-stream" (an attachment).
  bool isOctetStream = true;
  /// Request side: the caller's bytes; copied when the request is written.
  const unsigned char *ptr = nullptr;
  /// Request side: the number of bytes at `ptr`.
  std::int32_t size = 0;
  /// Response side: the received bytes, zero bytes included.
  std::string bytes;
};

}  // namespace KEEL::KVWEBSERVICE
