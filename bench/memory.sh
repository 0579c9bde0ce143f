#!/usr/bin/env bash
# Peak memory of tarnveil-cli, compared in one run with what it is measured against:
#   1. an 8K screenshot (7680 x 4320, the sample tiled): `redact` against one plain
#      `tesseract` run on the same image;
#   2. a batch `redact` of 200 screenshots against one of 20, which must stay flat (memory is
#      bounded by the worker count, not the batch size).
# Peaks are the children's maximum resident set sizes (getrusage), in MB.
# Usage: bench/memory.sh [BUILD_DIR]   (default build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
cli=$build/cli/tarnveil-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

peak() { # command... — prints the peak RSS of the command in MB
  python3 - "$@" <<'PY'
import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print(f"{resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024:.0f}")
PY
}

convert -size 7680x4320 tile:samples/terminal.png "$work/8k.png"
tesseract_mb=$(peak tesseract "$work/8k.png" "$work/plain")
redact_mb=$(peak "$cli" redact "$work/8k.png" -o "$work/8k-redacted.png")
echo "8K screenshot: tesseract ${tesseract_mb} MB, tarnveil-cli redact ${redact_mb} MB," \
     "ratio $(python3 -c "print(f'{$redact_mb / $tesseract_mb:.2f}')")"

mkdir -p "$work/batch"
for i in $(seq 200); do
  ln -s "$PWD/samples/terminal.png" "$work/batch/shot$i.png"
done
small=("$work"/batch/shot{1..20}.png)
large=("$work"/batch/shot*.png)
twenty_mb=$(peak "$cli" redact "${small[@]}" --out-dir "$work/out20")
hundreds_mb=$(peak "$cli" redact "${large[@]}" --out-dir "$work/out200")
echo "batch redact: 20 screenshots ${twenty_mb} MB, 200 screenshots ${hundreds_mb} MB," \
     "ratio $(python3 -c "print(f'{$hundreds_mb / $twenty_mb:.2f}')")"
