"""Shared pieces of the end-to-end scenarios: the setup under test, its log, and a
unittest base class that gives every scenario a fresh prefix."""

import os
import re
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from winebox import WineBox, required_env  # noqa: E402

LOG_NAME = "Lumetra_Install.log"
SEPARATOR = "-" * 48
# Default Wine locale (en-US): short date M/d/yyyy, 24-hour time.
STAMP = r"\d{1,2}/\d{1,2}/\d{4} - ([01]\d|2[0-3]):[0-5]\d:[0-5]\d: "

STRING_5 = "Ungültiges Zielverzeichnis!"
STRING_7 = ("Fehler beim Installieren!\n\nÜberprüfen Sie bitte ob Lumetra läuft, das Zielverzeichnis voll "
            "ist oder keine Schreibrechte vorhanden sind!\n\n(Der Installer sollte im ADMIN-Modus gestartet "
            "werden, z.B. den Installer mit der rechten Maustaste anklicken)")
STRING_10 = "Warnung: Lumetra läuft!\nBeenden Sie bitte Lumetra bevor Sie mit der Installation fortsetzen!"
STRING_11 = ("Kann Zielverzeichnis nicht erstellen!\n\nBitte überprüfen Sie Ihre Schreibrechte und "
             "System-Policies!\n\nVersuchen Sie das Zielverzeichnis zuerst händisch zu erstellen.")


def setup_exe():
    return Path(required_env("LUMETRA_SETUP_EXE"))


def tool(name):
    return Path(required_env("LUMETRA_TOOLS_DIR")) / name


def log_entry_pattern(text):
    """A regular expression for one log entry with the given text, as bytes."""
    body = re.escape(text.replace("\n", "\r\n").encode("latin-1"))
    return re.compile(STAMP.encode() + body + b"\r\n" + SEPARATOR.encode() + b"\r\n")


class ScenarioCase(unittest.TestCase):
    """Every test method runs in its own fresh prefix (self.box)."""

    windows_version = None

    def setUp(self):
        self.box = WineBox(windows_version=self.windows_version)
        self.addCleanup(self.box.close)
        self.downloads = f"{self.box.user_dir}\\Downloads"

    def run_setup(self, tail, folder=None, timeout=180):
        """Runs the setup with '"<setup>" <tail>' from the Downloads folder (or the given
        folder); returns its exit code."""
        return self.box.run(setup_exe(), tail, folder=folder or self.downloads, timeout=timeout)

    def log_bytes(self, folder=None):
        path = self.box.unix(f"{folder or self.downloads}\\{LOG_NAME}")
        return path.read_bytes() if path.exists() else None

    def assertLogIsExactly(self, *texts, folder=None):
        log = self.log_bytes(folder)
        self.assertIsNotNone(log, "no install log was written")
        pos = 0
        for text in texts:
            match = log_entry_pattern(text).match(log, pos)
            self.assertIsNotNone(match, f"entry {text!r} not found at byte {pos} of {log!r}")
            pos = match.end()
        self.assertEqual(pos, len(log), f"unexpected bytes after the entries: {log[pos:]!r}")


def main():
    unittest.main(verbosity=2)
