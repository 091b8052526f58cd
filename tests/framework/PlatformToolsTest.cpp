// The XML configuration, the installation root and the text utilities.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "quilltools/QuillTools.h"
#include "wrench/ConfigFile.h"
#include "wrench/LogMsg.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"
#include "wrench/XMLConfig.h"

namespace {

namespace fs = std::filesystem;

class XmlConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("kv_xmlconfig_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::wstring Write(const std::string &name, const std::string &text) {
    std::ofstream(dir_ / name) << text;
    return Path(name);
  }
  std::wstring Path(const std::string &name) { return WRENCH::UTF8ToUnicode((dir_ / name).string()); }
  std::string Read(const std::string &name) {
    std::ifstream in(dir_ / name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
};

TEST_F(XmlConfigTest, ReadsIntegersAndZeroForEverythingElse) {
  struct Case {
    const char *name;
    std::string file;  // empty: no file
    std::wstring key;
    int expected;
  } cases[] = {
      {"value", "<KvConfig><OpenTip>1</OpenTip></KvConfig>", L"/KvConfig/OpenTip", 1},
      {"colour", "<KvConfig><DimClr>16711680</DimClr></KvConfig>", L"/KvConfig/DimClr", 16711680},
      {"negative, blanks", "<KvConfig><OpenTip> -7\n</OpenTip></KvConfig>", L"/KvConfig/OpenTip", -7},
      {"no file", "", L"/KvConfig/OpenTip", 0},
      {"missing key", "<KvConfig><DimClr>5</DimClr></KvConfig>", L"/KvConfig/OpenTip", 0},
      {"missing root", "<Other><OpenTip>5</OpenTip></Other>", L"/KvConfig/OpenTip", 0},
      {"not a number", "<KvConfig><OpenTip>yes</OpenTip></KvConfig>", L"/KvConfig/OpenTip", 0},
      {"trailing text", "<KvConfig><OpenTip>12ab</OpenTip></KvConfig>", L"/KvConfig/OpenTip", 0},
      {"empty element", "<KvConfig><OpenTip/></KvConfig>", L"/KvConfig/OpenTip", 0},
      {"too large", "<KvConfig><OpenTip>99999999999</OpenTip></KvConfig>", L"/KvConfig/OpenTip", 0},
      {"broken XML", "<KvConfig><OpenTip>1</Open", L"/KvConfig/OpenTip", 0},
      {"relative key", "<KvConfig><OpenTip>1</OpenTip></KvConfig>", L"KvConfig/OpenTip", 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::wstring path = std::string(c.file).empty() ? Path("absent.xml") : Write("case.xml", c.file);
    EXPECT_EQ(WRENCH::CXMLConfig(path).GetXmlInt(c.key), c.expected);
  }
}

TEST_F(XmlConfigTest, WriteThenReadCreatesWhatIsMissingAndKeepsTheRest) {
  // A file, its directory and the path of elements are made on first write.
  std::wstring path = Path("sub/dir/OpenTip.xml");
  WRENCH::CXMLConfig config(path);
  ASSERT_TRUE(config.WriteXmlInt(1, L"/KvConfig/OpenTip"));
  EXPECT_EQ(config.GetXmlInt(L"/KvConfig/OpenTip"), 1);
  ASSERT_TRUE(config.WriteXmlInt(255, L"/KvConfig/DimClr"));
  ASSERT_TRUE(config.WriteXmlInt(0, L"/KvConfig/OpenTip"));
  EXPECT_EQ(config.GetXmlInt(L"/KvConfig/OpenTip"), 0);
  EXPECT_EQ(config.GetXmlInt(L"/KvConfig/DimClr"), 255);

  // Other content of an existing file stays.
  std::wstring other = Write("other.xml", "<KvConfig><Name>网络</Name><OpenTip>text</OpenTip></KvConfig>");
  ASSERT_TRUE(WRENCH::CXMLConfig(other).WriteXmlInt(-3, L"/KvConfig/OpenTip"));
  EXPECT_EQ(WRENCH::CXMLConfig(other).GetXmlInt(L"/KvConfig/OpenTip"), -3);
  EXPECT_NE(Read("other.xml").find("<Name>网络</Name>"), std::string::npos);
}

TEST_F(XmlConfigTest, AFailedWriteSaysSoAndLosesNothing) {
  const std::string broken = "<KvConfig><OpenTip>1</Open";
  std::wstring path = Write("broken.xml", broken);
  EXPECT_FALSE(WRENCH::CXMLConfig(path).WriteXmlInt(1, L"/KvConfig/OpenTip"));
  EXPECT_EQ(Read("broken.xml"), broken);

  for (const wchar_t *key : {L"/KvConfig//OpenTip", L"", L"/", L"KvConfig/OpenTip", L"/KvConfig/Open Tip",
                             L"/KvConfig/1st", L"/KvConfig/<x>"}) {
    SCOPED_TRACE(WRENCH::ConvertGBKToUtf8(key));
    EXPECT_FALSE(WRENCH::CXMLConfig(Path("bad-key.xml")).WriteXmlInt(1, key));
  }
  EXPECT_FALSE(fs::exists(dir_ / "bad-key.xml"));

  // Another document's root, or an element holding elements, stays whole.
  const std::string other = "<Settings><OpenTip>1</OpenTip></Settings>";
  EXPECT_FALSE(WRENCH::CXMLConfig(Write("other-root.xml", other)).WriteXmlInt(0, L"/KvConfig/OpenTip"));
  EXPECT_EQ(Read("other-root.xml"), other);
  const std::string nested = "<KvConfig><OpenTip><Old>1</Old></OpenTip></KvConfig>";
  EXPECT_FALSE(WRENCH::CXMLConfig(Write("nested.xml", nested)).WriteXmlInt(0, L"/KvConfig/OpenTip"));
  EXPECT_EQ(Read("nested.xml"), nested);

  // A directory where the file should be cannot be written.
  fs::create_directories(dir_ / "adir.xml");
  EXPECT_FALSE(WRENCH::CXMLConfig(Path("adir.xml")).WriteXmlInt(1, L"/KvConfig/OpenTip"));
  EXPECT_EQ(WRENCH::CXMLConfig(Path("adir.xml")).GetXmlInt(L"/KvConfig/OpenTip"), 0);

  // An empty file holds nothing to lose.
  std::wstring empty = Write("empty.xml", "");
  EXPECT_TRUE(WRENCH::CXMLConfig(empty).WriteXmlInt(4, L"/KvConfig/OpenTip"));
  EXPECT_EQ(WRENCH::CXMLConfig(empty).GetXmlInt(L"/KvConfig/OpenTip"), 4);
}

// A missing file is no error; one that exists but cannot be read or parsed
// is named with its reason on standard error and in the log, once.
TEST_F(XmlConfigTest, ABrokenFileIsReportedWithItsReasonAMissingOneIsNot) {
  using WRENCH::ConfigRead;
  struct Case {
    const char *name;
    std::function<std::wstring()> make;  // the file's path
    ConfigRead read;
    const wchar_t *reason;  // part of the reason
  } cases[] = {
      {"document", [&] { return Write("ok.xml", "<KvConfig/>"); }, ConfigRead::kLoaded, L""},
      {"missing", [&] { return Path("absent.xml"); }, ConfigRead::kMissing, L""},
      {"under a file", [&] { return Write("file", "x") + L"/a.xml"; }, ConfigRead::kMissing, L""},
      {"directory",
       [&] {
         fs::create_directories(dir_ / "dir.xml");
         return Path("dir.xml");
       },
       ConfigRead::kBroken, L"cannot be read: Is a directory"},
      {"truncated", [&] { return Write("cut.xml", "<KvConfig><OpenTip>1</Op"); }, ConfigRead::kBroken,
       L"is not XML: Start-end tags mismatch at byte 22"},
      {"empty", [&] { return Write("empty.xml", ""); }, ConfigRead::kBroken, L"is not XML: No document element"},
      {"binary", [&] { return Write("binary.xml", std::string("<\0\x01\xff", 4)); }, ConfigRead::kBroken, L"is not XML: "},
      {"unreadable",
       [&] {
         std::wstring path = Write("locked.xml", "<KvConfig/>");
         fs::permissions(dir_ / "locked.xml", fs::perms::none);
         return path;
       },
       ConfigRead::kBroken, L"cannot be read: Permission denied"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    // Reading is not denied to the superuser.
    if (std::string(c.name) == "unreadable" && geteuid() == 0) continue;
    const std::wstring path = c.make();
    ::testing::internal::CaptureStderr();
    pugi::xml_document doc;
    std::wstring reason;
    EXPECT_EQ(WRENCH::LoadConfigXml(path, doc, &reason), c.read);
    EXPECT_EQ(WRENCH::LoadConfigXml(path, doc), c.read);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(reason.find(c.reason), std::wstring::npos) << WRENCH::ConvertGBKToUtf8(reason);
    if (c.read != ConfigRead::kBroken) {
      EXPECT_TRUE(said.empty()) << said;
      EXPECT_EQ(bool(doc.document_element()), c.read == ConfigRead::kLoaded);
      continue;
    }
    EXPECT_FALSE(doc.document_element());
    const std::string line = WRENCH::ConvertGBKToUtf8(path + L" " + reason);
    EXPECT_EQ(said.find(line), said.rfind(line)) << said;  // said once
    EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(said.find("File was not found"), std::string::npos);
    WRENCH::CLogMsg::Flush();
    std::ifstream log(WRENCH::CLogMsg::GetLogPath());
    std::stringstream logged;
    logged << log.rdbuf();
    EXPECT_NE(logged.str().find(line), std::string::npos);
  }
}

TEST(QuillTools, TokenizeKeepsEveryField) {
  struct Case {
    const char *name;
    std::string text;
    std::string sep;
    std::vector<std::string> fields;
  } cases[] = {
      {"five fields", "u$$p$$127.0.0.1:8080$$ev$$file", "$$", {"u", "p", "127.0.0.1:8080", "ev", "file"}},
      {"empty field", "a$$b$$$$c", "$$", {"a", "b", "", "c"}},
      {"leading", "$$a", "$$", {"", "a"}},
      {"trailing", "a$$", "$$", {"a", ""}},
      {"only separators", "$$$$", "$$", {"", "", ""}},
      {"no separator", "abc", "$$", {"abc"}},
      {"single dollar", "a$b", "$$", {"a$b"}},
      {"odd dollars", "a$$$b", "$$", {"a", "$b"}},
      {"empty text", "", "$$", {""}},
      {"empty separator", "a$$b", "", {"a$$b"}},
      {"UTF-8", "用户$$密码", "$$", {"用户", "密码"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(QuillTools::Tokenize(c.text, c.sep), c.fields);
  }
}

TEST(QuillTools, CString2StringGivesUtf8) {
  EXPECT_EQ(QuillTools::CString2String(L"用户$$p"), "用户$$p");
  EXPECT_EQ(WRENCH::UTF8ToUnicode("事件"), L"事件");
}

TEST(SysRoot, IsTheLogRootWithATrailingSeparator) {
  std::wstring root = WRENCH::GetSysRoot();
  ASSERT_FALSE(root.empty());
  EXPECT_EQ(root.back(), L'/');
  EXPECT_EQ(root.find(L"//"), std::wstring::npos);
}

}  // namespace
