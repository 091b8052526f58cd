// Fields of the transcript that come from wide text: what is no character
// stays apart from U+FFFD, in a plain field and in a journal line alike.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Transcript.h"

namespace {

TEST(TranscriptTest, WideFieldsKeepWhatIsNoCharacterApart) {
  struct Case {
    const char *what;
    std::wstring text;
    std::string written;
  } const cases[] = {
      {"U+FFFD", L"a\uFFFDb", "a\xEF\xBF\xBD" "b"},
      {"an unpaired high surrogate", std::wstring{L'a', wchar_t(0xD800), L'b'}, "a\\ud800b"},
      {"an unpaired low surrogate", std::wstring{wchar_t(0xDFFF)}, "\\udfff"},
      {"a value past U+10FFFF", std::wstring{wchar_t(0x110000)}, "\\ufffd"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    std::ostringstream out;
    KVSHELL::CTranscript transcript(out);
    transcript.Line("x: ", c.text);
    transcript.Fields("journal: ", {c.text, L"op"});
    EXPECT_EQ(out.str(), "x: " + c.written + "\njournal: " + c.written + "|op\n");
  }
}

}  // namespace
