// The program kestrova run as a user runs it, under installation roots of
// the test's own: a missing or broken installation stops it before
// anything starts, and a configuration file or a log that cannot be read
// is named with its reason while the start goes on.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int Count(const std::string &text, const std::string &part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class InstallRootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) /
          ("kv_root_" + std::to_string(getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::create_directories(dir / "empty");
  }
  void TearDown() override { fs::remove_all(dir); }

  // A fresh copy of the installation that the build tree holds beside the
  // program, at dir/root.
  fs::path Installation() {
    const fs::path root = dir / "root";
    fs::remove_all(root);
    fs::create_directories(root / "log");
    fs::copy(fs::path(KV_PROGRAM).parent_path() / "config", root / "config",
             fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    return root;
  }

  // Runs `program` with an empty script; KV_INSTALL_ROOT is `root`, or
  // unset when empty. Keeps standard output and error.
  int Run(const fs::path &program, const std::string &root) {
    const std::string env = root.empty() ? "env -u KV_INSTALL_ROOT" : "env KV_INSTALL_ROOT='" + root + "'";
    const std::string command = env + " KV_WEBSERVICE_LIBRARY='" KV_WEBSERVICE_LIBRARY "' '" + program.string() +
                                "' --script /dev/null </dev/null >'" + (dir / "out").string() + "' 2>'" +
                                (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    out = ReadFile(dir / "out");
    err = ReadFile(dir / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir;
  std::string out, err;
};

// Nothing starts (no transcript), exit code 1, the missing directory named
// on standard error, nothing created.
TEST_F(InstallRootTest, AMissingInstallationStopsTheProgramAndCreatesNothing) {
  struct Case {
    const char *what;
    std::function<std::string()> root;  // KV_INSTALL_ROOT; empty: unset
    const char *said;
  } const cases[] = {
      {"root missing", [&] { return (dir / "absent").string(); }, "absent (KV_INSTALL_ROOT): no such directory"},
      {"root is a file",
       [&] {
         std::ofstream(dir / "file") << "x";
         return (dir / "file").string();
       },
       "file (KV_INSTALL_ROOT): not a directory"},
      {"no config/system", [&] { return (dir / "empty").string(); }, "has no config/system: no such directory"},
      {"config/system is a file",
       [&] {
         fs::create_directories(dir / "half/config");
         std::ofstream(dir / "half/config/system") << "x";
         return (dir / "half").string();
       },
       "has no config/system: not a directory"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const std::string root = c.root();
    EXPECT_EQ(Run(KV_PROGRAM, root), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find(c.said), std::string::npos) << err;
    EXPECT_NE(err.find("installation root " + root + " "), std::string::npos) << err;
  }
  EXPECT_FALSE(fs::exists(dir / "absent"));
  EXPECT_TRUE(fs::is_empty(dir / "empty"));

  // A root from the environment reaches the terminal escaped.
  EXPECT_EQ(Run(KV_PROGRAM, (dir / "red\x1b[31m").string()), 1);
  EXPECT_EQ(err.find('\x1b'), std::string::npos) << err;
  EXPECT_NE(err.find("red\\x1b[31m (KV_INSTALL_ROOT): no such directory"), std::string::npos) << err;

  // Without KV_INSTALL_ROOT the root is the program's own directory.
  fs::create_directories(dir / "bin");
  fs::copy_file(KV_PROGRAM, dir / "bin/kestrova");
  EXPECT_EQ(Run(dir / "bin/kestrova", ""), 1);
  EXPECT_NE(err.find("installation root " + (dir / "bin").string() + " (the program's directory"), std::string::npos)
      << err;
  EXPECT_EQ(fs::directory_iterator(dir / "bin")->path().filename(), "kestrova");
  EXPECT_FALSE(fs::exists(dir / "bin/log"));
}

// The start goes on with the values of a missing file; the file and the
// reason are named once on standard error and in the log; a missing file
// is never said to be unreadable, nor an unreadable one missing.
TEST_F(InstallRootTest, AnUnreadableConfigurationFileIsNamedWithItsReason) {
  struct Case {
    const char *what;
    const char *file;  // under config/system
    std::function<void(const fs::path &)> spoil;
    const char *said;  // empty: nothing said
  } const cases[] = {
      {"variables are a directory", "AppVars.xml",
       [](const fs::path &p) {
         fs::remove(p);
         fs::create_directories(p);
       },
       "cannot be read: Is a directory"},
      {"variables unreadable", "AppVars.xml", [](const fs::path &p) { fs::permissions(p, fs::perms::none); },
       "cannot be read: Permission denied"},
      {"ribbon ids truncated", "CmdIds.xml", [](const fs::path &p) { fs::resize_file(p, fs::file_size(p) / 2); },
       "is not XML: "},
      {"start-up tip binary", "OpenTip.xml", [](const fs::path &p) { std::ofstream(p) << std::string("\x01\xfe\0<", 4); },
       "is not XML: "},
      {"colour empty", "DimMarkColor.xml", [](const fs::path &p) { std::ofstream(p).flush(); },
       "is not XML: No document element found"},
      {"variables missing", "AppVars.xml", [](const fs::path &p) { fs::remove(p); }, ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string(c.said).find("Permission") != std::string::npos && geteuid() == 0) continue;
    const fs::path root = Installation();
    const fs::path file = root / "config/system" / c.file;
    c.spoil(file);
    EXPECT_EQ(Run(KV_PROGRAM, root.string()), 0) << err;
    EXPECT_NE(out.find("# start succeeded"), std::string::npos) << out;
    const std::string log = ReadFile(root / "log/log.log");
    EXPECT_EQ(log.find("File was not found"), std::string::npos) << log;
    if (!*c.said) {
      EXPECT_TRUE(err.empty()) << err;
      EXPECT_NE(log.find("no file " + file.string()), std::string::npos) << log;
      continue;
    }
    const std::string line = "kestrova: configuration file " + file.string() + " " + c.said;
    EXPECT_EQ(Count(err, line), 1) << err;
    EXPECT_EQ(Count(err, "\n"), 1) << err;
    EXPECT_NE(log.find(line.substr(std::string("kestrova: ").size())), std::string::npos) << log;
  }
}

// A log that cannot be opened (its directory is a file) is named once on
// standard error with its reason; the program goes on.
TEST_F(InstallRootTest, ALogThatCannotBeOpenedIsNamedOnce) {
  const fs::path root = Installation();
  fs::remove_all(root / "log");
  std::ofstream(root / "log") << "x";
  EXPECT_EQ(Run(KV_PROGRAM, root.string()), 0) << err;
  EXPECT_NE(out.find("# start succeeded"), std::string::npos) << out;
  EXPECT_EQ(err, "kestrova: the log " + (root / "log/log.log").string() +
                     " cannot be opened: Not a directory; nothing is logged\n");
}

}  // namespace
