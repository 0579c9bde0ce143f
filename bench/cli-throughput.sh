#!/usr/bin/env bash
# tarnveil-cli detect over several files: both cores against one core (taskset), same input.
# Usage: bench/cli-throughput.sh [MEGABYTES_PER_FILE] [FILES]
set -euo pipefail
cd "$(dirname "$0")/.."
per_file=${1:-8}
files=${2:-4}
cmake --preset bench >/dev/null
cmake --build --preset bench --target make_corpus >/dev/null
cmake --preset default >/dev/null
cmake --build --preset default --target tarnveil-cli >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
inputs=()
for i in $(seq 1 "$files"); do
  build/bench/bench/make_corpus "$dir/corpus-$i.txt" "$per_file" "$i"
  inputs+=("$dir/corpus-$i.txt")
done
total=$((per_file * files))
run() {
  local label=$1; shift
  local start end
  start=$(date +%s.%N)
  "$@" build/default/cli/tarnveil-cli detect "${inputs[@]}" >/dev/null || [ $? -eq 1 ]
  end=$(date +%s.%N)
  echo "$label: $(echo "$total / ($end - $start)" | bc -l | cut -c1-6) MB/s over $total MB"
}
run "one core " taskset -c 0
run "two cores" env
