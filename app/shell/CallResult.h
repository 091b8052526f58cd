// What a web-service operation gave back, in a few words for the
// transcript: the value of a flag or text, whether a record came, or the
// number of items of a list.
#pragma once

#include <string>

#include "runner/IWebRunner.h"

namespace KVSHELL {

/// The result of operation `name` (such as "Device_listDevice") held by
/// `output`: "true", "\"text\"" (escaped and cut as a transcript field),
/// "1 record", "no record", "3 items"; "no result" when it cannot be read.
std::wstring DescribeCallResult(const std::wstring &name, KEEL::WEB::IOutput *output);

}  // namespace KVSHELL
