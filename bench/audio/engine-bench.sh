#!/usr/bin/env bash
# engine-bench.sh [BUILD_DIR]
# Prints the CPU time (user + system, as % of one core) of playing a 60 s MP3
# through the engine module (mpeg_play) beside "mpg123 -o pulse" on the same
# file, and the time from the play request to the first "playing" state.
# Runs against a private PulseAudio daemon with a null sink. Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
# The private sound server comes from the tests' service wrapper.
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse -- bash "$0" "$build"
fi
player="$build/mpeg_play"
[ -x "$player" ] || { echo "build mpeg_play first (ninja -C $build mpeg_play)" >&2; exit 1; }
scratch=$SORVI_HOME

sox -n -r 44100 -c 2 "$scratch/song.wav" synth 60 sine 440 sine 660 vol 0.4
lame --quiet -V 2 "$scratch/song.wav" "$scratch/song.mp3"

cpu() { # label command...
  local label=$1; shift
  /usr/bin/time -f "%U %S %e" -o "$scratch/time" "$@" >"$scratch/out" 2>/dev/null
  read -r user sys elapsed <"$scratch/time"
  awk -v l="$label" -v u="$user" -v s="$sys" -v e="$elapsed" \
    'BEGIN { printf "%-22s user %5.2f s  sys %5.2f s  wall %6.2f s  cpu %5.2f %% of one core\n", l, u, s, e, (u + s) / e * 100 }'
}

echo "60 s VBR MP3 (lame -V 2), PulseAudio null sink"
cpu "engine (mpeg_play)" "$player" "$scratch/song.mp3"
cpu "mpg123 -o pulse" mpg123 -q -o pulse "$scratch/song.mp3"

for run in 1 2 3 4 5; do
  "$player" "$scratch/song.mp3" 1 | awk '/state 1/ { print $1; exit }'
done | awk '{ sum += $1; if ($1 > max) max = $1 } END { printf "play request to state 1: mean %.1f ms, max %d ms (5 runs)\n", sum / NR, max }'
