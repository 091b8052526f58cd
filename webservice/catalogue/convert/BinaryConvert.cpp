#include "catalogue/convert/BinaryConvert.h"

#include <string>

namespace KEEL::KVWEBSERVICE {

namespace {
char kOctetStream[] = "application/octet-stream";
}

xsd__base64Binary ToWireBinary(const StBinaryData &data, CValueKeeper &keeper) {
  xsd__base64Binary binary;
  if (data.ptr && data.size >= 0) {
    std::string *bytes = keeper.Add(std::string(reinterpret_cast<const char *>(data.ptr), data.size));
    binary.__ptr = reinterpret_cast<unsigned char *>(bytes->data());
    binary.__size = data.size;
  }
  // The engine only reads the type text.
  binary.type = data.isOctetStream ? kOctetStream : nullptr;
  return binary;
}

StBinaryData ToBinaryData(const xsd__base64Binary *binary) {
  StBinaryData data;
  if (binary && binary->__ptr && binary->__size > 0)
    data.bytes.assign(reinterpret_cast<const char *>(binary->__ptr), binary->__size);
  return data;
}

}  // namespace KEEL::KVWEBSERVICE
