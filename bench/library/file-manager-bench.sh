#!/usr/bin/env bash
# Times the file manager page on a category of N songs (default 10,000): the
# filled list, the finished tag scan and a 100-row move.
# Usage: bench/library/file-manager-bench.sh [build-folder] [songs]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
songs=${2:-10000}
ninja -C "$build" -j2 bench_file_manager >/dev/null
QT_QPA_PLATFORM=offscreen exec "$build/bench_file_manager" "$songs"
