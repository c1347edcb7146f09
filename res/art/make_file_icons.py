#!/usr/bin/env python3
"""Draw the viewer's file-type and view icons.

    python3 make_file_icons.py <output-folder>

writes one .ico (16, 24, 32 and 48 px) per icon below. They share the tile of the
application icon (make_art.py) with another colour and a white glyph, so that the
registry's DefaultIcon entries and the thumbnails shortcut look like one family. The
viewer carries them after its application icon, in this order; its icon library carries
them too. Two runs give byte-identical files; only the standard library is used.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_art import (circle, coverage, dib_bytes, ico_bytes, icon_shapes, lerp,  # noqa: E402
                      rounded_rect, triangle, union)

SIZES = (16, 24, 32, 48)
WHITE = (255, 255, 255)


def difference(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def polygon(points):
    """Even-odd filled polygon."""
    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


# --- glyphs: functions of a mapper "at(u, v)" from tile units (0..1) to pixels --------

def image_glyph(n, margin):
    return icon_shapes(n, margin)[1]


def camera_glyph(at, s):
    body = rounded_rect(*at(0.16, 0.34), *at(0.84, 0.78), 0.07 * s)
    bump = rect(*at(0.30, 0.24), *at(0.52, 0.36))
    lens = circle(*at(0.50, 0.56), 0.17 * s)
    return union(difference(union(body, bump), lens), circle(*at(0.50, 0.56), 0.08 * s))


def animation_glyph(at, s):
    return triangle(at(0.34, 0.24), at(0.34, 0.76), at(0.78, 0.50))


def document_glyph(at, s):
    bars = [rounded_rect(*at(0.20, v), *at(0.80 if i < 3 else 0.58, v + 0.09), 0.03 * s)
            for i, v in enumerate((0.22, 0.38, 0.54, 0.70))]
    return union(*bars)


def symbol_glyph(at, s):
    import math
    points = []
    for k in range(10):
        r = 0.34 if k % 2 == 0 else 0.15
        a = math.radians(-90 + 36 * k)
        points.append(at(0.5 + r * math.cos(a), 0.53 + r * math.sin(a)))
    return polygon(points)


def pages_glyph(at, s):
    back = rect(*at(0.36, 0.18), *at(0.80, 0.68))
    front = rect(*at(0.20, 0.32), *at(0.64, 0.82))
    gap = rect(*at(0.14, 0.26), *at(0.70, 0.88))
    return union(front, difference(back, gap))


def thumbnails_glyph(at, s):
    cells = [rect(*at(u, v), *at(u + 0.27, v + 0.27)) for u in (0.19, 0.54) for v in (0.19, 0.54)]
    return union(*cells)


def audio_glyph(at, s):
    head = circle(*at(0.38, 0.70), 0.13 * s)
    stem = rect(*at(0.45, 0.20), *at(0.53, 0.70))
    flag = polygon([at(0.53, 0.20), at(0.78, 0.32), at(0.78, 0.44), at(0.53, 0.34)])
    return union(head, stem, flag)


def video_glyph(at, s):
    strip = rect(*at(0.16, 0.24), *at(0.84, 0.76))
    holes = [rect(*at(u, v), *at(u + 0.07, v + 0.07)) for u in (0.22, 0.38, 0.54, 0.70) for v in (0.29, 0.64)]
    frame = rect(*at(0.26, 0.41), *at(0.74, 0.59))
    return difference(strip, union(frame, *holes))


# name: (gradient top, gradient bottom, glyph)
ICONS = [
    ("image_file", (0xF0, 0x8A, 0x24), (0xD8, 0x4A, 0x1C), None),
    ("camera_file", (0x5A, 0x5F, 0x6B), (0x2C, 0x30, 0x38), camera_glyph),
    ("animation_file", (0x3C, 0xB0, 0x4A), (0x1E, 0x7A, 0x3A), animation_glyph),
    ("document_file", (0xD0, 0x3A, 0x3A), (0x96, 0x1E, 0x2A), document_glyph),
    ("symbol_file", (0xF2, 0xC0, 0x2C), (0xD8, 0x8C, 0x10), symbol_glyph),
    ("pages_file", (0x2A, 0x8C, 0xC8), (0x1A, 0x5A, 0x96), pages_glyph),
    ("thumbnails", (0x2A, 0x6C, 0xE0), (0x12, 0xB0, 0xA4), thumbnails_glyph),
    ("audio_file", (0x8E, 0x44, 0xC8), (0x5C, 0x24, 0x96), audio_glyph),
    ("video_file", (0x3A, 0x46, 0x9A), (0x1C, 0x22, 0x5E), video_glyph),
]


def render(n, top, bottom, glyph_factory):
    margin = max(1, round(n / 16))
    lo, hi = margin, n - margin
    side = hi - lo
    tile = rounded_rect(lo, lo, hi, hi, side * 0.22)
    if glyph_factory is None:
        glyph = image_glyph(n, margin)
    else:
        glyph = glyph_factory(lambda u, v: (lo + u * side, lo + v * side), side)

    def clipped(x, y):
        return tile(x, y) and glyph(x, y)

    ss = 6 if n <= 24 else 4
    rows = []
    for py in range(n):
        row = []
        for px in range(n):
            a = coverage(tile, px, py, ss)
            if a == 0:
                row.append((0, 0, 0, 0.0))
                continue
            g = coverage(clipped, px, py, ss)
            base = lerp(top, bottom, (px + py + 1) / (2 * n))
            row.append(lerp(base, WHITE, g / a) + (a,))
        rows.append(row)
    return rows


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: make_file_icons.py <output-folder>")
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    for name, top, bottom, glyph in ICONS:
        images = [(n, dib_bytes(render(n, top, bottom, glyph))) for n in SIZES]
        with open(os.path.join(out, name + ".ico"), "wb") as f:
            f.write(ico_bytes(images))


if __name__ == "__main__":
    main(sys.argv)
