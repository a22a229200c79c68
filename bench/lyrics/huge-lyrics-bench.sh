#!/usr/bin/env bash
# Times the lyrics window's load and redraw with hostile lyrics (a line of
# megabytes, a thousand lines at one time tag) beside ordinary lyrics, on Qt's
# offscreen platform. Prints figures, asserts nothing. Not run in CI.
# Usage: bench/lyrics/huge-lyrics-bench.sh [build-folder] [megabytes] [lines] [rounds]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
ninja -C "$build" -j2 bench_huge_lyrics >/dev/null
QT_QPA_PLATFORM=offscreen exec "$build/bench_huge_lyrics" "${2:-10}" "${3:-1000}" "${4:-20}"
