#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (default 30)
# from the seed corpus in fuzz/corpus. Inputs that crash, leak or hang are
# written to $FUZZ_ARTIFACTS (default build-fuzz/artifacts); keep each as a
# regression seed in fuzz/corpus/<target>/ once fixed.
# A longer run: FUZZ_SECONDS=3600 scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-30}
artifacts=${FUZZ_ARTIFACTS:-$build/artifacts}
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DKV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
mkdir -p "$artifacts"
status=0
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  work=$(mktemp -d)
  echo "== fuzz $target for ${seconds}s"
  if ! "$build/fuzz/kv_fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "$work" "$seeds" \
      >"$build/fuzz-$target.log" 2>&1; then
    echo "fuzz $target failed; see $build/fuzz-$target.log and $artifacts"
    tail -30 "$build/fuzz-$target.log"
    status=1
  fi
  grep -E "stat::number_of_executed_units|DONE" "$build/fuzz-$target.log" | tail -2 || true
  rm -rf "$work"
done
exit $status
