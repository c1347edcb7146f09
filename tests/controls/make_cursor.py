#!/usr/bin/env python3
"""Writes a small monochrome cursor file (32 x 32, an arrow-like wedge), for tests that
need a cursor resource of their own.

    python3 make_cursor.py <output.cur>
"""

import struct
import sys

SIZE = 32


def main(path):
    # XOR mask (black pixels where the shape is) and AND mask (0 = opaque), bottom-up.
    xor_rows, and_rows = [], []
    for y in range(SIZE):
        row_y = SIZE - 1 - y
        inside = [x <= row_y // 2 and row_y < 24 for x in range(SIZE)]
        and_bits = sum((0 if inside[x] else 1) << (31 - x) for x in range(SIZE))
        xor_rows.append(struct.pack(">I", 0))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 0, 0, len(image), 22)
    with open(path, "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    main(sys.argv[1])
