// TextScan: finds the next byte of interest in XML text sixteen bytes at a
// time (SSE2), so that runs of ordinary bytes are skipped, not decoded.
#pragma once

#include <emmintrin.h>

#include <cstddef>

namespace kv::wire::scan {

/// What ends a run besides the listed characters.
enum Stops : unsigned {
  kControl = 1,  // bytes below 0x20 other than tab, line feed and return
  kBlank = 2,    // bytes up to 0x20: blanks and every control byte
  kHigh = 4,     // bytes from 0x80 on (UTF-8 sequences)
};

namespace detail {

inline bool Scalar(unsigned char b, unsigned stops, const char *set, int count) {
  if ((stops & kHigh) && b >= 0x80) return true;
  if ((stops & kBlank) && b <= 0x20) return true;
  if ((stops & kControl) && b < 0x20 && b != '\t' && b != '\n' && b != '\r') return true;
  for (int i = 0; i < count; ++i)
    if (b == static_cast<unsigned char>(set[i])) return true;
  return false;
}

}  // namespace detail

/// The first byte in [p, end) that is one of `Cs` or of the classes in
/// `stops`; `end` when there is none.
template <char... Cs>
inline const char *Find(const char *p, const char *end, unsigned stops) {
  const __m128i low = _mm_set1_epi8(0x1F), space = _mm_set1_epi8(0x20);
  const __m128i tab = _mm_set1_epi8('\t'), lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
  while (end - p >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    __m128i hit = _mm_setzero_si128();
    ((hit = _mm_or_si128(hit, _mm_cmpeq_epi8(x, _mm_set1_epi8(Cs)))), ...);
    if (stops & kBlank) {
      hit = _mm_or_si128(hit, _mm_cmpeq_epi8(_mm_min_epu8(x, space), x));
    } else if (stops & kControl) {
      const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(x, low), x);
      const __m128i allowed = _mm_or_si128(_mm_cmpeq_epi8(x, tab), _mm_or_si128(_mm_cmpeq_epi8(x, lf), _mm_cmpeq_epi8(x, cr)));
      hit = _mm_or_si128(hit, _mm_andnot_si128(allowed, control));
    }
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
    if (stops & kHigh) mask |= static_cast<unsigned>(_mm_movemask_epi8(x));
    if (mask) return p + __builtin_ctz(mask);
    p += 16;
  }
  static constexpr char kSet[] = {Cs..., 0};
  for (; p < end; ++p)
    if (detail::Scalar(static_cast<unsigned char>(*p), stops, kSet, sizeof...(Cs))) return p;
  return end;
}

}  // namespace kv::wire::scan
