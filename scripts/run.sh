#!/usr/bin/env bash
# The main job: builds the program kestrova, starts the independent test
# server on a free port, has it refuse one call with an info code, and runs
# kestrova with the demonstration script
# (examples/demo.kvs), handing it a login to that server as a launcher
# would. Standard output is the transcript alone; the set-up, the build
# and the server say what they do on standard error. Other scripts:
# `scripts/run.sh path/to/script.kvs` (a path from the caller's directory).
set -euo pipefail
script=${1:-}
case $script in
  '' | /*) ;;
  *) script=$PWD/$script ;;
esac
cd "$(dirname "$0")/.."
script=${script:-$PWD/examples/demo.kvs}
scripts/setup.sh >&2
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$build" -j"$(nproc)" --target kestrova KvWebService >&2
state=$(mktemp -d)
trap 'tests/peer/stop.sh "$state" >/dev/null 2>&1 || true; rm -rf "$state"' EXIT
tests/peer/start.sh "$state" >&2
port=$(cat "$state/peer.port")
# The server answers the next listDevice call with a fault of info code 1000.
tests/peer/control.sh "$state" /control/fault \
  '{"operation": "listDevice", "infoCode": 1000, "message": "设备列表暂时无法读取", "count": 1}' >&2
# user $$ password $$ server $$ synchronisation event $$ synchronisation file
"$build"/app/shell/kestrova --script "$script" "demo\$\$demo-password\$\$127.0.0.1:$port\$\$kv-sync\$\$kv-sync.dat"
