#!/usr/bin/env bash
# with-services.sh [--pulse] [--x11] [--wm] [--dbus] -- command...
# Runs one command with private services started for it alone and stopped after:
#   --pulse  a PulseAudio daemon with a null sink "sorvi_null" as the default sink
#            (PULSE_SERVER, PULSE_RUNTIME_PATH exported)
#   --x11    an Xvfb server (DISPLAY exported; QT_QPA_PLATFORM=xcb), 1280x1024
#            unless SORVI_TEST_SCREEN names another size (e.g. 2560x1600)
#   --wm     the same Xvfb server managed by openbox, a real window manager
#            (implies --x11); the command starts once openbox manages the screen
#   --dbus   a private D-Bus session bus (dbus-run-session) for the command
# Without --x11 the command gets Qt's offscreen platform. SORVI_HOME is always a
# fresh temporary folder, removed afterwards.
set -u
want_pulse=0 want_x11=0 want_wm=0 want_dbus=0
while [ $# -gt 0 ]; do
  case "$1" in
    --pulse) want_pulse=1 ;;
    --x11) want_x11=1 ;;
    --wm) want_x11=1 want_wm=1 ;;
    --dbus) want_dbus=1 ;;
    --) shift; break ;;
    *) break ;;
  esac
  shift
done

scratch=$(mktemp -d /tmp/sorvi-test.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  rm -rf "$scratch"
}
trap cleanup EXIT INT TERM

export SORVI_HOME="$scratch/home"
mkdir -p "$SORVI_HOME"
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
export HOME="$scratch/userhome"
mkdir -p "$HOME"
# The desktop's settings of this run alone: a test never changes the user's
# file associations, and fresh starts do not ask about them.
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export SORVI_NO_ASSOCIATION_CHECK=1
# English texts whatever the desktop's language; a test that wants another
# language sets LANG (or installs the translator) itself.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8

if [ $want_pulse -eq 1 ]; then
  source "$(dirname "$0")/pulse-daemon.sh"
  start_pulse "$scratch/pulse" || { echo "with-services: PulseAudio did not start" >&2; exit 1; }
fi

if [ $want_x11 -eq 1 ]; then
  for n in $(seq 50 250); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${SORVI_TEST_SCREEN:-1280x1024}x24" -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
    xpid=$!
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$xpid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      pids+=("$xpid"); export DISPLAY=":$n"; break
    fi
  done
  [ -n "${DISPLAY:-}" ] || { echo "with-services: Xvfb did not start" >&2; exit 1; }
  export QT_QPA_PLATFORM=xcb
  if [ $want_wm -eq 1 ]; then
    openbox >"$scratch/openbox.log" 2>&1 &
    wmpid=$!
    pids+=("$wmpid")
    # A managing window manager names itself on the root window.
    for _ in $(seq 1 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.1
    done
    kill -0 "$wmpid" 2>/dev/null && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
      || { echo "with-services: openbox did not start" >&2; cat "$scratch/openbox.log" >&2; exit 1; }
  fi
else
  export QT_QPA_PLATFORM=offscreen
fi

# Without --dbus the command sees no session bus at all: neither the user's
# nor one that a D-Bus library would launch on the X display by itself.
if [ $want_dbus -eq 0 ]; then
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-session-bus"
fi

if [ $want_dbus -eq 1 ]; then
  dbus-run-session -- "$@"
else
  "$@"
fi
