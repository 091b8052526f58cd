#!/usr/bin/env bash
# The main job: builds the program kestrova, starts the independent test
# server on a free port, has it refuse one call with an info code, and runs
# kestrova with the demonstration script
# (examples/demo.kvs), handing it a login to that server as a launcher
# would. The transcript goes to standard output. Other scripts:
# `scripts/run.sh path/to/script.kvs`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
script=${1:-examples/demo.kvs}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kestrova KvWebService
state=$(mktemp -d)
trap 'tests/peer/stop.sh "$state" >/dev/null 2>&1 || true; rm -rf "$state"' EXIT
tests/peer/start.sh "$state"
port=$(cat "$state/peer.port")
# The server answers the next listDevice call with a fault of info code 1000.
tests/peer/control.sh "$state" /control/fault \
  '{"operation": "listDevice", "infoCode": 1000, "message": "设备列表暂时无法读取", "count": 1}'
# user $$ password $$ server $$ synchronisation event $$ synchronisation file
"$build"/app/shell/kestrova --script "$script" "demo\$\$demo-password\$\$127.0.0.1:$port\$\$kv-sync\$\$kv-sync.dat"
