#!/usr/bin/env bash
# Runs the X11 capture test on a virtual X server with two screens side by side (Xinerama),
# with a private home: once at one pixel per point, once with the second screen at two.
# Exits 77 (skipped) when Xvfb or xdotool is missing.
set -euo pipefail
program=$1
for tool in Xvfb xdotool xdpyinfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  [ -n "${KEEP_XVFB_LOG:-}" ] && cp "$work/xvfb.log" /tmp/xvfb-test.log; rm -rf "$work"
}
trap cleanup EXIT

number=70
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
  number=$((number + 1))
done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 800x600x24 -screen 1 640x480x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb OMP_THREAD_LIMIT=1
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_SCREEN_SCALE_FACTORS

echo "== second screen at one pixel per point"
"$program"
echo "== second screen at two pixels per point"
QT_SCREEN_SCALE_FACTORS="1;2" "$program"
