#!/usr/bin/env bash
# Renders the PNG icons under hicolor/ from the SVG sources. The PNGs are committed, so the
# build never needs a renderer; run this again after changing an SVG (needs rsvg-convert,
# Debian package librsvg2-bin). 16 and 24 px come from their pixel-aligned drawings in small/,
# every other size from the scalable icon.
set -euo pipefail
cd "$(dirname "$0")"

id=io.github.tarnveil.Tarnveil
for size in 16 24 32 48 64 128 256 512; do
  source=$id.svg
  if [ -f "small/$id-$size.svg" ]; then
    source=small/$id-$size.svg
  fi
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" "$source" -o "hicolor/${size}x${size}/apps/$id.png"
done
