#!/usr/bin/env bash
# Runs one script twice against the test server, each run as
# web_fault_program.sh runs it (same fault queued, same hand-over), and
# checks that the two transcripts are the same line for line.
# Usage: same_transcript.sh the arguments of web_fault_program.sh
set -u
here=$(dirname "$0")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for run in 1 2; do
  KV_TRANSCRIPT_OUT="$dir/$run" "$here/web_fault_program.sh" "$@" || exit 1
done
diff "$dir/1" "$dir/2" || { echo "two runs of one script gave different transcripts"; exit 1; }
