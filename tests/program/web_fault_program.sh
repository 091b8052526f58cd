#!/usr/bin/env bash
# Runs kestrova against the test server after queueing faults with an info
# code for one operation, then checks its transcript: every line of the
# expected file in order (as check_transcript.sh does), the exit code, and
# that the line "not reached" never appears (the process ended at once).
# Usage: web_fault_program.sh NODE PEER_STATE PROGRAM SCRIPT EXPECTED EXIT_CODE OPERATION CODE MESSAGE COUNT
set -u
node=$1 state=$2 program=$3 script=$4 expected=$5 code=$6 operation=$7 info=$8 message=$9 count=${10}
port=$(cat "$state/peer.port") || exit 1
control=$(dirname "$0")/../peer/control.sh
NODE=$node "$control" "$state" /control/reset || exit 1
NODE=$node "$control" "$state" /control/fault \
  "$(printf '{"operation": "%s", "infoCode": %d, "message": "%s", "count": %d}' "$operation" "$info" "$message" "$count")" ||
  exit 1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$program" --script "$script" "kv\$\$kv-password\$\$127.0.0.1:$port\$\$kv-sync\$\$kv-sync.dat" >"$out" 2>&1
rc=$?
status=0
if [ "$rc" != "$code" ]; then
  echo "exit code $rc, expected $code"
  status=1
fi
if ! awk 'NR == FNR { want[n++] = $0; next } i < n && index($0, want[i]) == 1 { i++ }
          END { if (i < n) { print "missing or out of order: " want[i]; exit 1 } }' "$expected" "$out"; then
  status=1
fi
if grep -q '^not reached' "$out"; then
  echo "the program went on after the process end"
  status=1
fi
if [ $status != 0 ]; then
  echo "--- transcript"
  cat "$out"
fi
exit $status
