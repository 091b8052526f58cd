// TextScan: finds the bytes of interest in XML text sixteen bytes at a time
// (SSE2), so that runs of ordinary bytes are skipped, not decoded.
#pragma once

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

namespace kv::wire::scan {

/// The first byte in [p, end) that is one of `Cs`, a control byte (below
/// 0x20) or, with `High`, a byte from 0x80 on (part of a UTF-8 sequence);
/// `end` when there is none.
template <bool High, char... Cs>
inline const char *Find(const char *p, const char *end) {
  while (end - p >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    // Signed, the bytes from 0x80 on are below 0x20 too.
    __m128i hit = High ? _mm_cmplt_epi8(x, _mm_set1_epi8(0x20))
                       : _mm_cmpeq_epi8(_mm_min_epu8(x, _mm_set1_epi8(0x1F)), x);
    ((hit = _mm_or_si128(hit, _mm_cmpeq_epi8(x, _mm_set1_epi8(Cs)))), ...);
    if (const int mask = _mm_movemask_epi8(hit)) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
  for (; p < end; ++p) {
    const auto b = static_cast<unsigned char>(*p);
    if (b < 0x20 || (High && b >= 0x80) || ((*p == Cs) || ...)) return p;
  }
  return end;
}

/// Whether a byte may matter to a tag, its attributes or the text between
/// tags: "<>=/&'\"!", a blank or control byte, or a byte from 0x80 on.
constexpr bool IsCandidate(unsigned char b) {
  return b <= 0x22 || b >= 0x80 || b == '&' || b == '\'' || b == '/' || (b >= '<' && b <= '>');
}

/// One bit for each of the 16 bytes at p that is a candidate.
inline unsigned Candidates16(const char *p) {
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
  // Signed: blanks, controls, '!', '"' and every byte from 0x80 on.
  __m128i hit = _mm_cmplt_epi8(x, _mm_set1_epi8(0x23));
  hit = _mm_or_si128(hit, _mm_cmpeq_epi8(_mm_or_si128(x, _mm_set1_epi8(1)), _mm_set1_epi8(0x27)));  // '&', '\''
  hit = _mm_or_si128(hit, _mm_cmpeq_epi8(x, _mm_set1_epi8('/')));
  const __m128i fromLt = _mm_sub_epi8(x, _mm_set1_epi8('<'));  // '<', '=', '>' become 0 to 2
  hit = _mm_or_si128(hit, _mm_cmpeq_epi8(_mm_min_epu8(fromLt, _mm_set1_epi8(2)), fromLt));
  return static_cast<unsigned>(_mm_movemask_epi8(hit));
}

/// One bit for each of the 64 bytes at p (bit i for p[i]) that is a
/// candidate.
inline uint64_t Candidates64(const char *p) {
  return Candidates16(p) | static_cast<uint64_t>(Candidates16(p + 16)) << 16 |
         static_cast<uint64_t>(Candidates16(p + 32)) << 32 | static_cast<uint64_t>(Candidates16(p + 48)) << 48;
}

/// The same for the `size` (< 64) bytes at p.
inline uint64_t Candidates(const char *p, size_t size) {
  uint64_t mask = 0;
  for (size_t i = 0; i < size; ++i)
    if (IsCandidate(static_cast<unsigned char>(p[i]))) mask |= uint64_t{1} << i;
  return mask;
}

}  // namespace kv::wire::scan
