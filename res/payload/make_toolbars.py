#!/usr/bin/env python3
"""Draw the viewer's four toolbar skins: strips of button images in one PNG each.

    python3 make_toolbars.py <output-folder>

A skin is a row of BUTTONS square images of its size, left to right in the order the
viewer's toolbar uses them, with an alpha channel. The payload script imports this
module; run alone it writes the PNG files for a look. Two runs give byte-identical
files; only the standard library is used (the shape helpers come from res/art).
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art"))
from make_art import circle, coverage, png_bytes, rounded_rect, strokes, triangle, union  # noqa: E402

# The viewer's toolbar, in order.
BUTTONS = ("Öffnen", "Speichern", "Zurück", "Vor", "Vergrößern", "Verkleinern", "Einpassen",
           "Links drehen", "Rechts drehen", "Diashow", "Löschen", "Information")

# file name: (button size, palette)
SKINS = {
    "Heron_16.png": (16, {"main": (0x4A, 0x6F, 0x96), "light": (0xB8, 0xCD, 0xE4), "dark": (0x27, 0x3C, 0x55),
                          "accent": (0xE8, 0xB4, 0x3A), "danger": (0xC8, 0x3A, 0x32)}),
    "Falcon_24.png": (24, {"main": (0x9A, 0x62, 0x2E), "light": (0xF0, 0xD2, 0x9C), "dark": (0x52, 0x32, 0x18),
                           "accent": (0x3C, 0x8C, 0xC8), "danger": (0xB8, 0x2E, 0x24)}),
    "gnome-colors-wise_32.png": (32, {"main": (0x5A, 0x8E, 0x3A), "light": (0xCC, 0xE6, 0xA8),
                                      "dark": (0x2E, 0x4E, 0x1C), "accent": (0xF0, 0xC8, 0x3C),
                                      "danger": (0xC0, 0x38, 0x2C)}),
    "gnome-colors-human_48.png": (48, {"main": (0xD2, 0x7A, 0x2C), "light": (0xF6, 0xD6, 0xAE),
                                       "dark": (0x7A, 0x42, 0x14), "accent": (0x6A, 0x8C, 0xB8),
                                       "danger": (0xB0, 0x2A, 0x22)}),
}


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


# --- buttons: each a list of (bounding box in units, shape factory, colour) layers -----
# A button gets p(u, v), which maps units (0..1 of the button) to pixels, and its side s
# in pixels.

def open_button(p, s):
    flap = union(triangle(p(0.22, 0.44), p(0.98, 0.44), p(0.86, 0.84)),
                 triangle(p(0.22, 0.44), p(0.86, 0.84), p(0.08, 0.84)))
    return [((0.08, 0.18, 0.92, 0.84), lambda: union(rounded_rect(*p(0.08, 0.30), *p(0.92, 0.84), 0.08 * s),
                                                     rounded_rect(*p(0.08, 0.20), *p(0.45, 0.38), 0.05 * s)), "main"),
            ((0.06, 0.42, 1.0, 0.86), lambda: flap, "light")]


def save_button(p, s):
    return [((0.1, 0.1, 0.9, 0.9), lambda: rounded_rect(*p(0.12, 0.12), *p(0.88, 0.88), 0.07 * s), "main"),
            ((0.25, 0.12, 0.75, 0.42), lambda: rect(*p(0.28, 0.14), *p(0.72, 0.40)), "light"),
            ((0.25, 0.55, 0.75, 0.88), lambda: rect(*p(0.26, 0.58), *p(0.74, 0.86)), "dark")]


def arrow_button(direction):
    def build(p, s):
        tip, base, tail = (0.10, 0.56, 0.90) if direction < 0 else (0.90, 0.44, 0.10)
        arrow = union(triangle(p(tip, 0.5), p(base, 0.16), p(base, 0.84)),
                      rect(*p(min(base, tail), 0.36), *p(max(base, tail), 0.64)))
        return [((0.08, 0.14, 0.92, 0.86), lambda: arrow, "main")]
    return build


def zoom_button(plus):
    def build(p, s):
        sign = [rect(*p(0.26, 0.36), *p(0.54, 0.44))]
        if plus:
            sign.append(rect(*p(0.36, 0.26), *p(0.44, 0.54)))
        return [((0.06, 0.06, 0.74, 0.74), lambda: circle(*p(0.40, 0.40), 0.32 * s), "dark"),
                ((0.06, 0.06, 0.74, 0.74), lambda: circle(*p(0.40, 0.40), 0.24 * s), "light"),
                ((0.55, 0.55, 0.98, 0.98), lambda: strokes([[p(0.66, 0.66), p(0.88, 0.88)]], 0.16 * s), "dark"),
                ((0.24, 0.24, 0.56, 0.56), lambda: union(*sign), "main")]
    return build


def fit_button(p, s):
    corners = [[p(0.10, 0.34), p(0.10, 0.10), p(0.34, 0.10)], [p(0.66, 0.10), p(0.90, 0.10), p(0.90, 0.34)],
               [p(0.90, 0.66), p(0.90, 0.90), p(0.66, 0.90)], [p(0.34, 0.90), p(0.10, 0.90), p(0.10, 0.66)]]
    return [((0.0, 0.0, 1.0, 1.0), lambda: strokes(corners, 0.09 * s), "dark"),
            ((0.28, 0.28, 0.72, 0.72), lambda: rect(*p(0.30, 0.30), *p(0.70, 0.70)), "main")]


def rotate_button(direction):
    """An arc of three quarters round the centre with an arrowhead at its end; direction
    -1 turns anticlockwise (to the left), 1 clockwise."""
    def build(p, s):
        import math
        cx, cy, r = 0.5, 0.55, 0.30
        start = -90 - 60 * direction
        sweep = 250 * direction
        angles = [start + sweep * k / 20 for k in range(21)]
        arc = [p(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in angles]
        end = math.radians(angles[-1])
        ex, ey = cx + r * math.cos(end), cy + r * math.sin(end)
        tx, ty = -math.sin(end) * direction, math.cos(end) * direction  # direction of travel
        nx, ny = math.cos(end), math.sin(end)                           # outwards
        head = triangle(p(ex + 0.20 * tx, ey + 0.20 * ty), p(ex + 0.15 * nx, ey + 0.15 * ny),
                        p(ex - 0.15 * nx, ey - 0.15 * ny))
        return [((0.0, 0.0, 1.0, 1.0), lambda: strokes([arc], 0.11 * s), "main"),
                ((0.0, 0.0, 1.0, 1.0), lambda: head, "main")]
    return build


def slideshow_button(p, s):
    return [((0.06, 0.14, 0.94, 0.86), lambda: rounded_rect(*p(0.06, 0.16), *p(0.94, 0.84), 0.07 * s), "dark"),
            ((0.3, 0.28, 0.72, 0.72), lambda: triangle(p(0.38, 0.30), p(0.38, 0.70), p(0.70, 0.50)), "accent")]


def delete_button(p, s):
    return [((0.1, 0.1, 0.9, 0.9), lambda: strokes([[p(0.20, 0.20), p(0.80, 0.80)], [p(0.80, 0.20), p(0.20, 0.80)]],
                                                    0.15 * s), "danger")]


def info_button(p, s):
    return [((0.04, 0.04, 0.96, 0.96), lambda: circle(*p(0.5, 0.5), 0.44 * s), "accent"),
            ((0.38, 0.16, 0.62, 0.40), lambda: circle(*p(0.5, 0.28), 0.08 * s), "light"),
            ((0.40, 0.40, 0.60, 0.82), lambda: rect(*p(0.44, 0.42), *p(0.56, 0.78)), "light")]


FACTORIES = (open_button, save_button, arrow_button(-1), arrow_button(1), zoom_button(True), zoom_button(False),
             fit_button, rotate_button(-1), rotate_button(1), slideshow_button, delete_button, info_button)
assert len(FACTORIES) == len(BUTTONS)


def over(dst, colour, alpha):
    """Straight-alpha 'source over' of a colour with coverage alpha onto dst (r, g, b, a)."""
    r, g, b, a = dst
    out_a = alpha + a * (1 - alpha)
    if out_a == 0:
        return (0.0, 0.0, 0.0, 0.0)
    mix = [(c * alpha + d * a * (1 - alpha)) / out_a for c, d in zip(colour, (r, g, b))]
    return (mix[0], mix[1], mix[2], out_a)


def render_button(size, palette, factory, rows, x0):
    margin = max(1, size // 16)
    side = size - 2 * margin

    def p(u, v):
        return (margin + u * side, margin + v * side)

    ss = 4 if size <= 24 else 3
    for (u0, v0, u1, v1), make, colour in factory(p, side):
        shape = make()
        left, top = p(u0, v0)
        right, bottom = p(u1, v1)
        for py in range(max(0, int(top) - 1), min(size, int(bottom) + 2)):
            for px in range(max(0, int(left) - 1), min(size, int(right) + 2)):
                c = coverage(shape, px, py, ss)
                if c:
                    rows[py][x0 + px] = over(rows[py][x0 + px], palette[colour], c)


def render_strip(size, palette):
    rows = [[(0.0, 0.0, 0.0, 0.0)] * (size * len(BUTTONS)) for _ in range(size)]
    for i, factory in enumerate(FACTORIES):
        render_button(size, palette, factory, rows, i * size)
    return rows


def toolbar_images():
    """{file name: PNG bytes} of every skin."""
    return {name: png_bytes(render_strip(size, palette)) for name, (size, palette) in SKINS.items()}


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: make_toolbars.py <output-folder>")
    os.makedirs(argv[1], exist_ok=True)
    for name, data in toolbar_images().items():
        with open(os.path.join(argv[1], name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv)
