#!/usr/bin/env bash
# face-bench.sh [BUILD_DIR] [SECONDS] [ROUNDS]
# What the whole player costs while it plays and while it idles, beside
# "mpg123 -o pulse" playing the same file, on a private PulseAudio null sink
# and Xvfb with a window manager. Printed, never asserted. Each round runs
# mpg123 once and the player once, interleaved; each state is measured over
# SECONDS (default 10) after three settling seconds (the steady part: the first state
# follows the start, whose font loading and buffer filling are not playing):
#   play        playing, main window with the default skin shown
#   play+lrc    playing, lyrics window shown with the song's lyrics
#   play-hidden playing, main window minimized
#   idle        stopped, main window shown, title still
#   idle-hidden stopped, main window minimized
# For each: CPU of the player (% of one core), wake-ups per second (context
# switches of all its threads), CPU of the X server and of the sound server,
# and the ratio of the player's CPU to mpg123's; min / median / max over the
# rounds. Then exec to the skinned main window mapped (at a first start, and
# with the program folder kept, beside a plain window as the toolkit's floor),
# and peak resident memory while playing. Not run in CI.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
secs=${2:-10}
rounds=${3:-3}
if [ -z "${SORVI_BENCH_INNER:-}" ]; then
  SORVI_BENCH_INNER=1 exec "$root/tests/support/with-services.sh" --pulse --x11 --wm -- bash "$0" "$build" "$secs" "$rounds"
fi
sorvi="$build/sorvi"
work=$SORVI_HOME
cd "$work"
xpid=$(pgrep -f "^Xvfb $DISPLAY( |$)" | head -n 1)
ppid_=$(cat "$PULSE_RUNTIME_PATH/pid" 2>/dev/null || pgrep -n pulseaudio)

sox -n -r 44100 -c 2 long.wav synth 150 sine 440 sine 660 vol 0.4 2>/dev/null
lame --quiet -b 128 long.wav long.mp3 && rm -f long.wav
python3 - >long.lrc <<'PY'
print("[ti:Bench]")
for i in range(150):
    print("[%02d:%02d.00]line %d of the bench lyrics, long enough to sweep" % (i // 60, i % 60, i))
PY

# CPU time of all threads in nanoseconds: the scheduler's own account, far
# finer than the 10 ms ticks of /proc/PID/stat at these small loads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'; }
switches() { # all threads of a process
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'
}
# measure NAME PID: one window of $secs seconds; appends "NAME cpu wakeups xcpu pcpu"
measure() {
  local name=$1 pid=$2
  sleep 3
  local c0 w0 x0 p0 t0 c1 w1 x1 p1 t1
  c0=$(cpu_ns "$pid"); w0=$(switches "$pid"); x0=$(cpu_ns "$xpid"); p0=$(cpu_ns "$ppid_"); t0=$(date +%s.%N)
  sleep "$secs"
  c1=$(cpu_ns "$pid"); w1=$(switches "$pid"); x1=$(cpu_ns "$xpid"); p1=$(cpu_ns "$ppid_"); t1=$(date +%s.%N)
  awk -v n="$name" -v c="$((c1 - c0))" -v w="$((w1 - w0))" -v x="$((x1 - x0))" -v p="$((p1 - p0))" \
      -v a="$t0" -v b="$t1" 'BEGIN { d = b - a;
      printf "%s %.3f %.1f %.3f %.3f\n", n, c / 1e7 / d, w / d, x / 1e7 / d, p / 1e7 / d }' >>"$work/figures"
}
wait_trace() { # waits until the trace holds a line matching $1
  for _ in $(seq 1 200); do grep -q -- "$1" "$SORVI_TRACE_COMMANDS" 2>/dev/null && return 0; sleep 0.05; done
  return 1
}

# map_time OUT PROGRAM...: starts PROGRAM (its pid in $started) and appends
# the time from exec to a 594 x 330 window mapped, in ms. The waiter listens
# before the program starts, so it cannot miss the map; the caller waits for
# nothing else meanwhile, as polling would take CPU from the start.
map_time() {
  local out=$1; shift
  "$build/bench/face/wait-mapped" 594 330 10000 >"$work/map.raw" 2>/dev/null &
  local waiter=$!
  sleep 0.3
  local start
  start=$(date +%s%N)
  "$@" &
  started=$!
  wait "$waiter" 2>/dev/null && awk -v s="$start" '{ printf "%.1f\n", ($1 - s) / 1e6 }' "$work/map.raw" >>"$out"
}

: >"$work/figures"
: >"$work/maps"
: >"$work/rss"
export SORVI_TRACE_COMMANDS=$work/trace
for round in $(seq 1 "$rounds"); do
  mpg123 -q -o pulse long.mp3 2>/dev/null &
  mpid=$!
  measure mpg123 "$mpid"
  kill "$mpid"; wait "$mpid" 2>/dev/null

  # A fresh program folder each round, with the song's lyrics where the
  # lyrics window looks for them.
  rm -rf "$work/state"; mkdir -p "$work/state/Lyrics"; cp long.lrc "$work/state/Lyrics/"
  export SORVI_HOME=$work/state; : >"$SORVI_TRACE_COMMANDS"
  map_time "$work/maps" "$sorvi" "$work/long.mp3"
  pid=$started
  wait_trace '#PlayStatusChanged'
  measure play "$pid"
  awk '/^VmHWM/ { print $2 / 1024 }' "/proc/$pid/status" >>"$work/rss"
  "$sorvi" --command "#Minimize"
  measure play-hidden "$pid"
  "$sorvi" --command "#Stop"
  measure idle-hidden "$pid"
  "$sorvi" --command "#Normal"
  measure idle "$pid"
  # Last, as the lyrics window stays open once shown.
  "$sorvi" --command "#Play"
  "$sorvi" --command "#Lyrics"
  measure play+lrc "$pid"
  "$sorvi" --command "#Exit"; wait "$pid"
done

# Start-up again, the usual way: the program folder kept from a first start.
# Interleaved with the toolkit's floor: a program that only shows a plain
# window of the same size with one label (plain-window).
: >"$work/maps-kept"; : >"$work/maps-floor"
export SORVI_HOME=$work/state
for _ in $(seq 1 $((rounds * 4))); do
  map_time "$work/maps-kept" "$sorvi"
  sleep 1; "$sorvi" --command "#Exit"; wait "$started"
  map_time "$work/maps-floor" "$build/bench/face/plain-window"
  sleep 0.3; kill "$started"; wait "$started" 2>/dev/null
done

python3 - "$work/figures" "$work/maps" "$work/rss" "$work/maps-kept" "$work/maps-floor" <<'PY'
import sys, statistics as st
rows = {}
for line in open(sys.argv[1]):
    n, c, w, x, p = line.split()
    rows.setdefault(n, []).append((float(c), float(w), float(x), float(p)))
def f(vals):
    return "%6.2f / %6.2f / %6.2f" % (min(vals), st.median(vals), max(vals))
base = st.median(v[0] for v in rows.get("mpg123", [(1, 0, 0, 0)])) or 1e-9
print("%-12s %-26s %-26s %-26s %-26s %s" % ("state", "cpu % (min/med/max)", "wake-ups/s", "X server cpu %", "sound server cpu %", "x mpg123"))
for n in ["mpg123", "play", "play+lrc", "play-hidden", "idle", "idle-hidden"]:
    if n not in rows: continue
    v = rows[n]
    print("%-12s %-26s %-26s %-26s %-26s %.2f" % (n, f([a[0] for a in v]), f([a[1] for a in v]), f([a[2] for a in v]),
                                                  f([a[3] for a in v]), st.median(a[0] for a in v) / base))
for path, what in [(sys.argv[2], "exec to skinned main window mapped, first start"),
                   (sys.argv[4], "exec to skinned main window mapped, kept folder"),
                   (sys.argv[5], "exec to a plain window with one label mapped (toolkit floor)")]:
    maps = [float(l) for l in open(path) if l.strip()]
    if maps: print("%s: min %.1f / median %.1f / max %.1f ms (%d starts)" % (what, min(maps), st.median(maps), max(maps), len(maps)))
rss = [float(l) for l in open(sys.argv[3]) if l.strip()]
if rss: print("peak resident memory while playing: median %.1f MB" % st.median(rss))
PY
