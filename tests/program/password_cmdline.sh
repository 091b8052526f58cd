#!/usr/bin/env bash
# The hand-over's password is not in the process list: kestrova is started
# with a hand-over and a script on a pipe it blocks reading; while it waits,
# /proc/PID/cmdline shows the user and server but not the password.
# Usage: password_cmdline.sh PROGRAM
set -u
program=$1
dir=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
mkfifo "$dir/script"
"$program" --script "$dir/script" 'bob$$SECRETPW1$$127.0.0.1:1$$ev$$f' >"$dir/out" 2>&1 &
pid=$!
# Opening the pipe for writing waits for kestrova to open it for reading,
# which it does once its command line is read.
exec 3>"$dir/script"
cmdline=$(tr '\0' ' ' <"/proc/$pid/cmdline")
status=0
case $cmdline in
  *SECRETPW1*) echo "the password is in /proc/$pid/cmdline: $cmdline"; status=1 ;;
  *'bob$$$$127.0.0.1:1$$ev$$f'*) ;;
  *) echo "the hand-over is not in /proc/$pid/cmdline: $cmdline"; status=1 ;;
esac
printf 'close\n' >&3
exec 3>&-
wait "$pid"
rc=$?
pid=
[ "$rc" = 0 ] || { echo "exit code $rc"; cat "$dir/out"; status=1; }
grep -q 'CLoginMoxCmd|APP_LOGINMOX_CMD|Execute|bob|127.0.0.1:1' "$dir/out" || { echo "no login"; status=1; }
exit $status
