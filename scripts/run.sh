#!/usr/bin/env bash
# The main job for now: build the client stack and run the wire-layer
# benchmark (write and read back 10,000 hole results).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kv_bench_wire
"$build"/bench/kv_bench_wire "$@"
