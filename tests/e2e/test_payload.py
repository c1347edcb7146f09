"""The payload of a silent installation: every entry of the archive below the target
folder with its time, no temporary copy left behind, a viewer that runs; and the report
when the temporary folder cannot take the copy."""

import calendar
import time
import zipfile

from scenario import STRING_7, ScenarioCase, main, tool
from winebox import required_env

TARGET = "C:\\Lumetra"


def payload_archive():
    return zipfile.ZipFile(required_env("LUMETRA_PAYLOAD_ARCHIVE"))


def entry_time_utc(info):
    """The entry's DOS time read as local time, converted with the bias in effect now, as
    the system's LocalFileTimeToFileTime does."""
    return calendar.timegm(info.date_time + (0, 0, -1)) - time.localtime().tm_gmtoff


class PayloadInstallation(ScenarioCase):
    def installed(self):
        """Everything below the target folder."""
        inside = TARGET.lower() + "\\"
        return {p for p in self.box.tree() if p.lower().startswith(inside) and p.lower() != inside}

    def install(self):
        self.assertEqual(self.run_setup(f"/silent /folder={TARGET}"), 0)
        self.assertIsNone(self.log_bytes())

    def test_every_entry_is_written_with_its_time_and_no_copy_stays(self):
        self.install()
        with payload_archive() as archive:
            entries = archive.infolist()
            self.assertEqual(len(entries), 39)
            for info in entries:
                with self.subTest(entry=info.filename):
                    path = self.box.unix(TARGET + "\\" + info.filename.replace("/", "\\"))
                    if info.is_dir():
                        self.assertTrue(path.is_dir())
                        continue
                    self.assertEqual(path.read_bytes(), archive.read(info))
                    self.assertEqual(int(path.stat().st_mtime), entry_time_utc(info))
        # Besides the archive's entries only the program folder's settings file.
        settings = TARGET + "\\lu_main64.ini"
        self.assertIn(settings, self.installed())
        self.assertEqual(len(self.installed() - {settings}), 39, "the target holds exactly the archive's entries")
        leftovers = [p for p in self.box.tree() if p.lower().endswith("\\lumeng_x64.zip")]
        self.assertEqual(leftovers, [])

    def wait_for_viewer(self, title):
        """Waits for the viewer's window with this title, closes it; returns the tool's
        exit code and the titles it saw."""
        result = self.box.wine(str(tool("wait_for_window.exe")), "Lumetra", "30", title, "/close", timeout=90)
        return result.returncode, result.stdout.decode("utf-8", "replace")

    def test_installed_viewer_shows_an_image_and_a_folder(self):
        self.install()
        viewer = self.box.start(f"{TARGET}\\lu_main64.exe", [f"{TARGET}\\Toolbars\\Falcon_24.png"])
        self.addCleanup(viewer.kill)
        code, seen = self.wait_for_viewer("Falcon_24.png - Lumetra")
        self.assertEqual(code, 0, f"no viewer window with the image's name; seen: {seen!r}")
        self.assertEqual(viewer.wait(timeout=30), 0)

        viewer = self.box.start(f"{TARGET}\\lu_main64.exe", [f"{TARGET}\\Toolbars", "/thumbs"])
        self.addCleanup(viewer.kill)
        code, seen = self.wait_for_viewer(f"Thumbnails - {TARGET}\\Toolbars")
        self.assertEqual(code, 0, f"no thumbnails window for the folder; seen: {seen!r}")
        self.assertEqual(viewer.wait(timeout=30), 0)

    def test_unwritable_temporary_folder_stops_the_installation(self):
        # Wine takes the temporary folder from the user's environment in the registry.
        for name in ("TMP", "TEMP"):
            self.box.wine("reg", "add", "HKCU\\Environment", "/v", name, "/d", "C:\\fehlt", "/f")
        self.assertEqual(self.run_setup(f"/silent /folder={TARGET}"), 5)
        self.assertLogIsExactly(f"{TARGET}\\: {STRING_7}")
        self.assertEqual(self.installed(), {f"{TARGET}\\Plugins\\"})


if __name__ == "__main__":
    main()
