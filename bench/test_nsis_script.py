"""The peer installer's script: NSIS quoting, the files in the archive's order, and
every recorded registry entry and link turned into its command."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import nsis_script  # noqa: E402

TARGET = "C:\\Program Files\\Lumetra\\"
EXE = TARGET + "lu_main64.exe"


class Quoting(unittest.TestCase):
    def test_dollars_quotes_and_line_ends_are_escaped(self):
        for text, expected in [
            ('"C:\\x\\lu_main64.exe" "%1"', '"$\\"C:\\x\\lu_main64.exe$\\" $\\"%1$\\""'),
            ("$INSTDIR", '"$$INSTDIR"'),
            ("a\r\nb\tc", '"a$\\r$\\nb$\\tc"'),
            ("Über & Lumetra", '"Über & Lumetra"'),
            ("", '""'),
        ]:
            with self.subTest(text=text):
                self.assertEqual(nsis_script.quoted(text), expected)


class Script(unittest.TestCase):
    def script(self, compressor="zlib", notify=True):
        entries = [("Languages/", True), ("Languages/Deutsch.dll", False), ("Help/Sub/", True),
                   ("Help/Sub/a.chm", False), ("Languages/Deutsch.ini", False), ("lu_main64.exe", False)]
        settings = [("C:\\users\\u\\AppData\\Roaming\\Lumetra\\lu_main64.ini", "/w/settings_0.ini")]
        links = {"C:\\users\\u\\Desktop\\Lumetra 64.lnk": {
            "target": EXE, "arguments": "/thumbs", "description": "Lumetra - Thumbnails", "icon_path": EXE,
            "icon_index": 7, "working_folder": "", "hotkey": 0, "show_command": 1}}
        registry = [
            {"root": "HKLM", "key": "SOFTWARE\\Classes\\.jpg", "name": None, "type": "sz", "data": "Lumetra.jpg"},
            {"root": "HKLM", "key": "SOFTWARE\\X", "name": "EstimatedSize", "type": "dword", "data": 7168},
            {"root": "HKCR", "key": "Empty", "name": None, "type": "key", "data": None},
        ]
        return nsis_script.nsis_script(compressor, "/w/out.exe", TARGET, entries, "/w/files", settings, links,
                                       registry, notify).splitlines()

    def body(self, lines):
        return [line.strip() for line in lines[lines.index("Section") + 1:lines.index("SectionEnd")]]

    def test_files_follow_the_archive_order_with_their_folders(self):
        body = self.body(self.script())
        self.assertEqual(body[:9], [
            'CreateDirectory "C:\\Program Files\\Lumetra\\Languages"',
            'SetOutPath "C:\\Program Files\\Lumetra\\Languages"',
            'File "/w/files/Languages/Deutsch.dll"',
            'CreateDirectory "C:\\Program Files\\Lumetra\\Help\\Sub"',
            'SetOutPath "C:\\Program Files\\Lumetra\\Help\\Sub"',
            'File "/w/files/Help/Sub/a.chm"',
            'SetOutPath "C:\\Program Files\\Lumetra\\Languages"',
            'File "/w/files/Languages/Deutsch.ini"',
            'SetOutPath "C:\\Program Files\\Lumetra"',
        ])
        self.assertEqual(body[9], 'File "/w/files/lu_main64.exe"')

    def test_settings_links_registry_and_notices(self):
        body = self.body(self.script())
        rest = body[body.index('File "/w/files/lu_main64.exe"') + 1:]
        self.assertEqual(rest, [
            'SetOutPath "C:\\users\\u\\AppData\\Roaming\\Lumetra"',
            'File "/oname=lu_main64.ini" "/w/settings_0.ini"',
            'StrCpy $OUTDIR ""',
            'CreateDirectory "C:\\users\\u\\Desktop"',
            'CreateShortcut "C:\\users\\u\\Desktop\\Lumetra 64.lnk" "C:\\Program Files\\Lumetra\\lu_main64.exe" '
            '"/thumbs" "C:\\Program Files\\Lumetra\\lu_main64.exe" 7 SW_SHOWNORMAL "" "Lumetra - Thumbnails"',
            'WriteRegStr HKLM "SOFTWARE\\Classes\\.jpg" "" "Lumetra.jpg"',
            'WriteRegDWORD HKLM "SOFTWARE\\X" "EstimatedSize" 7168',
            'WriteRegStr HKCR "Empty" "" ""',
            'DeleteRegValue HKCR "Empty" ""',
        ] + nsis_script.SHELL_NOTICES)

    def test_compressor_and_output(self):
        for compressor, line in (("zlib", "SetCompressor zlib"), ("lzma", "SetCompressor /SOLID lzma")):
            with self.subTest(compressor=compressor):
                lines = self.script(compressor, notify=False)
                self.assertIn(line, lines)
                self.assertIn('OutFile "/w/out.exe"', lines)
                self.assertIn('InstallDir "C:\\Program Files\\Lumetra"', lines)
                self.assertFalse(any("System::Call" in line for line in lines))

    def test_unknown_registry_type_is_refused(self):
        with self.assertRaises(ValueError):
            nsis_script.registry_lines([{"root": "HKLM", "key": "K", "name": None, "type": "binary", "data": ""}])


if __name__ == "__main__":
    unittest.main(verbosity=2)
