#!/usr/bin/env bash
# Time and memory of the tag scan of 2,000 mixed files (MP3 with ID3v2 only,
# FLAC, Ogg Vorbis and Opus with Vorbis comments, WAV with RIFF INFO), beside
# 2,000 MP3 files that end in an ID3v1 block. Prints figures, asserts nothing.
# Usage: bench/playlist/tag-scan-bench.sh [build-folder] [files]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
files=${2:-2000}
ninja -C "$build" -j2 bench_tag_scan >/dev/null
work=$(mktemp -d /tmp/tag-scan-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8
sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth 2 sine 440 vol 0.4 2>/dev/null
mkdir "$work/t"
lame --quiet -b 128 --id3v2-only --tt "Zweites Lied" --ta "Künstler" --tl "Album" "$work/tone.wav" "$work/t/a.mp3"
lame --quiet -b 128 --id3v1-only --tt "First Song" --ta "Artist" "$work/tone.wav" "$work/t/v1.mp3"
sox "$work/tone.wav" "$work/t/b.flac"
metaflac --set-tag="TITLE=Ääniraita" --set-tag="ARTIST=Laulaja" "$work/t/b.flac"
sox "$work/tone.wav" "$work/t/c.ogg"
vorbiscomment -w -t "TITLE=Ölfarbe" -t "ARTIST=Maler" "$work/t/c.ogg"
opusenc --quiet --title "Опус" --artist "Автор" "$work/tone.wav" "$work/t/d.opus"
sox "$work/tone.wav" "$work/t/e.wav"
exec "$build/bench_tag_scan" "$work/t" "$files"
