#!/usr/bin/env bash
# Wall time and peak memory of `tarnveil-cli scan` against plain `tesseract IMAGE -` on the same
# screenshots, run in turn (scan, tesseract, scan, ...) so that both see the same machine; prints
# the median of each and the median of the per-pair ratios.
#   bash bench/ocr/scan-vs-tesseract.sh [RUNS]
# Needs the bench build (cmake --preset bench && cmake --build --preset bench).
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
bin=build/bench
out=build/ocr-bench
mkdir -p "$out"
export OMP_THREAD_LIMIT=1 QT_QPA_PLATFORM=offscreen

median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
measure() { # prints "seconds peak-KiB"
  /usr/bin/time -f "%e %M" -o "$out/time.txt" "$@" >/dev/null 2>&1
  cat "$out/time.txt"
}

printf "%-22s %9s %9s %7s %9s %9s   %s\n" image "scan s" "tess s" ratio "scan MiB" "tess MiB" "tess (OpenMP default) s / ratio"
# Common screen sizes: 16:10 laptops, a 16:9 desktop, a 16:10 high-density display.
for size in 1440x900 1920x1080 2560x1600; do
  width=${size%x*}
  height=${size#*x}
  for theme in light dark; do
    image="$out/dense-$size-$theme.png"
    "$bin/bench/make_screenshot" "$width" "$theme" "$image" $((14 * width / 1280)) "$height" 2>/dev/null
    : > "$out/pairs.txt"
    for _ in $(seq "$runs"); do
      read -r s sm < <(measure "$bin/cli/tarnveil-cli" scan "$image")
      read -r t tm < <(measure tesseract "$image" -)
      echo "$s $t $sm $tm" >> "$out/pairs.txt"
    done
    scan=$(awk '{print $1}' "$out/pairs.txt" | median)
    tess=$(awk '{print $2}' "$out/pairs.txt" | median)
    ratio=$(awk '{print $1 / $2}' "$out/pairs.txt" | median)
    scanMem=$(awk '{print $3 / 1024}' "$out/pairs.txt" | median)
    tessMem=$(awk '{print $4 / 1024}' "$out/pairs.txt" | median)
    # Tesseract as it runs when nobody limits OpenMP (once: it is slow).
    read -r d _ < <(env -u OMP_THREAD_LIMIT /usr/bin/time -f "%e %M" -o "$out/time.txt" tesseract "$image" - >/dev/null 2>&1; cat "$out/time.txt")
    printf "%-22s %9.2f %9.2f %7.2f %9.0f %9.0f   %.2f / %.2f\n" "$size $theme" "$scan" "$tess" "$ratio" \
      "$scanMem" "$tessMem" "$d" "$(awk -v a="$scan" -v b="$d" 'BEGIN {print a / b}')"
  done
done
