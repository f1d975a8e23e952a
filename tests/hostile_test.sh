#!/usr/bin/env bash
# Hostile surroundings: a missing font, and the window closed while the
# program waits inside the experiment or shows the error screen.
set -uo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
begin_x_test
source "$(dirname "$0")/checks.sh"

# A machine with only the DejaVu fonts: a fallback face, and one line per
# missing font naming the package to install.
cat > "$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$work/fc-cache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE="$work/fonts.conf" "$build/mebuki1" --keys '1\n' --screenshot "$work/fallback.png" 2> "$work/err"
check "missing fonts: the run still ends with status 0" $?
grep -q 'install fonts-morisawa-bizud-gothic' "$work/err" && grep -q 'install fonts-liberation2' "$work/err"
check "missing fonts: stderr names the packages ($(head -n1 "$work/err"))" $?
[ "$(wc -l < "$work/err")" -eq 2 ]
check "missing fonts: one line each" $?
[ -s "$work/fallback.png" ]
check "missing fonts: the picture is still drawn" $?
# Fontconfig names a family in the user's language first ("BIZ UDゴシック"
# under a Japanese locale): an installed face is found in every locale.
for locale in "LANG=C" "LANG=ja_JP.UTF-8" "LC_ALL=ja_JP.UTF-8"; do
  env -u LC_ALL -u LANG "$locale" "$build/mebuki1" --keys '' 2> "$work/err-ok"
  [ ! -s "$work/err-ok" ]
  check "fonts installed, $locale: nothing on stderr ($(head -n1 "$work/err-ok"))" $?
done

start_x_session

# Closed during the experiment's WAITs: section 3, page 2, past the intro and
# the ten throws of the first run, into the forty paced throws of the second.
"$build/mebuki2" --time 10:00:00 --trace "$work/experiment.jsonl" &
app=$!
win=$(find_window mebuki2)
wait_for_text "$work/experiment.jsonl" '"op":"circle"'
xdotool type --window "$win" --delay 30 "3"; xdotool key --window "$win" Return
wait_for_text "$work/experiment.jsonl" '"key":"3"'
sleep 0.3
xdotool type --window "$win" --delay 30 "2"; xdotool key --window "$win" Return
sleep 0.5
for _ in $(seq 11); do xdotool key --window "$win" space; sleep 0.25; done
sleep 0.5
waits_before=$(live_text "$work/experiment.jsonl" | grep -c '"op":"wait"')
close_window "$win"
wait_for_exit "$app" 20; status=$EXIT_STATUS
app=""
[ "$waits_before" -gt 10 ] && [ "$status" = 0 ]
check "closed during the experiment's waits (after $waits_before waits): ends at once, status $status" $?

# Closed at the error screen.
"$build/tests/error_probe" --trace "$work/error.jsonl" &
app=$!
win=$(find_window mebuki1)
wait_for_text "$work/error.jsonl" '"op":"circle"'
xdotool type --window "$win" --delay 50 "1"; xdotool key --window "$win" Return
sleep 0.3
xdotool type --window "$win" --delay 50 "1"; xdotool key --window "$win" Return
wait_for_text "$work/error.jsonl" 'エラーが発生しました'
check "the error screen is shown" $?
sleep 0.5
close_window "$win"
wait_for_exit "$app" 20; status=$EXIT_STATUS
app=""
[ "$status" = 0 ]
check "closed at the error screen: ends at once, status $status" $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
