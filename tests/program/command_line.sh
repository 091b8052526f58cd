#!/usr/bin/env bash
# The program's command line and script check as a user meets them: each
# case runs kestrova with its standard input and arguments and checks the
# exit code and what standard output and standard error say (Perl regular
# expressions over the whole text; "empty": nothing at all).
# Usage: command_line.sh PROGRAM
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'close\n' >"$dir/a.kvs"
printf 'close\n' >"$dir/b.kvs"
printf 'status\ncommand 4294973196\nframe 1\n# fine\nmessage 74 0 12345\n' >"$dir/bad.kvs"
printf '\357\273\277print bom  # the first line\nset X Y 张三   # an answer\nprint done\n' >"$dir/bom.kvs"

status=0
matches() {  # file expectation
  if [ "$2" = empty ]; then [ ! -s "$1" ]; else grep -Pzq -- "(?sm)$2" "$1"; fi
}
# case NAME STDIN EXIT_CODE STDOUT STDERR NOT_SAID ARG...
case_() {
  local name=$1 input=$2 code=$3 out=$4 err=$5 absent=$6
  shift 6
  printf '%b' "$input" | "$program" "$@" >"$dir/out" 2>"$dir/err"
  local rc=$? bad=
  [ "$rc" = "$code" ] || bad="exit code $rc, expected $code"
  matches "$dir/out" "$out" || bad="$bad; standard output is not /$out/"
  matches "$dir/err" "$err" || bad="$bad; standard error is not /$err/"
  if [ -n "$absent" ] && grep -q -- "$absent" "$dir/out" "$dir/err"; then bad="$bad; says '$absent'"; fi
  if [ -n "$bad" ]; then
    echo "$name: $bad"
    echo "--- stdout"; head -c 3000 "$dir/out"; echo "--- stderr"; cat "$dir/err"
    status=1
  fi
}

case_ "help" "" 0 "^usage: kestrova" empty "" --help
case_ "unknown option" "" 2 empty "unknown option --verbose.*^usage: kestrova" "" --verbose
case_ "repeated script" "" 2 empty "--script is given twice.*^usage: kestrova" "cannot read" \
  --script "$dir/a.kvs" --script "$dir/b.kvs"
case_ "script without file" "" 2 empty "--script needs a file" "" --script
case_ "two hand-overs" "" 2 empty "one hand-over at most" "" 'a$$b$$c$$d$$e' 'f$$g$$h$$i$$j'
case_ "missing script" "" 2 empty "cannot read $dir/none.kvs" "" --script "$dir/none.kvs"
case_ "bad lines" "" 2 empty \
  "\\A.*bad.kvs:2: 4294973196 is out of range for a command id \\(0..65535\\)\n.*bad.kvs:3: unknown event 'frame'\n.*bad.kvs:5: message 74 is WM_COPYDATA.*use the event copydata <dwData> \\[text\\]\n\\z" \
  "bad.kvs:1:" --script "$dir/bad.kvs"
case_ "bad line on standard input" "status\nclose now\n" 2 empty "\\A<stdin>:2: too many arguments; use: close\n\\z" ""
case_ "byte-order mark and comments" "" 0 \
  "^> print bom\n^bom\n^> set X Y 张三\n.*^done\n.*^# exit 0\n\\z" empty "the first line" --script "$dir/bom.kvs"
case_ "an event that cannot run" "view paint\n" 2 "^> view paint\n.*^# exit 2\n\\z" \
  "\\A<stdin>:1: there is no 3D view" ""
case_ "four fields: no hand-over" "close\n" 0 "StartFromShell\\|false.*^# start succeeded" empty "" 'a$$b$$c$$d'
case_ "six fields: no hand-over" "close\n" 0 "StartFromShell\\|false.*^# start succeeded" empty "" 'a$$b$$c$$d$$e$$f'
case_ "five fields" "close\n" 0 "StartFromShell\\|true.*Execute\\|a\\|c\n.*^# start succeeded" empty "" \
  'a$$b$$c$$d$$e'
exit $status
