#!/bin/sh
# Regenerates every image in this folder from its SVG source:
#   logo.svg               -> logo.jpg (150 x 75, the banner logo)
#   icon.svg, icon-16.svg  -> icons/<size>.png for 16, 32, 48, 64, 128 and 256 pixels
#                          -> icons/brelvan-unit-converter.ico (32 x 32 and 16 x 16 in 256 colours,
#                             16 x 16 in 16 colours)
# The 16 pixel images come from icon-16.svg, the same drawing laid out on the pixel grid.
# Needs rsvg-convert (librsvg2-bin), ImageMagick 6 (imagemagick) and python3.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Logo: opaque white background, full-resolution chroma so the thin blue lines stay clean.
rsvg-convert --background-color=white logo.svg -o "$work/logo.png"
convert "$work/logo.png" -background white -alpha remove -alpha off -colorspace sRGB \
  -sampling-factor 1x1 -quality 95 -strip logo.jpg

# Icons with alpha.
mkdir -p icons
rsvg-convert -w 16 -h 16 icon-16.svg -o icons/16.png
for size in 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" icon.svg -o icons/$size.png
done

# The .ico holds palette images with a one-bit transparency mask, so the alpha channel is cut at
# half; make-ico.py writes the bitmaps and maps the 16-colour image to the standard palette.
hard_alpha="-channel A -threshold 50% +channel"
# shellcheck disable=SC2086
convert icons/32.png $hard_alpha +dither -colors 256 -depth 8 "rgba:$work/32.rgba"
# shellcheck disable=SC2086
convert icons/16.png $hard_alpha +dither -colors 256 -depth 8 "rgba:$work/16.rgba"
python3 make-ico.py icons/brelvan-unit-converter.ico \
  "32:8:$work/32.rgba" "16:8:$work/16.rgba" "16:4:$work/16.rgba"

identify icons/brelvan-unit-converter.ico
