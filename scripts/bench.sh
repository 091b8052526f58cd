#!/usr/bin/env bash
# Builds and runs the benchmarks; the ones that need a server get the
# independent test server on a free port.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target kv_bench_wire kv_bench_runner
state=$(mktemp -d)
trap 'tests/peer/stop.sh "$state" || true; rm -rf "$state"' EXIT
tests/peer/start.sh "$state"
peer="127.0.0.1:$(cat "$state/peer.port")"

echo "== wire: write and read 10,000 hole results"
"$build"/bench/kv_bench_wire
echo "== runner: resident memory over 10,000 runs"
"$build"/bench/kv_bench_runner memory
echo "== runner: runner against raw proxy on the test server"
"$build"/bench/kv_bench_runner speed "$peer"
