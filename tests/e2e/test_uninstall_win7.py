"""lm_uninstall.exe on Windows 7: the full removal (see uninstall_checks.py), with the
Start-menu group's uninstall link; and the folders it refuses."""

from scenario import ScenarioCase, main
from uninstall_checks import FOLDER, STRING_NOT_INSTALLED, UNINSTALL_KEY, UNINSTALLER, UninstallChecks


class UninstallOnWindows7(UninstallChecks, ScenarioCase):
    windows_version = "win7"
    windows8_or_later = False

    def test_a_folder_without_the_viewer_is_refused_whatever_names_it(self):
        self.install("/silent /group=1 /desktop=1")
        # A copy outside the installation, and an uninstall entry naming the Windows folder.
        elsewhere = "C:\\Kopie\\"
        self.box.unix(elsewhere).mkdir()
        self.box.unix(elsewhere + "lm_uninstall.exe").write_bytes(self.box.find(UNINSTALLER).read_bytes())
        self.box.wine("reg", "add", UNINSTALL_KEY, "/v", "InstallLocation", "/d", "C:\\windows\\", "/f")
        before = self.snapshot()

        self.assertEqual(self.box.run(elsewhere + "lm_uninstall.exe", "/silent", folder=self.downloads), 3)
        # The temporary copy's own command line is no way round the check either.
        self.assertEqual(self.box.run(UNINSTALLER, '/helper /folder=C:\\windows\\ /silent',
                                      folder=self.downloads), 3)
        log = f"{self.downloads}\\Lumetra_Install.log"
        self.assertLogIsExactly(STRING_NOT_INSTALLED + "C:\\Kopie\\", STRING_NOT_INSTALLED + "C:\\windows\\")
        self.assertSameAsBefore(before, self.snapshot(), {log})
        self.assertTrue(self.box.find(FOLDER + "lu_main64.exe").is_file())

    def test_without_a_temporary_folder_it_removes_in_place_and_leaves_its_file_to_the_next_start(self):
        self.install("/silent /group=1 /desktop=1")
        # Wine takes the temporary folder from the user's environment in the registry.
        for name in ("TMP", "TEMP"):
            self.box.wine("reg", "add", "HKCU\\Environment", "/v", name, "/d", "C:\\fehlt", "/f")

        self.assertEqual(self.box.run(UNINSTALLER, "/silent", folder=self.downloads), 0)
        inside = {p for p in self.box.tree() if p.lower().startswith(FOLDER.lower())}
        self.assertEqual(inside, {FOLDER, UNINSTALLER}, "the running program's own file stays")
        registry = self.box.registry()
        self.assertFalse(registry.key_exists(UNINSTALL_KEY))
        pending = registry.value("HKLM\\System\\CurrentControlSet\\Control\\Session Manager",
                                 "PendingFileRenameOperations")
        self.assertIsNotNone(pending, "nothing left to the next start")
        self.assertIn(UNINSTALLER + "\0", pending.data)
        self.assertIn(FOLDER + "\0", pending.data)


if __name__ == "__main__":
    main()
