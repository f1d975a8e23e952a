#!/usr/bin/env bash
# The benchmark of both programs (see tools/bench.py): a Release build in
# BUILD (build-release unless given), the window helper built beside it, then
# the runs. Extra arguments go to tools/bench.py (--runs N, --idle-seconds S).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
shift || true
probe=()
if command -v Xvfb >/dev/null && [ -f /usr/include/X11/Xlib.h ]; then
  cc -O2 -Wall -Wextra -o "$build/first_frame" tools/first_frame.c -lX11
  probe=(--probe "$build/first_frame")
else
  echo "bench: no Xvfb or X11 headers; the window figures are left out" >&2
fi
exec python3 tools/bench.py "$build" "${probe[@]}" "$@"
