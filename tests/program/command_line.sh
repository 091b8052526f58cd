#!/usr/bin/env bash
# The program's command line and script check as a user meets them: each
# case runs kestrova with its standard input and arguments and checks the
# exit code and what standard output and standard error say (Perl regular
# expressions over the whole text; "empty": nothing at all). Standard input
# "<PATH" is that file, "closed" none; standard output "full" is /dev/full.
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
  local to=$dir/out
  if [ "$out" = full ]; then
    to=/dev/full out=empty
    : >"$dir/out"
  fi
  case $input in
    closed) "$program" "$@" <&- >"$to" 2>"$dir/err" ;;
    '<'*) "$program" "$@" <"${input#<}" >"$to" 2>"$dir/err" ;;
    *) printf '%b' "$input" | "$program" "$@" >"$to" 2>"$dir/err" ;;
  esac
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
case_ "missing script" "" 2 empty "\\A\\Q$dir/none.kvs\\E: cannot be read: No such file or directory\n\\z" "" \
  --script "$dir/none.kvs"
case_ "bad lines" "" 2 empty \
  "\\A.*bad.kvs:2: 4294973196 is out of range for a command id \\(0..65535\\)\n.*bad.kvs:3: unknown event 'frame'\n.*bad.kvs:5: message 74 is WM_COPYDATA.*use the event copydata <dwData> \\[text\\]\n\\z" \
  "bad.kvs:1:" --script "$dir/bad.kvs"
case_ "bad line on standard input" "status\nclose now\n" 2 empty "\\A<stdin>:2: too many arguments; use: close\n\\z" ""
case_ "byte-order mark and comments" "" 0 \
  "^> print bom\n^print: bom\n^> set X Y 张三\n.*^print: done\n.*^# exit 0\n\\z" empty "the first line" --script "$dir/bom.kvs"
case_ "an event that cannot run" "view paint\n" 2 "^> view paint\n.*^# exit 2\n\\z" \
  "\\A<stdin>:1: there is no 3D view" ""
no_handover() {
  printf '%s' "\\Akestrova: argument 1 is no hand-over: it has $1 fields where a hand-over has 5 joined by \\\$\\\$; the program starts without one\n\\z"
}
case_ "four fields: no hand-over" "close\n" 0 "StartFromShell\\|false.*^# start succeeded" "$(no_handover 4)" "PW4" \
  'a$$PW4$$c$$d'
case_ "six fields: no hand-over" "close\n" 0 "StartFromShell\\|false.*^# start succeeded" "$(no_handover 6)" "PW6" \
  'a$$PW$$6$$d$$e$$f'
case_ "a hand-over that starts with -, after --" "close\n" 0 \
  "StartFromShell\\|true.*Execute\\|-alice\\|127.0.0.1:1\n.*^# start succeeded" empty "PWdash1" \
  -- '-alice$$PWdash1$$127.0.0.1:1$$e$$f'
case_ "a hand-over that starts with -, as an option" "" 2 empty \
  "\\Akestrova: unknown option -alice(\\\$\\\$\\*\\*\\*){4} \\(a hand-over that starts with '-' goes after --\\)\n" \
  "PWdash1" '-alice$$PWdash1$$127.0.0.1:1$$e$$f'
case_ "a server that is no address" "close\n" 0 "StartFromShell\\|true.*^# start succeeded" \
  "\\Akestrova: the hand-over's server \\(argument 1, field 3\\) is no server address \\(host\\[:port\\]\\): 'no host:1'\n\\z" \
  "PWs" 'a$$PWs$$no host:1$$e$$f'
case_ "an empty script name" "" 2 empty "\\Akestrova: --script needs a file\n^usage: kestrova" "" --script ""
case_ "standard input a directory" "<$dir" 2 empty "\\A<stdin>: cannot be read: Is a directory\n\\z" ""
case_ "standard input closed" closed 2 empty "\\A<stdin>: cannot be read: Bad file descriptor\n\\z" ""
case_ "a script that is a directory" "" 2 empty "\\A\\Q$dir\\E: cannot be read: Is a directory\n\\z" "" --script "$dir"
case_ "a transcript that cannot be written" "status\n" 1 full \
  "\\Akestrova: the transcript cannot be written: No space left on device\n\\z" ""
case_ "a usage that cannot be written" "" 1 full "\\Akestrova: the usage cannot be written: No space left on device\n\\z" "" \
  --help
case_ "commands that nothing handles" "command 8900\ncommand 0\ncommand 65535\ncommand 5900\n" 2 \
  "^> command 8900\n> command 0\n> command 65535\n> command 5900\n.*^# exit 2\n\\z" \
  "\\A<stdin>:1: nothing handles command 8900\n<stdin>:2: nothing handles command 0\n<stdin>:3: nothing handles command 65535\n\\z" ""
KV_WEBSERVICE_LIBRARY=$dir/none.so case_ "a web-service library that cannot be loaded" "call ClashRule_listClashRules\n" 2 \
  "^> call ClashRule_listClashRules\n.*^# exit 2\n\\z" \
  "\\Akestrova: cannot load the web-service library: \\Q$dir/none.so\\E: cannot open shared object file: No such file or directory; every web-service call fails\n<stdin>:1: cannot load the web-service library: \\Q$dir/none.so\\E: .*\n\\z" \
  "no operation"
case_ "a bad line is escaped and cut" "frob\\033[2J \"x\"\ncommand $(printf '9%.0s' {1..60000})\n" 2 empty \
  "\\A<stdin>:1: unknown event 'frob\\\\x1b\\[2J'\n<stdin>:2: 9{200}\\\\\\.\\.\\. \\(cut: 60000 characters\\) is out of range for a command id \\(0\\.\\.65535\\)\n\\z" ""
case_ "five fields" "close\n" 0 "StartFromShell\\|true.*Execute\\|a\\|c\n.*^# start succeeded" empty "" \
  'a$$b$$c$$d$$e'

# A script past its bounds (16 MiB, a line 64 KiB) is refused before
# anything starts, as soon as the read has passed the bound: within 1 GB of
# address space and 20 s, where a read without bound ended in
# std::bad_alloc (SIGABRT). A script and a line at their bounds are taken.
printf '#!/usr/bin/env bash\nulimit -v 1000000\nexec timeout 20 "%s" "$@"\n' "$program" >"$dir/limited"
chmod +x "$dir/limited"
line=$(printf '#%65534s' '')  # 65,535 bytes, 65,536 with its line break
{
  for _ in $(seq 255); do printf '%s\n' "$line"; done
  printf 'print %s\n' "$(head -c 65529 /dev/zero | tr '\0' y)"
} >"$dir/at-bounds.kvs"
{ head -c $((16 * 1024 * 1024)) "$dir/at-bounds.kvs"; printf 'x'; } >"$dir/past-size.kvs"
printf 'print ok\n\nprint %65531s\n' y >"$dir/past-line.kvs"
too_long() {  # NAME [LINE]
  if [ -n "${2:-}" ]; then
    printf '%s' "\\A\\Q$1\\E:$2: longer than 64 KiB \\(65536 bytes\\), the most a script line may hold\n\\z"
  else
    printf '%s' "\\A\\Q$1\\E: longer than 16 MiB \\(16777216 bytes\\), the most a script may hold\n\\z"
  fi
}
bounded() { program=$dir/limited case_ "$@"; }
bounded "an endless script" "" 2 empty "$(too_long /dev/zero 1)" "" --script /dev/zero
bounded "an endless standard input" "</dev/zero" 2 empty "$(too_long '<stdin>' 1)" ""
bounded "a script from /dev/full" "" 2 empty "$(too_long /dev/full 1)" "" --script /dev/full
bounded "a line past 64 KiB" "" 2 empty "$(too_long "$dir/past-line.kvs" 3)" "" --script "$dir/past-line.kvs"
bounded "a script past 16 MiB" "" 2 empty "$(too_long "$dir/past-size.kvs")" "" --script "$dir/past-size.kvs"
bounded "a script past 16 MiB on standard input" "<$dir/past-size.kvs" 2 empty "$(too_long '<stdin>')" ""
bounded "a script and a line at their bounds" "" 0 "\\A> print y{100}.*^# start succeeded\n.*^# exit 0\n\\z" empty "" \
  --script "$dir/at-bounds.kvs"

# No line is lost once the main window is closed: each line after it is
# echoed and reported, none runs, and the exit code is 2. One row per way
# the window closes.
closed() {  # NAME CLOSE
  case_ "$1" "answer yes\n$2\ncall ClashRule_listClashRules\n# a comment\nprint never?\n" 2 \
    "^> $2\n.*^> call ClashRule_listClashRules\n> print never\\?\n# end of script\n.*^# exit 2\n\\z" \
    "\\A<stdin>:3: the main window is closed\n<stdin>:5: the main window is closed\n\\z" "^never" \
    'u$$pw$$127.0.0.1:1$$ev$$f'
}
closed "lines after the close" close
closed "lines after WM_CLOSE" "message 16"
closed "lines after the exit command" "command 5899"

# Every start that fails says why on standard error.
start_fails() {  # NAME SCRIPT WHY
  case_ "$1" "$2status\n" 1 "^# start failed\n.*^# exit 1\n\\z" "\\Akestrova: the start failed: $3\n\\z" ""
}
start_fails "a login that fails" 'set APP_LOGINMOX_CMD Fault 5\n' \
  "the login command APP_LOGINMOX_CMD failed with fault 5: 登录失败"
start_fails "a login framework that cannot be set up" 'set CENTRALAUTHENTICATIONSERVICE_MGR\\s create no-login\n' \
  "the login framework could not be set up: no-login"
"$program" --help >&- 2>"$dir/err"
rc=$?
if [ $rc != 1 ] || ! matches "$dir/err" "\\Akestrova: the usage cannot be written: standard output is closed\n\\z"; then
  echo "a usage to a closed standard output: exit code $rc"; cat "$dir/err"; status=1
fi
# A pipe closed by its reader ends the program by SIGPIPE, as command-line
# tools end (the write end is left without a reader before the start).
printf 'status\n' | perl -e '$SIG{PIPE} = "DEFAULT"; pipe(my $r, my $w) or die; close $r;
  open(STDOUT, ">&", $w) or die; close $w; exec @ARGV or die' "$program" 2>"$dir/err"
rc=$?
[ $rc = 141 ] || { echo "a closed pipe: exit code $rc, expected 141 (SIGPIPE)"; cat "$dir/err"; status=1; }
exit $status
