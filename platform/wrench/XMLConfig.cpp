#include "wrench/XMLConfig.h"

#include <pugixml.hpp>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "wrench/ConfigFile.h"
#include "wrench/TextConvert.h"

namespace WRENCH {
namespace {

// Whether `name` can be written as an element name (ASCII letters, digits,
// '_', '-', '.', not first a digit, '-' or '.'; other characters beyond
// ASCII pass).
bool IsElementName(const std::string &name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    bool letter = std::isalpha(c) || c == '_' || c >= 0x80;
    bool later = std::isdigit(c) || c == '-' || c == '.';
    if (!(letter || (i > 0 && later))) return false;
  }
  return true;
}

// The element names of an absolute path; empty when the path is not one
// ("", "/", "a/b", "/a//b", "/a b").
std::vector<std::string> SplitKey(const std::wstring &key) {
  std::vector<std::string> parts;
  if (key.size() < 2 || key[0] != L'/') return {};
  size_t start = 1;
  while (start <= key.size()) {
    size_t end = key.find(L'/', start);
    if (end == std::wstring::npos) end = key.size();
    if (end == start) return {};
    parts.push_back(ConvertGBKToUtf8(key.substr(start, end - start)));
    if (!IsElementName(parts.back())) return {};
    start = end + 1;
  }
  return parts;
}

bool ParseInt(const char *text, int &value) {
  while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n') ++text;
  if (!*text) return false;
  char *end = nullptr;
  errno = 0;
  long long v = std::strtoll(text, &end, 10);
  if (errno != 0 || end == text || v < INT_MIN || v > INT_MAX) return false;
  while (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n') ++end;
  if (*end) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

CXMLConfig::CXMLConfig(const std::wstring &path) : path_(path) {}

int CXMLConfig::GetXmlInt(const std::wstring &key) {
  std::vector<std::string> parts = SplitKey(key);
  if (parts.empty()) return 0;
  pugi::xml_document doc;
  if (LoadConfigXml(path_, doc) != ConfigRead::kLoaded) return 0;
  pugi::xml_node node = doc;
  for (const std::string &part : parts) {
    node = node.child(part.c_str());
    if (!node) return 0;
  }
  int value = 0;
  return ParseInt(node.child_value(), value) ? value : 0;
}

bool CXMLConfig::WriteXmlInt(int value, const std::wstring &key) {
  std::vector<std::string> parts = SplitKey(key);
  if (parts.empty()) return false;
  const std::filesystem::path file(ConvertGBKToUtf8(path_));
  pugi::xml_document doc;
  std::error_code error;
  if (std::filesystem::exists(file, error)) {
    if (!std::filesystem::is_regular_file(file, error)) return false;
    // A file with no element yet (empty) is taken as it is; any other
    // parse failure keeps the file untouched.
    pugi::xml_parse_result parsed = doc.load_file(file.c_str());
    if (!parsed && parsed.status != pugi::status_no_document_element) return false;
  }
  // A document of another root element is not ours to extend.
  pugi::xml_node root = doc.document_element();
  if (root && parts[0] != root.name()) return false;
  pugi::xml_node node = doc;
  for (const std::string &part : parts) {
    pugi::xml_node child = node.child(part.c_str());
    if (!child) child = node.append_child(part.c_str());
    if (!child) return false;
    node = child;
  }
  // The element holds the number alone; one that holds elements is left
  // whole.
  if (node.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; })) return false;
  while (node.first_child()) node.remove_child(node.first_child());
  node.append_child(pugi::node_pcdata).set_value(std::to_string(value).c_str());

  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  std::filesystem::path temp = file;
  temp += ".tmp";
  if (!doc.save_file(temp.c_str(), "  ", pugi::format_default, pugi::encoding_utf8)) {
    std::filesystem::remove(temp, error);
    return false;
  }
  std::filesystem::rename(temp, file, error);
  if (error) {
    std::filesystem::remove(temp, error);
    return false;
  }
  return true;
}

}  // namespace WRENCH
