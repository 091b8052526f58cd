#!/usr/bin/env bash
# Runs kestrova with an event script and checks its transcript: every line
# of the expected file must appear in the transcript, in that order (lines
# in between are allowed), the exit code must match, no line starts with
# "print: not reached" (a script prints it where the process must have
# ended), every line is one entry (of a kind the program writes, an error
# "FILE:LINE: ..." or a message "kestrova: ..." of standard error), a
# print's line right after its echo, and the last
# line is the only "# exit" line. KV_TRANSCRIPT_OUT, when set, names a file
# that gets the transcript.
# Usage: check_transcript.sh PROGRAM SCRIPT EXPECTED EXIT_CODE [ARG...]
set -u
program=$1 script=$2 expected=$3 code=$4
shift 4
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$program" --script "$script" "$@" >"$out" 2>&1
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
if ! awk '$0 !~ /^(> |journal: |platform: |box: (message box|dialog|menu) |ribbon: |status: |call: |copydata: |load: |print: |# )/ &&
          $0 !~ /^[^ ]+:[0-9]+: / && $0 !~ /^kestrova: / { print "not one entry: " $0; bad = 1 }
          /^print: / && prev !~ /^> print( |$)/ { print "a print without its echo: " $0; bad = 1 }
          { prev = $0 }
          /^# exit/ { exits++; last = NR }
          END { if (exits != 1 || last != NR) { print "the last line is not the only \"# exit\" line"; bad = 1 }
                exit bad }' "$out"; then
  status=1
fi
if [ -n "${KV_TRANSCRIPT_OUT:-}" ]; then cp "$out" "$KV_TRANSCRIPT_OUT"; fi
if grep -q '^print: not reached' "$out"; then
  echo "the program went on after the process end"
  status=1
fi
if [ $status != 0 ]; then
  echo "--- transcript"
  cat "$out"
fi
exit $status
