#!/bin/sh
# Starts the test server in the background: port, pid and log files in
# STATE_DIR (peer.port, peer.pid, peer.log; node's own output in peer.out).
# Returns once the port file exists, or fails after 5 s. PEER_PORT picks
# the port (default: a free one).
set -eu

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: start.sh STATE_DIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
state=$(cd "$1" && pwd)

if ! command -v node >/dev/null 2>&1; then
  echo "start.sh: node is not installed" >&2
  exit 1
fi
if [ ! -d "$here/node_modules/soap" ]; then
  echo "start.sh: $here/node_modules is missing; run 'npm ci' in $here" >&2
  exit 1
fi

# A server left over from an earlier run in this directory is stopped first.
"$here/stop.sh" "$state"
rm -f "$state/peer.port" "$state/peer.out"

node "$here/server.js" --port "${PEER_PORT:-0}" --port-file "$state/peer.port" \
  --pid-file "$state/peer.pid" --log "$state/peer.log" \
  >"$state/peer.out" 2>&1 </dev/null &
pid=$!

tries=0
while [ ! -s "$state/peer.port" ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "start.sh: the server exited during start-up:" >&2
    cat "$state/peer.out" >&2
    exit 1
  fi
  tries=$((tries + 1))
  if [ "$tries" -ge 100 ]; then
    kill "$pid" 2>/dev/null || true
    echo "start.sh: the server did not listen within 5 s; see $state/peer.out" >&2
    exit 1
  fi
  sleep 0.05
done
