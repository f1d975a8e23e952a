#!/usr/bin/env bash
# Every way a window closes ends the program at once and cleanly, each tried
# twenty times with the CPU loaded (the closing races show under load): the
# window manager's close (Alt+F4) and the window destroyed from outside end
# with status 0 and nothing on stderr; the X server going away ends with
# status 1 and one line that says the display was lost, never Xlib's reports.
set -uo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
work=$(mktemp -d)
loaders=()
cleanup() {
  [ -n "${app:-}" ] && kill -KILL "$app" 2>/dev/null
  [ ${#loaders[@]} -gt 0 ] && kill "${loaders[@]}" 2>/dev/null
  [ -n "${lone_x:-}" ] && kill "$lone_x" 2>/dev/null
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT
failures=0 passes=0
check() {
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}
rounds=${MEBUKI_CLOSE_ROUNDS:-20}

# A busy loop on every core, for at most as long as the test may take.
for _ in $(seq "$(nproc)"); do timeout 240 sh -c 'while :; do :; done' & loaders+=($!); done

# Starts mebuki1 and waits until its menu is drawn; sets app and win.
start_program() {
  rm -f "$work/t.jsonl" "$work/err"
  "$build/mebuki1" --trace "$work/t.jsonl" 2>"$work/err" &
  app=$!
  win=$(find_window mebuki1)
  wait_for_text "$work/t.jsonl" '"op":"circle"'
}

# Closes the window $rounds times in the way $1 names; each must end within
# 3 s with status $2 and exactly the stderr lines matching $3 ("" for none).
close_rounds() {
  local how=$1 want=$2 pattern=$3 bad=0 details=""
  for round in $(seq "$rounds"); do
    [ "$how" = "X server killed" ] && start_lone_x
    start_program
    case $how in
      "Alt+F4") close_window "$win" ;;
      "destroyed from outside") xdotool windowclose "$win" ;;
      "X server killed") kill "$lone_x"; wait "$lone_x" 2>/dev/null; lone_x="" ;;
    esac
    wait_for_exit "$app" 30; local status=$EXIT_STATUS
    [ "$status" = running ] && kill -KILL "$app" 2>/dev/null
    app=""
    local lines
    lines=$(wc -l < "$work/err")
    if [ "$status" != "$want" ] ||
       { [ -z "$pattern" ] && [ "$lines" -ne 0 ]; } ||
       { [ -n "$pattern" ] && { [ "$lines" -ne 1 ] || ! grep -q -- "$pattern" "$work/err"; }; }; then
      bad=$((bad + 1))
      details="round $round: status $status, $(head -c 200 "$work/err" | tr '\n' ' ')"
    fi
  done
  [ "$bad" -eq 0 ]
  check "$how, $rounds times: status $want${pattern:+ and one line}, every time ($bad failed; $details)" $?
}

# An X server of its own, without a window manager, to be killed. It must not
# reset when its last client leaves (SDL's probe of the display is one).
start_lone_x() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  lone_x=$!
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(tr -d '[:space:]' < "$number_file")
  rm -f "$number_file"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

start_x_session
close_rounds "Alt+F4" 0 ""
close_rounds "destroyed from outside" 0 ""
session_display=$DISPLAY
close_rounds "X server killed" 1 "display was lost"
export DISPLAY=$session_display

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
