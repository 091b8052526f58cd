// Differential fuzz target: the same bytes through the reply text check and
// through its per-byte reference copy, cut in three pieces, with little or
// more room for the output, as UTF-8 or ISO-8859-1 text. What the check takes
// must come out as the reference gives it; it may refuse what the reference
// took (its bounds and markup rules), never take what the reference refused.
// The first six bytes choose the cuts (two 16-bit offsets), the room and the
// encoding; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TextCheckDiff.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 6) return 0;
  const std::string text(reinterpret_cast<const char *>(data + 6), size - 6);
  size_t a = ((data[0] << 8) | data[1]) % (text.size() + 1);
  size_t b = ((data[2] << 8) | data[3]) % (text.size() + 1);
  if (a > b) std::swap(a, b);
  const size_t extra = data[4] % 8;
  const bool latin = data[5] & 1;
  const std::string diff = kv::test::CompareTextChecks(text, {a, b}, latin, extra, false);
  if (!diff.empty()) {
    std::fprintf(stderr, "text check differs from the per-byte reference: %s (cuts %zu %zu, room %zu%s)\n",
                 diff.c_str(), a, b, extra, latin ? ", latin-1" : "");
    std::abort();
  }
  return 0;
}
