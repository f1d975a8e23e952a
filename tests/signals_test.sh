#!/usr/bin/env bash
# Ctrl+C and SIGTERM end a run at once with 128 + the signal's number, at a
# menu, at a pause, during the experiment and on the error screen, and in a
# headless export; no output is left behind, neither whole nor in part.
set -uo pipefail
build=${1:?build directory}
here=$(dirname "$0")
source "$here/x_session.sh"
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill -KILL "$app" 2>/dev/null
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT
failures=0 passes=0
check() {
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

# Starts a program in the background with its outputs in $out; a script's
# background job would otherwise ignore SIGINT.
start() {
  out=$work/out; rm -rf "$out"; mkdir -p "$out"
  env --default-signal=INT "$@" --trace "$out/t.jsonl" --step-times "$out/steps.jsonl" --screenshot "$out/s.png" &
  app=$!
}
keys() {  # types into window $1 the keys that follow, a moment apart
  local win=$1; shift
  for k in "$@"; do xdotool key --window "$win" "$k"; sleep 0.15; done
}

# Sends signal $2 now and checks for the state named $1: the status, the time,
# and that nothing was left in the output folder.
signal_and_check() {
  local expected
  expected=$((128 + $(kill -l "$2")))
  kill -s "$2" "$app"
  wait_for_exit "$app" 20; local status=$EXIT_STATUS
  [ "$status" = running ] && kill -KILL "$app" 2>/dev/null
  app=""
  [ "$status" = "$expected" ]
  check "SIG$2 $1: ends within 2 s with status $expected (got $status)" $?
  local left
  left=$(ls -A "$out")
  [ -z "$left" ]
  check "SIG$2 $1: no output left behind (${left//$'\n'/ })" $?
}

start_x_session

for sig in TERM INT; do
  start "$build/mebuki1"
  win=$(find_window mebuki1)
  wait_for_text "$out/t.jsonl" '"op":"circle"'
  signal_and_check "at the main menu" $sig

  start "$build/mebuki1"
  win=$(find_window mebuki1)
  wait_for_text "$out/t.jsonl" '"op":"circle"'
  keys "$win" 1 Return
  wait_for_text "$out/t.jsonl" '"key":"\\r"'
  sleep 0.3
  keys "$win" 1 Return
  wait_for_text "$out/t.jsonl" '"fill":4,'
  signal_and_check "at a pause" $sig

  # Section 3, page 2: past the first ten throws, into the paced forty.
  start "$build/mebuki2" --time 10:00:00
  win=$(find_window mebuki2)
  wait_for_text "$out/t.jsonl" '"op":"circle"'
  keys "$win" 3 Return
  wait_for_text "$out/t.jsonl" '"key":"3"'
  sleep 0.3
  keys "$win" 2 Return
  sleep 0.5
  for _ in $(seq 11); do xdotool key --window "$win" space; sleep 0.25; done
  wait_for_text "$out/t.jsonl" '"op":"wait"'
  signal_and_check "during the experiment" $sig

  start "$build/tests/error_probe"
  win=$(find_window mebuki1)
  wait_for_text "$out/t.jsonl" '"op":"circle"'
  keys "$win" 1 Return
  sleep 0.3
  keys "$win" 1 Return
  wait_for_text "$out/t.jsonl" 'エラーが発生しました'
  signal_and_check "on the error screen" $sig

  # A handout being made: the PDF is whole or absent.
  out=$work/out; rm -rf "$out"; mkdir -p "$out"
  env --default-signal=INT "$build/mebuki2" --export "$out/handout.pdf" --trace "$out/t.jsonl" &
  app=$!
  wait_for_text "$out/t.jsonl" '"op":"key"'
  signal_and_check "while exporting" $sig
done

# The same runs without a signal leave every output whole, under its own name.
start "$build/mebuki1"
win=$(find_window mebuki1)
wait_for_text "$out/t.jsonl" '"op":"circle"'
close_window "$win"
wait_for_exit "$app" 50; status=$EXIT_STATUS
app=""
[ "$status" = 0 ] && [ "$(ls "$out")" = "s.png
steps.jsonl
t.jsonl" ]
check "closed normally: status $status, the outputs are there ($(ls "$out" | tr '\n' ' '))" $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
