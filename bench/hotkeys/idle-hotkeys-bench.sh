#!/usr/bin/env bash
# idle-hotkeys-bench.sh [BUILD_DIR] [SECONDS] [ROUNDS]
# What the global hot keys cost an idle player: the player stopped with its
# main window shown, on a private PulseAudio null sink and Xvfb with a window
# manager, measured over SECONDS (default 30) after a settling second, with
# the hot keys listening (the default) and switched off (SORVI_GLOBAL_KEYS=off),
# interleaved for ROUNDS rounds (default 3). Then the same while a key that is
# no binding of the table (a letter) is typed 20 times a second elsewhere,
# which is what the raw key events cost. Prints CPU of the player (% of one
# core) and wake-ups per second (context switches of all its threads),
# min / median / max over the rounds. Printed, never asserted. Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
secs=${2:-30}
rounds=${3:-3}
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse --x11 --wm -- bash "$0" "$build" "$secs" "$rounds"
fi
sorvi="$build/sorvi"
work=$SORVI_HOME
cd "$work"
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
snapshot() { # "tid switches" of every thread of a process
  for t in /proc/"$1"/task/*; do
    awk -v t="${t##*/}" '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print t, n + 0 }' "$t/status" 2>/dev/null
  done
}
# Switches between two snapshots of the threads alive in both (a thread that
# ends meanwhile takes its count with it).
switches_between() { awk 'NR == FNR { a[$1] = $2; next } ($1 in a) { n += $2 - a[$1] } END { print n + 0 }' "$1" "$2"; }
# measure NAME PID: one window of $secs seconds; appends "NAME cpu wakeups"
measure() {
  local name=$1 pid=$2
  sleep 1
  local c0 t0 c1 t1 w
  c0=$(cpu_ticks "$pid"); snapshot "$pid" >"$work/s0"; t0=$(date +%s.%N)
  sleep "$secs"
  c1=$(cpu_ticks "$pid"); snapshot "$pid" >"$work/s1"; t1=$(date +%s.%N)
  w=$(switches_between "$work/s0" "$work/s1")
  awk -v n="$name" -v c="$((c1 - c0))" -v w="$w" -v a="$t0" -v b="$t1" -v t="$ticks" \
      'BEGIN { d = b - a; printf "%s %.3f %.1f\n", n, c / t / d * 100, w / d }' >>"$work/figures"
}
wait_trace() { # waits until the trace holds a line matching $1
  for _ in $(seq 1 200); do grep -q -- "$1" "$SORVI_TRACE_COMMANDS" 2>/dev/null && return 0; sleep 0.05; done
  return 1
}
# A window of another program holds the focus while keys are typed.
xmessage -name typing-target "typing here" &
target=$!
sleep 1
xdotool search --sync --name typing-target windowactivate --sync 2>/dev/null

: >"$work/figures"
export SORVI_TRACE_COMMANDS=$work/trace
for round in $(seq 1 "$rounds"); do
  for mode in on off; do
    rm -rf "$work/state"; mkdir -p "$work/state"; export SORVI_HOME=$work/state; : >"$SORVI_TRACE_COMMANDS"
    if [ "$mode" = off ]; then export SORVI_GLOBAL_KEYS=off; else unset SORVI_GLOBAL_KEYS; fi
    "$sorvi" &
    pid=$!
    wait_trace '#' || sleep 3
    sleep 2
    xdotool search --sync --name typing-target windowactivate 2>/dev/null
    measure "idle-keys-$mode" "$pid"
    # typing elsewhere: 20 keys a second for the whole window
    ( end=$((SECONDS + secs + 1)); while [ $SECONDS -lt $end ]; do xdotool key --delay 50 q q q q q q q q q q q q q q q q q q q q; done ) &
    typer=$!
    measure "typing-keys-$mode" "$pid"
    kill "$typer" 2>/dev/null; wait "$typer" 2>/dev/null
    "$sorvi" --command "#Exit"; wait "$pid"
  done
done
kill "$target" 2>/dev/null

python3 - "$work/figures" <<'PY'
import sys, statistics as st
rows = {}
for line in open(sys.argv[1]):
    n, c, w = line.split()
    rows.setdefault(n, []).append((float(c), float(w)))
def f(vals):
    return "%7.3f / %7.3f / %7.3f" % (min(vals), st.median(vals), max(vals))
print("%-16s %-28s %s" % ("state", "cpu % (min/med/max)", "wake-ups/s (min/med/max)"))
for n in ["idle-keys-on", "idle-keys-off", "typing-keys-on", "typing-keys-off"]:
    if n in rows:
        v = rows[n]
        print("%-16s %-28s %s" % (n, f([a[0] for a in v]), f([a[1] for a in v])))
PY
