// CXMLConfig: one integer value per element path ("/KvConfig/OpenTip") in an
// XML file. Every call reads the file anew; a write rewrites the whole file
// through a temporary file, so a failed write leaves the old file whole.
// Safe to use from any thread on distinct objects; writers of one file are
// not serialised against each other.
#pragma once

#include <string>

namespace WRENCH {

class CXMLConfig {
 public:
  /// `path` names the file; it need not exist yet.
  explicit CXMLConfig(const std::wstring &path);

  /// The integer text of the element at `key`; 0 when the file, the element
  /// or a whole decimal integer (surrounding blanks allowed) is missing. A
  /// file that cannot be read or is no XML reads as missing and is reported
  /// (LoadConfigXml).
  int GetXmlInt(const std::wstring &key);
  /// Stores `value` as the text of the element at `key`, creating the file,
  /// its directory and the missing elements. False when the key is no
  /// absolute element path, the file exists but is no XML document (it is
  /// left as it was), or the file cannot be written.
  bool WriteXmlInt(int value, const std::wstring &key);

 private:
  std::wstring path_;
};

}  // namespace WRENCH
