#!/usr/bin/env bash
# Times the lyrics lookup (FindLyricsFile) with 20,000 files in "Lyrics/".
# Usage: bench/lyrics/find-lyrics-bench.sh [build-folder] [files] [rounds]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
files=${2:-20000}
rounds=${3:-20}
ninja -C "$build" -j2 bench_find_lyrics >/dev/null
exec "$build/bench_find_lyrics" "$files" "$rounds"
