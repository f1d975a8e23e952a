#!/usr/bin/env bash
# Outputs that cannot be written: each of --trace, --screenshot, --step-times
# and --export into a missing folder, a folder it may not write, a path that is
# a folder, a path under a file, and a full disk. One line names the path and
# the reason, the status is 2 and nothing is left; where the path can be
# checked first, that happens before the lesson (or the window) starts.
set -uo pipefail
build=$(cd "${1:?build directory}" && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0 passes=0
check() {
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

cd "$work" || exit 1
touch a-file
mkdir folder.pdf
ln -s /dev/full full.pdf
# Root writes through permission bits: a folder root cannot write is in /sys.
if [ "$(id -u)" -eq 0 ]; then closed=/sys/kernel; else mkdir closed; chmod a-w closed; closed=$work/closed; fi

# case name | the option's value (the export's own form where it differs) | the reason
cases=(
  "missing folder|missing/out.x|No such file or directory"
  "folder it may not write|$closed/out.x|Permission denied"
  "path is a folder|folder.pdf|Is a directory"
  "path under a file|a-file/out.x|Not a directory"
  "full disk|/dev/full|No space left on device"
)
for option in --trace --screenshot --step-times --export; do
  for entry in "${cases[@]}"; do
    IFS='|' read -r name path reason <<<"$entry"
    if [ "$option" = --export ]; then
      case $path in
        /dev/full) path=full.pdf ;;  # a PDF whose bytes go to the full disk
        folder.pdf) ;;
        *) path=${path%.x}.pdf ;;
      esac
      run=("$build/mebuki1" --export "$path")
    else
      run=("$build/mebuki1" --keys '1\n' "$option" "$path")
    fi
    err=$("${run[@]}" 2>&1 >/dev/null); status=$?
    [ "$status" -eq 2 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] &&
      printf '%s' "$err" | grep -qF -- "$path: $reason"
    check "$option, $name: status $status, one line ($err)" $?
  done
done
# One bad output among good ones: the good ones are not left half made either.
"$build/mebuki1" --trace good.jsonl --screenshot good.png --export missing/out.pdf 2>/dev/null
status=$?
[ "$status" -eq 2 ] && [ ! -e good.jsonl ] && [ ! -e good.png ]
check "a bad output with good ones: status $status, none of them written" $?

leftovers=$(find . -name '*.part' -o -name 'missing' | tr '\n' ' ')
[ -z "$leftovers" ] && [ ! -e /dev/full.part ]
check "nothing left behind ($leftovers)" $?

# Checked before the window opens: with no display at all, the output's fault
# is the one reported.
for option in --trace --screenshot --step-times; do
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$build/mebuki1" "$option" missing/out.x 2>&1 >/dev/null)
  status=$?
  [ "$status" -eq 2 ] && printf '%s' "$err" | grep -qF 'missing/out.x: No such file or directory'
  check "$option to a missing folder, no display: the output is named first (status $status)" $?
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
