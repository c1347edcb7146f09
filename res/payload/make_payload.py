#!/usr/bin/env python3
"""Write the payload archive that the setup carries as resource "ZIP" 1974.

    python3 make_payload.py --built <list file> --out <payload.zip>
    python3 make_payload.py --entry-list <payload_entry_list.inc>

The second form writes the archive's entries as C++ table rows for the uninstaller,
which removes exactly these names again; it needs none of the built files.

The list file names the files the build made, one "<entry name>=<path>" a line:
programs, libraries and help files. Everything else comes from this folder: text files
(UTF-8 here, Windows-1252 with CR LF in the archive, as the viewer and Notepad read
them), HTML templates (UTF-8 with CR LF) and the toolbar skins, drawn by
make_toolbars.py.

The archive is a plain ZIP: no encryption, no zip64 records, no data descriptors, no
extra fields and no comment. Folders are stored entries of size 0 whose names end in
"/", files are deflated; every entry carries the release date of this version, so two
builds of the same sources give the same bytes.
"""

import argparse
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_toolbars  # noqa: E402

# 18 November 2024, 04:59: the release of version 4.59, the time of every entry.
RELEASE_DATE = (2024, 11, 18, 4, 59, 0)

FOLDER, BUILT, ANSI_TEXT, UTF8_TEXT, TOOLBAR = "folder", "built", "ansi", "utf8", "toolbar"

# The archive's entries in their order. Other parts of the system rely on the names of
# lu_main64.exe, lm_uninstall.exe, the five l_*.txt documents the Start menu links,
# Help/lu_main32_deutsch.chm, Languages/Deutsch.dll, Plugins/Icons.dll and the four
# toolbar skins.
ENTRIES = [
    ("Languages/", FOLDER),
    ("Languages/Deutsch.dll", BUILT),
    ("Languages/Deutsch.ini", ANSI_TEXT),
    ("Plugins/", FOLDER),
    ("Plugins/Capture.dll", BUILT),
    ("Plugins/Compare.dll", BUILT),
    ("Plugins/Effects.dll", BUILT),
    ("Plugins/Exif.dll", BUILT),
    ("Plugins/Formats.dll", BUILT),
    ("Plugins/Icons.dll", BUILT),
    ("Plugins/Printing.dll", BUILT),
    ("Plugins/Slideshow.dll", BUILT),
    ("Plugins/lu_exifinfo.exe", BUILT),
    ("Plugins/lu_formatinfo.exe", BUILT),
    ("Help/", FOLDER),
    ("Help/lu_main32_deutsch.chm", BUILT),
    ("Help/lu_plugins_deutsch.chm", BUILT),
    ("Html/", FOLDER),
    ("Html/gallery.html", UTF8_TEXT),
    ("Html/slideshow.html", UTF8_TEXT),
    ("Html/thumbnails.html", UTF8_TEXT),
    ("Toolbars/", FOLDER),
    ("Toolbars/Falcon_24.png", TOOLBAR),
    ("Toolbars/Falcon_24.txt", ANSI_TEXT),
    ("Toolbars/Heron_16.png", TOOLBAR),
    ("Toolbars/Heron_16.txt", ANSI_TEXT),
    ("Toolbars/gnome-colors-human_48.png", TOOLBAR),
    ("Toolbars/gnome-colors-human_48.txt", ANSI_TEXT),
    ("Toolbars/gnome-colors-wise_32.png", TOOLBAR),
    ("Toolbars/gnome-colors-wise_32.txt", ANSI_TEXT),
    ("l_about.txt", ANSI_TEXT),
    ("l_changes.txt", ANSI_TEXT),
    ("l_languages.txt", ANSI_TEXT),
    ("l_license.txt", ANSI_TEXT),
    ("l_options.txt", ANSI_TEXT),
    ("l_plugins.txt", ANSI_TEXT),
    ("l_shortcuts.txt", ANSI_TEXT),
    ("lm_uninstall.exe", BUILT),
    ("lu_main64.exe", BUILT),
]

# Attributes a Windows archiver records: archive, and directory for folders.
FILE_ATTRIBUTES = 0x20
FOLDER_ATTRIBUTES = 0x30


def dos_date_time(year, month, day, hour, minute, second):
    return ((year - 1980) << 9) | (month << 5) | day, (hour << 11) | (minute << 5) | (second // 2)


def windows_text(path, encoding):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode(encoding)


def entry_bytes(name, kind, built, toolbars):
    if kind == FOLDER:
        return b""
    if kind == BUILT:
        with open(built[name], "rb") as f:
            return f.read()
    if kind == TOOLBAR:
        return toolbars[name.split("/")[-1]]
    source = os.path.join(HERE, *name.split("/"))
    return windows_text(source, "cp1252" if kind == ANSI_TEXT else "utf-8")


def zip_archive(files):
    """files: [(name, data, is_folder)] -> bytes of the archive."""
    date, time = dos_date_time(*RELEASE_DATE)
    body, directory = bytearray(), bytearray()
    for name, data, is_folder in files:
        encoded = name.encode("ascii")
        if is_folder:
            method, stored, version = 0, b"", 10
        else:
            compressor = zlib.compressobj(9, zlib.DEFLATED, -15, 8, zlib.Z_DEFAULT_STRATEGY)
            method, stored, version = 8, compressor.compress(data) + compressor.flush(), 20
        crc = zlib.crc32(data) & 0xFFFFFFFF
        if len(body) + len(stored) >= 0xFFFFFFFF:
            raise ValueError("the payload would need zip64 records")
        common = struct.pack("<HHHHHIII", version, 0, method, time, date, crc, len(stored), len(data))
        directory += (struct.pack("<IH", 0x02014B50, version) + common
                      + struct.pack("<HHHHHII", len(encoded), 0, 0, 0, 0,
                                    FOLDER_ATTRIBUTES if is_folder else FILE_ATTRIBUTES, len(body))
                      + encoded)
        body += struct.pack("<I", 0x04034B50) + common + struct.pack("<HH", len(encoded), 0) + encoded + stored
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(files), len(files), len(directory), len(body), 0)
    return bytes(body + directory + end)


def entry_list_rows():
    """The entries as rows of a C++ table: {L"<name with backslashes>", <is folder>},"""
    rows = ["// Written by res/payload/make_payload.py from its list of the archive's entries.\n"]
    for name, kind in ENTRIES:
        windows_name = name.rstrip("/").replace("/", "\\\\")
        rows.append(f'{{L"{windows_name}", {"true" if kind == FOLDER else "false"}}},\n')
    return "".join(rows)


def write_if_changed(path, text):
    """Leaves an unchanged file alone, so that what is built from it is not rebuilt."""
    if os.path.exists(path):
        with open(path, encoding="utf-8", newline="") as f:
            if f.read() == text:
                return
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def read_built_list(path):
    built = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line:
                name, _, file_path = line.partition("=")
                built[name] = file_path
    return built


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--built", help="list of the files the build made")
    parser.add_argument("--out", help="archive to write")
    parser.add_argument("--entry-list", help="C++ table rows of the entries to write")
    args = parser.parse_args()
    if args.entry_list:
        write_if_changed(args.entry_list, entry_list_rows())
    if args.out is None and args.built is None:
        if args.entry_list:
            return
        parser.error("give --built and --out, or --entry-list")
    if not args.out or not args.built:
        parser.error("--built and --out go together")

    built = read_built_list(args.built)
    expected = {name for name, kind in ENTRIES if kind == BUILT}
    if set(built) != expected:
        sys.exit(f"built files do not match the entries: missing {sorted(expected - set(built))}, "
                 f"unknown {sorted(set(built) - expected)}")
    toolbars = make_toolbars.toolbar_images()
    files = [(name, entry_bytes(name, kind, built, toolbars), kind == FOLDER) for name, kind in ENTRIES]
    archive = zip_archive(files)
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "wb") as f:
        f.write(archive)


if __name__ == "__main__":
    main()
