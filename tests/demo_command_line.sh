#!/usr/bin/env bash
# The managers' walk-through's command line and output as a user meets
# them: each case runs it and checks the exit code and what standard
# output and standard error say (Perl regular expressions over the whole
# text; "empty": nothing at all). Standard output "full" is /dev/full. A
# server that is no address is refused before any call; the last case
# walks through against the test server (reset after it).
# Usage: demo_command_line.sh PROGRAM NODE PEER_STATE
set -u
program=$1 node=$2 state=$3
here=$(dirname "$0")
dir=$(mktemp -d)
trap 'NODE=$node "$here/peer/control.sh" "$state" /control/reset; rm -rf "$dir"' EXIT

status=0
matches() {  # file expectation
  if [ "$2" = empty ]; then [ ! -s "$1" ]; else grep -Pzq -- "(?sm)$2" "$1"; fi
}
# case NAME EXIT_CODE STDOUT STDERR ARG...
case_() {
  local name=$1 code=$2 out=$3 err=$4
  shift 4
  local to=$dir/out
  : >"$dir/out"
  if [ "$out" = full ]; then to=/dev/full out=empty; fi
  "$program" "$@" >"$to" 2>"$dir/err"
  local rc=$? bad=
  [ "$rc" = "$code" ] || bad="exit code $rc, expected $code"
  matches "$dir/out" "$out" || bad="$bad; standard output is not /$out/"
  matches "$dir/err" "$err" || bad="$bad; standard error is not /$err/"
  if [ -n "$bad" ]; then
    echo "$name: $bad"
    echo "--- stdout"; cat -v "$dir/out"; echo "--- stderr"; cat -v "$dir/err"
    status=1
  fi
}

usage="^usage: kv_managers_demo"
case_ "help" 0 "\\A$usage" empty --help
for a in --bogus --server --library; do
  case_ "$a alone" 2 empty "$usage" "$a"
done
for server in 127.0.0.1:99999 127.0.0.1:0 user@host:1 http://127.0.0.1:1 'a b:1'; do
  case_ "server $server" 2 empty \
    "\\Akv_managers_demo: --server is no server address \\(host\\[:port\\]\\): '\\Q$server\\E'\n$usage" --server "$server"
done
case_ "an unknown option is escaped" 2 empty "\\Akv_managers_demo: unknown option --x\\\\x1b\\[31m\n$usage" \
  $'--x\e[31m'
case_ "a usage that cannot be written" 1 full \
  "\\Akv_managers_demo: standard output cannot be written: No space left on device\n\\z" --help
case_ "a walk-through that cannot be written" 1 full \
  "\\Akv_managers_demo: standard output cannot be written: No space left on device\n\\z" \
  --server "127.0.0.1:$(cat "$state/peer.port")"
exit $status
