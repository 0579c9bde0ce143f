#!/usr/bin/env bash
# Leak-rate benchmark of the whole pipeline: draws a corpus of screenshot-like images with
# planted sensitive values and decoys, runs `tarnveil-cli scan IMAGE --profile public-blog` over
# every image and reports how many planted values stayed visible.
#
#   bash bench/leakbench/run.sh
#
# Every run draws fresh values from a new random seed, printed on stderr and in the report, so a
# result cannot come from fitting one fixed corpus and any run can be drawn again. Writes the
# corpus folder (images, *.truth.json, leakbench-corpus.json, scans/, leakbench-report.md,
# leakbench-summary.json) and prints the report. Optional environment:
#   LEAKBENCH_BUILD_DIR  build folder (default build/bench, the "bench" preset's)
#   LEAKBENCH_CORPUS     corpus folder (default build/leakbench-corpus); it is emptied first
#   LEAKBENCH_JOBS       parallel build jobs (default: the build tool's choice)
#   LEAKBENCH_PER_SCENE  images per scene kind (default 10, giving 100 images)
#   LEAKBENCH_SEED       corpus seed (a whole number); set it to draw a reported corpus again
#   LEAKBENCH_CLI        a tarnveil-cli to score instead of the one built here
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${LEAKBENCH_BUILD_DIR:-build/bench}
corpus=${LEAKBENCH_CORPUS:-build/leakbench-corpus}
started=$SECONDS

if [ -n "${LEAKBENCH_SEED:-}" ]; then
  seed=$LEAKBENCH_SEED
  if ! [[ $seed =~ ^[0-9]{1,19}$ ]]; then
    echo "leakbench: LEAKBENCH_SEED must be a whole number, not '$seed'" >&2
    exit 2
  fi
else
  seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' \n')
fi

# The corpus folder is emptied before drawing: refuse a folder that holds anything but a corpus.
if [ -e "$corpus" ] && [ -n "$(ls -A "$corpus" 2>/dev/null)" ] && [ ! -e "$corpus/leakbench-corpus.json" ] &&
  ! ls "$corpus"/*.truth.json >/dev/null 2>&1; then
  echo "leakbench: $corpus is not empty and holds no leak corpus; choose another LEAKBENCH_CORPUS" >&2
  exit 2
fi

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
echo "leakbench: corpus seed $seed (LEAKBENCH_SEED=$seed draws it again) into $corpus" >&2
rm -rf "$corpus"
"$build/bench/leakbench/leakbench_generate" "$corpus" --per-scene "${LEAKBENCH_PER_SCENE:-10}" --seed "$seed" >&2
"$build/bench/leakbench/leakbench_score" "$corpus" --cli "$cli" --profile public-blog
echo "leakbench: seed $seed; report in $corpus/leakbench-report.md, summary in $corpus/leakbench-summary.json" \
  "($((SECONDS - started)) s)" >&2
