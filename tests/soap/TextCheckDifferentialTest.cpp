// The text check against its per-byte reference copy: on the fuzz corpora and
// on replies that exercise every rule, cut in two at every point and in three
// at every point with a middle piece of up to 16 bytes (every token a cut
// can fall into), with more or less room for the output. The two must give
// the same output and refuse alike; the check refuses more only for what the
// bounds and the markup rules added, shown on replies of their own.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cctype>
#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TextCheckDiff.h"

namespace kv::test {
namespace {

const std::string kInvalidUtf8 =
    "a\xC3(b\xC0\xAF" "c\xE4\xB8z\xED\xA0\x80\x80\xFF\xF4\x90\x80\x80\xF0\x9F\x98 \xE0\x80\x80 \xE0\xA0 "
    "\xF0\x80\x80\x80 \xF0\x90\x80 \xF4\x8F\xBF\xBF \xC0\xC1\xF5\xF8 \xED\x9F\xBF \xEE\x80\x80 \xDF\xBF";

// Markup after which the state of the check shows: each is followed by a
// NUL reference, refused only where the check reads text.
const char *const kProbed[] = {
    "<!-- a - b -->", "<!--->-->", "<![CDATA[ ] ]] ]]]>", "<![CDATA[&#0;]]>", "<?pi é?>", "<?x é>",
    "<r a='&amp;' b=\"'\" c='\"'/>", "<r\xC3\xA9 \xC3\xA9=\"1\"/>", "<a></a/>", "<>x</>",
    "<a\n\tb = 'x' />", "<a b='&#0;'/>", "<a b='x>y'/>", "<!-- &#0; --> x", "<a/><b>&lt;</b >",
    "</a>",
};

// Replies that touch every rule of the check, each a whole document.
std::vector<std::pair<std::string, std::string>> Documents() {
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  const std::string envelope =
      "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><SOAP-ENV:Body>";
  const std::string end = "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
  auto doc = [&](const std::string &inside) { return head + envelope + inside + end; };
  return {
      {"multi-byte text", doc("<ns:r xmlns:ns=\"urn:x\"><t>巡视路线 😀 é ü</t><t>主体构件-1</t></ns:r>")},
      {"invalid UTF-8", doc("<r><t>" + kInvalidUtf8 + "</t></r>")},
      {"invalid UTF-8 in names and values", doc("<r\xC3 a\xFF=\"\xE4\xB8\">x</r\xC3>")},
      {"references", doc("<r a=\"&lt;&#x4E2D;&quot;\">&#x4E2D;&#25991;&amp;&lt;&gt;&quot;&apos;</r>")},
      {"comment, CDATA and PI", doc("<!-- c - d --><r><![CDATA[<x> ]] ]]]></r><?pi é x?>")},
      {"latin-1 declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xE9 \x80\xFF</r>"},
      {"attributes", doc("<r xsi:type=\"ns:t\" id='a' href=\"#b\" x = \"1\"><s href=\"cid:p\"/><u/></r>")},
      {"blanks", doc("\r\n <r >\n\t<s\t a=\"1\"\n/>\r\n</r >\n")},
      {"MIME tail", doc("<r/>") + "\r\n--B\r\nContent-Type: application/octet-stream\r\n\r\n\x01\x00\xFF\xC3(\r\n--B--"},
      {"NUL reference", doc("<r>a&#0;b</r>")},
      {"raw control byte", doc("<r>a\x01" "b</r>")},
      {"U+FFFF", doc("<r>a\xEF\xBF\xBF" "b</r>")},
      {"undeclared entity", doc("<r>&e;</r>")},
      {"malformed reference", doc("<r>&#xZ;</r>")},
      {"DOCTYPE", head + "<!DOCTYPE x [<!ENTITY e \"v\">]>" + envelope + end},
      {"text after the root", "<r></r>&#0;\xFF"},
      {"latin-1 after a UTF-8 text", "<?xml version='1.0' encoding='latin1'?><r>\xE9&#0;</r>"},
  };
}

std::vector<std::pair<std::string, std::string>> Probes() {
  std::vector<std::pair<std::string, std::string>> probes;
  for (const char *markup : kProbed) probes.emplace_back(markup, "<r>" + std::string(markup) + "<p>&#0;</p></r>");
  return probes;
}

bool HasHeader(const std::string &head, const char *header) {
  std::string lower = head;
  for (char &c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find(header) != std::string::npos;
}

std::string Unchunk(const std::string &body) {
  std::string text;
  for (size_t at = 0;;) {
    const size_t line = body.find("\r\n", at);
    if (line == std::string::npos) return text;
    const size_t size = std::strtoul(body.c_str() + at, nullptr, 16);
    if (size == 0) return text;
    text += body.substr(line + 2, size);
    at = line + 2 + size + 2;
  }
}

std::string Gunzip(const std::string &data) {
  z_stream zs{};
  inflateInit2(&zs, 15 + 32);
  std::string text;
  char out[4096];
  zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
  zs.avail_in = static_cast<uInt>(data.size());
  int rc = Z_OK;
  while (rc == Z_OK) {
    zs.next_out = reinterpret_cast<Bytef *>(out);
    zs.avail_out = sizeof out;
    rc = inflate(&zs, Z_NO_FLUSH);
    text.append(out, sizeof out - zs.avail_out);
  }
  inflateEnd(&zs);
  return text;
}

// The text of each reply in the corpora as the check sees it: its body,
// unchunked and inflated.
std::vector<std::pair<std::string, std::string>> CorpusTexts() {
  std::vector<std::pair<std::string, std::string>> texts;
  for (const auto &dir : std::filesystem::directory_iterator(KV_FUZZ_CORPUS))
    for (const auto &file : std::filesystem::directory_iterator(dir.path())) {
      std::ifstream in(file.path(), std::ios::binary);
      const std::string reply((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      const size_t headEnd = reply.find("\r\n\r\n");
      if (headEnd == std::string::npos) {
        texts.emplace_back(file.path().string(), reply);
        continue;
      }
      const std::string head = reply.substr(0, headEnd);
      std::string text = reply.substr(headEnd + 4);
      if (HasHeader(head, "transfer-encoding: chunked")) text = Unchunk(text);
      if (HasHeader(head, "content-encoding: gzip")) text = Gunzip(text);
      texts.emplace_back(file.path().string(), text);
    }
  return texts;
}

void ExpectSameEverywhere(const std::string &text) {
  for (size_t extra : {size_t{0}, size_t{1}, size_t{3}, size_t{64}}) {
    for (size_t i = 0; i <= text.size(); ++i) {
      const std::string diff = CompareTextChecks(text, {i}, false, extra, true);
      ASSERT_EQ(diff, "") << "cut at " << i << ", room " << extra;
    }
  }
  for (size_t i = 1; i < text.size(); ++i)
    for (size_t j = i + 1; j < text.size() && j <= i + 16; ++j) {
      const std::string diff = CompareTextChecks(text, {i, j}, false, 0, true);
      ASSERT_EQ(diff, "") << "cuts at " << i << " and " << j;
    }
  for (bool latin : {false, true})
    ASSERT_EQ(CompareTextChecks(text, {text.size() / 2}, latin, 0, true), "") << (latin ? "latin-1" : "");
}

TEST(TextCheckDifferential, CorporaGiveWhatThePerByteCheckGave) {
  const auto texts = CorpusTexts();
  ASSERT_FALSE(texts.empty());
  for (const auto &[name, text] : texts) {
    SCOPED_TRACE(name);
    ExpectSameEverywhere(text);
  }
}

TEST(TextCheckDifferential, EveryRuleGivesWhatThePerByteCheckGave) {
  for (const auto &[name, text] : Documents()) {
    SCOPED_TRACE(name);
    ExpectSameEverywhere(text);
  }
  for (const auto &[name, text] : Probes()) {
    SCOPED_TRACE(name);
    ExpectSameEverywhere(text);
  }
}

// What the check refuses beyond the reference: markup that the runtime reads
// otherwise, and the bounds. Until the refusal both give the same.
TEST(TextCheckDifferential, TheCheckRefusesOnlyWhatItAdded) {
  std::string attributes;
  for (int i = 0; i < 65; ++i) attributes += " a" + std::to_string(i) + "=''";
  const struct {
    const char *text;
    std::string reply;
    const char *refusal;
  } kCases[] = {
      {"65 attributes", "<r" + attributes + "/>", "The reply holds an element with more than 64 attributes"},
      {"a quote that opens no value", "<r a=x\" b c\">", "The reply holds a malformed tag"},
      {"a value without quotes", "<r a=x>", "The reply holds a malformed tag"},
      {"an attribute without a value", "<r a>", "The reply holds a malformed tag"},
      {"'<' in a value", "<r a=\"<!--\">", "The reply holds a malformed tag"},
      {"'/' inside a start tag", "<r / a=\"1\">", "The reply holds a malformed tag"},
      {"\"--\" inside a comment", "<r><!-- a -- > <e> --></r>", "The reply holds a malformed comment"},
      {"'?' inside a processing instruction", "<?pi a ? > <e> ?><r/>", "The reply holds a malformed processing instruction"},
      {"text after an empty root", "<r/><e>&#0;</e>", "The reply holds a character that XML does not allow"},
  };
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.text);
    kv::wire::ReplyTextFilter check;
    const TextCheckRun run = Drive(check, c.reply, {}, false, 0);
    ASSERT_NE(run.refusal, nullptr);
    EXPECT_STREQ(run.refusal, c.refusal);
    for (size_t i = 0; i <= c.reply.size(); ++i) ASSERT_EQ(CompareTextChecks(c.reply, {i}, false, 0, false), "");
  }
}

}  // namespace
}  // namespace kv::test
