#include "TextConvert.h"

#include <boost/locale/utf.hpp>
#include <iconv.h>

#include <cerrno>
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

// Valid UTF-8 decoded into `out`, sized `chars`, without iconv's per-call
// cost; false at the first invalid sequence, which iconv then handles.
bool DecodeValidUtf8(const std::string &text, size_t chars, std::wstring &out) {
  out.resize(chars);
  size_t n = 0;
  for (auto p = text.begin(), e = text.end(); p != e;) {
    const boost::locale::utf::code_point c = Utf8::decode(p, e);
    if (c == boost::locale::utf::illegal || c == boost::locale::utf::incomplete || n == chars) return false;
    out[n++] = static_cast<wchar_t>(c);
  }
  out.resize(n);
  return true;
}

// Every code page we support keeps ASCII one byte for one character, so
// plain ASCII text skips iconv.
std::wstring NarrowToWide(const std::string &text, const std::string &from) {
  if (IsAscii(text)) return std::wstring(text.begin(), text.end());
  std::wstring out;
  // Valid UTF-8 gives one character per byte that is no continuation byte;
  // sizing the result by that keeps it from holding up to three times the
  // memory it needs. Other input grows as it needs.
  size_t estimate = text.size();
  const bool utf8 = from == kUtf8;
  if (utf8) {
    estimate = 0;
    for (unsigned char c : text) estimate += (c & 0xC0) != 0x80;
    if (DecodeValidUtf8(text, estimate, out)) return out;
  }
  Converter &conv = ConverterFor(from, kWide);
  if (!conv.Valid()) return std::wstring(text.size(), L'\xFFFD');
  conv.Run(text.data(), text.size(), 1, estimate, out);
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

std::wstring ConvertUtf8ToGBK(const std::string &utf8) { return NarrowToWide(utf8, kUtf8); }

std::string ConvertGBKToUtf8(const std::wstring &text) { return WideToNarrow(text, kUtf8); }

std::wstring UTF8ToUnicode(const std::string &utf8) { return NarrowToWide(utf8, kUtf8); }

}  // namespace WRENCH
