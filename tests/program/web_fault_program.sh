#!/usr/bin/env bash
# Runs kestrova against the test server after queueing faults with an info
# code for one operation, with a launcher's hand-over login to that server,
# and checks its transcript as check_transcript.sh does.
# Usage: web_fault_program.sh NODE PEER_STATE PROGRAM SCRIPT EXPECTED EXIT_CODE OPERATION CODE MESSAGE COUNT
set -u
node=$1 state=$2 program=$3 script=$4 expected=$5 code=$6 operation=$7 info=$8 message=$9 count=${10}
port=$(cat "$state/peer.port") || exit 1
here=$(dirname "$0")
NODE=$node "$here/../peer/control.sh" "$state" /control/reset || exit 1
NODE=$node "$here/../peer/control.sh" "$state" /control/fault \
  "$(printf '{"operation": "%s", "infoCode": %d, "message": "%s", "count": %d}' "$operation" "$info" "$message" "$count")" ||
  exit 1
exec "$here/check_transcript.sh" "$program" "$script" "$expected" "$code" \
  "kv\$\$kv-password\$\$127.0.0.1:$port\$\$kv-sync\$\$kv-sync.dat"
