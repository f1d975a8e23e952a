#!/usr/bin/env bash
# What `cmake --install` puts on a teacher's machine: both programs, a valid
# launcher for each that names what it teaches, the icon it names (drawn in the
# lessons' own colours) and the guide for teachers.
set -uo pipefail
build=${1:?build directory}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passes=0
check() {
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

root=$work/root
cmake --install "$build" --prefix "$root" >/dev/null
check "cmake --install succeeds" $?
icon=$root/share/icons/hicolor/scalable/apps/mebuki.svg
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

for program in mebuki1 mebuki2; do
  [ -x "$root/bin/$program" ] && [ "$("$root/bin/$program" --version)" = "$program $version" ]
  check "bin/$program is installed and runs" $?
  desktop=$root/share/applications/$program.desktop
  out=$(desktop-file-validate "$desktop" 2>&1); status=$?
  [ "$status" -eq 0 ] && [ -z "$out" ]
  check "$program.desktop passes desktop-file-validate ($out)" $?
  key() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(key Exec)" = "$program" ] && [ "$(key Categories)" = "Education;Math;" ] && [ "$(key Terminal)" = false ]
  check "$program.desktop starts $program, in Education;Math;" $?
  [ "$(key Icon)" = mebuki ] && [ -f "$icon" ]
  check "$program.desktop names the installed icon" $?
  [ -n "$(key Name)" ] && [ -n "$(key Comment)" ]
  check "$program.desktop has a Name and a Comment" $?
  # The Japanese name and comment say what it teaches, in Japanese.
  for field in Name Comment; do
    key "$field\\[ja\\]" | python3 -c 'import sys; t = sys.stdin.buffer.read().decode(); sys.exit(not any("\u3040" <= c <= "\u9fff" for c in t))'
    check "$program.desktop $field[ja] is in Japanese" $?
  done
done
[ "$(sed -n 's/^Name\[ja\]=//p' "$root"/share/applications/mebuki[12].desktop | sort -u | wc -l)" = 2 ]
check "the two launchers have different names" $?

python3 - "$icon" "$source_dir/platform/palette.h" <<'PY'
import re, sys, xml.etree.ElementTree as ET
svg = ET.parse(sys.argv[1]).getroot()
assert svg.tag.endswith('svg') and svg.get('viewBox'), 'not a scalable SVG'
palette = {''.join(m).lower() for m in re.findall(r'\{0x(..), 0x(..), 0x(..)\}', open(sys.argv[2]).read())}
used = {c.lower() for c in re.findall(r'#([0-9a-fA-F]{6})\b', open(sys.argv[1]).read())}
assert used and used <= palette, f'colours outside the palette: {used - palette}'
PY
check "the icon is an SVG drawn in the palette's colours" $?

guide=$root/share/doc/mebuki/guide-ja.md
[ -s "$guide" ] && cmp -s "$guide" "$source_dir/docs/guide-ja.md"
check "the guide is installed under share/doc/mebuki" $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
