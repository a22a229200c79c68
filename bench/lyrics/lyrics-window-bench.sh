#!/usr/bin/env bash
# lyrics-window-bench.sh [BUILD_DIR]
# CPU time (user + system, % of one core) of the whole player (build/sorvi)
# playing a 40 s MP3 to its end with the lyrics window open and the karaoke
# band sweeping (ten updates a second), beside the same song with the window
# closed. Runs on a private PulseAudio null sink and Xvfb; prints figures,
# asserts nothing. Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse --x11 -- bash "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
sorvi="$build/sorvi"
work=$(mktemp -d /tmp/lyrics-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"

seconds=40
sox -n -r 44100 -c 2 song.wav synth $seconds sine 440 sine 660 vol 0.4 2>/dev/null
lame --quiet -V 2 song.wav song.mp3
# A line every two seconds, long enough to wrap in the band now and then.
lrc() {
  for i in $(seq 0 $((seconds / 2 - 1))); do
    t=$((i * 2 + 1))
    printf '[%02d:%02d.0]Line %d of the song, sung slowly so the sweep can follow it\r\n' $((t / 60)) $((t % 60)) "$i"
  done
}

export SORVI_TRACE_COMMANDS=$work/trace
ticks=$(getconf CLK_TCK)

fresh() {
  rm -rf "$work/state"; mkdir -p "$work/state/Lyrics"; export SORVI_HOME=$work/state
  lrc >"$work/state/Lyrics/song.lrc"
  printf '[OPTION]\nCHECKACC=0\n' >"$work/state/Options.ini"
  : >"$SORVI_TRACE_COMMANDS"
}

wait_for_stop() {
  for _ in $(seq 1 1200); do
    [ "$(tail -n 1 "$SORVI_TRACE_COMMANDS" 2>/dev/null | cut -d' ' -f2-)" = "#Stop" ] && \
      grep -q '#PlayStatusChanged' "$SORVI_TRACE_COMMANDS" && return 0
    sleep 0.1
  done
  return 1
}

run() { # label [command to send once playing]
  local label=$1 extra=${2:-}
  fresh
  local start end utime stime pid
  start=$(date +%s.%N)
  "$sorvi" "$work/song.mp3" &
  pid=$!
  if [ -n "$extra" ]; then
    for _ in $(seq 1 100); do [ -f "$SORVI_HOME/count" ] && break; sleep 0.1; done
    "$sorvi" --command "$extra"
  fi
  wait_for_stop || echo "$label: the song did not end" >&2
  end=$(date +%s.%N)
  read -r utime stime < <(awk '{ print $14, $15 }' /proc/$pid/stat)
  "$sorvi" --command "#Exit"; wait $pid
  awk -v l="$label" -v u="$utime" -v s="$stime" -v t="$ticks" -v a="$start" -v b="$end" 'BEGIN {
    printf "%-28s user %5.2f s  sys %5.2f s  wall %6.2f s  cpu %5.2f %% of one core\n",
           l, u / t, s / t, b - a, (u + s) / t / (b - a) * 100 }'
}

echo "${seconds} s MP3, line every 2 s, PulseAudio null sink, Xvfb"
run "lyrics window closed"
run "lyrics window open" "#Lyrics"
