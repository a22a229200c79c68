# Sourced by test scripts: start_pulse DIR starts a private PulseAudio daemon whose
# state lives in DIR, with one null sink "sorvi_null" as the default sink, and
# exports PULSE_SERVER / PULSE_RUNTIME_PATH so that clients reach it.
# stop_pulse kills it again (tests use this to restart the server under a player).
start_pulse() {
  local dir=$1
  mkdir -p "$dir/runtime" "$dir/state"
  export PULSE_RUNTIME_PATH="$dir/runtime"
  export PULSE_STATE_PATH="$dir/state"
  export PULSE_SERVER="unix:$dir/runtime/native"
  SORVI_PULSE_DIR=$dir
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit=yes --use-pid-file=no \
    --system=no --disable-shm=yes \
    -L "module-native-protocol-unix socket=$dir/runtime/native auth-anonymous=1" \
    -L "module-null-sink sink_name=sorvi_null rate=44100 channels=2" \
    -L "module-always-sink" \
    >"$dir/pulse.log" 2>&1 &
  SORVI_PULSE_PID=$!
  pids+=("$SORVI_PULSE_PID")
  for _ in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && { pactl set-default-sink sorvi_null >/dev/null 2>&1; return 0; }
    kill -0 "$SORVI_PULSE_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$dir/pulse.log" >&2
  return 1
}
