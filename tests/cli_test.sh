#!/usr/bin/env bash
# The command line of both programs: headless runs write their trace and
# screenshot; bad arguments and a missing display end with one clear line.
set -uo pipefail
build=${1:?build directory}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passes=0
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
check() {  # description, then the condition's exit status
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

for program in mebuki1 mebuki2; do
  "$build/$program" --keys '' --trace "$work/t.jsonl" --screenshot "$work/s.png"
  check "$program: empty key run ends with status 0" $?
  head -c 8 "$work/s.png" | od -An -c | grep -q 'P   N   G'
  check "$program: screenshot is a PNG" $?
  [ "$(identify -format '%wx%h' "$work/s.png" 2>/dev/null)" = "1440x900" ]
  check "$program: screenshot is 1440x900" $?
  python3 -c "import json,sys; [json.loads(l) for l in open(sys.argv[1], encoding='utf-8')]" "$work/t.jsonl"
  check "$program: every trace line is JSON" $?
  grep -q '"op":"symbol"' "$work/t.jsonl"
  check "$program: the trace holds the menu's text" $?

  for bad in "--frobnicate" "--time 25:00:00" "--time 1:2:3" "--keys" "extra"; do
    # shellcheck disable=SC2086
    err=$("$build/$program" $bad 2>&1 >/dev/null); status=$?
    [ "$status" -eq 2 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [ -n "$err" ]
    check "$program $bad: status 2 and one line ($err)" $?
  done

  # --help: usage on stdout, nothing on stderr, status 0; every option it lists
  # is one the program takes, and it names the exit statuses.
  out=$("$build/$program" --help 2>"$work/err"); status=$?
  [ "$status" -eq 0 ] && [ ! -s "$work/err" ] && grep -q "^Usage: $program " <<<"$out" &&
    grep -q 'Exit status' <<<"$out" && grep -q '3 a run-time error' <<<"$out"
  check "$program --help: usage on stdout, status 0, exit statuses" $?
  listed=$(grep -oE '^  --[a-z-]+' <<<"$out" | tr -d ' ')
  for option in --keys --walk --export --time --trace --screenshot --scale --step-times --help --version; do
    grep -qx -- "$option" <<<"$listed"
    check "$program --help lists $option" $?
  done
  for option in $listed; do
    # With a dummy value, headless: an error about the value (or about the
    # value as an argument of its own) is fine; the option unknown is not.
    err=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 \
      "$build/$program" "$option" x --keys '' 2>&1 >/dev/null)
    ! grep -qF -- "unknown argument: $option " <<<"$err"
    check "$program takes the listed $option" $?
  done
  out=$("$build/$program" --version 2>&1); status=$?
  [ "$status" -eq 0 ] && [ "$out" = "$program $version" ] && [ -n "$version" ]
  check "$program --version prints \"$program $version\", status 0" $?

  err=$("$build/$program" --frobnicate 2>&1 >/dev/null); status=$?
  [ "$status" -eq 2 ] && [ "$err" = "$program: unknown argument: --frobnicate ($program --help lists the options)" ]
  check "$program unknown option: today's line, suggesting --help" $?

  err=$(env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$build/$program" 2>&1 >/dev/null); status=$?
  [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && printf '%s' "$err" | grep -q -- '--keys'
  check "$program without a display: status 1, one line naming --keys" $?

  # As a user starts it from a console or a kiosk session: SDL is left to
  # choose its driver, and none may be one that shows nothing. The second is
  # counted beyond what a headless start to the menu takes (on a loaded machine
  # or in a sanitizer build that start alone can take most of a second).
  started=$(date +%s%N)
  "$build/$program" --keys '' 2>/dev/null
  base_ms=$((($(date +%s%N) - started) / 1000000))
  for no_display in "-u DISPLAY -u WAYLAND_DISPLAY" "-u WAYLAND_DISPLAY DISPLAY=:947" \
                    "-u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR" "-u DISPLAY -u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-0"; do
    started=$(date +%s%N)
    # shellcheck disable=SC2086
    err=$(timeout 5 env -u SDL_VIDEODRIVER $no_display "$build/$program" 2>&1 >/dev/null </dev/null); status=$?
    ms=$((($(date +%s%N) - started) / 1000000))
    [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && printf '%s' "$err" | grep -q 'display' &&
      printf '%s' "$err" | grep -q -- '--keys' && printf '%s' "$err" | grep -q -- '--export' && [ "$ms" -lt $((base_ms + 1000)) ]
    check "$program, env $no_display: status $status in $ms ms, one line naming the headless options ($err)" $?
  done
done

# The same time of day gives the same random pages.
"$build/mebuki2" --keys '2\n3\n\n\n\n' --time 10:20:30 --trace "$work/a.jsonl"
"$build/mebuki2" --keys '2\n3\n\n\n\n' --time 10:20:30 --trace "$work/b.jsonl"
cmp -s "$work/a.jsonl" "$work/b.jsonl"
check "same --time, same trace" $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
