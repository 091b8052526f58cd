#!/usr/bin/env bash
# An outside object whose constructor throws never ends kestrova with a
# signal: one row per place where the program makes or first calls such an
# object outside its manager list. Each row sets "create" for that object
# (a distinct text, or none for a throw that is no std::exception), runs
# the events that reach it, and checks the exit code, that the last line is
# "# exit N" with that code, and that standard error or the log names the
# step with that text. The server of the rows is the test server, which
# ends the login on the first clash-rule list (only the last row lists).
# Usage: outside_throws.sh NODE PEER_STATE PROGRAM
set -u
node=$1 state=$2 program=$3
here=$(dirname "$0")
port=$(cat "$state/peer.port") || exit 1
log=$(dirname "$program")/log/log.log
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

NODE=$node "$here/../peer/control.sh" "$state" /control/reset || exit 1
NODE=$node "$here/../peer/control.sh" "$state" /control/fault \
  '{"operation": "listClashRules", "infoCode": 1007, "message": "ended", "count": 1}' || exit 1

status=0
# row NAME EXIT_CODE SAID SCRIPT: SAID must appear in standard error or in
# what the run added to the log.
row() {
  local name=$1 code=$2 said=$3 script=$4
  local before=0
  [ -f "$log" ] && before=$(stat -c %s "$log")
  printf '%b' "$script" | "$program" "kv\$\$kv-password\$\$127.0.0.1:$port\$\$kv-sync\$\$kv-sync.dat" \
    >"$dir/out" 2>"$dir/err"
  local rc=$? bad=
  [ "$rc" -lt 128 ] || bad="ended by signal $((rc - 128))"
  [ "$rc" = "$code" ] || bad="$bad; exit code $rc, expected $code"
  local last
  last=$(tail -n 1 "$dir/out")
  case $last in
    "# exit $rc" | "# exit $rc: "*) ;;
    *) bad="$bad; the last line is '$last'" ;;
  esac
  if ! grep -qF -- "$said" "$dir/err" && ! tail -c +$((before + 1)) "$log" 2>/dev/null | grep -qF -- "$said"; then
    bad="$bad; nothing says '$said'"
  fi
  if [ -n "$bad" ]; then
    echo "$name: $bad"
    echo "--- stderr"; cat "$dir/err"; echo "--- transcript (end)"; tail -n 5 "$dir/out"
    status=1
  fi
}

row "login framework" 1 "the start failed: the login framework could not be set up: no-login" \
  'set CENTRALAUTHENTICATIONSERVICE_MGR\\s create no-login\nstatus\n'
row "launcher's start-up object" 0 "the launcher's start-up object was skipped: no-start-up" \
  'set MOXCOMMANDS::LOGIN::CStartUpEve create no-start-up\nstatus\n'
row "a command of the command table" 0 "was not made: no-left-ui" \
  'set AppCmd_LEFTUI create no-left-ui\nload 2 7\n'
row "left pane's tab-page manager" 0 "the left pane's tab-page manager was skipped: no-tabs" \
  'set APP_KV_TABPSGE_LEFTPANEUI_MGR create no-tabs\nload 2 7\nload 3 8\n'
row "display-control page" 0 "the display-control page was skipped: no-page" \
  'set MOXCOMMANDS::SHARED_UI::CSelfAdaptDialog create no-page\nload 2 7\n'
row "display tree" 0 "the display tree was skipped: no-tree" \
  'set AppHoopsCtrlMgr ListSegments model:1\nset MOXCOMMANDS::SHARED_UI::CHoopsDisplayTree create no-tree\nload 2 7\n'
row "3D view tab" 0 "the 3D view tab was skipped: no-view" \
  'set MODKIT::MFC::CMsgView create no-view\nload 2 7\nload 2 8\n'
row "3D view's operator" 0 "the 3D view's operator was skipped: no-operator" \
  'set AppHoopsOperator create no-operator\nload 2 7\nview ldown 1 2\n'
row "restart after the login ended" 0 "the restart after the login ended was skipped: an unknown exception" \
  'answer ok\nset MOXCOMMANDS::LOGIN::CReStartUp create\ncall ClashRule_listClashRules\n'
exit $status
