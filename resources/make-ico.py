#!/usr/bin/env python3
"""Writes a Windows .ico file whose images are palette bitmaps with a transparency mask.

Usage: make-ico.py OUTPUT.ico SIZE:BITS:FILE ...

Each FILE holds SIZE x SIZE pixels as raw 8-bit RGBA (ImageMagick "rgba:" output), except with BITS
"png". BITS is 8 (256 colours: the image's own colours, at most 256 of them), 4 (16 colours: every
pixel mapped to the colour of the standard 16-colour palette that looks nearest), 32 (true colour
with alpha), or png (FILE is a PNG file, stored as it is, as Windows takes images of 256 pixels).
In palette images a pixel with alpha below 128 is transparent.
"""
import struct
import sys

STANDARD_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def lab(colour):
    """CIE L*a*b* (D65) of an sRGB colour, so "nearest" means nearest to the eye."""
    def linear(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    def f(t):
        return t ** (1 / 3) if t > 216 / 24389 else (24389 / 27 * t + 16) / 116
    fx, fy, fz = f(x), f(y), f(z)
    return 116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)


def nearest(colour, palette):
    target = lab(colour)
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(target, lab(palette[i]))))


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def bitmap(size, bits, rgba):
    if len(rgba) != size * size * 4:
        sys.exit(f"expected {size * size * 4} bytes of RGBA, got {len(rgba)}")
    pixels = [tuple(rgba[i:i + 4]) for i in range(0, len(rgba), 4)]
    if bits == 32:
        return true_colour(size, pixels), 0
    opaque = [p[3] >= 128 for p in pixels]
    colours = [p[:3] if o else (0, 0, 0) for p, o in zip(pixels, opaque)]
    if bits == 4:
        palette = list(STANDARD_16)
        index = [nearest(c, palette) for c in colours]
    elif bits == 8:
        palette = sorted(set(colours))
        if len(palette) > 256:
            sys.exit(f"{len(palette)} colours do not fit a 256-colour image")
        lookup = {c: i for i, c in enumerate(palette)}
        index = [lookup[c] for c in colours]
        palette += [(0, 0, 0)] * (256 - len(palette))
    else:
        sys.exit(f"unsupported bit count {bits}")

    colour_rows = b""
    mask_rows = b""
    for y in reversed(range(size)):  # bottom-up, as bitmaps are stored
        row = index[y * size:(y + 1) * size]
        if bits == 8:
            packed = bytes(row)
        else:
            packed = bytes((row[x] << 4) | (row[x + 1] if x + 1 < size else 0)
                           for x in range(0, size, 2))
        colour_rows += packed.ljust(row_bytes(size * bits), b"\0")
        mask = bytearray(row_bytes(size))
        for x in range(size):
            if not opaque[y * size + x]:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows += bytes(mask)

    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colour_rows + mask_rows, len(palette)


def true_colour(size, pixels):
    """A 32-bit bitmap: blue, green, red and alpha, bottom-up, then an all-clear AND mask."""
    colour_rows = b"".join(bytes((b, g, r, a)) for y in reversed(range(size))
                           for r, g, b, a in pixels[y * size:(y + 1) * size])
    mask_rows = bytes(row_bytes(size) * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 0, 0)
    return header + colour_rows + mask_rows


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    images = []
    for argument in sys.argv[2:]:
        size, bits, path = argument.split(":", 2)
        with open(path, "rb") as f:
            content = f.read()
        size = int(size)
        if bits == "png":
            bits, data, colours = 32, content, 0
        else:
            bits = int(bits)
            data, colours = bitmap(size, bits, content)
        images.append((size, bits, colours, data))

    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, colours, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours if colours < 256 else 0,
                           0, 1, bits, len(data), offset)
        offset += len(data)
    out += b"".join(image[3] for image in images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
