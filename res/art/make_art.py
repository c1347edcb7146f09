#!/usr/bin/env python3
"""Generate the setup artwork of Lumetra: the application icon and the wizard banner.

    python3 make_art.py <output-folder>

writes lumetra.ico (16 to 256 px) and banner.bmp (88 x 30 px) into the folder.

The artwork is built from this source instead of being kept as opaque binaries so
that it stays reproducible and reviewable: every pixel follows from the shapes
below, and two runs produce byte-identical files. Only the standard library is used.
"""

import math
import os
import struct
import sys
import zlib

ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
GRADIENT_TOP = (0x2A, 0x6C, 0xE0)      # blue, upper left
GRADIENT_BOTTOM = (0x12, 0xB0, 0xA4)   # teal, lower right
WHITE = (255, 255, 255)
DIALOG_GREY = (240, 240, 240)          # wizard page background, the banner must blend into it
TEXT_COLOUR = (0x2E, 0x3B, 0x4E)       # dark blue-grey
BANNER_W, BANNER_H = 88, 30


# --- shape coverage: each shape is a predicate "is the point (x, y) inside?" ----------

def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return x0 <= x <= x1 and y0 <= y <= y1 and dx * dx + dy * dy <= r * r
    return inside


def circle(cx, cy, r):
    def inside(x, y):
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def triangle(a, b, c):
    """Filled triangle; works for either winding."""
    def edge(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        e1, e2, e3 = edge(a, b, x, y), edge(b, c, x, y), edge(c, a, x, y)
        return (e1 >= 0 and e2 >= 0 and e3 >= 0) or (e1 <= 0 and e2 <= 0 and e3 <= 0)
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def strokes(polylines, width):
    """Round-capped strokes along polylines: inside if close enough to any segment."""
    segs = [(p, q) for line in polylines for p, q in zip(line, line[1:])]
    r2 = (width / 2) ** 2
    xs = [x for line in polylines for x, _ in line]
    ys = [y for line in polylines for _, y in line]
    box = (min(xs) - width, min(ys) - width, max(xs) + width, max(ys) + width)

    def inside(x, y):
        if not (box[0] <= x <= box[2] and box[1] <= y <= box[3]):
            return False
        for (ax, ay), (bx, by) in segs:
            vx, vy = bx - ax, by - ay
            ll = vx * vx + vy * vy
            t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / ll))
            dx, dy = x - ax - t * vx, y - ay - t * vy
            if dx * dx + dy * dy <= r2:
                return True
        return False
    return inside


# --- rasterizer --------------------------------------------------------------------

def coverage(shape, px, py, ss):
    """Fraction of the pixel (px, py) covered by the shape, from ss x ss samples."""
    hits = 0
    for j in range(ss):
        y = py + (j + 0.5) / ss
        for i in range(ss):
            if shape(px + (i + 0.5) / ss, y):
                hits += 1
    return hits / (ss * ss)


def lerp(a, b, t):
    return tuple(ca + (cb - ca) * t for ca, cb in zip(a, b))


# --- the icon ----------------------------------------------------------------------

def icon_shapes(n, margin):
    """Tile and glyph for an n x n grid. Straight edges that matter at small sizes
    (tile border, horizon) are snapped to whole pixels so that they stay sharp."""
    snap = round if n <= 64 else (lambda v: v)
    lo, hi = margin, n - margin
    side = hi - lo
    tile = rounded_rect(lo, lo, hi, hi, side * 0.22)

    def at(u, v):
        return lo + u * side, lo + v * side

    horizon = snap(lo + 0.78 * side)
    left, right = snap(lo + 0.14 * side), snap(lo + 0.86 * side)
    big = triangle((left, horizon), at(0.40, 0.36), (lo + 0.70 * side, horizon))
    small = triangle((lo + 0.46 * side, horizon), at(0.66, 0.53), (right, horizon))
    sun = circle(*at(0.70, 0.30), max(0.11 * side, 1.5))
    return tile, union(big, small, sun)


def render_icon(n, margin=None):
    """Straight (not premultiplied) RGBA rows, top row first, floats 0..1 for alpha."""
    if margin is None:
        margin = max(1, round(n / 16))  # breathing room that grows with the size
    tile, glyph = icon_shapes(n, margin)

    def clipped(x, y):
        return tile(x, y) and glyph(x, y)

    ss = 8 if n <= 64 else 4  # 4 x 4 is ample at 256 px and keeps the run short
    rows = []
    for py in range(n):
        row = []
        for px in range(n):
            a = coverage(tile, px, py, ss)
            if a == 0:
                row.append((0, 0, 0, 0.0))
                continue
            g = coverage(clipped, px, py, ss)
            t = (px + py + 1) / (2 * n)
            base = lerp(GRADIENT_TOP, GRADIENT_BOTTOM, t)
            row.append(lerp(base, WHITE, g / a) + (a,))
        rows.append(row)
    return rows


def to_bytes(c):
    return max(0, min(255, int(round(c))))


# --- file writers ------------------------------------------------------------------

def png_bytes(rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    h, w = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type: none
        for r, g, b, a in row:
            raw += bytes((to_bytes(r), to_bytes(g), to_bytes(b), to_bytes(a * 255)))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def dib_bytes(rows):
    """32-bit BGRA DIB as stored inside an ICO: double height, bottom-up, then AND mask."""
    n = len(rows)
    mask_stride = (n + 31) // 32 * 4
    pixels, mask = bytearray(), bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            alpha = to_bytes(a * 255)
            pixels += bytes((to_bytes(b), to_bytes(g), to_bytes(r), alpha))
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def ico_bytes(images):
    """images: list of (size, payload); 256 px is PNG, the others classic DIBs."""
    offset = 6 + 16 * len(images)
    directory, data = bytearray(struct.pack("<HHH", 0, 1, len(images))), bytearray()
    for size, payload in images:
        dim = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(payload), offset)
        data += payload
        offset += len(payload)
    return bytes(directory + data)


def bmp_bytes(rows):
    """Bottom-up 24-bit uncompressed BMP with a BITMAPINFOHEADER."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) // 4 * 4
    body = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((to_bytes(b), to_bytes(g), to_bytes(r)))
        body += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(body), 0, 0, 14 + 40)
    return file_header + info + body


# --- the banner wordmark -----------------------------------------------------------
# Glyph strokes in pixel units: x to the right from the pen position, y upwards from
# the baseline. Stems sit on pixel centres (.5) so they render as one solid column.

def arc(cx, cy, rx, ry, start, end, steps=10):
    return [(cx + rx * math.cos(math.radians(start + (end - start) * k / steps)),
             cy + ry * math.sin(math.radians(start + (end - start) * k / steps)))
            for k in range(steps + 1)]


GLYPHS = {
    # char: (advance, polylines)
    "L": (6, [[(0.5, 9.5), (0.5, 0.5), (4.8, 0.5)]]),
    "u": (7, [[(0.5, 6.5), (0.5, 2.5)] + arc(2.5, 2.5, 2, 2, 180, 360)[1:] + [(4.5, 6.5)],
              [(4.5, 2.5), (4.5, 0.5)]]),
    "m": (11, [[(0.5, 0.5), (0.5, 6.5)],
               [(0.5, 4.5)] + arc(2.5, 4.5, 2, 2, 180, 0)[1:] + [(4.5, 0.5)],
               [(4.5, 4.5)] + arc(6.5, 4.5, 2, 2, 180, 0)[1:] + [(8.5, 0.5)]]),
    "e": (8, [[(0.7, 3.5), (5.3, 3.5)] + arc(3.0, 3.5, 2.5, 3.0, 0, 310, 16)[1:]]),
    "t": (5, [[(1.5, 8.7), (1.5, 2.0)] + arc(3.0, 2.0, 1.5, 1.5, 180, 270, 5)[1:]
              + [(3.7, 0.5)],
              [(0.0, 6.5), (3.5, 6.5)]]),
    "r": (6, [[(0.5, 0.5), (0.5, 6.5)], arc(3.5, 3.5, 3.0, 3.0, 180, 90, 6) + [(4.0, 6.5)]]),
    "a": (6, [arc(2.5, 3.5, 2.0, 3.0, 0, 360, 20), [(4.5, 6.5), (4.5, 0.5)]]),
}
STROKE_WIDTH = 1.45


def word_shape(text, x, baseline):
    """Shape of the word with its pen starting at (x, baseline) in image coordinates."""
    lines = []
    for ch in text:
        advance, polylines = GLYPHS[ch]
        lines += [[(x + px, baseline - py) for px, py in line] for line in polylines]
        x += advance
    return strokes(lines, STROKE_WIDTH)


def render_banner():
    rows = [[DIALOG_GREY] * BANNER_W for _ in range(BANNER_H)]
    icon, top = render_icon(26, margin=0), 2
    for y, row in enumerate(icon):
        for x, (r, g, b, a) in enumerate(row):
            rows[top + y][top + x] = lerp(DIALOG_GREY, (r, g, b), a)
    text = word_shape("Lumetra", 34, 20)
    for py in range(BANNER_H):
        for px in range(30, BANNER_W):
            c = coverage(text, px, py, 8)
            if c:
                rows[py][px] = lerp(rows[py][px], TEXT_COLOUR, c)
    return rows


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: make_art.py <output-folder>")
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    images = []
    for n in ICON_SIZES:
        rows = render_icon(n)
        images.append((n, png_bytes(rows) if n >= 256 else dib_bytes(rows)))
    with open(os.path.join(out, "lumetra.ico"), "wb") as f:
        f.write(ico_bytes(images))
    with open(os.path.join(out, "banner.bmp"), "wb") as f:
        f.write(bmp_bytes(render_banner()))


if __name__ == "__main__":
    main(sys.argv)
