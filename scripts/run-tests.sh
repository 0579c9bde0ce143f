#!/usr/bin/env bash
# Builds and runs the whole test suite, in the default and the sanitizer (asan) builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export OMP_THREAD_LIMIT=1
for preset in default asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
