#!/usr/bin/env bash
# Renders the hicolor PNG sizes of the application icon from its SVG. The PNGs are
# committed, so building and packaging need no SVG renderer; run this after editing the
# SVG (needs rsvg-convert from librsvg2-bin) and commit the results.
set -euo pipefail
cd "$(dirname "$0")"

readonly icon=io.github.quintaro.Quintaro
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert --width "$size" --height "$size" "$icon.svg" --output "${size}x${size}/$icon.png"
done
cp 48x48/$icon.png ../../docs/icon-48.png
