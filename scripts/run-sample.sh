#!/usr/bin/env bash
# With a display: builds the desktop application and opens the sample screenshot shipped with
# the sources (a terminal holding fake secrets) in it. Without one: builds tarnveil-cli,
# redacts the sample, tells where the redacted copy is and how to start the application.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export OMP_THREAD_LIMIT=1
cmake --preset default >/dev/null

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cmake --build --preset default --target tarnveil
  echo "Starting the desktop application on samples/terminal.png"
  exec build/default/app/tarnveil samples/terminal.png
fi

cmake --build --preset default --target tarnveil-cli
mkdir -p build/sample
build/default/cli/tarnveil-cli redact samples/terminal.png --out-dir build/sample --mapping build/sample/mapping.csv
echo "Redacted copy: $PWD/build/sample/terminal-redacted.png (label mapping: build/sample/mapping.csv)"
echo "No display found. On a desktop session, start the application with: bash scripts/run-sample.sh"
echo "  (or build/default/app/tarnveil samples/terminal.png once it is built)"
