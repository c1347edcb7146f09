#!/usr/bin/env python3
"""Write the benchmark's large synthetic payload: a ZIP archive of about 64 MiB in a few
hundred files, shaped like the viewer's own archive (folder entries before their files,
deflated files, fixed entry times), made deterministically from a seed.

    python3 large_payload.py --out <zip> [--seed N] [--mib 64] [--files 320]

The files are of three kinds, in proportions that installers meet in practice:
- text (documents, HTML, language files): words of a small vocabulary, compressible
  about 3:1;
- already-compressed images (JPEG and PNG headers before random bytes): incompressible;
- binaries (programs and libraries): a skewed byte alphabet with runs of zeros, as code
  and tables have, compressible to about three quarters.
A few of them are large (several MiB each): the main program, a codec library, a
panorama photo and a reference manual.
"""

import argparse
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "res", "payload"))
import make_payload  # noqa: E402

MIB = 1024 * 1024

WORDS = ("Bild Bilder Datei Dateien Ordner Ansicht Vorschau Einstellungen Farbe Farben Helligkeit "
         "Kontrast Schärfe Größe Drucken Speichern Öffnen Schließen Auswahl Werkzeug Fenster Menü "
         "Tastenkürzel Diashow Miniaturansicht Format Formate Kamera Objektiv Belichtung Zeit Datum "
         "the image file folder view preview settings color brightness contrast size print save open "
         "close select tool window menu shortcut slideshow thumbnail format camera lens exposure "
         "und oder mit ohne für von zu im auf bei nach über unter zwischen and or with without for "
         "from to in on at after over under between 0 1 2 16 24 32 48 64 96 128 256 1024 4.59").split()

# Bytes of machine code and its tables lean towards a few dozen values.
_BINARY_ALPHABET = bytes(range(0x00, 0x18)) + bytes([0x48, 0x49, 0x4C, 0x4D, 0x89, 0x8B, 0x83, 0xC3,
                                                     0xE8, 0xE9, 0xFF, 0x0F, 0x85, 0x84, 0x74, 0x75,
                                                     0x90, 0xCC, 0x24, 0x44, 0x45, 0x20, 0x28, 0x30])
_BINARY_TABLE = bytes(_BINARY_ALPHABET[i % len(_BINARY_ALPHABET)] for i in range(256))

# (folder, file name pattern, kind) of the small and middle-sized files.
FAMILIES = [
    ("Languages/", "Language_{:03d}.ini", "text"),
    ("Plugins/", "Plugin_{:03d}.dll", "binary"),
    ("Help/", "Topic_{:03d}.html", "text"),
    ("Html/", "Template_{:03d}.html", "text"),
    ("Toolbars/", "Skin_{:03d}.png", "image"),
    ("Samples/Photos/", "Photo_{:03d}.jpg", "image"),
    ("Samples/Scans/", "Scan_{:03d}.png", "image"),
    ("Docs/Manual/", "Chapter_{:03d}.txt", "text"),
    ("Lib/", "Module_{:03d}.dll", "binary"),
    ("Lib/Codecs/", "Codec_{:03d}.dll", "binary"),
]

# The large files: (entry name, kind, share of the whole payload).
LARGE = [
    ("lu_main64.exe", "binary", 0.10),
    ("Lib/Codecs/codec_pack.dll", "binary", 0.08),
    ("Samples/Photos/panorama.jpg", "image", 0.11),
    ("Docs/Manual/reference.txt", "text", 0.06),
]


def text_bytes(rng, size):
    words = rng.choices(WORDS, k=size // 5 + 16)
    lines = (" ".join(words[i:i + 12]) for i in range(0, len(words), 12))
    data = "\r\n".join(lines).encode("utf-8")
    while len(data) < size:  # rare: a run of short words
        data += data[: size - len(data)]
    return data[:size]


def image_bytes(rng, size, name):
    header = b"\x89PNG\r\n\x1a\n" if name.endswith(".png") else b"\xff\xd8\xff\xe0\x00\x10JFIF\x00"
    return (header + rng.randbytes(max(size - len(header), 0)))[:size]


def binary_bytes(rng, size):
    code = rng.randbytes(size).translate(_BINARY_TABLE)
    out = bytearray(b"MZ" + code[2:])
    # Every fourth kilobyte is padding or a table of zeros.
    for start in range(3 * 1024, size, 4 * 1024):
        end = min(start + 1024, size)
        out[start:end] = bytes(end - start)
    return bytes(out)


def file_bytes(rng, kind, size, name):
    if kind == "text":
        return text_bytes(rng, size)
    if kind == "image":
        return image_bytes(rng, size, name)
    return binary_bytes(rng, size)


def plan(rng, total, count):
    """[(name, kind, size)] of every file, the sizes adding up to total."""
    large = [(name, kind, int(total * share)) for name, kind, share in LARGE]
    rest = total - sum(size for _, _, size in large)
    small_count = count - len(large)
    # Log-uniform sizes between 2 KiB and 1 MiB, scaled to the rest.
    raw = [2 ** rng.uniform(11, 20) for _ in range(small_count)]
    scale = rest / sum(raw)
    sizes = [max(1, int(r * scale)) for r in raw]
    sizes[-1] += rest - sum(sizes)
    small = []
    numbers = {}
    for i, size in enumerate(sizes):
        folder, pattern, kind = FAMILIES[i % len(FAMILIES)]
        numbers[folder] = numbers.get(folder, 0) + 1
        small.append((folder + pattern.format(numbers[folder]), kind, size))
    return small + large


def folders_of(name):
    parts = name.split("/")[:-1]
    return ["/".join(parts[: i + 1]) + "/" for i in range(len(parts))]


def entries(seed, total, count):
    """[(name, data, is_folder)] in archive order: each folder entry before the files of
    that folder, the files of the top folder last."""
    rng = random.Random(seed)
    files = plan(rng, total, count)
    ordered = sorted(files, key=lambda f: ("/" not in f[0], f[0].rsplit("/", 1)[0] if "/" in f[0] else "", f[0]))
    out, made = [], set()
    for name, kind, size in ordered:
        for folder in folders_of(name):
            if folder not in made:
                made.add(folder)
                out.append((folder, b"", True))
        out.append((name, file_bytes(rng, kind, size, name), False))
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", required=True, help="archive to write")
    parser.add_argument("--seed", type=int, default=1974)
    parser.add_argument("--mib", type=float, default=64.0, help="uncompressed size in MiB")
    parser.add_argument("--files", type=int, default=320, help="number of files")
    args = parser.parse_args()
    archive = make_payload.zip_archive(entries(args.seed, int(args.mib * MIB), args.files))
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    temporary = args.out + ".part"
    with open(temporary, "wb") as f:
        f.write(archive)
    os.replace(temporary, args.out)


if __name__ == "__main__":
    main()
