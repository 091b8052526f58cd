// Feeds the same reply text through the text check (kv::wire::ReplyTextFilter)
// and through its per-byte reference copy (PerByteTextCheck), cut into the
// same pieces and driven as the runtime drives its receive filter, and
// compares what each gives out and whether and where each refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "PerByteTextCheck.h"
#include "ReplyTextFilter.h"

namespace kv::test {

struct TextCheckRun {
  std::string output;
  const char *refusal = nullptr;
  size_t refusedPiece = SIZE_MAX;
  size_t checkedOutput = SIZE_MAX;  // the reference: its output before the piece in which it stopped checking
};

/// Before each piece (and after the last) the output still owed is taken by
/// calls without input, `extra` + 1 bytes of room each; each piece then
/// comes with room for `extra` bytes more than it holds.
template <class Check>
TextCheckRun Drive(Check &check, const std::string &text, const std::vector<size_t> &cuts, bool latin,
                   size_t extra) {
  TextCheckRun run;
  check.Start(latin);
  std::vector<char> buf;
  auto drain = [&] {
    for (;;) {
      buf.assign(extra + 1, '\0');
      size_t len = 0;
      if (check.Filter(buf.data(), &len, buf.size()) != 0 || len == 0) return;
      run.output.append(buf.data(), len);
    }
  };
  size_t from = 0;
  for (size_t piece = 0; piece <= cuts.size(); ++piece) {
    const size_t to = piece < cuts.size() ? cuts[piece] : text.size();
    drain();
    buf.assign(text.begin() + static_cast<std::ptrdiff_t>(from), text.begin() + static_cast<std::ptrdiff_t>(to));
    buf.resize(to - from + extra);
    size_t len = to - from;
    const size_t before = run.output.size();
    if (check.Filter(buf.data(), &len, buf.size()) != 0) {
      run.refusal = check.Refusal();
      run.refusedPiece = piece;
      return run;
    }
    if constexpr (std::is_same_v<Check, PerByteTextCheck>)
      if (check.Done() && run.checkedOutput == SIZE_MAX) run.checkedOutput = before;
    run.output.append(buf.data(), len);
    from = to;
  }
  drain();
  return run;
}

/// Empty when the check agrees with the reference on `text` cut at `cuts`
/// (ascending); else what differs. Strictly, both give the same output and
/// refuse alike. Otherwise the check may refuse what the reference took
/// (markup the runtime reads otherwise, the bounds on attributes), and go on
/// checking where the reference stopped (after an empty root element, which
/// the runtime reads on after): what it gave while the reference checked is
/// what the reference gave.
inline std::string CompareTextChecks(const std::string &text, const std::vector<size_t> &cuts, bool latin,
                                     size_t extra, bool strict) {
  PerByteTextCheck reference;
  kv::wire::ReplyTextFilter check;
  const TextCheckRun want = Drive(reference, text, cuts, latin, extra);
  const TextCheckRun got = Drive(check, text, cuts, latin, extra);
  auto why = [](const char *text) { return std::string(text ? text : "(none)"); };
  if (strict) {
    if (why(got.refusal) != why(want.refusal))
      return "refusal " + why(got.refusal) + ", the reference's " + why(want.refusal);
    if (got.refusedPiece != want.refusedPiece) return "refused in another piece than the reference";
    if (got.output != want.output) return "output differs from the reference's";
    return "";
  }
  if (want.refusal && (!got.refusal || want.refusedPiece < got.refusedPiece)) return "took what the reference refused";
  const size_t checked = std::min(want.checkedOutput, got.refusal ? got.output.size() : SIZE_MAX);
  if (checked == SIZE_MAX) return got.output == want.output ? "" : "output differs from the reference's";
  if (got.output.compare(0, checked, want.output, 0, checked) != 0) return "output differs while both checked";
  return "";
}

}  // namespace kv::test
