#!/usr/bin/env bash
# A hand-over's password is in no process list, on no standard output or
# error and in no log line. Each row starts kestrova with its arguments and
# a script on a FIFO; while the program waits for its script, the row reads
# /proc/PID/cmdline, then it ends the script and reads what the program
# said. Every wait ends with the program: a program that ends before it
# opens its script fails the row (unless the row expects that) instead of
# leaving the test waiting. Then, with PROBE (a library that copies
# /proc/self/cmdline from its constructor) preloaded, each "early" row
# checks that the password is gone before the first constructor of any
# library runs.
# Usage: password_cmdline.sh PROGRAM PROBE
set -u
program=$1 probe=$2
log=$(dirname "$program")/log/log.log
dir=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; exec 3>&- 2>/dev/null; rm -rf "$dir"' EXIT

status=0
n=0
# Whether process $1 runs (a child that ended stays a zombie until waited
# for).
running() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ]
}
# Whether process $1 has file $2 open.
has_open() {
  local fd
  for fd in /proc/"$1"/fd/*; do
    [ "$(readlink "$fd" 2>/dev/null)" = "$2" ] && return 0
  done
  return 1
}
# row NAME EXIT_CODE CMDLINE PASSWORD ARG...: CMDLINE is a part of the
# command line the process list must show ("" when the program refuses its
# command line and ends at once); PASSWORD must appear nowhere.
row() {
  local name=$1 code=$2 shown=$3 password=$4 bad=
  shift 4
  n=$((n + 1))
  local fifo=$dir/script$n
  mkfifo "$fifo"
  # Read and write: opening it never waits, and the script ends when this
  # side is closed.
  exec 3<>"$fifo"
  "$program" --script "$fifo" "$@" >"$dir/out" 2>"$dir/err" 3>&- &
  pid=$!
  while running "$pid" && ! has_open "$pid" "$fifo"; do sleep 0.01; done
  local cmdline=
  [ -n "$shown" ] && cmdline=$({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null)
  printf 'close\n' >&3
  exec 3>&-
  wait "$pid"
  local rc=$?
  pid=
  [ "$rc" = "$code" ] || bad="exit code $rc, expected $code"
  if [ -n "$shown" ]; then
    case $cmdline in
      *"$password"*) bad="$bad; the password is in /proc/PID/cmdline: $cmdline" ;;
      *"$shown"*) ;;
      *) bad="$bad; /proc/PID/cmdline is '$cmdline', not with '$shown' (did the program end early?)" ;;
    esac
  fi
  grep -q -- "$password" "$dir/out" && bad="$bad; the transcript holds the password"
  grep -q -- "$password" "$dir/err" && bad="$bad; standard error holds the password"
  if [ -n "$bad" ]; then
    echo "$name: $bad"
    echo "--- stderr"; cat "$dir/err"
    status=1
  fi
}

row "a hand-over" 0 ' bob$$$$127.0.0.1:1$$ev$$f ' SECRETPW1 'bob$$SECRETPW1$$127.0.0.1:1$$ev$$f'
grep -q 'CLoginMoxCmd|APP_LOGINMOX_CMD|Execute|bob|127.0.0.1:1' "$dir/out" || { echo "no login"; status=1; }
row "a hand-over after --" 0 ' -- -alice$$$$127.0.0.1:1$$ev$$f ' SECRETPW2 -- '-alice$$SECRETPW2$$127.0.0.1:1$$ev$$f'
row "four fields" 0 " $dir/script3 bob " SECRETPW3 'bob$$SECRETPW3$$h$$ev'
row "a password with \$\$ in it" 0 " $dir/script4 bob " SECRETPW4 'bob$$SECRETPW4a$$SECRETPW4b$$h$$ev$$f'
row "a server that is no address" 0 ' bob$$$$no host$$ev$$f ' SECRETPW5 'bob$$SECRETPW5$$no host$$ev$$f'
row "a hand-over taken for an option" 2 "" SECRETPW6 '-alice$$SECRETPW6$$127.0.0.1:1$$ev$$f'
row "a hand-over before a wrong option" 2 "" SECRETPW7 'bob$$SECRETPW7$$127.0.0.1:1$$ev$$f' --bogus
# early NAME SHOWN PASSWORD ARG...: SHOWN is what the first constructor
# sees of the command line (NULs as blanks), the password nowhere.
early() {
  local name=$1 shown=$2 password=$3 cmdline
  shift 3
  rm -f "$dir/early"
  LD_PRELOAD=$probe KV_CMDLINE_PROBE_OUT=$dir/early "$program" --script /dev/null "$@" >/dev/null 2>&1
  cmdline=$(tr '\0' ' ' <"$dir/early" 2>/dev/null)
  case $cmdline in
    *"$password"*) echo "$name: the first constructor saw the password: $cmdline"; status=1 ;;
    *"$shown"*) ;;
    *) echo "$name: the first constructor saw '$cmdline', not '$shown'"; status=1 ;;
  esac
}
early "a hand-over, early" ' bob$$$$127.0.0.1:1$$ev$$f ' SECRETPW8 'bob$$SECRETPW8$$127.0.0.1:1$$ev$$f'
early "a hand-over after --, early" ' -- -al$$$$127.0.0.1:1$$ev$$f ' SECRETPW9 -- '-al$$SECRETPW9$$127.0.0.1:1$$ev$$f'
early "four fields, early" ' /dev/null bob ' SECRETPW10 'bob$$SECRETPW10$$h$$ev'
early "a refused command line, early" ' bob$$$$127.0.0.1:1$$ev$$f ' SECRETPW11 'bob$$SECRETPW11$$127.0.0.1:1$$ev$$f' --bogus
if grep -q SECRETPW "$log" 2>/dev/null; then
  echo "the log holds a password"
  status=1
fi
exit $status
