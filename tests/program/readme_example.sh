#!/usr/bin/env bash
# Runs the README's example event script exactly as the README prints it
# (the indented block after "An event script") and checks that it runs:
# every line an event, the start and the script's end reached, exit code 0,
# nothing on standard error.
# Usage: readme_example.sh PROGRAM README
set -u
program=$1 readme=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
awk '/^An event script/ { found = 1; next }
     found && /^    / { sub(/^    /, ""); print; inblock = 1; next }
     found && inblock { exit }' "$readme" >"$dir/example.kvs"
if [ ! -s "$dir/example.kvs" ]; then
  echo "no example script found in $readme"
  exit 1
fi
"$program" --script "$dir/example.kvs" >"$dir/out" 2>"$dir/err"
rc=$?
status=0
[ "$rc" = 0 ] || { echo "exit code $rc"; status=1; }
[ -s "$dir/err" ] && { echo "standard error:"; cat "$dir/err"; status=1; }
grep -q '^# start succeeded$' "$dir/out" || { echo "the start was not reached"; status=1; }
grep -q '^# end of script$' "$dir/out" || { echo "the end of the script was not reached"; status=1; }
if [ $status != 0 ]; then
  echo "--- script"; cat "$dir/example.kvs"
  echo "--- transcript"; grep -v '^journal:\|^platform:\|^ribbon:' "$dir/out"
fi
exit $status
