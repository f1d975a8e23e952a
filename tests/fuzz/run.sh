#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one for a while on a copy of
# its seed corpus; any crash, hang, leak or failed check fails the run.
#   tests/fuzz/run.sh BUILD_DIR SECONDS
# Findings are left in BUILD_DIR/fuzz-out/<target>/ (crash-*, timeout-*, the log).
set -uo pipefail
cd "$(dirname "$0")/../.."

if [ $# -ne 2 ]; then
  echo "usage: tests/fuzz/run.sh BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$1 seconds=$2
targets=(fuzz_markup fuzz_plain fuzz_small fuzz_entry)

CC=clang CXX=clang++ cmake -S . -B "$build" -DMEBUKI_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} >/dev/null ||
  exit 1
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" || exit 1
build=$(cd "$build" && pwd)

passed=0 failed=0
for t in "${targets[@]}"; do
  out=$build/fuzz-out/$t
  rm -rf "$out"
  mkdir -p "$out/corpus"
  cp tests/fuzz/corpus/"$t"/* "$out/corpus/"
  echo "== $t: ${seconds}s"
  if (cd "$out" && "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=5 -max_len=4096 -rss_limit_mb=2048 \
        -print_final_stats=1 corpus >log.txt 2>&1); then
    passed=$((passed + 1))
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$out/log.txt" | tail -n 2
  else
    failed=$((failed + 1))
    echo "$t FAILED; the last lines of $out/log.txt:"
    tail -n 40 "$out/log.txt"
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
