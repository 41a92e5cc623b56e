#!/usr/bin/env bash
# Renders the page picture and the program icon from their SVG source:
#   render-artwork.sh SVG OUTPUT_DIR
#   ->  OUTPUT_DIR/page_picture_{100,125,150,200}.jpg, OUTPUT_DIR/setup.ico
set -euo pipefail
svg=$1
out=$2
mkdir -p "$out"
# One picture per display scale, each drawn from the SVG at its own size, so
# that no scale is a blown-up copy of a smaller one.
for rendering in 100:145x249 125:181x311 150:218x374 200:290x498; do
  scale=${rendering%%:*}
  size=${rendering#*:}
  rsvg-convert -w "${size%x*}" -h "${size#*x}" "$svg" -o "$out/page_picture_$scale.png"
  # Baseline (not progressive) colour JPEG, three components.
  convert "$out/page_picture_$scale.png" -background white -flatten -strip -interlace none \
    -colorspace sRGB -type TrueColor -quality 92 "$out/page_picture_$scale.jpg"
done
# The icon: the rider's upper half, square, at every size Windows asks for from
# 100 % to 200 % (the 256 one for large icon views), each drawn from the SVG.
icons=()
for size in 16 20 24 32 40 48 64 256; do
  # The crop of the 145 x 249 picture, 100 x 100 at 22, 50, in the SVG's units.
  rsvg-convert -w $((145 * size / 100)) -h $((249 * size / 100)) "$svg" -o "$out/icon_full_$size.png"
  convert "$out/icon_full_$size.png" -background white -flatten \
    -crop "${size}x${size}+$((22 * size / 100))+$((50 * size / 100))" +repage \
    "$out/icon_$size.png"
  icons+=("$out/icon_$size.png")
done
convert "${icons[@]}" "$out/setup.ico"
rm -f "$out"/icon_full_*.png
