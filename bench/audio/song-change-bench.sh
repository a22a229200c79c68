#!/usr/bin/env bash
# song-change-bench.sh [BUILD_DIR] [CHANGES]
# Changes songs quickly in the whole player (build/sorvi) on a private
# PulseAudio null sink and Xvfb, and prints, never asserts:
#   - the longest time a "#Next" command waited between being handed to the
#     player (a second start, `sorvi --command`) and running;
#   - the longest pause of the player's main thread while it changed songs
#     (the trace's "%stall" lines: pauses over 50 ms of a 10 ms timer);
#   - how long the whole run of changes took to drain.
# CHANGES (default 30) "#Next" commands are handed over one right after the
# other, each by its own second start. With SORVI_BENCH_ENGINE naming another
# engine module (an older "mpeg.so"), the player uses that one instead of the
# one it carries, for a comparison. Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
changes=${2:-30}
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse --x11 -- bash "$0" "$build" "$changes"
fi
sorvi="$build/sorvi"
work=$SORVI_HOME
cd "$work"

# Five songs of 20 s, one without a length header (its length is found by
# walking every frame when it is opened).
files=()
for n in 1 2 3 4 5; do
  sox -n -r 44100 -c 2 "s$n.wav" synth 20 sine $((200 * n)) vol 0.4 2>/dev/null
  if [ "$n" = 5 ]; then lame --quiet -V 4 -t "s$n.wav" "s$n.mp3"; else lame --quiet -b 128 "s$n.wav" "s$n.mp3"; fi
  files+=("$work/s$n.mp3")
done

export SORVI_TRACE_COMMANDS=$work/trace SORVI_TRACE_TIMES=1 SORVI_TRACE_STALLS=1
mkdir -p "$work/state"
[ -n "${SORVI_BENCH_ENGINE:-}" ] && cp "$SORVI_BENCH_ENGINE" "$work/state/mpeg.so"
export SORVI_HOME=$work/state
: >"$SORVI_TRACE_COMMANDS"
now_ms() { date +%s%3N; }

"$sorvi" "${files[@]}" &
pid=$!
for _ in $(seq 1 200); do grep -q '#PlayStatusChanged' "$SORVI_TRACE_COMMANDS" && break; sleep 0.1; done
sleep 1

: >"$work/sent"
start=$(now_ms)
for i in $(seq 1 "$changes"); do
  printf '%s #Next,%d\n' "$(now_ms)" "$i" >>"$work/sent"
  "$sorvi" --command "#Next,$i" || echo "command $i was not delivered" >&2
done
for _ in $(seq 1 600); do grep -q "#Next,$changes\$" "$SORVI_TRACE_COMMANDS" && break; sleep 0.1; done
drained=$(now_ms)
sleep 2
"$sorvi" --command "#Exit"
wait $pid

awk -v start="$start" -v drained="$drained" -v n="$changes" '
  FNR == NR { sent[$2] = $1; next }
  $2 ~ /^#Next,/ && ($2 in sent) { w = $1 - sent[$2]; if (w > wait) { wait = w; which = $2 } ran++ }
  $2 == "%stall" && $1 >= start { if ($3 > stall) stall = $3; stalls++ }
  END {
    printf "%d of %d \"#Next\" commands ran; longest wait before running: %d ms (%s)\n", ran, n, wait, which
    printf "longest main-thread stall while changing songs: %d ms (%d pauses over 50 ms)\n", stall, stalls
    printf "all changes handed over and run in %d ms\n", drained - start
  }' "$work/sent" "$SORVI_TRACE_COMMANDS"
