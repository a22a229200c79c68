#!/usr/bin/env bash
# handover-bench.sh [BUILD_DIR] [ROUNDS=50] [FILES=50]
# Figures for handing files to the running player (build/sorvi) on a private
# PulseAudio null sink and Xvfb, printed, never asserted:
#   - ROUNDS double starts: two players started at the same moment in the same
#     program folder with one MP3 each; prints how many files were lost and the
#     longest time from the later start to its file's command running;
#   - FILES second starts at once, each handing one MP3 to a running player,
#     then "#Exit": prints the longest time a handed-over file waited (from its
#     start to its command running), how many second starts failed, and how
#     long "#Exit" waited behind them.
# Times come from the player's own command trace (SORVI_TRACE_TIMES).
# Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-50}
files=${3:-50}
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse --x11 -- bash "$0" "$build" "$rounds" "$files"
fi
sorvi="$build/sorvi"
work=$SORVI_HOME
cd "$work"
sox -n -r 44100 -c 2 tone.wav synth 4 sine 440 vol 0.5 2>/dev/null && lame --quiet tone.wav tone.mp3
mkdir -p music
for i in $(seq 1 "$files"); do cp tone.mp3 "music/song $i: live.mp3"; done
cp tone.mp3 music/a.mp3; cp tone.mp3 music/b.mp3

export SORVI_TRACE_COMMANDS=$work/trace SORVI_TRACE_TIMES=1
now_ms() { date +%s%3N; }
fresh() { rm -rf "$work/state"; export SORVI_HOME=$work/state/new; : >"$SORVI_TRACE_COMMANDS"; }
# The trace time of the first line naming $1, or nothing.
ran_at() { grep -F -- "$1" "$SORVI_TRACE_COMMANDS" | head -n 1 | cut -d' ' -f1; }
wait_until_ran() { # name timeout-tenths
  for _ in $(seq 1 "$2"); do [ -n "$(ran_at "$1")" ] && return 0; sleep 0.1; done
  return 1
}

# --- two starts at the same moment ---
lost=0 longest=0
for round in $(seq 1 "$rounds"); do
  fresh
  start=$(now_ms)
  "$sorvi" "$work/music/a.mp3" & p1=$!
  "$sorvi" "$work/music/b.mp3" & p2=$!
  for f in a b; do
    if wait_until_ran "music/$f.mp3" 200; then
      waited=$(( $(ran_at "music/$f.mp3") - start ))
      [ "$waited" -gt "$longest" ] && longest=$waited
    else
      lost=$((lost + 1))
    fi
  done
  "$sorvi" --command "#Exit"
  wait $p1 $p2 2>/dev/null
done
printf "double start          %d rounds, %d files lost, longest wait from start to run %d ms\n" \
  "$rounds" "$lost" "$longest"

# --- many second starts at once, then a quit ---
fresh
"$sorvi" --command "#Time,0" & first=$!
for _ in $(seq 1 200); do [ -n "$(ran_at '#Time,0')" ] && break; sleep 0.1; done
pids=() starts=()
for i in $(seq 1 "$files"); do
  starts[$i]=$(now_ms)
  "$sorvi" "$work/music/song $i: live.mp3" & pids[$i]=$!
done
failed=0
for i in $(seq 1 "$files"); do wait "${pids[$i]}" || failed=$((failed + 1)); done
exit_sent=$(now_ms)
"$sorvi" --command "#Exit"
wait $first
exit_ran=$(ran_at "#Exit")
longest=0 missing=0
for i in $(seq 1 "$files"); do
  at=$(ran_at "song $i: live.mp3")
  if [ -z "$at" ]; then missing=$((missing + 1)); continue; fi
  waited=$((at - starts[$i]))
  [ "$waited" -gt "$longest" ] && longest=$waited
done
printf "%d second starts      %d failed, %d never ran, longest wait from start to run %d ms\n" \
  "$files" "$failed" "$missing" "$longest"
printf "#Exit after them      ran %d ms after it was sent; player ended %d ms after it was sent\n" \
  "$((exit_ran - exit_sent))" "$(( $(now_ms) - exit_sent ))"
