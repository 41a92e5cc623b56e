#!/usr/bin/env bash
# Renders the page picture and the program icon from their SVG source:
#   render-artwork.sh SVG OUTPUT_DIR  ->  OUTPUT_DIR/page_picture.jpg, OUTPUT_DIR/setup.ico
set -euo pipefail
svg=$1
out=$2
mkdir -p "$out"
rsvg-convert -w 145 -h 249 "$svg" -o "$out/page_picture.png"
# Baseline (not progressive) colour JPEG, three components.
convert "$out/page_picture.png" -background white -flatten -strip -interlace none \
  -colorspace sRGB -type TrueColor -quality 92 "$out/page_picture.jpg"
# The icon: the rider's upper half, square, at the classic icon sizes.
convert "$out/page_picture.png" -background white -flatten -crop 100x100+22+50 +repage \
  -define icon:auto-resize=48,32,16 "$out/setup.ico"
