#!/bin/sh
# The committed images: the formats and sizes the program and the desktop expect, and the same
# pictures that generate-images.sh makes from the committed drawings (so no drawing was changed
# without regenerating its images).
#
# images_test.sh RESOURCES_DIR SCRATCH_DIR
set -eu
resources=$1 scratch=$2

. "$(dirname "$0")/../lib.sh"

[ "$(identify -format '%m %wx%h' "$resources/logo.svg")" = "SVG 150x75" ] ||
  fail "logo.svg is not drawn 150 x 75"
for size in 16 32 48 64 128 256; do
  [ "$(identify -format '%m %wx%h' "$resources/icons/$size.png")" = "PNG ${size}x${size}" ] ||
    fail "icons/$size.png is not a ${size}x${size} PNG"
done

# The .ico: 32 x 32 and 16 x 16 in 256 colours, 16 x 16 in 16 colours, each a palette bitmap;
# after them 48 x 48 in true colour and 256 x 256 as PNG.
python3 - "$resources/icons/brelvan-unit-converter.ico" <<'PY' || fail "the .ico does not hold its five images"
import struct, sys
data = open(sys.argv[1], "rb").read()
reserved, kind, count = struct.unpack_from("<HHH", data, 0)
assert (reserved, kind) == (0, 1), "not an icon file"
found = []
for i in range(count):
    w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
    assert offset + size <= len(data), f"image {i} runs past the end of the file"
    if data[offset:offset + 8] == b"\x89PNG\r\n\x1a\n":
        found.append((w or 256, h or 256, "png"))
        continue
    header, bw, bh, bplanes, bbits = struct.unpack_from("<IiiHH", data, offset)
    assert header == 40, f"image {i} is not a bitmap"
    assert (bw, bh, bbits) == (w, 2 * h, bits), f"image {i}: directory and bitmap disagree"
    found.append((w, h, bits))
print("ico images:", found)
assert found == [(32, 32, 8), (16, 16, 8), (16, 16, 4), (48, 48, 32), (256, 256, "png")], found
PY

rm -rf "$scratch"
mkdir -p "$scratch/resources"
cp "$resources"/*.svg "$resources/generate-images.sh" "$resources/make-ico.py" "$scratch/resources/"
sh "$scratch/resources/generate-images.sh" > "$scratch/generate.log" 2>&1 ||
  { cat "$scratch/generate.log"; fail "generate-images.sh failed"; }

# Pixels that differ by more than 2 % between the committed image and the regenerated one.
differing() { compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 || true; }
check_same() {
  n=$(differing "$resources/$1" "$scratch/resources/$1")
  [ "$n" = 0 ] || fail "$1 differs from what generate-images.sh makes ($n pixels)"
}
for size in 16 32 48 64 128 256; do check_same icons/$size.png; done
for frame in 0 1 2 3 4; do check_same "icons/brelvan-unit-converter.ico[$frame]"; done

echo "images match their drawings"
rm -rf "$scratch"
