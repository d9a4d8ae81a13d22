#!/usr/bin/env bash
# Renders the PNG icons from vennaros.svg. The PNGs are committed, so only run this after changing
# the SVG (needs rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 64 128; do
    rsvg-convert --width "$size" --height "$size" --output "icons/vennaros-$size.png" vennaros.svg
done
