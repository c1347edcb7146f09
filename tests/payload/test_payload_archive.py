"""The payload archive as the build wrote it: its ZIP structure byte by byte, the order
and kind of its entries, files that are what their names say, and a second run of the
scripts that gives the same bytes. Runs without Wine."""

import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
import zlib
from html.parser import HTMLParser
from pathlib import Path

SOURCE_DIR = Path(os.environ.get("LUMETRA_SOURCE_DIR", Path(__file__).resolve().parents[2]))
sys.path.insert(0, str(SOURCE_DIR / "res" / "payload"))
from make_payload import RELEASE_DATE  # noqa: E402


def required(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set; run the test through ctest")
    return Path(value)


ARCHIVE = required("LUMETRA_PAYLOAD_ARCHIVE")
ENTRY_LIST = required("LUMETRA_PAYLOAD_ENTRY_LIST")
BUILT_LIST = required("LUMETRA_PAYLOAD_BUILT_LIST")
STAGE = required("LUMETRA_PAYLOAD_STAGE")

FOLDERS = ["Languages/", "Plugins/", "Help/", "Html/", "Toolbars/"]
# Names that other parts of the system use.
RELIED_ON = ["lu_main64.exe", "lm_uninstall.exe", "l_about.txt", "l_changes.txt", "l_options.txt", "l_plugins.txt",
             "l_languages.txt", "Help/lu_main32_deutsch.chm", "Languages/Deutsch.dll", "Plugins/Icons.dll",
             "Toolbars/Heron_16.png", "Toolbars/Falcon_24.png", "Toolbars/gnome-colors-wise_32.png",
             "Toolbars/gnome-colors-human_48.png"]


def dos_date_time(year, month, day, hour, minute, second):
    return ((year - 1980) << 9) | (month << 5) | day, (hour << 11) | (minute << 5) | (second // 2)


class CentralEntry:
    def __init__(self, data, at):
        (self.signature, self.made_by, self.needed, self.flags, self.method, self.time, self.date, self.crc,
         self.compressed, self.size, name_length, extra_length, comment_length, self.disk, self.internal,
         self.external, self.offset) = struct.unpack_from("<IHHHHHHIIIHHHHHII", data, at)
        self.extra_length, self.comment_length = extra_length, comment_length
        self.raw_name = data[at + 46:at + 46 + name_length]
        self.name = self.raw_name.decode("ascii")
        self.end = at + 46 + name_length + extra_length + comment_length


def read_central_directory(data):
    end = len(data) - 22
    signature, disk, disk_cd, count_disk, count, size, offset, comment = struct.unpack_from("<IHHHHIIH", data, end)
    assert signature == 0x06054B50, "no end record in the last 22 bytes: the archive has a comment"
    entries, at = [], offset
    for _ in range(count):
        entry = CentralEntry(data, at)
        assert entry.signature == 0x02014B50
        entries.append(entry)
        at = entry.end
    return (disk, disk_cd, count_disk, count, size, offset, comment), entries, at


class ArchiveStructure(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = ARCHIVE.read_bytes()
        cls.end_record, cls.entries, cls.directory_end = read_central_directory(cls.data)

    def test_end_record_is_plain(self):
        disk, disk_cd, count_disk, count, size, offset, comment = self.end_record
        self.assertEqual((disk, disk_cd, comment), (0, 0, 0))
        self.assertEqual((count_disk, count), (39, 39))
        self.assertEqual(offset + size, len(self.data) - 22)
        self.assertEqual(self.directory_end, len(self.data) - 22)
        self.assertNotIn(b"PK\x06\x06", self.data[offset:], "zip64 end record")
        self.assertNotIn(b"PK\x06\x07", self.data[offset:], "zip64 locator")

    def test_entries_are_in_order_and_of_their_kind(self):
        names = [e.name for e in self.entries]
        self.assertEqual(names[:3], ["Languages/", "Languages/Deutsch.dll", "Languages/Deutsch.ini"])
        self.assertEqual(names[3], "Plugins/")
        self.assertTrue(all(n.startswith("Plugins/") for n in names[4:14]), names[4:14])
        self.assertEqual(sum(n.endswith(".dll") for n in names[4:14]), 8)
        self.assertEqual(sum(n.endswith(".exe") for n in names[4:14]), 2)
        self.assertIn("lu_main64.exe", names[-3:])
        self.assertEqual([n for n in names if n.endswith("/")], FOLDERS)
        for folder in FOLDERS:  # each folder comes before its files
            self.assertTrue(all(names.index(folder) <= i for i, n in enumerate(names) if n.startswith(folder)))
        for name in RELIED_ON:
            self.assertIn(name, names)
        self.assertEqual(len(set(n.lower() for n in names)), 39)
        self.assertEqual(sum(n.endswith(".txt") and "/" not in n for n in names), 7)

    def test_uninstallers_entry_list_names_exactly_the_archives_entries(self):
        rows = re.findall(r'\{L"((?:[^"\\]|\\.)*)", (true|false)\},', ENTRY_LIST.read_text(encoding="utf-8"))
        listed = [(name.replace("\\\\", "/") + ("/" if folder == "true" else ""), folder == "true")
                  for name, folder in rows]
        self.assertEqual(listed, [(e.name, e.name.endswith("/")) for e in self.entries])

    def test_every_header_is_plain(self):
        date, time = dos_date_time(*RELEASE_DATE)
        for entry in self.entries:
            with self.subTest(entry=entry.name):
                folder = entry.name.endswith("/")
                self.assertNotIn("\\", entry.name)
                self.assertFalse(entry.name.startswith("/") or ".." in entry.name.split("/"))
                self.assertEqual(entry.flags, 0, "encryption, data descriptor or UTF-8 flag")
                self.assertEqual((entry.extra_length, entry.comment_length, entry.disk), (0, 0, 0))
                self.assertEqual((entry.date, entry.time), (date, time))
                self.assertEqual(entry.method, 0 if folder else 8)
                self.assertEqual(entry.external, 0x30 if folder else 0x20)
                if folder:
                    self.assertEqual((entry.size, entry.compressed, entry.crc), (0, 0, 0))
                local = struct.unpack_from("<IHHHHHIIIHH", self.data, entry.offset)
                self.assertEqual(local[0], 0x04034B50)
                self.assertEqual(local[2:9], (0, entry.method, entry.time, entry.date, entry.crc, entry.compressed,
                                              entry.size))
                self.assertEqual(local[10], 0, "local extra field")
                self.assertEqual(self.data[entry.offset + 30:entry.offset + 30 + local[9]], entry.raw_name)

    def test_members_decompress_with_their_crc(self):
        with zipfile.ZipFile(ARCHIVE) as archive:
            self.assertIsNone(archive.testzip())


class PngImage:
    def __init__(self, data):
        assert data[:8] == b"\x89PNG\r\n\x1a\n", "no PNG signature"
        at, self.chunks, idat = 8, [], b""
        while at < len(data):
            length, kind = struct.unpack_from(">I4s", data, at)
            body = data[at + 8:at + 8 + length]
            (crc,) = struct.unpack_from(">I", data, at + 8 + length)
            assert crc == zlib.crc32(kind + body) & 0xFFFFFFFF, f"bad CRC in {kind}"
            self.chunks.append(kind)
            if kind == b"IHDR":
                self.width, self.height, self.depth, self.colour = struct.unpack_from(">IIBB", body)
            if kind == b"IDAT":
                idat += body
            at += 12 + length
        self.pixels = zlib.decompress(idat)


class BalancedHtml(HTMLParser):
    VOID = {"meta", "img", "br", "link", "input", "hr"}

    def __init__(self):
        super().__init__()
        self.open, self.errors, self.doctype = [], [], None

    def handle_decl(self, decl):
        self.doctype = decl

    def handle_starttag(self, tag, attrs):
        if tag not in self.VOID:
            self.open.append(tag)

    def handle_endtag(self, tag):
        if not self.open or self.open.pop() != tag:
            self.errors.append(tag)


def pe_resource_ids(image, resource_type):
    """Numeric ids of the resources of a type, in directory order."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    assert image[pe:pe + 4] == b"PE\0\0"
    sections, optional_size = struct.unpack_from("<H", image, pe + 6)[0], struct.unpack_from("<H", image, pe + 20)[0]
    optional = pe + 24
    resource_rva = struct.unpack_from("<I", image, optional + 112 + 2 * 8)[0]  # data directory 2 (PE32+)
    table = optional + optional_size
    for i in range(sections):
        virtual_size, virtual_address, raw_size, raw_pointer = struct.unpack_from("<IIII", image, table + 40 * i + 8)
        if virtual_address <= resource_rva < virtual_address + max(virtual_size, raw_size):
            base = raw_pointer + resource_rva - virtual_address
            break
    else:
        raise AssertionError("no resource section")

    def directory(offset):
        named, numbered = struct.unpack_from("<HH", image, base + offset + 12)
        for k in range(named + numbered):
            name, target = struct.unpack_from("<II", image, base + offset + 16 + 8 * k)
            yield name, target

    for type_id, target in directory(0):
        if type_id == resource_type:
            return [name for name, _ in directory(target & 0x7FFFFFFF)]
    return []


class EntryContent(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with zipfile.ZipFile(ARCHIVE) as archive:
            cls.files = {i.filename: archive.read(i) for i in archive.infolist() if not i.is_dir()}

    def test_programs_and_libraries_are_pe_images(self):
        for name, data in self.files.items():
            if name.endswith((".exe", ".dll")):
                with self.subTest(entry=name):
                    self.assertEqual(data[:2], b"MZ")
                    pe = struct.unpack_from("<I", data, 0x3C)[0]
                    self.assertEqual(data[pe:pe + 6], b"PE\0\0\x64\x86", "not a 64-bit image")

    def test_icon_library_has_the_size_of_the_shipped_one(self):
        self.assertEqual(len(self.files["Plugins/Icons.dll"]), 226816)

    def test_viewer_carries_its_icons_in_index_order(self):
        groups = pe_resource_ids(self.files["lu_main64.exe"], 14)  # RT_GROUP_ICON
        self.assertEqual(groups, list(range(1, 11)), "indices 0 to 9 are ids 1 to 10")

    def test_toolbar_skins_are_png_strips_of_their_button_size(self):
        for name, size in (("Heron_16", 16), ("Falcon_24", 24), ("gnome-colors-wise_32", 32),
                           ("gnome-colors-human_48", 48)):
            with self.subTest(skin=name):
                image = PngImage(self.files[f"Toolbars/{name}.png"])
                self.assertEqual((image.height, image.depth, image.colour), (size, 8, 6))
                self.assertEqual(image.width % size, 0)
                self.assertGreater(image.width // size, 1)
                self.assertEqual(len(image.pixels), image.height * (1 + 4 * image.width))
                self.assertEqual(image.chunks[-1], b"IEND")
                self.assertIn(f"Toolbars/{name}.txt", self.files)

    def test_texts_are_windows_text(self):
        for name, data in self.files.items():
            if name.endswith((".txt", ".ini", ".html")):
                with self.subTest(entry=name):
                    self.assertNotIn(b"\n", data.replace(b"\r\n", b""), "bare line feed")
                    text = data.decode("utf-8" if name.endswith(".html") else "cp1252")
                    self.assertGreater(len(text.split()), 20)
        self.assertIn("Über Lumetra", self.files["l_about.txt"].decode("cp1252"))

    def test_html_templates_are_balanced_html(self):
        for name in ("Html/gallery.html", "Html/slideshow.html", "Html/thumbnails.html"):
            with self.subTest(entry=name):
                parser = BalancedHtml()
                parser.feed(self.files[name].decode("utf-8"))
                parser.close()
                self.assertEqual(parser.doctype, "DOCTYPE html")
                self.assertEqual((parser.open, parser.errors), ([], []))

    def test_help_files_are_compiled_help(self):
        for name in ("Help/lu_main32_deutsch.chm", "Help/lu_plugins_deutsch.chm"):
            with self.subTest(entry=name):
                self.assertEqual(self.files[name][:4], b"ITSF")


class Reproducible(unittest.TestCase):
    def run_script(self, *args):
        subprocess.run([sys.executable, *map(str, args)], check=True)

    def test_writing_the_archive_again_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as scratch:
            again = Path(scratch) / "payload.zip"
            self.run_script(SOURCE_DIR / "res" / "payload" / "make_payload.py", "--built", BUILT_LIST, "--out", again)
            self.assertEqual(again.read_bytes(), ARCHIVE.read_bytes())

    def test_compiling_the_help_again_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as scratch:
            again = Path(scratch) / "lu_main32_deutsch.chm"
            self.run_script(SOURCE_DIR / "res" / "payload" / "make_help.py",
                            SOURCE_DIR / "res" / "payload" / "help" / "lu_main32_deutsch", "lu_main32_deutsch.hhp",
                            again)
            self.assertEqual(again.read_bytes(), (STAGE / "Help" / "lu_main32_deutsch.chm").read_bytes())


if __name__ == "__main__":
    unittest.main(verbosity=2)
