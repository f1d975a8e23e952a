#!/usr/bin/env bash
# Clicks that no one takes, in the real window: on empty parts of the menus,
# and at mebuki2's practice prompt (on the prompt, on the table, on white and
# outside the picture). Each is dropped: the program goes back to sleep (idle
# CPU under 1 % of a core) and draws nothing more than its waiting entry dot.
set -uo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
begin_x_test
source "$(dirname "$0")/checks.sh"

trace=$work/two.jsonl
keys_read() { live_text "$trace" | grep -c '"op":"key"' || true; }
# Presses key $1 and waits until the program has read it.
press() {
  local before
  before=$(keys_read)
  xdotool key --window "$win" "$1"
  for _ in $(seq 100); do [ "$(keys_read)" -gt "$before" ] && break; sleep 0.1; done
  sleep 0.3
}
# Clicks at the logical point ($1, $2) of the picture, or at the window's own
# pixel ($1, $2) with "window" as $3.
click() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  local xy="$1 $2"
  if [ "${3:-}" != window ]; then
    xy=$(awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" 'BEGIN {
      s = w / 1440; if (h / 900 < s) s = h / 900
      printf "%d %d", (w - 1440 * s) / 2 + x * s, (h - 900 * s) / 2 + y * s }')
  fi
  # shellcheck disable=SC2086
  xdotool mousemove --window "$win" $xy click 1
  sleep 0.3
}
size() { live_text "$trace" | wc -c; }
ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }

start_x_session
"$build/mebuki2" --time 10:00:00 --trace "$trace" &
app=$!
win=$(find_window mebuki2)
wait_for_text "$trace" '"op":"circle"'
sleep 0.5
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true

click 1400 880            # white beside the main menu
press 2; press Return
click 1300 672            # the sub-menu's line, past its last entry
press 3; press Return
for _ in 1 2 3 4; do press space; done
wait_for_text "$trace" '"x":128,"y":648,"text":"次"'
check "the practice prompt is shown" $?

# What the waiting entry dot alone writes to the trace.
sleep 1
before=$(size); sleep 3; idle_rate=$((($(size) - before) / 3))

click 250 657             # on the prompt
click 900 400             # on the table
click 1300 800            # on white
eval "$(xdotool getwindowgeometry --shell "$win")"
click 3 $((HEIGHT / 2)) window   # outside the picture, in the window's margin
sleep 1

before=$(size); t0=$(ticks); started=$(date +%s%N)
sleep 10
t1=$(ticks); growth=$(($(size) - before)); seconds=$((($(date +%s%N) - started) / 1000000))
cpu=$(awk -v t="$((t1 - t0))" -v hz="$(getconf CLK_TCK)" -v ms="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / (ms / 1000) }')
awk -v c="$cpu" 'BEGIN { exit !(c < 1) }'
check "after the stray clicks the program sleeps: $cpu % of a core over 10 s" $?
[ "$growth" -le $((idle_rate * 15 + 4000)) ]
check "after the stray clicks the trace grows only by the entry dot: $growth bytes in 10 s (dot alone: $idle_rate bytes/s)" $?

press 1; press Return
wait_for_text "$trace" '"op":"key","key":"1"'
kill -0 "$app" 2>/dev/null
check "the prompt still takes 1 and Enter" $?

close_window "$win"
wait_for_exit "$app" 50
app=""
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
