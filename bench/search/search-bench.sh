#!/usr/bin/env bash
# Times a file search over a generated tree (default 100,000 files) as the
# search page runs it (worker thread, result rows in batches) and prints the
# peak resident memory.
# Usage: bench/search/search-bench.sh [build-folder] [files]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
files=${2:-100000}
ninja -C "$build" -j2 bench_search >/dev/null
QT_QPA_PLATFORM=offscreen exec "$build/bench_search" "$files"
