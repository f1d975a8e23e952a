#!/usr/bin/env bash
# The real window, as on a teacher's desktop: mebuki1 under Xvfb with a window
# manager opens maximised, shows its menu, reads keys, and ends cleanly when its
# window is closed.
set -euo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
begin_x_test
start_x_session

"$build/mebuki1" --trace "$work/trace.jsonl" &
app=$!
win=$(find_window mebuki1)
[ -n "$win" ] || { echo "FAIL: no window named mebuki1"; exit 1; }
# The menu is drawn once the program waits for a number.
wait_for_text "$work/trace.jsonl" '"op":"circle"'
sleep 1

eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window $WIDTH x $HEIGHT"
[ "$WIDTH" -ge 1400 ] && [ "$HEIGHT" -ge 850 ] || { echo "FAIL: window not maximised ($WIDTH x $HEIGHT)"; exit 1; }

import -window root "$work/shot.png"
# The menu panel (dark navy, palette 10) fills the upper left of the picture;
# the bottom right stays white.
panel=$(convert "$work/shot.png" -format '%[hex:p{1000,500}]' info:)
corner=$(convert "$work/shot.png" -format '%[hex:p{1590,990}]' info:)
echo "panel $panel corner $corner"
[ "${panel:0:6}" = "1C2C6E" ] || { echo "FAIL: menu panel not shown"; exit 1; }
[ "${corner:0:6}" = "FFFFFF" ] || { echo "FAIL: margin not white"; exit 1; }

# Typing at the menu reaches the program.
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xdotool type --window "$win" "4"
wait_for_text "$work/trace.jsonl" '"op":"key","key":"4"' || { echo "FAIL: key not read"; exit 1; }

close_window "$win"
wait_for_exit "$app" 50; status=$EXIT_STATUS
app=""
[ "$status" = 0 ] || { echo "FAIL: after the window closed: $status"; exit 1; }
echo "PASS"
