#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# The threaded tests (the load test among them) again under
# ThreadSanitizer and under AddressSanitizer, each in a build of its own;
# the wire tests and the program's runs with throwing outside objects
# (label "memory") under AddressSanitizer too.
for sanitizer in thread address; do
  dir=build-${sanitizer}
  targets=thread_tests labels=threads
  if [ "$sanitizer" = address ]; then targets="thread_tests kv_wire_tests kestrova" labels="threads|memory"; fi
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=$sanitizer -DKV_BUILD_BENCH=OFF >/dev/null
  cmake --build "$dir" -j"$(nproc)" --target $targets
  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ASAN_OPTIONS="detect_leaks=1" ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -L "$labels"
done

# A bounded fuzz run of the reply parsing (clang, libFuzzer).
FUZZ_SECONDS=${FUZZ_SECONDS:-30} scripts/fuzz.sh
