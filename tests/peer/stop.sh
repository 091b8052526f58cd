#!/bin/sh
# Stops the test server started by start.sh STATE_DIR, by the pid in its pid
# file. Nothing to stop is no error.
set -eu

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: stop.sh STATE_DIR" >&2
  exit 2
fi
pidfile="$1/peer.pid"
[ -f "$pidfile" ] || exit 0
pid=$(cat "$pidfile")

# Only a process running our server.js is ours; the pid may have been reused.
case "$pid" in
  ''|*[!0-9]*) echo "stop.sh: bad pid file $pidfile" >&2; exit 1 ;;
esac
if kill -0 "$pid" 2>/dev/null && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q 'server\.js'; then
  kill "$pid"
  tries=0
  while kill -0 "$pid" 2>/dev/null; do
    tries=$((tries + 1))
    if [ "$tries" -ge 100 ]; then
      echo "stop.sh: server $pid did not stop within 5 s" >&2
      exit 1
    fi
    sleep 0.05
  done
fi
rm -f "$pidfile" "$1/peer.port"
