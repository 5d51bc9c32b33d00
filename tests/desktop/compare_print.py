#!/usr/bin/env python3
"""Compares a printed page with the window's own image.

compare_print.py PAGE.ppm WINDOW.ppm NO_TEXTS.ppm REGIONS.txt

PAGE is the page rasterised from the printer's PDF; WINDOW the window's client area as it showed
when it was printed, NO_TEXTS the same with the visible panel's boxes empty; REGIONS names the
rectangles of the logo, the link and the panel in the window's pixels. The page must hold the
window's picture, scaled to fit the page with its proportions kept, in colour, with the logo,
the link and the panel's box texts in their places.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    if magic != b"P6" or maxval != 255:
        sys.exit(f"{path}: not an 8-bit binary PPM")
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    rows = [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]
    return rows


def ink_box(image):
    """The smallest rectangle (x0, y0, x1, y1) holding every pixel that is not near white."""
    ys = [y for y, row in enumerate(image) if any(min(p) < 230 for p in row)]
    xs = [x for x in range(len(image[0])) if any(min(row[x]) < 230 for row in image)]
    if not xs or not ys:
        return None
    return xs[0], ys[0], xs[-1] + 1, ys[-1] + 1


def crop(image, box):
    x0, y0, x1, y1 = box
    return [row[x0:x1] for row in image[y0:y1]]


def resample(image, width, height):
    """Area-averages the image down (or up) to width x height."""
    src_h, src_w = len(image), len(image[0])
    out = []
    for ty in range(height):
        sy0, sy1 = ty * src_h // height, max(ty * src_h // height + 1, (ty + 1) * src_h // height)
        row = []
        for tx in range(width):
            sx0 = tx * src_w // width
            sx1 = max(sx0 + 1, (tx + 1) * src_w // width)
            total, n = [0, 0, 0], 0
            for y in range(sy0, sy1):
                for p in image[y][sx0:sx1]:
                    total[0] += p[0]
                    total[1] += p[1]
                    total[2] += p[2]
                    n += 1
            row.append((total[0] // n, total[1] // n, total[2] // n))
        out.append(row)
    return out


def blur(image):
    """A 3 x 3 box blur, so one-pixel shifts of glyph edges count for little."""
    h, w = len(image), len(image[0])
    out = []
    for y in range(h):
        row = []
        for x in range(w):
            total, n = [0, 0, 0], 0
            for yy in range(max(0, y - 1), min(h, y + 2)):
                for p in image[yy][max(0, x - 1):min(w, x + 2)]:
                    total[0] += p[0]
                    total[1] += p[1]
                    total[2] += p[2]
                    n += 1
            row.append((total[0] / n, total[1] / n, total[2] / n))
        out.append(row)
    return out


def difference(a, b, rect):
    """Mean absolute difference per channel (0 to 255) of a and b inside rect (x, y, w, h)."""
    x, y, w, h = rect
    total, n = 0.0, 0
    for yy in range(max(0, y), min(len(a), y + h)):
        for xx in range(max(0, x), min(len(a[0]), x + w)):
            pa, pb = a[yy][xx], b[yy][xx]
            total += abs(pa[0] - pb[0]) + abs(pa[1] - pb[1]) + abs(pa[2] - pb[2])
            n += 3
    return total / n


def blue_pixels(image, rect):
    x, y, w, h = rect
    count = 0
    for row in image[max(0, y):y + h]:
        for r, g, b in row[max(0, x):x + w]:
            if b > 120 and b > r + 60 and b > g + 40:
                count += 1
    return count


def main():
    page_path, window_path, no_texts_path, regions_path = sys.argv[1:5]
    page = read_ppm(page_path)
    window = read_ppm(window_path)
    no_texts = read_ppm(no_texts_path)
    regions, boxes = {}, []
    for line in open(regions_path):
        name, *numbers = line.split()
        if name == "box":
            boxes.append(tuple(int(v) for v in numbers))
        else:
            regions[name] = tuple(int(v) for v in numbers)
    failures = []

    page_box = ink_box(page)
    window_box = ink_box(window)
    if page_box is None:
        sys.exit("FAIL: the printed page is blank")
    pw, ph = page_box[2] - page_box[0], page_box[3] - page_box[1]
    ww, wh = window_box[2] - window_box[0], window_box[3] - window_box[1]
    print(f"page {len(page[0])}x{len(page)}, printed picture {pw}x{ph} at {page_box[:2]}; "
          f"window picture {ww}x{wh} at {window_box[:2]}")

    # Proportions kept, and scaled to fit: the picture spans most of the page's width.
    ratio = (pw / ph) / (ww / wh)
    print(f"aspect ratio printed / window: {ratio:.4f}")
    if abs(ratio - 1) > 0.02:
        failures.append(f"the printed picture's aspect ratio is off by {abs(ratio - 1):.1%}")
    if pw < 0.6 * len(page[0]):
        failures.append(f"the picture is not scaled to fit the page ({pw} of {len(page[0])} pixels wide)")

    # Bring the printed picture to the window's pixels and compare region by region.
    printed = blur(resample(crop(page, page_box), ww, wh))
    expected = blur(crop(window, window_box))
    empty_boxes = blur(crop(no_texts, window_box))

    def shifted(name_or_rect):
        x, y, w, h = regions[name_or_rect] if isinstance(name_or_rect, str) else name_or_rect
        return x - window_box[0], y - window_box[1], w, h

    whole = (0, 0, ww, wh)
    overall = difference(printed, expected, whole)
    print(f"mean difference, whole picture: {overall:.2f}")
    if overall > 12:
        failures.append(f"the printed picture differs from the window ({overall:.2f})")

    for name in ("logo", "link"):
        want = blue_pixels(expected, shifted(name))
        got = blue_pixels(printed, shifted(name))
        print(f"blue pixels in the {name}: printed {got}, window {want}")
        if want == 0:
            failures.append(f"the window's own {name} shows no blue")
        elif got < 0.6 * want:
            failures.append(f"the printed {name} lacks its blue ({got} of {want} pixels)")

    panel = shifted("panel")
    in_panel = difference(printed, expected, panel)
    print(f"mean difference in the panel: {in_panel:.2f}")
    if in_panel > 12:
        failures.append(f"the printed panel differs from the window ({in_panel:.2f})")
    # The box texts: inside the boxes the printout must look like the window, not like the
    # window with empty boxes.
    if not boxes:
        failures.append("the window names no boxes in its panel")
    else:
        with_texts = sum(difference(printed, expected, shifted(b)) for b in boxes) / len(boxes)
        without_texts = sum(difference(printed, empty_boxes, shifted(b)) for b in boxes) / len(boxes)
        print(f"mean difference in the {len(boxes)} boxes: to the window {with_texts:.2f}, "
              f"to the window with empty boxes {without_texts:.2f}")
        if not with_texts < 0.5 * without_texts:
            failures.append("the printed boxes do not show the window's box texts")

    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
