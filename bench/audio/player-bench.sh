#!/usr/bin/env bash
# player-bench.sh [BUILD_DIR]
# Figures for the whole player (build/sorvi) on a private PulseAudio null sink
# and Xvfb, printed, never asserted:
#   - CPU time (user + system, % of one core) of the player playing a 60 s MP3
#     to its end, beside "mpg123 -o pulse" playing the same file;
#   - time from the play request to the first "playing" report (5 runs);
#   - the silence heard between two songs in sequential play, measured on the
#     null sink's monitor (5 pairs).
# Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse --x11 -- bash "$0" "$build"
fi
sorvi="$build/sorvi"
work=$SORVI_HOME
cd "$work"

sox -n -r 44100 -c 2 long.wav synth 60 sine 440 sine 660 vol 0.4 2>/dev/null
lame --quiet -V 2 long.wav long.mp3
sox -n -r 44100 -c 2 a.wav synth 3 sine 440 vol 0.5 2>/dev/null && lame --quiet a.wav a.mp3
sox -n -r 44100 -c 2 b.wav synth 3 sine 880 vol 0.5 2>/dev/null && lame --quiet b.wav b.mp3

export SORVI_TRACE_COMMANDS=$work/trace SORVI_TRACE_TIMES=1
ticks=$(getconf CLK_TCK)

wait_for_stop() { # waits until sequential play has ended ("#Stop" last)
  for _ in $(seq 1 1200); do
    [ "$(tail -n 1 "$SORVI_TRACE_COMMANDS" 2>/dev/null | cut -d' ' -f2-)" = "#Stop" ] && \
      [ "$(grep -c '#PlayStatusChanged' "$SORVI_TRACE_COMMANDS")" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

fresh() { rm -rf "$work/state"; mkdir -p "$work/state"; export SORVI_HOME=$work/state; : >"$SORVI_TRACE_COMMANDS"; }

# --- CPU of a whole song ---
fresh
start=$(date +%s.%N)
"$sorvi" "$work/long.mp3" &
pid=$!
wait_for_stop 2
end=$(date +%s.%N)
read -r utime stime < <(awk '{ print $14, $15 }' /proc/$pid/stat)
"$sorvi" --command "#Exit"; wait $pid
awk -v u="$utime" -v s="$stime" -v t="$ticks" -v a="$start" -v b="$end" 'BEGIN {
  printf "player (sorvi)        user %5.2f s  sys %5.2f s  wall %6.2f s  cpu %5.2f %% of one core\n",
         u / t, s / t, b - a, (u + s) / t / (b - a) * 100 }'
/usr/bin/time -f "%U %S %e" -o "$work/time" mpg123 -q -o pulse "$work/long.mp3" 2>/dev/null
read -r user sys elapsed <"$work/time"
awk -v u="$user" -v s="$sys" -v e="$elapsed" 'BEGIN {
  printf "mpg123 -o pulse       user %5.2f s  sys %5.2f s  wall %6.2f s  cpu %5.2f %% of one core\n", u, s, e, (u + s) / e * 100 }'

# --- play request to "playing" ---
fresh
"$sorvi" --command "#Time,0" &
pid=$!
for _ in $(seq 1 100); do grep -q '#Time,0' "$SORVI_TRACE_COMMANDS" && break; sleep 0.1; done
for run in 1 2 3 4 5; do
  "$sorvi" --command "#Play,$work/a.mp3"
  sleep 1.5
  "$sorvi" --command "#Stop"
  sleep 0.5
done
"$sorvi" --command "#Exit"; wait $pid
awk '$2 ~ /^#Play,/ { t = $1 } $2 == "#PlayStatusChanged" && t { d = $1 - t; sum += d; if (d > max) max = d; n++; t = 0 }
  END { if (n) printf "play request to playing: mean %.1f ms, max %d ms (%d runs)\n", sum / n, max, n }' "$SORVI_TRACE_COMMANDS"

# --- silence between two songs ---
gaps=()
for pair in 1 2 3 4 5; do
  fresh
  parec -d sorvi_null.monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=10 >"$work/heard.raw" &
  rec=$!
  sleep 0.3
  "$sorvi" "$work/a.mp3" "$work/b.mp3" &
  pid=$!
  wait_for_stop 4
  sleep 0.5
  kill $rec; wait $rec 2>/dev/null
  "$sorvi" --command "#Exit"; wait $pid
  gaps+=("$(python3 - "$work/heard.raw" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
n = len(data) // 4
left = struct.unpack('<%dh' % (n * 2), data[:n * 4])[0::2]
win = 441  # 10 ms
loud = [max(abs(s) for s in left[i:i + win]) > 1000 for i in range(0, n - win, win)]
first = loud.index(True)
last = len(loud) - 1 - loud[::-1].index(True)
inner = loud[first:last + 1]
# the longest silent run between the first and the last sound
best = run = 0
for x in inner:
    run = 0 if x else run + 1
    best = max(best, run)
print(best * 10)
PY
)")
done
printf 'silence between two songs: %s ms (5 pairs)\n' "${gaps[*]}"
