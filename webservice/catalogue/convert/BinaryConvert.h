// Byte blocks between StBinaryData and the wire's base64 binary.
#pragma once

#include "catalogue/convert/ValueKeeper.h"
#include "records/StBinaryData.h"
#include "soapH.h"

namespace KEEL::KVWEBSERVICE {

/// The wire binary of a request. The bytes are copied into `keeper` and the
/// binary points at the copy, so the caller's buffer may go once this
/// returns. A null `ptr` or a negative `size` gives a binary without data.
/// With `isOctetStream` the binary is typed "application/octet-stream" and
/// goes out as an attachment; otherwise it is written inline.
xsd__base64Binary ToWireBinary(const StBinaryData &data, CValueKeeper &keeper);

/// The received bytes, copied into `bytes`; `ptr` null and `size` 0. An
/// absent binary gives the defaults.
StBinaryData ToBinaryData(const xsd__base64Binary *binary);

}  // namespace KEEL::KVWEBSERVICE
