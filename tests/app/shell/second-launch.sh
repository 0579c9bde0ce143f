#!/usr/bin/env bash
# A second launch of the application hands its files to the first and ends at once with
# status 0, while the first keeps running; after the first has gone, a launch runs on its
# own again (the socket left behind does not stop it).
set -euo pipefail
app=$1
image=$2
work=$(mktemp -d)
first=
cleanup() {
  if [ -n "$first" ]; then kill "$first" 2>/dev/null || true; wait "$first" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen OMP_THREAD_LIMIT=1
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$app" >"$work/first.log" 2>&1 &
first=$!
for _ in $(seq 100); do
  ls "$XDG_RUNTIME_DIR"/tarnveil-*.socket >/dev/null 2>&1 && break
  sleep 0.1
done
ls "$XDG_RUNTIME_DIR"/tarnveil-*.socket >/dev/null || { echo "the first launch made no socket" >&2; exit 1; }

timeout 10 "$app" "$image" || { echo "the second launch did not end with status 0" >&2; exit 1; }
kill -0 "$first" || { echo "the first launch has gone" >&2; exit 1; }

kill -9 "$first"
wait "$first" 2>/dev/null || true
first=
"$app" >"$work/third.log" 2>&1 &
first=$!
sleep 2
kill -0 "$first" || { echo "a launch after a crash did not keep running" >&2; cat "$work/third.log" >&2; exit 1; }
