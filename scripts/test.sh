#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# The threaded tests again under ThreadSanitizer, in a build of their own.
tsan=${TSAN_BUILD_DIR:-build-tsan}
cmake -S . -B "$tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=thread -DKV_BUILD_BENCH=OFF >/dev/null
cmake --build "$tsan" -j"$(nproc)" --target thread_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir "$tsan" --output-on-failure -j"$(nproc)" -L threads

# A bounded fuzz run of the reply parsing (clang, libFuzzer).
FUZZ_SECONDS=${FUZZ_SECONDS:-30} scripts/fuzz.sh
