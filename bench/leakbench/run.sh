#!/usr/bin/env bash
# Leak-rate benchmark of the whole pipeline: draws a corpus of screenshot-like images with
# planted sensitive values and decoys, runs `tarnveil-cli scan IMAGE --profile public-blog` over
# every image and reports how many planted values stayed visible.
#
#   bash bench/leakbench/run.sh
#
# Writes build/leakbench-corpus/ (images, *.truth.json, scans/, leakbench-report.md,
# leakbench-summary.json) and prints the report. Optional environment:
#   LEAKBENCH_BUILD_DIR  build folder (default build/bench, the "bench" preset's)
#   LEAKBENCH_JOBS       parallel build jobs (default: the build tool's choice)
#   LEAKBENCH_PER_SCENE  images per scene kind (default 8, giving 56 images)
#   LEAKBENCH_SEED       corpus seed
#   LEAKBENCH_CLI        a tarnveil-cli to score instead of the one built here
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${LEAKBENCH_BUILD_DIR:-build/bench}
corpus=build/leakbench-corpus
started=$SECONDS

if [ "$build" = build/bench ]; then
  cmake --preset bench >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNVEIL_BUILD_TESTS=OFF \
    -DTARNVEIL_BUILD_BENCH=ON >/dev/null
fi
jobs=()
if [ -n "${LEAKBENCH_JOBS:-}" ]; then
  jobs=(-j "$LEAKBENCH_JOBS")
fi
targets=(leakbench_generate leakbench_score)
if [ -z "${LEAKBENCH_CLI:-}" ]; then
  targets+=(tarnveil-cli)
fi
cmake --build "$build" "${jobs[@]}" --target "${targets[@]}" >&2

cli=${LEAKBENCH_CLI:-$build/cli/tarnveil-cli}
if ! "$cli" --help 2>&1 | grep -q 'tarnveil-cli scan'; then
  echo "leakbench: $cli has no scan command" >&2
  exit 2
fi

# Fonts are drawn without a display; Tesseract is several times slower with more than one
# OpenMP thread on a small machine, and reads this variable only when it starts.
export QT_QPA_PLATFORM=offscreen OMP_THREAD_LIMIT=1
rm -rf "$corpus"
generate_args=(--per-scene "${LEAKBENCH_PER_SCENE:-8}")
if [ -n "${LEAKBENCH_SEED:-}" ]; then
  generate_args+=(--seed "$LEAKBENCH_SEED")
fi
"$build/bench/leakbench/leakbench_generate" "$corpus" "${generate_args[@]}" >&2
"$build/bench/leakbench/leakbench_score" "$corpus" --cli "$cli" --profile public-blog
echo "leakbench: report in $corpus/leakbench-report.md, summary in $corpus/leakbench-summary.json" \
  "($((SECONDS - started)) s)" >&2
