#!/usr/bin/env bash
# Times adding a folder of 10,000 small tagged MP3-named files (AddFolder and
# the tag scan) and loading and saving a "default.lst" of 100,000 entries, and
# prints resident memory after each; then loads lists of 10,000 and 100,000
# categories and imports a 100,000-line ".m3u", printing the longest time the
# event loop had to wait during the import.
# Usage: bench/playlist/playlist-bench.sh [build-folder] [files] [entries]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
files=${2:-10000}
entries=${3:-100000}
ninja -C "$build" -j2 bench_playlist >/dev/null
exec "$build/bench_playlist" "$files" "$entries"
