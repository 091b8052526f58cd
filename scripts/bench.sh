#!/usr/bin/env bash
# Builds and runs the benchmarks; the ones that need a server get the
# independent test server on a free port.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target kv_bench_wire kv_bench_runner kv_bench_catalogue kv_bench_managers kv_bench_stack kv_bench_reference \
  kv_bench_hostile KvWebService
state=$(mktemp -d)
trap 'tests/peer/stop.sh "$state" || true; rm -rf "$state"' EXIT
tests/peer/start.sh "$state"
peer="127.0.0.1:$(cat "$state/peer.port")"

echo "== test server: calls per second (its own server, 8 clients)"
node bench/PeerRate.js 4000 8
echo "== wire: write and read 10,000 hole results"
"$build"/bench/kv_bench_wire
echo "== runner: resident memory over 10,000 runs"
"$build"/bench/kv_bench_runner memory
echo "== runner: runner against raw proxy on the test server"
"$build"/bench/kv_bench_runner speed "$peer"
echo "== managers: synchronous calls through a manager against the raw proxy"
"$build"/bench/kv_bench_managers speed "$peer"
echo "== managers: asynchronous throughput"
"$build"/bench/kv_bench_managers async "$peer"
echo "== managers: resident memory over 10,000 mixed calls"
"$build"/bench/kv_bench_managers memory "$peer"
echo "== catalogue: findHoleResults through the runner into St records against the raw proxy"
"$build"/bench/kv_bench_catalogue
if command -v valgrind >/dev/null; then
  echo "== catalogue: instructions of one call (callgrind)"
  for side in runner raw; do
    out=$(mktemp -d)
    valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*ViaRunner*' --toggle-collect='*ViaProxy*' \
      --callgrind-out-file="$out/cg.%p" "$build"/bench/kv_bench_catalogue "$side" 10000 1 2>&1 |
      awk -v side="$side" '/Collected/ && $NF > 0 { print side ": " $NF " instructions" }'
    rm -rf "$out"
  done
fi
echo "== hostile replies: processor time"
"$build"/bench/kv_bench_hostile
echo "== manager stack beside the raw proxy and the reference client, against a canned server of its own"
"$build"/bench/kv_bench_stack
