#!/usr/bin/env bash
# The walk through every page and the handout export of both programs.
set -uo pipefail
build=${1:?build directory}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/checks.sh"

# Pages per program: every sub-menu entry but the last, plus each goal page.
#   mebuki1: 3 + (6+1) + (7+1) + (6+1)             = 25
#   mebuki2: (3+1) + (3+1) + (4+1) + (3+1) + 3 + 2 = 22
declare -A expected=([mebuki1]=25 [mebuki2]=22)

for program in mebuki1 mebuki2; do
  "$build/$program" --walk --time 09:15:30 --trace "$work/$program.jsonl" --screenshot "$work/$program.png"
  check "$program --walk ends with status 0 (never on the error screen)" $?
  ! grep -q 'エラーが発生しました' "$work/$program.jsonl"
  check "$program walk shows no error message" $?

  "$build/$program" --export "$work/$program.pdf" --time 09:15:30
  check "$program --export pdf ends with status 0" $?
  pages=$(pdfinfo "$work/$program.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
  [ "$pages" = "${expected[$program]}" ]
  check "$program handout has ${expected[$program]} pages (has $pages)" $?
  pdffonts "$work/$program.pdf" 2>/dev/null | awk 'NR > 2 && $(NF-4) != "yes" {bad = 1} END {exit bad}'
  check "$program handout embeds its fonts" $?
  fonts=$(pdffonts "$work/$program.pdf" 2>/dev/null)
  grep -q 'BIZUDGothic-Bold' <<< "$fonts" && grep -q 'BIZUDGothic-Regular' <<< "$fonts" &&
    { [ "$program" = mebuki2 ] || grep -q 'LiberationSerif' <<< "$fonts"; }  # only mebuki1 sets variables
  check "$program handout embeds the gothic face in both weights (and the serif face of its variables)" $?

  "$build/$program" --export "$work/$program.2.pdf" --time 09:15:30
  cmp -s "$work/$program.pdf" "$work/$program.2.pdf"
  check "$program: two exports with the same time are identical" $?

  "$build/$program" --export "$work/$program-png/" --time 09:15:30
  count=$(ls "$work/$program-png" | grep -c "^$program-s[0-9]-p[0-9][0-9].png$")
  [ "$count" = "${expected[$program]}" ]
  check "$program PNG export writes ${expected[$program]} pages (wrote $count)" $?
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
