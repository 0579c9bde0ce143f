#!/usr/bin/env bash
# Builds tarnveil-cli and redacts the sample screenshot shipped with the sources (a terminal
# holding fake secrets); tells where the redacted copy is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export OMP_THREAD_LIMIT=1
cmake --preset default >/dev/null
cmake --build --preset default --target tarnveil-cli
mkdir -p build/sample
build/default/cli/tarnveil-cli redact samples/terminal.png --out-dir build/sample --mapping build/sample/mapping.csv
echo "Redacted copy: $PWD/build/sample/terminal-redacted.png (label mapping: build/sample/mapping.csv)"
