// The platform stand-ins the runner calls: text conversion, the log and
// the session provider.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "keel/web/WebSession.h"
#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace {

TEST(TextConvert, Utf8ToWideAndBack) {
  struct Case {
    const char *name;
    std::string utf8;
    std::wstring wide;
  } cases[] = {
      {"empty", "", L""},
      {"ascii", "http://host:8080/RUVU", L"http://host:8080/RUVU"},
      {"chinese", "网络错误", L"网络错误"},
      {"mixed with zero", std::string("a\0中", 5), std::wstring(L"a\0中", 3)},
      {"beyond BMP", "\xF0\x9F\x98\x80", L"\U0001F600"},
      {"all widths", "a\xC3\xA9中\xF0\x9F\x98\x80z", L"a\u00E9中\U0001F600z"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WRENCH::ConvertUtf8ToGBK(c.utf8), c.wide);
    EXPECT_EQ(WRENCH::ConvertGBKToUtf8(c.wide), c.utf8);
  }
}

TEST(TextConvert, InvalidInputBecomesReplacementAndKeepsNeighbours) {
  struct Case {
    const char *name;
    std::string utf8;
    std::wstring wide;
  } cases[] = {
      {"stray continuation", "a\x80z", L"a\xFFFDz"},
      {"invalid lead byte", "中\xFF文", L"中\xFFFD文"},
      {"cut at the end", "ab\xE4\xB8", L"ab\xFFFD\xFFFD"},
      {"encoded surrogate", "x\xED\xA0\x80y", L"x\xFFFD\xFFFD\xFFFDy"},
      {"overlong", "a\xC0\xAFz", L"a\xFFFD\xFFFDz"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WRENCH::ConvertUtf8ToGBK(c.utf8), c.wide);
  }
  std::wstring badWide = L"a";
  badWide += static_cast<wchar_t>(0xD800);
  badWide += L"中";
  badWide += static_cast<wchar_t>(0x110000);
  EXPECT_EQ(WRENCH::ConvertGBKToUtf8(badWide), "a\xEF\xBF\xBD中\xEF\xBF\xBD");
}

// The UTF-8 decoder against iconv's own (reached through the code page
// alias "UTF8"): every sequence of up to four bytes drawn from the bytes at
// the edges of each UTF-8 range, alone and after an ASCII run long enough
// for the word-at-a-time scan.
TEST(TextConvert, Utf8DecoderAgreesWithIconv) {
  const unsigned char edges[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF,
                                 0xE0, 0xE1, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xFF};
  const size_t n = sizeof edges;
  WRENCH::SetAnsiCodePage("UTF8");
  size_t mismatches = 0;
  for (const std::string prefix : {"", "0123456789"}) {
    for (size_t length = 1; length <= 4; ++length) {
      size_t count = 1;
      for (size_t k = 0; k < length; ++k) count *= n;
      for (size_t index = 0; index < count; ++index) {
        std::string text = prefix;
        for (size_t k = 0, rest = index; k < length; ++k, rest /= n) text += static_cast<char>(edges[rest % n]);
        if (WRENCH::ConvertUtf8ToGBK(text) != WRENCH::AnsiToUnicode(text) && ++mismatches <= 5)
          ADD_FAILURE() << "bytes differ for length " << length << ", index " << index;
      }
    }
  }
  // Longer texts of the same bytes, mostly well-formed characters.
  std::mt19937 random(24);
  const char *pieces[] = {"a", "é", "中", "😀", "\xF4\x8F\xBF\xBF", "0123456789"};
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int k = random() % 40; k > 0; --k)
      text += random() % 8 ? std::string(pieces[random() % 6]) : std::string(1, static_cast<char>(edges[random() % n]));
    if (WRENCH::ConvertUtf8ToGBK(text) != WRENCH::AnsiToUnicode(text) && ++mismatches <= 5)
      ADD_FAILURE() << "long text differs in round " << round;
  }
  WRENCH::SetAnsiCodePage("");
  EXPECT_EQ(mismatches, 0u);
}

TEST(TextConvert, AnsiCodePage) {
  EXPECT_EQ(WRENCH::GetAnsiCodePage(), "UTF-8");
  EXPECT_EQ(WRENCH::UnicodeToAnsi(L"服务"), "服务");
  WRENCH::SetAnsiCodePage("GBK");
  EXPECT_EQ(WRENCH::UnicodeToAnsi(L"中"), "\xD6\xD0");
  EXPECT_EQ(WRENCH::AnsiToUnicode("\xD6\xD0"), L"中");
  // GBK has no U+FFFD; an unmappable character becomes '?'.
  EXPECT_EQ(WRENCH::UnicodeToAnsi(L"a\U0001F600b"), "a?b");
  WRENCH::SetAnsiCodePage("");
  EXPECT_EQ(WRENCH::GetAnsiCodePage(), "UTF-8");
}

std::vector<std::string> ReadLines(const std::string &path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(LogMsg, WritesUtf8LinesWithLevelUnderTheInstallRoot) {
  std::string root = ::testing::TempDir() + "kv_log_root";
  std::remove((root + "/log/log.log").c_str());
  WRENCH::CLogMsg::SetInstallRoot(root);
  EXPECT_EQ(WRENCH::CLogMsg::GetLogPath(), root + "/log/log.log");

  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t)
    writers.emplace_back([] {
      for (int i = 0; i < 50; ++i) WRENCH::CLogMsg::LogMsg(WRENCH::LV_TRACE, L"并发");
    });
  for (std::thread &w : writers) w.join();
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_INFO, L"--------------------网络错误--------------------");

  std::vector<std::string> lines = ReadLines(root + "/log/log.log");
  ASSERT_EQ(lines.size(), 201u);
  for (size_t i = 0; i < 200; ++i) ASSERT_NE(lines[i].find(" [6] 并发"), std::string::npos) << lines[i];
  EXPECT_NE(lines.back().find(" [4] --------------------网络错误--------------------"), std::string::npos);
}

// Trace entries are collected: they reach the file on their own shortly,
// at once with a more severe entry, and never twice when the process forks.
TEST(LogMsg, TraceEntriesReachTheFileOnceWithoutBeingFlushed) {
  std::string root = ::testing::TempDir() + "kv_log_trace_root";
  std::string path = root + "/log/log.log";
  std::remove(path.c_str());
  WRENCH::CLogMsg::SetInstallRoot(root);

  WRENCH::CLogMsg::LogMsg(WRENCH::LV_TRACE, L"alone");
  for (int i = 0; i < 3000 && ReadLines(path).empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_EQ(ReadLines(path).size(), 1u) << "a trace entry with nothing after it is written by itself";

  WRENCH::CLogMsg::LogMsg(WRENCH::LV_TRACE, L"before fork");
  pid_t child = fork();
  if (child == 0) {
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_TRACE, L"child");
    std::exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_ERROR, L"after fork");
  std::vector<std::string> lines = ReadLines(path);
  std::vector<std::string> texts;
  for (const std::string &line : lines) texts.push_back(line.substr(line.find(" [") + 5));
  // The child writes its own entry; the parent's may come before or after.
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"after fork", "alone", "before fork", "child"}));
}

// Whatever a text holds, its entry is one line that shows every character.
TEST(LogMsg, AnEntryIsOneLine) {
  const size_t max = WRENCH::CLogMsg::kMaxLoggedChars;
  struct Case {
    const char *name;
    std::wstring text;
    std::string written;
  } cases[] = {
      {"plain", L"FaultMessage = 备注", "FaultMessage = 备注"},
      {"forged entry", L"x\r\n2026-01-01 00:00:00.000 [4] FAKE LINE", "x\\r\\n2026-01-01 00:00:00.000 [4] FAKE LINE"},
      {"terminal escape", L"\x1b[2J\x1b]0;title\x07red", "\\x1b[2J\\x1b]0;title\\x07red"},
      {"tab, DEL, C1, separators", L"a\tb\x7f\x85\x9b\u2028\u2029c", "a\\tb\\x7f\\u0085\\u009b\\u2028\\u2029c"},
      {"vertical tab, form feed, backspace", L"\v\f\b", "\\x0b\\x0c\\x08"},
      {"exactly the limit", std::wstring(max, L'a'), std::string(max, 'a')},
      {"10 MB", std::wstring(10 * 1024 * 1024, L'b'),
       std::string(max, 'b') + "... (cut: 10485760 characters)"},
      {"cut before a line break", std::wstring(max, L'c') + L"\nFAKE", std::string(max, 'c') + "... (cut: " +
                                                                           std::to_string(max + 5) + " characters)"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::string root = ::testing::TempDir() + "kv_log_line_root";
    std::remove((root + "/log/log.log").c_str());
    WRENCH::CLogMsg::SetInstallRoot(root);
    WRENCH::CLogMsg::LogMsg(WRENCH::LV_INFO, c.text.c_str());
    std::vector<std::string> lines = ReadLines(root + "/log/log.log");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_search(lines[0], std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[4\] )")))
        << lines[0];
    size_t at = lines[0].find(" [4] ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(lines[0].substr(at + 5), c.written);
  }
}

TEST(WebSession, OneStorePerAddressWithItsOwnValuesAndLock) {
  KEEL::WEB::CWebSession session(L"127.0.0.1:8080");
  EXPECT_EQ(session.GetDefaultServAddr(), L"127.0.0.1:8080");
  EXPECT_EQ(session.GetRoute(), "");
  session.SetRoute("r1");
  EXPECT_EQ(session.GetRoute(), "r1");

  KEEL::WEB::IWebCookieStore *a = session.GetCookieStore(L"a:1");
  KEEL::WEB::IWebCookieStore *b = session.GetCookieStore(L"b:1");
  EXPECT_EQ(session.GetCookieStore(L"a:1"), a);
  EXPECT_NE(a, b);
  EXPECT_NE(a->GetLock(), b->GetLock());
  EXPECT_EQ(a->GetValue("JSESSIONID"), "");
  EXPECT_FALSE(a->IsDirty());

  a->SetValue("VALUE", "abc");
  EXPECT_TRUE(a->IsDirty());
  EXPECT_EQ(a->GetValue("VALUE"), "abc");
  EXPECT_EQ(b->GetValue("VALUE"), "");
  a->Commit();
  EXPECT_FALSE(a->IsDirty());
  a->SetValid(true);
  EXPECT_TRUE(a->IsValid());
}

// The first holder is alone; later holders share until the store is
// marked not valid.
TEST(WebSession, FirstRunHoldsTheLockAloneThenRunsShareIt) {
  KEEL::WEB::CWebSession session;
  KEEL::WEB::IWebCookieStore *store = session.GetCookieStore(L"a:1");
  boost::shared_ptr<KEEL::WEB::IWebServLock> lock = store->GetLock();
  EXPECT_TRUE(lock->CanUpdate());

  // Whether another thread gets the lock while this one holds it.
  auto othersGetIn = [&](int waitMs) {
    std::atomic<bool> in{false};
    std::thread other([&] {
      lock->Lock();
      in = true;
      lock->Unlock();
    });
    for (int i = 0; i < waitMs && !in; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    bool result = in;
    lock->Unlock();
    other.join();
    return result;
  };

  lock->Lock();
  EXPECT_FALSE(othersGetIn(50));
  lock->Lock();
  EXPECT_TRUE(othersGetIn(5000));
  store->SetValid(false);
  lock->Lock();
  EXPECT_FALSE(othersGetIn(50));
  lock->Lock();
  EXPECT_TRUE(othersGetIn(5000));
}

}  // namespace
