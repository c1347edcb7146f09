#!/usr/bin/env python3
"""Pads a file with zero bytes to an exact size: pad_to_size.py <file> <size>.

Bytes after the last section of a PE image (an overlay) are never mapped, so the padded
library loads and reads exactly as before. Fails when the file is already larger."""

import sys


def main():
    path, size = sys.argv[1], int(sys.argv[2])
    with open(path, "r+b") as f:
        f.seek(0, 2)
        length = f.tell()
        if length > size:
            sys.exit(f"{path} has {length} bytes, more than the {size} it must have")
        f.write(b"\0" * (size - length))


if __name__ == "__main__":
    main()
