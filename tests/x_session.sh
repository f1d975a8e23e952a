# Helpers of the real-window tests, sourced by them: an Xvfb display with a
# window manager, as on a teacher's desktop.

# Libraries the window loads and unloads at run time (the X and GL drivers)
# leave allocations the leak checker cannot name; the window's own code is
# leak-checked by the headless tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Starts Xvfb (screen $1, 1600x1000 when not given) and openbox; exports
# DISPLAY. Call stop_x_session on exit.
start_x_session() {
  # Xvfb picks a free display itself and tells which, so that tests running side
  # by side never share one.
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1600x1000}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  X_SERVER=$!
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(tr -d '[:space:]' < "$number_file")
  rm -f "$number_file"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  X_WM=$!
  sleep 1
}

stop_x_session() {
  [ -n "${X_WM:-}" ] && kill "$X_WM" 2>/dev/null
  [ -n "${X_SERVER:-}" ] && kill "$X_SERVER" 2>/dev/null
  return 0
}

# Prints the id of the window named $1, waiting up to 10 s.
find_window() {
  local win=""
  for _ in $(seq 100); do
    win=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  printf '%s' "$win"
}

# The text of output file $1 as it stands: while the run goes on it is written
# as $1.part, which takes the name $1 when the run ends.
live_text() { cat -- "$1.part" 2>/dev/null || cat -- "$1" 2>/dev/null; }

# The number of lines of output file $1, as it stands, that match $2.
count() { live_text "$1" | grep -c -- "$2" || true; }

# Waits up to 10 s until output file $1 has more than $3 lines matching $2.
wait_for_more() {
  for _ in $(seq 100); do [ "$(count "$1" "$2")" -gt "$3" ] && return 0; sleep 0.1; done
  return 1
}

# Waits up to 10 s until output file $1 contains the text $2.
wait_for_text() {
  for _ in $(seq 100); do
    { grep -q -- "$2" "$1.part" || grep -q -- "$2" "$1"; } 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Closes window $1 as a teacher would, with the window manager's Alt+F4.
close_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  xdotool key alt+F4
}

# Waits up to $2 tenths of a second for process $1 (a child of this shell) to
# end; sets EXIT_STATUS to its status, or to "running".
wait_for_exit() {
  for _ in $(seq "$2"); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then EXIT_STATUS=running; return; fi
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
}

# Screenshot of window $1 into $2, once the picture has settled (two in a row alike).
shot() {
  import -window "$1" "$2" 2>/dev/null
  for _ in $(seq 20); do
    sleep 0.3
    import -window "$1" "$2.next.png" 2>/dev/null
    if same "$2" "$2.next.png"; then rm -f "$2.next.png"; return; fi
    mv "$2.next.png" "$2"
  done
}
# Whether images $1 and $2 are the same to the pixel.
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }

# A work folder ($work) and, on exit, the program $app stopped, the X session
# ended and the folder removed (copied to $KEEP first when that is set, to
# look at a failed run's files).
begin_x_test() {
  work=$(mktemp -d)
  trap end_x_test EXIT
}
end_x_test() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  stop_x_session
  [ -n "${KEEP:-}" ] && cp -r "$work" "$KEEP"
  rm -rf "$work"
}
