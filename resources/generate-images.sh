#!/bin/sh
# Regenerates every raster image in this folder from its SVG source (the banner logo, logo.svg,
# has none here: Linux draws it from its source at run time, and the Windows build renders its
# pictures at build time):
#   icon.svg, icon-16.svg  -> icons/<size>.png for 16, 32, 48, 64, 128 and 256 pixels
#                          -> icons/brelvan-unit-converter.ico (32 x 32 and 16 x 16 in 256 colours,
#                             16 x 16 in 16 colours; then 48 x 48 in true colour with alpha and
#                             256 x 256 as PNG, the sizes that Explorer shows today)
# The 16 pixel images come from icon-16.svg, the same drawing laid out on the pixel grid.
# Needs rsvg-convert (librsvg2-bin), ImageMagick 6 (imagemagick) and python3.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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
convert icons/48.png -depth 8 "rgba:$work/48.rgba"
python3 make-ico.py icons/brelvan-unit-converter.ico \
  "32:8:$work/32.rgba" "16:8:$work/16.rgba" "16:4:$work/16.rgba" \
  "48:32:$work/48.rgba" "256:png:icons/256.png"

identify icons/brelvan-unit-converter.ico
