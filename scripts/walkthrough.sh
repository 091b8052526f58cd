#!/usr/bin/env bash
# The managers' walk-through: builds the client stack, starts the independent test server
# on a free port and runs the managers' walk-through against it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kv_managers_demo KvWebService
state=$(mktemp -d)
trap 'tests/peer/stop.sh "$state" >/dev/null 2>&1 || true; rm -rf "$state"' EXIT
tests/peer/start.sh "$state"
KV_INSTALL_ROOT="$state" "$build"/examples/kv_managers_demo --server "127.0.0.1:$(cat "$state/peer.port")" "$@"
