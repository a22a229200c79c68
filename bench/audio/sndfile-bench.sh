#!/usr/bin/env bash
# sndfile-bench.sh [BUILD_DIR]
# CPU time (user + system, % of one core) of the whole player (build/sorvi)
# playing a 60 s FLAC to its end through its FLAC/Ogg/Opus/WAV/AIFF plug-in,
# beside "sox FILE -t raw - | pacat" and "flac -d -c FILE | pacat" on the same file in
# the same run. Runs on a private PulseAudio null sink and Xvfb; prints
# figures, asserts nothing. Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse --x11 -- bash "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
sorvi="$build/sorvi"
[ -x "$sorvi" ] || { echo "build the player first (ninja -C $build sorvi)" >&2; exit 1; }
work=$(mktemp -d /tmp/sndfile-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"

seconds=60
sox -n -r 44100 -c 2 -b 16 song.flac synth $seconds sine 440 sine 660 vol 0.4 2>/dev/null
ticks=$(getconf CLK_TCK)
export SORVI_TRACE_COMMANDS=$work/trace

report() { # label user-ticks sys-ticks start end
  awk -v l="$1" -v u="$2" -v s="$3" -v t="$ticks" -v a="$4" -v b="$5" 'BEGIN {
    printf "%-28s user %5.2f s  sys %5.2f s  wall %6.2f s  cpu %5.2f %% of one core\n",
           l, u / t, s / t, b - a, (u + s) / t / (b - a) * 100 }'
}

player() {
  rm -rf "$work/state"; mkdir -p "$work/state"; export SORVI_HOME=$work/state
  printf '[OPTION]\nCHECKACC=0\n' >"$work/state/Options.ini"
  : >"$SORVI_TRACE_COMMANDS"
  local start end utime stime pid
  start=$(date +%s.%N)
  "$sorvi" "$work/song.flac" &
  pid=$!
  for _ in $(seq 1 1200); do
    [ "$(tail -n 1 "$SORVI_TRACE_COMMANDS" 2>/dev/null | cut -d' ' -f2-)" = "#Stop" ] && \
      grep -q '#PlayStatusChanged' "$SORVI_TRACE_COMMANDS" && break
    sleep 0.1
  done
  end=$(date +%s.%N)
  read -r utime stime < <(awk '{ print $14, $15 }' /proc/$pid/stat)
  "$sorvi" --command "#Exit"; wait $pid
  report "player (sndfile.so)" "$utime" "$stime" "$start" "$end"
}

tool() { # label command...
  local label=$1; shift
  /usr/bin/time -f "%U %S %e" -o "$work/time" "$@" >/dev/null 2>&1
  read -r user sys elapsed <"$work/time"
  awk -v l="$label" -v u="$user" -v s="$sys" -v e="$elapsed" 'BEGIN {
    printf "%-28s user %5.2f s  sys %5.2f s  wall %6.2f s  cpu %5.2f %% of one core\n",
           l, u, s, e, (u + s) / e * 100 }'
}

echo "${seconds} s FLAC (16 bit, 44.1 kHz stereo), PulseAudio null sink, Xvfb"
player
# sox's own PulseAudio output (libsox-fmt-pulse) is not always there: sox
# decodes to raw samples and pacat plays them, like flac does.
tool "sox -t raw - | pacat" bash -c 'sox -q song.flac -t raw - | pacat --format=s16le --rate=44100 --channels=2'

tool "flac -d -c | pacat" bash -c 'flac -s -d -c song.flac | pacat'
