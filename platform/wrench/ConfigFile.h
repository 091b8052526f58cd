// Reading the client's XML configuration files. A file that does not exist
// is no error: its readers take their values for a missing file. A file that
// exists but cannot be read or is no XML document is taken the same way,
// and named with its reason on standard error and in the log, once per
// file and reason in a process. Safe to call from any thread.
#pragma once

#include <pugixml.hpp>

#include <string>

namespace WRENCH {

/// How reading a configuration file ended.
enum class ConfigRead { kLoaded, kMissing, kBroken };

/// Reads the XML file `path` into `doc` (left empty unless kLoaded). For
/// kBroken the file is reported, and `reason` (when given) receives why
/// ("cannot be read: Permission denied", "is not XML: ... at byte N").
ConfigRead LoadConfigXml(const std::wstring &path, pugi::xml_document &doc, std::wstring *reason = nullptr);

}  // namespace WRENCH
