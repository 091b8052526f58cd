#include "TextConvert.h"

#include <boost/locale/utf.hpp>
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

namespace WRENCH {
namespace {

constexpr const char *kWide = "WCHAR_T";
constexpr const char *kUtf8 = "UTF-8";

std::mutex g_codePageMutex;
std::string g_codePage = kUtf8;

// One conversion direction, opened once per thread and reused.
class Converter {
 public:
  Converter(const std::string &from, const std::string &to)
      : cd_(iconv_open(to.c_str(), from.c_str())) {
    if (Valid()) replacement_ = MakeReplacement(to);
  }
  ~Converter() {
    if (Valid()) iconv_close(cd_);
  }
  Converter(const Converter &) = delete;
  Converter &operator=(const Converter &) = delete;

  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `size` bytes into `out`, a string of the target's code unit;
  // `unit` is the width of one input character, used to step over an
  // invalid one. `estimate` is the expected output length in code units;
  // the result grows when it needs more.
  template <class Out>
  void Run(const char *in, size_t size, size_t unit, size_t estimate, Out &out) {
    using Unit = typename Out::value_type;
    out.resize(estimate);
    size_t used = 0;  // bytes
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char *src = const_cast<char *>(in);
    size_t left = size;
    auto bytes = [&out] { return out.size() * sizeof(Unit); };
    auto grow = [&out] { out.resize(out.size() * 2 + 16); };
    while (left > 0) {
      char *dst = reinterpret_cast<char *>(&out[0]) + used;
      size_t room = bytes() - used;
      size_t rc = iconv(cd_, &src, &left, &dst, &room);
      used = bytes() - room;
      if (rc != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        grow();
        continue;
      }
      // EILSEQ or EINVAL (cut at the end): replace one input unit.
      size_t skip = unit < left ? unit : left;
      src += skip;
      left -= skip;
      while (bytes() - used < replacement_.size()) grow();
      std::memcpy(reinterpret_cast<char *>(&out[0]) + used, replacement_.data(), replacement_.size());
      used += replacement_.size();
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    // Flush any shift state of stateful targets.
    for (;;) {
      char *dst = reinterpret_cast<char *>(&out[0]) + used;
      size_t room = bytes() - used;
      size_t rc = iconv(cd_, nullptr, nullptr, &dst, &room);
      used = bytes() - room;
      if (rc != static_cast<size_t>(-1) || errno != E2BIG) break;
      grow();
    }
    out.resize(used / sizeof(Unit));
  }

  // U+FFFD in the target encoding, or '?' when the target has no such
  // character (GBK, for example).
  static std::string MakeReplacement(const std::string &to) {
    if (to == kWide) {
      wchar_t rep = 0xFFFD;
      return std::string(reinterpret_cast<const char *>(&rep), sizeof rep);
    }
    iconv_t cd = iconv_open(to.c_str(), kUtf8);
    if (cd == reinterpret_cast<iconv_t>(-1)) return "?";
    char rep[] = "\xEF\xBF\xBD";
    char *src = rep;
    size_t left = 3;
    char buf[16];
    char *dst = buf;
    size_t room = sizeof buf;
    size_t rc = iconv(cd, &src, &left, &dst, &room);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1)) return "?";
    return std::string(buf, sizeof buf - room);
  }

  iconv_t cd_;
  std::string replacement_;
};

Converter &ConverterFor(const std::string &from, const std::string &to) {
  // The UTF-8 directions are the common ones; keep them at hand.
  if (from == kUtf8 && to == kWide) {
    thread_local Converter utf8ToWide(kUtf8, kWide);
    return utf8ToWide;
  }
  if (from == kWide && to == kUtf8) {
    thread_local Converter wideToUtf8(kWide, kUtf8);
    return wideToUtf8;
  }
  thread_local std::map<std::pair<std::string, std::string>, Converter> cache;
  auto it = cache.find({from, to});
  if (it == cache.end())
    it = cache.emplace(std::piecewise_construct, std::forward_as_tuple(from, to),
                       std::forward_as_tuple(from, to)).first;
  return it->second;
}

bool IsAscii(const std::string &s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

bool IsAscii(const std::wstring &s) {
  for (wchar_t c : s)
    if (c < 0 || c >= 0x80) return false;
  return true;
}

using Utf8 = boost::locale::utf::utf_traits<char>;

// The length of the ASCII prefix of [p, p + n), a word at a time.
size_t AsciiPrefix(const unsigned char *p, size_t n) {
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, sizeof word);
    if (word & 0x8080808080808080ull) break;
  }
  while (i < n && p[i] < 0x80) ++i;
  return i;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The number of bytes of [p, p + n) that are no continuation byte
// (10xxxxxx), a word at a time.
size_t LeadBytes(const unsigned char *p, size_t n) {
  size_t leads = n, i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, sizeof word);
    leads -= static_cast<size_t>(__builtin_popcountll(word & ~(word << 1) & 0x8080808080808080ull));
  }
  for (; i < n; ++i) leads -= IsContinuation(p[i]);
  return leads;
}

// Decodes [p, end), which starts at a character, into `out`; false at the
// first sequence that is not well-formed UTF-8 (RFC 3629: no overlong form,
// no surrogate, nothing above U+10FFFF). Writes one character per lead byte,
// so `out` needs room for the lead bytes only.
bool DecodeUtf8(const unsigned char *p, const unsigned char *end, wchar_t *out) {
  while (p < end) {
    const unsigned c = *p;
    if (c < 0x80) {
      *out++ = static_cast<wchar_t>(c);
      ++p;
      continue;
    }
    const size_t left = static_cast<size_t>(end - p);
    if (c >= 0xC2 && c <= 0xDF) {
      if (left < 2 || !IsContinuation(p[1])) return false;
      *out++ = static_cast<wchar_t>(((c & 0x1F) << 6) | (p[1] & 0x3F));
      p += 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      if (left < 3 || !IsContinuation(p[1]) || !IsContinuation(p[2])) return false;
      if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] > 0x9F)) return false;  // overlong, surrogate
      *out++ = static_cast<wchar_t>(((c & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
      p += 3;
    } else if (c >= 0xF0 && c <= 0xF4) {
      if (left < 4 || !IsContinuation(p[1]) || !IsContinuation(p[2]) || !IsContinuation(p[3])) return false;
      if ((c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] > 0x8F)) return false;  // overlong, > U+10FFFF
      *out++ = static_cast<wchar_t>(((c & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) |
                                    (p[3] & 0x3F));
      p += 4;
    } else {
      return false;
    }
  }
  return true;
}

// UTF-8 to wide text in one allocation of the exact size: valid UTF-8 gives
// one character per byte that is no continuation byte. Invalid input goes
// to iconv, which replaces each bad unit and keeps the rest.
std::wstring Utf8ToWide(const std::string &text) {
  const auto *p = reinterpret_cast<const unsigned char *>(text.data());
  const size_t n = text.size();
  const size_t ascii = AsciiPrefix(p, n);
  if (ascii == n) return std::wstring(text.begin(), text.end());
  const size_t chars = ascii + LeadBytes(p + ascii, n - ascii);
  std::wstring out(chars, L'\0');
  wchar_t *w = &out[0];
  for (size_t i = 0; i < ascii; ++i) w[i] = static_cast<wchar_t>(p[i]);
  if (DecodeUtf8(p + ascii, p + n, w + ascii)) return out;
  Converter &conv = ConverterFor(kUtf8, kWide);
  if (!conv.Valid()) return std::wstring(n, L'\xFFFD');
  conv.Run(text.data(), n, 1, chars, out);
  return out;
}

// Every code page we support keeps ASCII one byte for one character, so
// plain ASCII text skips iconv.
std::wstring NarrowToWide(const std::string &text, const std::string &from) {
  if (from == kUtf8) return Utf8ToWide(text);
  if (IsAscii(text)) return std::wstring(text.begin(), text.end());
  std::wstring out;
  Converter &conv = ConverterFor(from, kWide);
  if (!conv.Valid()) return std::wstring(text.size(), L'\xFFFD');
  conv.Run(text.data(), text.size(), 1, text.size(), out);
  return out;
}

bool IsScalarValue(wchar_t c) {
  return c >= 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// UTF-8 of every character, U+FFFD for a value that is none, as iconv
// gives it but without its per-call cost.
std::string EncodeUtf8(const std::wstring &text) {
  size_t size = 0;
  for (wchar_t c : text) size += Utf8::width(IsScalarValue(c) ? c : 0xFFFD);
  std::string out(size, '\0');
  char *at = &out[0];
  for (wchar_t c : text) at = Utf8::encode(IsScalarValue(c) ? c : 0xFFFD, at);
  return out;
}

std::string WideToNarrow(const std::wstring &text, const std::string &to) {
  if (IsAscii(text)) return std::string(text.begin(), text.end());
  if (to == kUtf8) return EncodeUtf8(text);
  Converter &conv = ConverterFor(kWide, to);
  if (!conv.Valid()) return std::string(text.size(), '?');
  // iconv passes some values that are no characters (beyond U+10FFFF).
  const std::wstring *input = &text;
  std::wstring cleaned;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsScalarValue(text[i])) continue;
    if (cleaned.empty()) cleaned = text;
    cleaned[i] = 0xFFFD;
    input = &cleaned;
  }
  std::string out;
  conv.Run(reinterpret_cast<const char *>(input->data()), input->size() * sizeof(wchar_t), sizeof(wchar_t),
           input->size() * 3, out);
  return out;
}

}  // namespace

void SetAnsiCodePage(const std::string &codePage) {
  std::lock_guard<std::mutex> lock(g_codePageMutex);
  g_codePage = codePage.empty() ? kUtf8 : codePage;
}

std::string GetAnsiCodePage() {
  std::lock_guard<std::mutex> lock(g_codePageMutex);
  return g_codePage;
}

std::string UnicodeToAnsi(const std::wstring &text) {
  if (IsAscii(text)) return std::string(text.begin(), text.end());
  return WideToNarrow(text, GetAnsiCodePage());
}

std::wstring AnsiToUnicode(const std::string &text) {
  if (IsAscii(text)) return std::wstring(text.begin(), text.end());
  return NarrowToWide(text, GetAnsiCodePage());
}

std::wstring ConvertUtf8ToGBK(const std::string &utf8) { return Utf8ToWide(utf8); }

std::string ConvertGBKToUtf8(const std::wstring &text) { return WideToNarrow(text, kUtf8); }

std::wstring UTF8ToUnicode(const std::string &utf8) { return Utf8ToWide(utf8); }

}  // namespace WRENCH
