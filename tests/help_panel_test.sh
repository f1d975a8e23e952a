#!/usr/bin/env bash
# F1 in the real window: the help panel over the picture; a key or a click
# closes it, goes no further, and leaves the picture exactly as it was; the
# lesson never sees F1 or the closing key.
set -uo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
begin_x_test
source "$(dirname "$0")/checks.sh"
# The trace is written as trace.jsonl.part while the program runs.
keys() { count "$trace" '"op":"key"'; }
pauses() { count "$trace" '"fill":4,'; }
# Presses key $2 in window $1 and waits until the program has read it.
press() {
  local before
  before=$(keys)
  xdotool key --window "$1" "$2"
  for _ in $(seq 100); do [ "$(keys)" -gt "$before" ] && break; sleep 0.1; done
  sleep 0.4
}
# Presses key $2 that the program must not see.
press_unseen() { xdotool key --window "$1" "$2"; sleep 0.8; }

start_x_session
trace=$work/trace.jsonl
"$build/mebuki1" --trace "$trace" &
app=$!
win=$(find_window mebuki1)
wait_for_text "$trace" '"op":"circle"'
sleep 0.5
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true

# At the main menu: F1, then a digit closes the panel and is not typed.
shot "$win" "$work/menu.png"
press_unseen "$win" F1
shot "$win" "$work/menu-help.png"
! same "$work/menu.png" "$work/menu-help.png"
check "F1 at the menu shows the panel" $?
press_unseen "$win" 3
shot "$win" "$work/menu-again.png"
# (The entry's blinking dot may differ in its soft edge, a few pixels.)
differ=$(compare -metric AE "$work/menu.png" "$work/menu-again.png" null: 2>&1)
[ "$differ" -lt 100 ] 2>/dev/null
check "a digit closes it: the menu as before ($differ pixels differ)" $?
[ "$(keys)" = 0 ]
check "neither F1 nor the digit reached the menu ($(keys) keys read)" $?

# At a pause: the panel, then a letter or a click closes it without a step.
for k in 1 Return 1 Return; do press "$win" "$k"; done
for _ in $(seq 50); do [ "$(pauses)" -ge 1 ] && break; sleep 0.1; done
shot "$win" "$work/pause.png"
before=$(keys) at=$(pauses)
press_unseen "$win" F1
shot "$win" "$work/help.png"
! same "$work/pause.png" "$work/help.png"
check "F1 at a pause shows the panel" $?
# The panel is the menu's dark navy, in the middle of the picture.
centre=$(convert "$work/help.png" -gravity center -crop 400x300+0+0 -format %c histogram:info:- |
  sort -rn | head -n1 | grep -o '#[0-9A-F]\{6\}')
[ "$centre" = "#1C2C6E" ]
check "the panel stands in the middle ($centre)" $?
press_unseen "$win" a
shot "$win" "$work/closed-by-key.png"
same "$work/pause.png" "$work/closed-by-key.png" && [ "$(keys)" = "$before" ] && [ "$(pauses)" = "$at" ]
check "a key closes it: the picture exactly as before, the step not advanced" $?

press_unseen "$win" F1
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --window "$win" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
sleep 0.8
shot "$win" "$work/closed-by-click.png"
same "$work/pause.png" "$work/closed-by-click.png" && [ "$(keys)" = "$before" ] && [ "$(pauses)" = "$at" ]
check "a click closes it: the picture exactly as before, the step not advanced" $?

press "$win" b
[ "$(keys)" = $((before + 1)) ]
check "the next key after the panel reaches the lesson again" $?
! live_text "$trace" | grep -q '"key":"\\u000e"' 
check "the trace records no F1" $?

close_window "$win"
wait_for_exit "$app" 30
app=""
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
