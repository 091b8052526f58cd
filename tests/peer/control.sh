#!/usr/bin/env bash
# Sends one control request to the test server that start.sh started:
#   control.sh STATE PATH [JSON]
# STATE is the directory given to start.sh; PATH a control path such as
# /control/fault (see README.md); JSON the request body (default {}).
# Node.js is $NODE, else node on the PATH.
set -euo pipefail
state=$1 path=$2 body=${3:-'{}'}
port=$(cat "$state/peer.port")
"${NODE:-node}" -e '
  const [port, path, body] = process.argv.slice(1);
  fetch(`http://127.0.0.1:${port}${path}`, { method: "POST", body })
    .then((r) => { if (!r.ok) throw new Error(`${path}: HTTP ${r.status}`); })
    .catch((e) => { console.error(e.message); process.exit(1); });
' "$port" "$path" "$body"
