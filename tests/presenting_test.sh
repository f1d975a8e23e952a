#!/usr/bin/env bash
# In front of the class, in the real window: full screen on F11 and back,
# clicks on menu items, sub-menu entries and at pauses, and Page Up at a pause
# showing exactly the picture of the previous pause (also on a random page).
set -uo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
begin_x_test
source "$(dirname "$0")/checks.sh"

# Presses key $2 in window $1 and waits until the program has read it.
press() {
  local before
  before=$(count "$trace" '"op":"key"')
  xdotool key --window "$1" "$2"
  wait_for_more "$trace" '"op":"key"' "$before"
  sleep 0.4
}

# Clicks window $1 at the logical point ($2, $3) of the picture.
click_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local xy
  xy=$(awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$2" -v y="$3" 'BEGIN {
    s = w / 1440; if (h / 900 < s) s = h / 900
    printf "%d %d", (w - 1440 * s) / 2 + x * s, (h - 900 * s) / 2 + y * s }')
  # shellcheck disable=SC2086
  xdotool mousemove --window "$1" $xy click 1
  sleep 0.6
}

pauses() { count "$trace" '"fill":4,'; }

start_x_session

# --- mebuki1: full screen, clicks, Page Up ------------------------------------------
trace=$work/one.jsonl
"$build/mebuki1" --trace "$trace" &
app=$!
win=$(find_window mebuki1)
wait_for_text "$trace" '"op":"circle"'
sleep 0.5

xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xdotool key --window "$win" F11
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 1600 ] && [ "$HEIGHT" = 1000 ]
check "F11 covers the screen ($WIDTH x $HEIGHT)" $?
xdotool key --window "$win" F11
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$HEIGHT" -lt 1000 ] && [ "$WIDTH" -ge 1400 ]
check "F11 again gives the maximised window back ($WIDTH x $HEIGHT)" $?
[ "$(count "$trace" '"op":"key"')" = 0 ]
check "F11 never reaches the program as a key" $?

click_at "$win" 100 200   # item 2 of the main menu
wait_for_text "$trace" '"x":44,"y":240,"text":"<"'
check "a click on a menu item opens its section" $?

click_at "$win" 40 672    # entry ① of the sub-menu line
wait_for_text "$trace" '"x":40,"y":20,"text":"<"'
check "a click on a sub-menu entry opens its page" $?
sleep 0.5
wait_for_more "$trace" '"fill":4,' 0
shot "$win" "$work/pause1.png"
[ "$(pauses)" = 1 ]
check "the page waits at its first pause" $?

press "$win" Prior
shot "$win" "$work/pause1-again.png"
same "$work/pause1.png" "$work/pause1-again.png" && [ "$(pauses)" = 1 ]
check "Page Up at the first pause changes nothing" $?

click_at "$win" 700 300
wait_for_more "$trace" '"fill":4,' 1 && [ "$(pauses)" = 2 ]
check "a click at a pause continues" $?
shot "$win" "$work/pause2.png"
press "$win" space
shot "$win" "$work/pause3.png"
press "$win" Prior
shot "$win" "$work/pause2-again.png"
same "$work/pause2.png" "$work/pause2-again.png" && ! same "$work/pause2.png" "$work/pause3.png"
check "Page Up shows the previous pause exactly" $?
close_window "$win"
wait_for_exit "$app" 30
app=""

# --- mebuki2: the random practice page ---------------------------------------------
trace=$work/two.jsonl
"$build/mebuki2" --trace "$trace" &
app=$!
win=$(find_window mebuki2)
wait_for_text "$trace" '"op":"circle"'
sleep 0.5
for k in 2 Return 3 Return; do press "$win" "$k"; done
shot "$win" "$work/practice1.png"
press "$win" space
shot "$win" "$work/practice2.png"
press "$win" Left
shot "$win" "$work/practice1-again.png"
same "$work/practice1.png" "$work/practice1-again.png" && ! same "$work/practice1.png" "$work/practice2.png"
check "Left arrow on a random page shows the same table as before" $?
close_window "$win"
wait_for_exit "$app" 30
app=""

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
