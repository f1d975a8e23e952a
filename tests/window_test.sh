#!/usr/bin/env bash
# The real window, as on a teacher's desktop: mebuki1 under Xvfb with a window
# manager opens maximised, shows its menu, and ends cleanly when its window is
# closed.
set -euo pipefail
build=${1:?build directory}
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

"$build/mebuki1" --trace "$work/trace.jsonl" &
app=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --name '^mebuki1$' 2>/dev/null | head -n1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "FAIL: no window named mebuki1"; exit 1; }

# The menu is drawn once the program waits for a number.
for _ in $(seq 100); do grep -q '"op":"circle"' "$work/trace.jsonl" 2>/dev/null && break; sleep 0.1; done
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
for _ in $(seq 50); do grep -q '"op":"key","key":"4"' "$work/trace.jsonl" && break; sleep 0.1; done
grep -q '"op":"key","key":"4"' "$work/trace.jsonl" || { echo "FAIL: key not read"; exit 1; }

# Close it as a teacher would: the window manager's close (Alt+F4).
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "FAIL: still running after the window closed"; exit 1; fi
status=0; wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "PASS"
