#!/usr/bin/env bash
# A lesson by clicks alone in the real window: the on-screen keypad in the
# margin of a full HD screen and over the corner of a 1440 x 900 one, sending
# exactly the typed keys and leaving the picture as it was; with keys only it
# never appears; a swipe to the right at a pause is Page Up.
set -uo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
begin_x_test
source "$(dirname "$0")/checks.sh"

keys_of() { live_text "$1" | grep '"op":"key"'; }

# Starts program $1 with a trace into $work/$2.jsonl; sets app, win, trace.
start() {
  trace=$work/$2.jsonl
  "$build/$1" --time 10:20:30 --trace "$trace" &
  app=$!
  win=$(find_window "$1")
  wait_for_text "$trace" '"op":"circle"'
  sleep 0.5
  xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
  eval "$(xdotool getwindowgeometry --shell "$win")"
}
finish() {
  close_window "$win"
  wait_for_exit "$app" 30
  app=""
}

# Device point of a logical point of the picture in the window.
device() {
  awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" 'BEGIN {
    s = w / 1440; if (h / 900 < s) s = h / 900
    printf "%d %d", (w - 1440 * s) / 2 + x * s, (h - 900 * s) / 2 + y * s }'
}
# Clicks the logical point ($1, $2) and waits for the program to take it.
click_at() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$win" $(device "$1" "$2") click 1
  sleep 0.6
}
# Taps the keypad button that sends key code $1, and waits until it is read.
tap_key() {
  local before xy
  before=$(count "$trace" '"op":"key"')
  xy=$("$build/tests/keypad_probe" "$WIDTH" "$HEIGHT" | awk -v k="$1" 'NR > 1 && $1 == k { print $2, $3 }')
  # shellcheck disable=SC2086
  xdotool mousemove --window "$win" $xy click 1
  wait_for_more "$trace" '"op":"key"' "$before"
  sleep 0.3
}
press() {
  local before
  before=$(count "$trace" '"op":"key"')
  xdotool key --window "$win" "$1"
  wait_for_more "$trace" '"op":"key"' "$before"
  sleep 0.4
}
shot() {
  import -window "$win" "$1" 2>/dev/null
  for _ in $(seq 20); do
    sleep 0.3
    import -window "$win" "$1.next.png" 2>/dev/null
    if same_in "$1" "$1.next.png" "${WIDTH}x${HEIGHT}+0+0"; then rm -f "$1.next.png"; return; fi
    mv "$1.next.png" "$1"
  done
}
# Whether images $1 and $2 are alike inside the geometry $3 (WxH+X+Y). The
# entry's blinking dot is left out: its soft edge depends on how often it blinked.
same_in() {
  local dot
  dot=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
    s = w / 1440; if (h / 900 < s) s = h / 900; x = (w - 1440 * s) / 2; y = (h - 900 * s) / 2
    printf "rectangle %d,%d %d,%d", x + 1052 * s, y + 644 * s, x + 1076 * s, y + 668 * s }')
  convert "$1" -fill white -draw "$dot" -crop "$3" +repage "$work/a.png" &&
    convert "$2" -fill white -draw "$dot" -crop "$3" +repage "$work/b.png" && same "$work/a.png" "$work/b.png"
}
picture_area() {
  awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
    s = w / 1440; if (h / 900 < s) s = h / 900
    x = int((w - 1440 * s) / 2); y = int((h - 900 * s) / 2)
    printf "%dx%d+%d+%d", int(1440 * s), int(900 * s), x, y }'
}
ENTER=13 CLEAR=12

# --- A full HD screen: the keypad beside the picture -----------------------------
start_x_session 1920x1080

start mebuki2 keys
press 2; press Return
shot "$work/keys-submenu.png"
press 3; press Return
shot "$work/keys-practice.png"
keys_typed=$(keys_of "$trace")
margin=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { s = h / 900; r = int((w + 1440 * s) / 2) + 1; printf "%dx%d+%d+0", w - r, h, r }')
[ "$(convert "$work/keys-submenu.png" -crop "$margin" +repage -format '%[fx:minima]' info:)" = 1 ]
check "with keys only the margin stays white: no keypad" $?
finish

start mebuki2 taps
read -r mode _ < <("$build/tests/keypad_probe" "$WIDTH" "$HEIGHT")
[ "$mode" = margin ]
check "a ${WIDTH}x$HEIGHT window has room for the keypad beside the picture" $?
shot "$work/taps-menu.png"
click_at 700 800   # off every item: the keypad comes, nothing is chosen
shot "$work/taps-menu-keypad.png"
! same "$work/taps-menu.png" "$work/taps-menu-keypad.png" && same_in "$work/taps-menu.png" "$work/taps-menu-keypad.png" "$(picture_area)"
check "a click shows the keypad in the margin, the picture untouched" $?
tap_key 57; tap_key $CLEAR; tap_key 50; tap_key $ENTER   # 9, cleared, then 2
shot "$work/taps-submenu.png"
same_in "$work/keys-submenu.png" "$work/taps-submenu.png" "$(picture_area)" && ! same "$work/keys-submenu.png" "$work/taps-submenu.png"
check "at the sub-menu the picture is the typed run's, with the keypad beside it" $?
tap_key 51; tap_key $ENTER
shot "$work/taps-practice.png"
same "$work/keys-practice.png" "$work/taps-practice.png"
check "at a pause the keypad is gone and the window is the typed run's" $?
[ "$(keys_of "$trace" | grep -v '"\\u000c"\|"9"')" = "$keys_typed" ] && [ "$(keys_of "$trace" | head -n2 | tr -d '\n')" = '{"op":"key","key":"9"}{"op":"key","key":"\u000c"}' ]
check "the keypad's taps are traced as the typed keys" $?

# Swipes: right steps back as Page Up, left goes on.
click_at 700 300
wait_for_more "$trace" '"fill":4,' 1
shot "$work/pause2.png"
click_at 700 300
wait_for_more "$trace" '"fill":4,' 2
before=$(count "$trace" '"op":"key"')
# shellcheck disable=SC2046
{ xdotool mousemove --window "$win" $(device 300 400) mousedown 1; sleep 0.05
  xdotool mousemove --window "$win" $(device 500 410); sleep 0.05
  xdotool mousemove --window "$win" $(device 700 420) mouseup 1; }
wait_for_more "$trace" '"op":"key"' "$before"
shot "$work/pause2-again.png"
[ "$(keys_of "$trace" | tail -n1)" = '{"op":"key","key":"\u0003"}' ] && same "$work/pause2.png" "$work/pause2-again.png"
check "a swipe to the right at a pause is Page Up: the previous pause again" $?
before=$(count "$trace" '"op":"key"')
# shellcheck disable=SC2046
{ xdotool mousemove --window "$win" $(device 900 400) mousedown 1; sleep 0.05
  xdotool mousemove --window "$win" $(device 650 400); sleep 0.05
  xdotool mousemove --window "$win" $(device 500 390) mouseup 1; }
wait_for_more "$trace" '"op":"key"' "$before"
[ "$(count "$trace" '"fill":4,')" -gt 3 ]
check "a swipe to the left at a pause goes on" $?
finish
stop_x_session

# --- The picture's own shape: a panel over its lower right corner ------------------
start_x_session 1440x900

start mebuki2 keys2
shot "$work/keys2-menu.png"
press 2; press Return; press 3; press Return
shot "$work/keys2-practice.png"
finish

start mebuki2 taps2
read -r mode px0 py0 _ < <("$build/tests/keypad_probe" "$WIDTH" "$HEIGHT")
[ "$mode" = overlay ]
check "a ${WIDTH}x$HEIGHT window gets the keypad as a panel over the picture" $?
click_at 700 800
shot "$work/taps2-menu-keypad.png"
! same "$work/keys2-menu.png" "$work/taps2-menu-keypad.png" &&
  same_in "$work/keys2-menu.png" "$work/taps2-menu-keypad.png" "${WIDTH}x${py0}+0+0" &&
  same_in "$work/keys2-menu.png" "$work/taps2-menu-keypad.png" "${px0}x${HEIGHT}+0+0"
check "the panel covers the lower right corner only" $?
tap_key 50; tap_key $ENTER; tap_key 51; tap_key $ENTER
shot "$work/taps2-practice.png"
same "$work/keys2-practice.png" "$work/taps2-practice.png"
check "once the number is entered the picture is exactly as without the keypad" $?
finish

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
